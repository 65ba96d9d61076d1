// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filecommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

#include "app/editpanel.h"
#include "app/frmmain.h"
#include "app/memorantapplication.h"
#include "app/resultspanel.h"
#include "files/dlgslafoutenop.h"
#include "files/frmjanee.h"
#include "files/tablefiles.h"
#include "files/windowsettings.h"

QStringList NameFilters(const QString& Filter)
{
    const QStringList Parts = Filter.split(u'|');
    QStringList Filters;
    for (qsizetype i = 0; i + 1 < Parts.size(); i += 2)
        Filters << Parts[i] + QStringLiteral(" (") + QString(Parts[i + 1]).replace(u';', u' ') + u')';
    return Filters;
}

QFileDialog* MakeTableDialog(QWidget* Parent, const QString& Name, const QString& Filter, bool ForSaving)
{
    auto* Dialog = new QFileDialog(Parent);
    Dialog->setObjectName(Name);
    Dialog->setOption(QFileDialog::DontUseNativeDialog);
    Dialog->setNameFilters(NameFilters(Filter));
    Dialog->setDefaultSuffix(QStringLiteral("mt4"));
    if (ForSaving) {
        Dialog->setAcceptMode(QFileDialog::AcceptSave);
        Dialog->setFileMode(QFileDialog::AnyFile);
        Dialog->setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        Dialog->setAcceptMode(QFileDialog::AcceptOpen);
        Dialog->setFileMode(QFileDialog::ExistingFiles);
    }
    return Dialog;
}

std::string TableFileName(const QString& Path) { return QFile::encodeName(Path).toStdString(); }

QString TableFilePath(const std::string& FileName) { return QFile::decodeName(QByteArray::fromStdString(FileName)); }

namespace {

const QString SaveChangesQuestion = QStringLiteral("De huidige tabel is gewijzigd, opslaan?");
const QString OverwriteQuestion = QStringLiteral("Bestand bestaat al, overschrijven?");
constexpr int MaxCloseQuestions = 10;

QString FolderOf(const QString& FileName)
{
    return QDir::toNativeSeparators(QFileInfo(FileName).absolutePath() + u'/');
}

} // namespace

TFileCommands::TFileCommands(TfrmMain& Main) : QObject(&Main), Main(Main)
{
    dlgOpen = MakeTableDialog(&Main, QStringLiteral("dlgOpen"), OpenTableFilter, false);
    dlgSave = MakeTableDialog(&Main, QStringLiteral("dlgSave"), SaveTableFilter, true);
    OpenFilter = dlgOpen->nameFilters().constFirst();
    SaveFilter = dlgSave->nameFilters().constFirst();
    // A bare name gets the extension of the format chosen.
    connect(dlgSave, &QFileDialog::filterSelected, dlgSave, [this](const QString& Filter) {
        const qsizetype Star = Filter.indexOf(QStringLiteral("*."));
        const QString Extension = Star < 0 ? QString() : Filter.mid(Star + 2).section(u' ', 0, 0).remove(u')');
        dlgSave->setDefaultSuffix(Extension.isEmpty() || Extension == u"*" ? QStringLiteral("mt4") : Extension);
    });

    connect(Main.mnuNieuw, &QAction::triggered, this, &TFileCommands::NewTable);
    connect(Main.mnuOpenen, &QAction::triggered, this, &TFileCommands::OpenTables);
    connect(Main.mnuOpslaan, &QAction::triggered, this, &TFileCommands::SaveTable);
    connect(Main.mnuOpslaanAls, &QAction::triggered, this, &TFileCommands::SaveTableAs);
    connect(Main.mnuFoutenOpslaan, &QAction::triggered, this, &TFileCommands::SaveWrongAnswers);
}

bool TFileCommands::AskSaveChanges()
{
    if (AskYesNo(SaveChangesQuestion, true))
        SaveTable();
    else
        Main.QuestionList.Changed = false;
    Main.UpdateCommandStates();
    return !Main.QuestionList.Changed;
}

void TFileCommands::NewTable()
{
    while (Main.QuestionList.Changed)
        AskSaveChanges();
    Main.QuestionList.Clear();
    ImportedName.clear();
    Main.State = msNoTable;
    Main.pnlKlaar->ClearChart();
    Main.UpdateCommandStates();
    Main.pnlEdit->StartEditing();
}

void TFileCommands::OpenTables()
{
    const bool WasChanged = Main.QuestionList.Changed;
    while (Main.QuestionList.Changed)
        AskSaveChanges();

    dlgOpen->setDirectory(InitialFolder());
    if (!RunDialog(dlgOpen, OpenFilter)) {
        Main.QuestionList.Changed = WasChanged;
        ShowTableIdle();
        return;
    }
    const QStringList Files = dlgOpen->selectedFiles();
    RememberFolder(Files.constFirst());
    TQuestionlist& Table = Main.QuestionList;
    Table.Clear();
    Utf8TextName.clear();
    ImportedName.clear();
    try {
        for (const QString& File : Files) {
            Main.SetPrompt(QStringLiteral("Inlezen tabel %1...").arg(QDir::toNativeSeparators(File)), QString());
            Main.lblPrompt1->repaint();
            LoadTableFile(File);
            Main.pnlKlaar->ClearChart();
        }
    } catch (...) {
        // What was read stays, but it is no longer the file of that name:
        // a later save must ask where to put it.
        Table.ListName.clear();
        ShowTableIdle();
        throw;
    }
    if (Files.size() > 1)
        Table.ListName.clear();
    ShowTableIdle();
}

void TFileCommands::LoadTableFile(const QString& FileName)
{
    const TLoadResult Result = TTableFiles::Load(Main.QuestionList, FileName);
    if (Result.Format == TTableFormat::Utf8Text && !Main.QuestionList.ListName.empty()) {
        Utf8TextName = TableFilePath(Main.QuestionList.ListName);
        Utf8TextBom = Result.Bom;
    }
    if (TTableFiles::IsForeign(Result.Format))
        ImportedName = FileName;
    const QString Message = TTableImport::Message(FileName, Result.Report);
    if (Message.isEmpty())
        return;
    QMessageBox Box(QMessageBox::Information, QString::fromLatin1(ProgramTitle), Message, QMessageBox::Ok, &Main);
    Box.setObjectName(QStringLiteral("dlgInlezen"));
    Box.exec();
}

void TFileCommands::ShowTableIdle()
{
    Main.State = Main.QuestionList.Count() > 0 ? msIdle : msNoTable;
    Main.AccentsConverted = false;
    Main.UpdateCommandStates();
}

void TFileCommands::SaveTable()
{
    TQuestionlist& Table = Main.QuestionList;
    try {
        if (!Table.ListName.empty()) {
            SaveFile(TableFilePath(Table.ListName));
        } else {
            for (;;) {
                dlgSave->setDirectory(InitialFolder());
                if (!RunDialog(dlgSave, SaveFilter, ProposedSaveName()))
                    break;
                const QString File = dlgSave->selectedFiles().constFirst();
                RememberFolder(File);
                if (!QFileInfo::exists(File) || AskYesNo(OverwriteQuestion, false)) {
                    SaveFile(File);
                    break;
                }
            }
        }
    } catch (...) {
        Main.UpdateCommandStates();
        throw;
    }
    Main.UpdateCommandStates();
}

void TFileCommands::SaveFile(const QString& File)
{
    if (!Utf8TextName.isEmpty() && QFileInfo(File) == QFileInfo(Utf8TextName))
        TTableFiles::Save(Main.QuestionList, File, TTableFormat::Utf8Text, Utf8TextBom);
    else
        TTableFiles::Save(Main.QuestionList, File);
}

QString TFileCommands::ProposedSaveName() const
{
    return ImportedName.isEmpty() ? QString() : QFileInfo(ImportedName).completeBaseName() + QStringLiteral(".MT4");
}

void TFileCommands::SaveTableAs()
{
    Main.QuestionList.ListName.clear();
    SaveTable();
}

bool TFileCommands::CanClose()
{
    for (int Asked = 0; Main.QuestionList.Changed && Asked < MaxCloseQuestions; ++Asked)
        AskSaveChanges();
    return true;
}

void TFileCommands::SaveWrongAnswers()
{
    TDlgSlaFoutenOp& Dialog = *Main.DlgSlaFoutenOp;
    Dialog.Prepare(Main.QuestionList.MaxErrorStat());
    if (Dialog.exec() != QDialog::Accepted || Dialog.SaveFileName.isEmpty())
        return;
    Main.QuestionList.WriteToFile(TableFileName(Dialog.SaveFileName), Dialog.Threshold());
}

QString TFileCommands::InitialFolder() const
{
    const QString ProgramFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + u'/');
    return Main.WindowSettings->ReadDir(ProgramFolder);
}

void TFileCommands::RememberFolder(const QString& FileName)
{
    Main.WindowSettings->WriteDir(FolderOf(FileName));
}

// Shows Dialog with the filter chosen at its last confirmed use, and the
// file name Proposed if there is one; remembers the filter when the user
// confirms.
bool TFileCommands::RunDialog(QFileDialog* Dialog, QString& Filter, const QString& Proposed)
{
    Dialog->selectNameFilter(Filter);
    if (!Proposed.isEmpty())
        Dialog->selectFile(Proposed);
    if (Dialog->exec() != QDialog::Accepted || Dialog->selectedFiles().isEmpty())
        return false;
    Filter = Dialog->selectedNameFilter();
    return true;
}
