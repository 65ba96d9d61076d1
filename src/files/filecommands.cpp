// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filecommands.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

#include "ui/busycursor.h"
#include "ui/commandguard.h"
#include "tableeditor/editpanel.h"
#include "app/frmmain.h"
#include "app/memorantapplication.h"
#include "quizscreens/resultspanel.h"
#include "files/dlgslafoutenop.h"
#include "ui/frmjanee.h"
#include "files/tablefiledialog.h"
#include "formats/tablefiles.h"
#include "files/windowsettings.h"

QStringList NameFilters(const QString& Filter)
{
    const QStringList Parts = Filter.split(u'|');
    QStringList Filters;
    for (qsizetype i = 0; i + 1 < Parts.size(); i += 2) {
        QStringList Patterns = Parts[i + 1].split(u';');
#ifndef Q_OS_WIN
        // "*.*" would hide every file whose name has no point.
        for (QString& Pattern : Patterns)
            if (Pattern == QStringLiteral("*.*"))
                Pattern = QStringLiteral("*");
#endif
        Filters << Parts[i] + QStringLiteral(" (") + Patterns.join(u' ') + u')';
    }
    return Filters;
}

QFileDialog* MakeTableDialog(QWidget* Parent, const QString& Name, const QString& Filter, bool ForSaving)
{
    auto* Dialog = new TTableFileDialog(Parent);
    Dialog->setObjectName(Name);
    Dialog->setOption(QFileDialog::DontUseNativeDialog);
    Dialog->setNameFilters(NameFilters(Filter));
    Dialog->setDefaultSuffix(QStringLiteral("mt4"));
    if (ForSaving) {
        Dialog->setAcceptMode(QFileDialog::AcceptSave);
        Dialog->setFileMode(QFileDialog::AnyFile);
        Dialog->setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        Dialog->SetUpForOpening();
    }
    // The completion list of the file name is a window of its own: it goes
    // with the dialog, and leaves the keyboard to the main window.
    QObject::connect(Dialog, &QDialog::finished, Dialog, [Dialog] {
        for (QCompleter* Completer : Dialog->findChildren<QCompleter*>()) {
            if (QAbstractItemView* List = Completer->popup(); List->isVisible())
                List->hide();
        }
    });
    return Dialog;
}

std::string TableFileName(const QString& Path) { return QFile::encodeName(Path).toStdString(); }

QString TableFilePath(const std::string& FileName) { return QFile::decodeName(QByteArray::fromStdString(FileName)); }

namespace {

const QString SaveChangesQuestion = QStringLiteral("De huidige tabel is gewijzigd, opslaan?");
const QString OverwriteQuestion = QStringLiteral("Bestand bestaat al, overschrijven?");

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

    ConnectCommand(Main.mnuNieuw, &QAction::triggered, this, &TFileCommands::NewTable);
    ConnectCommand(Main.mnuOpenen, &QAction::triggered, this, &TFileCommands::OpenTables);
    ConnectCommand(Main.mnuOpslaan, &QAction::triggered, this, &TFileCommands::SaveTable);
    ConnectCommand(Main.mnuOpslaanAls, &QAction::triggered, this, &TFileCommands::SaveTableAs);
    ConnectCommand(Main.mnuFoutenOpslaan, &QAction::triggered, this, &TFileCommands::SaveWrongAnswers);
}

bool TFileCommands::AskSaveChanges()
{
    const TYesNoAnswer Answer = AskYesNoOrDismiss(SaveChangesQuestion, true);
    if (Answer == TYesNoAnswer::Yes)
        SaveTable();
    else if (Answer == TYesNoAnswer::No)
        Main.QuestionList.Changed = false;
    Main.UpdateCommandStates();
    return Answer != TYesNoAnswer::Dismissed;
}

bool TFileCommands::SettleChanges()
{
    while (Main.QuestionList.Changed) {
        if (!AskSaveChanges())
            return false;
    }
    return true;
}

void TFileCommands::StoreTypedText() { Main.pnlEdit->StoreEdits(); }

void TFileCommands::NewTable()
{
    StoreTypedText();
    if (!SettleChanges())
        return;
    Main.QuestionList.Clear();
    ImportedName.clear();
    Main.State = msNoTable;
    Main.pnlKlaar->ClearChart();
    Main.UpdateCommandStates();
    Main.pnlEdit->StartEditing();
}

void TFileCommands::OpenTables()
{
    StoreTypedText();
    const bool WasChanged = Main.QuestionList.Changed;
    if (!SettleChanges())
        return;

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
        const TBusyCursor Busy;
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
    FileLanguages = Result.Languages;
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
    StoreTypedText();
    Save(Main.QuestionList.ListName);
}

void TFileCommands::SaveTableAs()
{
    StoreTypedText();
    const std::string PreviousName = Main.QuestionList.ListName;
    Main.QuestionList.ListName.clear();
    Save(PreviousName);
}

void TFileCommands::Save(std::string PreviousName)
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
        // The file of the new name was not written: the table is still the
        // file it was.
        Table.ListName = PreviousName;
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

bool TFileCommands::CanClose()
{
    StoreTypedText();
    return SettleChanges();
}

void TFileCommands::SaveWrongAnswers()
{
    TDlgSlaFoutenOp& Dialog = *Main.DlgSlaFoutenOp;
    Dialog.Prepare(Main.QuestionList.MaxErrorStat());
    if (Dialog.exec() != QDialog::Accepted || Dialog.SaveFileName.isEmpty())
        return;
    Main.QuestionList.WriteToFile(TableFileName(Dialog.SaveFileName), Dialog.Threshold());
    // Written over the table's own file, the wrong answers leave the table
    // as the only whole copy: it must be saved before it is given up.
    if (IsTableFile(Dialog.SaveFileName)) {
        Main.QuestionList.Changed = true;
        Main.UpdateCommandStates();
    }
}

bool TFileCommands::IsTableFile(const QString& FileName) const
{
    const std::string& ListName = Main.QuestionList.ListName;
    if (ListName.empty())
        return false;
    const QFileInfo Table(TableFilePath(ListName));
    const QFileInfo Written(FileName);
    return Table.absoluteFilePath() == Written.absoluteFilePath()
           || (!Table.canonicalFilePath().isEmpty() && Table.canonicalFilePath() == Written.canonicalFilePath());
}

QString TFileCommands::InitialFolder() const
{
    return Main.WindowSettings->ReadDir(TWindowSettings::DefaultTableFolder(QCoreApplication::applicationDirPath()));
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
