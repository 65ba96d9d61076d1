// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmhelp.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

static void InitHelpResources() { Q_INIT_RESOURCE(memorant); }

QString HelpGuidePath(const QString& HelpFile)
{
    InitHelpResources();
    const QString Guide = QFileInfo(HelpFile).completeBaseName().toLower() + QStringLiteral(".html");
    // Beside a portable copy, in the data folder of an installed one.
    const QDir ProgramFolder(QCoreApplication::applicationDirPath());
    for (const QString& Folder : {QStringLiteral("help/"), QStringLiteral("../share/memorant/help/")}) {
        const QString Path = QDir::cleanPath(ProgramFolder.filePath(Folder + Guide));
        if (QFileInfo::exists(Path))
            return Path;
    }
    return QStringLiteral(":/memorant/help/") + Guide;
}

TfrmHelp::TfrmHelp(QWidget* Parent) : QDialog(Parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Memorant - Help"));
    resize(640, 560);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->addWidget(Browser);
}

void TfrmHelp::ShowContents()
{
    const QString Path = HelpGuidePath(QString::fromLatin1(HelpFileName));
    Browser->setSource(Path.startsWith(u':') ? QUrl(QStringLiteral("qrc") + Path) : QUrl::fromLocalFile(Path));
}

void ShowHelpContents(QWidget* Parent)
{
    static QPointer<TfrmHelp> Window;
    if (!Window)
        Window = new TfrmHelp(Parent);
    Window->ShowContents();
    Window->show();
    Window->raise();
    Window->activateWindow();
}
