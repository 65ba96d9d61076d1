// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filecommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

#include "files/dlgslafoutenop.h"
#include "files/windowsettings.h"
#include "formats/kvtmlfile.h"
#include "formats/tableimport.h"
#include "formats/tablefiles.h"
#include "table/questionlist.h"
#include "ui/busycursor.h"
#include "ui/errordisplay.h"
#include "ui/filedoor.h"
#include "ui/frmjanee.h"
#include "ui/noticebox.h"

namespace {

const QString SaveChangesQuestion = QStringLiteral("De huidige tabel is gewijzigd, opslaan?");
const QString OverwriteQuestion = QStringLiteral("Bestand bestaat al, overschrijven?");

QString FolderOf(const QString& FileName)
{
    return QDir::toNativeSeparators(QFileInfo(FileName).absolutePath() + u'/');
}

} // namespace

TFileCommands::TFileCommands(TFileDoor& Door, TWindowSettings& Settings, TDlgSlaFoutenOp& Dialog)
    : QObject(&Door.Window()), Door(Door), Settings(Settings), DlgSlaFoutenOp(Dialog)
{
    dlgOpen = MakeTableDialog(&Door.Window(), QStringLiteral("dlgOpen"), OpenTableFilter, false);
    dlgSave = MakeTableDialog(&Door.Window(), QStringLiteral("dlgSave"), SaveTableFilter, true);
    OpenFilter = dlgOpen->nameFilters().constFirst();
    SaveFilter = dlgSave->nameFilters().constFirst();
    // A bare name gets the extension of the format chosen.
    connect(dlgSave, &QFileDialog::filterSelected, dlgSave, [this](const QString& Filter) {
        const qsizetype Star = Filter.indexOf(QStringLiteral("*."));
        const QString Extension = Star < 0 ? QString() : Filter.mid(Star + 2).section(u' ', 0, 0).remove(u')');
        dlgSave->setDefaultSuffix(Extension.isEmpty() || Extension == u"*" ? QStringLiteral("mt4") : Extension);
    });
}

bool TFileCommands::AskSaveChanges()
{
    const TYesNoAnswer Answer = AskYesNoOrDismiss(SaveChangesQuestion, true);
    if (Answer == TYesNoAnswer::Yes)
        SaveTable();
    else if (Answer == TYesNoAnswer::No)
        Door.Table().Changed = false;
    Door.UpdateCommandStates();
    return Answer != TYesNoAnswer::Dismissed;
}

bool TFileCommands::SettleChanges()
{
    while (Door.Table().Changed) {
        if (!AskSaveChanges())
            return false;
    }
    return true;
}

void TFileCommands::NewTable()
{
    Door.StoreTypedText();
    if (!SettleChanges())
        return;
    Door.Table().Clear();
    ImportedName.clear();
    KvtmlSource.reset();
    Door.TableReplaced();
    Door.UpdateCommandStates();
    Door.StartEditing();
}

void TFileCommands::OpenTables()
{
    Door.StoreTypedText();
    const bool WasChanged = Door.Table().Changed;
    if (!SettleChanges())
        return;

    dlgOpen->setDirectory(InitialFolder());
    if (!RunDialog(dlgOpen, OpenFilter)) {
        Door.Table().Changed = WasChanged;
        Door.ShowTableRead();
        return;
    }
    const QStringList Files = dlgOpen->selectedFiles();
    RememberFolder(Files.constFirst());
    ReadFiles(Files);
}

void TFileCommands::OpenFiles(const QStringList& Files)
{
    Door.StoreTypedText();
    if (Files.isEmpty() || !SettleChanges())
        return;
    ReadFiles(Files);
}

void TFileCommands::ReadFiles(const QStringList& Files)
{
    TQuestionlist& Table = Door.Table();
    Table.Clear();
    Utf8TextName.clear();
    ImportedName.clear();
    KvtmlSource.reset();
    try {
        const TBusyCursor Busy;
        for (const QString& File : Files) {
            Door.ShowReading(File);
            LoadTableFile(File);
            Door.TableReplaced();
        }
    } catch (...) {
        // What was read stays, but it is no longer the file of that name:
        // a later save must ask where to put it.
        Table.ListName.clear();
        Door.ShowTableRead();
        throw;
    }
    if (Files.size() > 1) {
        Table.ListName.clear();
        ImportedName.clear();
        KvtmlSource.reset();
    }
    Door.ShowTableRead();
}

void TFileCommands::LoadTableFile(const QString& FileName)
{
    TQuestionlist& Table = Door.Table();
    const TLoadResult Result = TTableFiles::Load(Table, FileName);
    FileLanguages = Result.Languages;
    if (Result.Format == TTableFormat::Utf8Text && !Table.ListName.empty()) {
        Utf8TextName = TableFilePath(Table.ListName);
        Utf8TextBom = Result.Bom;
    }
    // A table whose texts changed on the way in is saved under a new name.
    if (TTableFiles::IsForeign(Result.Format) || Result.Report.TextsChanged())
        ImportedName = FileName;
    if (Result.Kvtml)
        KvtmlSource = Result.Kvtml;
    emit TableFileUsed(FileName);
    const QString Message = TTableImport::Message(FileName, Result.Report);
    if (Message.isEmpty())
        return;
    TNoticeBox Box(QMessageBox::Information, QString::fromLatin1(ProgramTitle), Message, &Door.Window());
    Box.setObjectName(QStringLiteral("dlgInlezen"));
    Box.exec();
}

void TFileCommands::SaveTable()
{
    Door.StoreTypedText();
    Save(Door.Table().ListName);
}

void TFileCommands::SaveTableAs()
{
    Door.StoreTypedText();
    const std::string PreviousName = Door.Table().ListName;
    Door.Table().ListName.clear();
    Save(PreviousName);
}

void TFileCommands::Save(std::string PreviousName)
{
    TQuestionlist& Table = Door.Table();
    try {
        if (!Table.ListName.empty()) {
            SaveFile(TableFilePath(Table.ListName));
        } else {
            const QString Source = PreviousName.empty() ? ImportedName : TableFilePath(PreviousName);
            for (;;) {
                dlgSave->setDirectory(Source.isEmpty() ? InitialFolder() : QFileInfo(Source).absolutePath());
                if (!RunDialog(dlgSave, SaveFilter, ProposedSaveName(PreviousName)))
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
        Door.UpdateCommandStates();
        throw;
    }
    Door.UpdateCommandStates();
}

void TFileCommands::SaveFile(const QString& File)
{
    if (!Utf8TextName.isEmpty() && QFileInfo(File) == QFileInfo(Utf8TextName))
        TTableFiles::Save(Door.Table(), File, TTableFormat::Utf8Text, Utf8TextBom);
    else
        TTableFiles::Save(Door.Table(), File, TTableFormat::Table, false, &KvtmlSource);
    emit TableFileUsed(File);
}

QString TFileCommands::ProposedSaveName(const std::string& PreviousName) const
{
    if (!PreviousName.empty())
        return QFileInfo(TableFilePath(PreviousName)).fileName();
    return ImportedName.isEmpty() ? QString() : QFileInfo(ImportedName).completeBaseName() + QStringLiteral(".MT4");
}

QString TFileCommands::SourceName() const
{
    const std::string& ListName = Door.Table().ListName;
    return ListName.empty() ? ImportedName : TableFilePath(ListName);
}

bool TFileCommands::CanClose()
{
    Door.StoreTypedText();
    return SettleChanges();
}

void TFileCommands::SaveWrongAnswers()
{
    TDlgSlaFoutenOp& Dialog = DlgSlaFoutenOp;
    TQuestionlist& Table = Door.Table();
    Dialog.Prepare(Table.MaxErrorStat());
    if (const QString Source = SourceName(); !Source.isEmpty())
        Dialog.dlgSave->setDirectory(QFileInfo(Source).absolutePath());
    if (Dialog.exec() != QDialog::Accepted || Dialog.SaveFileName.isEmpty())
        return;
    Table.WriteToFile(TableFileName(Dialog.SaveFileName), Dialog.Threshold());
    // Written over the table's own file, the wrong answers leave the table
    // as the only whole copy: it must be saved before it is given up.
    if (IsTableFile(Dialog.SaveFileName)) {
        Table.Changed = true;
        Door.UpdateCommandStates();
    }
}

bool TFileCommands::IsTableFile(const QString& FileName) const
{
    const std::string& ListName = Door.Table().ListName;
    if (ListName.empty())
        return false;
    const QFileInfo Table(TableFilePath(ListName));
    const QFileInfo Written(FileName);
    return Table.absoluteFilePath() == Written.absoluteFilePath()
           || (!Table.canonicalFilePath().isEmpty() && Table.canonicalFilePath() == Written.canonicalFilePath());
}

QString TFileCommands::InitialFolder() const
{
    return Settings.ReadDir(TWindowSettings::DefaultTableFolder(QCoreApplication::applicationDirPath()));
}

void TFileCommands::RememberFolder(const QString& FileName)
{
    Settings.WriteDir(FolderOf(FileName));
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
