// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/frmmain.h"
#include "ui/frmjanee.h"

QString WriteTable(const QTemporaryDir& Dir, const QString& Name, int Entries)
{
    const QString Path = Dir.filePath(Name);
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly))
        return {};
    for (int Entry = 1; Entry <= Entries; ++Entry)
        File.write(QStringLiteral("vraag%1 = antwoord%1\r\n").arg(Entry).toLatin1());
    return Path;
}

std::unique_ptr<TfrmMain> StartMainWindow(const QStringList& Arguments)
{
    auto Window = std::make_unique<TfrmMain>();
    Window->SetCommandLine(Arguments);
    Window->show();
    Window->activateWindow();
    if (!QTest::qWaitForWindowActive(Window.get()))
        qWarning("main window did not become active");
    if (!QTest::qWaitFor([&] { return !Window->FirstActivation; }))
        qWarning("first activation did not run");
    return Window;
}

void WhenModal(std::function<void(QWidget*)> Act)
{
    auto* Poll = new QTimer(qApp);
    Poll->setInterval(5);
    QObject::connect(Poll, &QTimer::timeout, [Poll, Act] {
        QWidget* Modal = QApplication::activeModalWidget();
        if (!Modal || !Modal->isVisible())
            return;
        Poll->stop();
        Poll->deleteLater();
        Act(Modal);
    });
    Poll->start();
}

void AnswerYesNo(bool Yes)
{
    WhenModal([Yes](QWidget* Modal) {
        auto* Dialog = qobject_cast<TfrmJaNee*>(Modal);
        if (!Dialog) {
            qWarning("the modal dialog is not the yes/no question");
            Modal->close();
            return;
        }
        QTest::mouseClick(Yes ? Dialog->btnJa : Dialog->btnNee, Qt::LeftButton);
    });
}

void CloseMessageBox(QString* Text)
{
    WhenModal([Text](QWidget* Modal) {
        auto* Box = qobject_cast<QMessageBox*>(Modal);
        if (!Box) {
            qWarning("the modal dialog is not a message box");
            Modal->close();
            return;
        }
        if (Text)
            *Text = Box->text();
        QTest::mouseClick(Box->button(QMessageBox::Ok), Qt::LeftButton);
    });
}

QPoint ClientPosition(const TfrmMain& Window, const QWidget* Control)
{
    const QPoint InWindow = Control->mapTo(&Window, QPoint(0, 0));
    return {InWindow.x(), InWindow.y() - Window.menuBar()->height()};
}
