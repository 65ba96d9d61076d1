// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/dlgslafoutenop.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <optional>

#include "ui/commandguard.h"
#include "files/tablefiledialog.h"
#include "table/questionlist.h"
#include "ui/frmjanee.h"
#include "ui/uistyle.h"

namespace {

// A whole number, or no value.
std::optional<int> WholeNumber(const QString& Text)
{
    bool Ok = false;
    const int Value = Text.trimmed().toInt(&Ok);
    return Ok ? std::optional<int>(Value) : std::nullopt;
}

// The highest class of the wrong-answer counts: 10 times and more.
constexpr int TopErrorClass = 10;

} // namespace

TDlgSlaFoutenOp::TDlgSlaFoutenOp(QWidget& Owner, const TQuestionlist& Table) : QDialog(&Owner), Table(Table)
{
    setObjectName(QStringLiteral("DlgSlaFoutenOp"));
    setWindowTitle(QStringLiteral("Fouten opslaan"));
    setFont(ArialPixels(11));
    setFixedSize(372, 170);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 356, 118);

    Label1 = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("Sla alle vragen op die tenminste:"), font());
    Label1->setGeometry(8, 22, 356, 16);
    Label1->setAlignment(Qt::AlignCenter);

    edtFoutAantal = new QSpinBox(this);
    edtFoutAantal->setObjectName(QStringLiteral("edtFoutAantal"));
    edtFoutAantal->setGeometry(104, 48, 44, 22);

    Label2 = MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("keer fout zijn beantwoord"), font());
    Label2->setGeometry(156, 51, 180, 16);

    lblAantalfout = MakeLabel(this, QStringLiteral("lblAantalfout"), QString(), ArialPixels(11, true));
    lblAantalfout->setGeometry(8, 88, 356, 16);
    lblAantalfout->setAlignment(Qt::AlignCenter);
    SetTextColour(lblAantalfout, NavyColour());

    OKBtn = new QPushButton(QStringLiteral("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(210, 136, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Annuleren"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(289, 136, 75, 25);
    setTabOrder(edtFoutAantal, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    dlgSave = MakeTableDialog(this, QStringLiteral("dlgSave"), SaveTableFilter, true);

    connect(edtFoutAantal, &QSpinBox::textChanged, this, &TDlgSlaFoutenOp::edtFoutAantalChange);
    ConnectCommand(OKBtn, &QPushButton::clicked, this, &TDlgSlaFoutenOp::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TDlgSlaFoutenOp::Prepare(int MaxErrorStat)
{
    edtFoutAantal->setRange(0, std::max(MaxErrorStat, 0));
    edtFoutAantal->setValue(1);
}

QString TDlgSlaFoutenOp::AffectedCountText(const QString& Text) const
{
    const int N = WholeNumber(Text).value_or(0);
    if (N == 0)
        return QString();
    int Count = 0;
    if (N <= TopErrorClass)
        for (int K = TopErrorClass; K >= std::max(N, 0); --K)
            Count += Table.ErrorStat(K);
    return QStringLiteral("(betreft %1 %2)").arg(Count).arg(Count == 1 ? QStringLiteral("vraag") : QStringLiteral("vragen"));
}

int TDlgSlaFoutenOp::Threshold() const { return WholeNumber(edtFoutAantal->text()).value_or(1); }

bool TDlgSlaFoutenOp::event(QEvent* Event)
{
    if (Event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(Event);
}

void TDlgSlaFoutenOp::showEvent(QShowEvent* Event)
{
    QDialog::showEvent(Event);
    FormActivate();
}

void TDlgSlaFoutenOp::FormActivate()
{
    lblAantalfout->setText(AffectedCountText(edtFoutAantal->text()));
    edtFoutAantal->setFocus();
}

void TDlgSlaFoutenOp::edtFoutAantalChange(const QString& Text) { lblAantalfout->setText(AffectedCountText(Text)); }

void TDlgSlaFoutenOp::OKBtnClick()
{
    SaveFileName.clear();
    if (WholeNumber(edtFoutAantal->text()).value_or(0) != 0) {
        while (dlgSave->exec() == QDialog::Accepted && !dlgSave->selectedFiles().isEmpty()) {
            const QString File = dlgSave->selectedFiles().constFirst();
            if (!QFileInfo::exists(File) || AskYesNo(QStringLiteral("Bestand bestaat al, overschrijven?"), false)) {
                SaveFileName = File;
                break;
            }
        }
    }
    accept();
}
