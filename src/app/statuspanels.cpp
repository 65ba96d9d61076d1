// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/statuspanels.h"

#include <QLabel>

#include "table/questionlist.h"

namespace {

constexpr int StatusBarHeight = 19;

} // namespace

TStatusPanels::TStatusPanels(QWidget* Parent) : QStatusBar(Parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    setFixedHeight(StatusBarHeight);
    const int Widths[6] = {72, 72, 72, 72, 88, 172};
    const QString Texts[6] = {QStringLiteral("totaal: 0000"), QStringLiteral("rest: 0000"), QStringLiteral("goed: 0000"),
                              QStringLiteral("fout: 0000"), QStringLiteral("tijd: 00:00:00"), QStringLiteral("Bestand:")};
    for (int Panel = 0; Panel < 6; ++Panel) {
        auto* Label = new QLabel(Texts[Panel], this);
        Label->setObjectName(QStringLiteral("StatusPanel%1").arg(Panel));
        Label->setFrameShape(QFrame::Panel);
        Label->setFrameShadow(QFrame::Sunken);
        Label->setAlignment(Panel < 5 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        // A panel grows to fit its text, never below its design width.
        Label->setMinimumWidth(Widths[Panel]);
        if (Panel < 5)
            Label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        addWidget(Label, Panel < 5 ? 0 : 1);
        Panels[Panel] = Label;
    }
}

void TStatusPanels::ShowCounters(const TQuestionlist& Table, const QString& FileName)
{
    Panels[5]->setText(QStringLiteral("Bestand: ") + FileName.mid(FileName.lastIndexOf(QLatin1Char('/')) + 1));
    Panels[0]->setText(QStringLiteral("totaal: %1").arg(Table.Count()));
    Panels[1]->setText(QStringLiteral("rest: %1").arg(Table.Rest));
    Panels[2]->setText(QStringLiteral("goed: %1").arg(Table.RightAnswers));
    Panels[3]->setText(QStringLiteral("fout: %1").arg(Table.WrongAnswers));
}

void TStatusPanels::ShowElapsed(qint64 Seconds)
{
    Panels[4]->setText(QStringLiteral("tijd: %1:%2:%3")
                           .arg(Seconds / 3600)
                           .arg(Seconds / 60 % 60, 2, 10, QChar(u'0'))
                           .arg(Seconds % 60, 2, 10, QChar(u'0')));
}
