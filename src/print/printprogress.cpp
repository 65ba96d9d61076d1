// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printprogress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/errordisplay.h"
#include "ui/uistyle.h"

TPrintProgress::TPrintProgress(QWidget* Owner) : QDialog(Owner, FixedDialogFlags)
{
    SetUpDialog(this, QStringLiteral("PrintProgress"), QString::fromLatin1(ProgramTitle));
    setWindowModality(Qt::ApplicationModal);
    lblPagina = new QLabel(this);
    lblPagina->setObjectName(QStringLiteral("lblPagina"));
    lblPagina->setMinimumWidth(260);
    prgPaginas = new QProgressBar(this);
    prgPaginas->setObjectName(QStringLiteral("prgPaginas"));
    prgPaginas->setTextVisible(false);
    btnStoppen = new QPushButton(QStringLiteral("Stoppen"), this);
    btnStoppen->setObjectName(QStringLiteral("btnStoppen"));
    connect(btnStoppen, &QPushButton::clicked, this, &TPrintProgress::reject);

    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(lblPagina);
    Layout->addWidget(prgPaginas);
    Layout->addWidget(btnStoppen, 0, Qt::AlignRight);
    Layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPrintProgress::PagePrinted(int Page, int Pages)
{
    if (!isVisible() && (Pages < ShownFromPages || FStopped))
        return;
    if (!FStopped)
        lblPagina->setText(QStringLiteral("Pagina %1 van %2 is afgedrukt.").arg(Page).arg(Pages));
    prgPaginas->setRange(0, Pages);
    prgPaginas->setValue(Page);
    if (!isVisible())
        show();
    // The printout runs on this thread: this is when "Stoppen" can be pressed.
    QCoreApplication::processEvents();
}

void TPrintProgress::reject()
{
    if (FStopped)
        return;
    FStopped = true;
    btnStoppen->setEnabled(false);
    lblPagina->setText(QStringLiteral("Het afdrukken wordt gestopt..."));
}
