// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableeditor/editpanel.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextDocument>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "ui/commandguard.h"
#include "ui/mainstate.h"
#include "ui/quizdoor.h"
#include "tableeditor/fontdialogscripts.h"
#include "tableeditor/griddelegate.h"
#include "tableeditor/gridsizer.h"
#include "ui/dialogplacement.h"
#include "ui/memo.h"
#include "ui/noticebox.h"
#include "ui/tablefont.h"
#include "tableeditor/tablegrid.h"
#include "tableeditor/scriptchange.h"
#include "tableeditor/tablemodel.h"
#include "ui/uistyle.h"
#include "formats/wintext.h"
#include "tableeditor/wintextguard.h"
#include "editor/codepage.h"
#include "quiz/scriptcase.h"
#include "table/questionlist.h"

namespace {

constexpr int ColumnWidth = 245;
constexpr int RowHeight = 18;
constexpr int RowsAboveCurrent = 6;
constexpr int SearchTextLength = 255;
constexpr int SmallestFontSize = 8;
const QColor GridBackground(128, 128, 128);

const QString EditPrompt1 =
    QStringLiteral("Tabel invullen / bewerken (Esc = stop) Accenten=Ctrl+accent gevolgd door letter");
const QString EditPrompt2 =
    QStringLiteral("PgUp/PgDn=vorig/volgend  Tab=vraag/antw.  Enter=invullen  Ctl+Del=wis");

bool IsBlank(unsigned char Ch) { return Ch <= 32; }

std::string Trimmed(const std::string& Text)
{
    auto First = std::find_if_not(Text.begin(), Text.end(), [](char Ch) { return IsBlank(Ch); });
    auto Last = std::find_if_not(Text.rbegin(), Text.rend(), [](char Ch) { return IsBlank(Ch); }).base();
    return First < Last ? std::string(First, Last) : std::string();
}

// Only the ASCII letters change case; accented letters stay as they are.
char AsciiUpper(char Ch) { return Ch >= 'a' && Ch <= 'z' ? static_cast<char>(Ch - 'a' + 'A') : Ch; }

// Text as the search compares it: a-z upper-cased, and in a Cyrillic or
// Greek column that script's letters as well. Accented Latin letters keep
// their case.
std::string SearchCase(std::string_view Text, int CodePage)
{
    if (CodePage == 1251 || CodePage == 1253)
        return UpperCasedIn(Text, CodePage);
    std::string Result(Text);
    std::transform(Result.begin(), Result.end(), Result.begin(), AsciiUpper);
    return Result;
}

// Whether Text contains Pattern (already in SearchCase).
bool ContainsUpper(const std::string& Text, const std::string& Pattern, int CodePage)
{
    if (CodePage == 1251 || CodePage == 1253)
        return SearchCase(Text, CodePage).find(Pattern) != std::string::npos;
    return std::search(Text.begin(), Text.end(), Pattern.begin(), Pattern.end(),
                       [](char A, char B) { return AsciiUpper(A) == B; })
           != Text.end();
}

// A memo's text as bytes of its column's code page. The memos only take
// characters that the code page holds, so the second conversion is a safety
// net.
std::string MemoBytes(const TMemo* Memo, int CodePage)
{
    const QString Text = Memo->Text();
    if (auto Bytes = QtToWin(Text, CodePage))
        return *Bytes;
    return QtToWin(TWinTextGuard::Cleaned(Text, CodePage), CodePage).value_or(std::string());
}

// The writing system picked in a font dialog; QFontDatabase::Any when none.
int ChosenWritingSystem(const QFontDialog& Dialog)
{
    for (const QComboBox* Combo : Dialog.findChildren<QComboBox*>()) {
        const int Index = Combo->currentIndex();
        if (Index > 0 && Index < QFontDatabase::WritingSystemsCount
            && Combo->itemText(Index)
                   == QFontDatabase::writingSystemName(QFontDatabase::WritingSystem(Index)))
            return Index;
    }
    return QFontDatabase::Any;
}

// Hides the sizes below Smallest in a font dialog's size list, also each
// time the dialog fills the list anew for another font.
void OfferSizesFrom(QFontDialog& Dialog, int Smallest)
{
    for (QListView* View : Dialog.findChildren<QListView*>()) {
        const auto HideSmall = [View, Smallest] {
            const QAbstractItemModel* Model = View->model();
            for (int Row = 0; Row < Model->rowCount(); ++Row) {
                bool IsSize = false;
                const int Size = Model->index(Row, 0).data().toString().toInt(&IsSize);
                View->setRowHidden(Row, IsSize && Size < Smallest);
            }
        };
        HideSmall();
        QObject::connect(View->model(), &QAbstractItemModel::modelReset, View, HideSmall);
    }
}

// Sets a flag for the lifetime of the object.
class TFlagScope {
public:
    explicit TFlagScope(bool& Flag) : Flag(Flag), Old(Flag) { Flag = true; }
    ~TFlagScope() { Flag = Old; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& Flag;
    bool Old;
};

} // namespace

TEditPanel::TEditPanel(QWidget* Parent, TQuizDoor& Door, const TEditFields& Fields)
    : QFrame(Parent), Door(Door), Fields(Fields), List(Door.Table())
{
    ShapePanel(this, QStringLiteral("pnlEdit"), 529, 146);
    CreateGrid();
    QuestionGuard = new TWinTextGuard(Fields.memVraag);
    AnswerGuard = new TWinTextGuard(Fields.memAntwoord);
    for (TWinTextGuard* Guard : {QuestionGuard, AnswerGuard})
        connect(Guard, &TWinTextGuard::Refused, this, &TEditPanel::ShowRefusal);
    FollowMemoChanges();
}

void TEditPanel::CreateGrid()
{
    grdTabel = new TTableGrid(this);
    grdTabel->setObjectName(QStringLiteral("grdTabel"));
    Model = new TTableModel(List, this);
    grdTabel->setModel(Model);
    grdTabel->setItemDelegate(new TGridDelegate(grdTabel));
    grdTabel->horizontalHeader()->hide();
    grdTabel->verticalHeader()->hide();
    grdTabel->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdTabel->horizontalHeader()->setMinimumSectionSize(8);
    grdTabel->horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    // Every row has the same height: the grid never measures a row, however
    // long the table is.
    grdTabel->verticalHeader()->setMinimumSectionSize(1);
    grdTabel->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdTabel->verticalHeader()->setDefaultSectionSize(RowHeight);
    grdTabel->setShowGrid(false);
    grdTabel->setWordWrap(false);
    grdTabel->setCornerButtonEnabled(false);
    grdTabel->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdTabel->setSelectionMode(QAbstractItemView::SingleSelection);
    grdTabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTabel->setFocusPolicy(Qt::ClickFocus);
    grdTabel->setTabKeyNavigation(false);
    grdTabel->setAutoScroll(false);
    grdTabel->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grdTabel->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grdTabel->setFrameShape(QFrame::NoFrame);
    QPalette Palette = grdTabel->palette();
    Palette.setColor(QPalette::Base, GridBackground);
    Palette.setColor(QPalette::Window, GridBackground);
    grdTabel->setPalette(Palette);
    new TGridSizer(grdTabel);

    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(frameWidth(), frameWidth(), frameWidth(), frameWidth());
    Layout->addWidget(grdTabel);

    connect(grdTabel->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& Current) {
                if (!Updating && Current.isValid())
                    RunCommand([&] { grdTabelSelectCell(Current.column(), Current.row()); });
            });
    // A click on the row that is current already stores what was typed.
    connect(grdTabel, &QAbstractItemView::pressed, this, [this](const QModelIndex& Index) {
        if (Index.row() == List.CurrentIndex() && MemosModified())
            RunCommand([&] { grdTabelSelectCell(Index.column(), Index.row()); });
    });
}

// Typed text that is not stored yet can be saved: the save command follows
// the memos' modified marks.
void TEditPanel::FollowMemoChanges()
{
    for (TMemo* Memo : {Fields.memVraag, Fields.memAntwoord})
        connect(Memo->document(), &QTextDocument::modificationChanged, this, [this] {
            if (Door.CurrentState() == msEdit)
                Door.UpdateCommandStates();
        });
}

// ---------------------------------------------------------------- entering and leaving

void TEditPanel::StartEditing()
{
    if (!Door.ModeAvailable(msEdit))
        return;
    List.Reverse = false;
    ApplyMemoFonts();
    {
        // The table may have been read, cleared or quizzed since the last
        // time: the grid starts afresh.
        TFlagScope Scope(Updating);
        Model->Reload();
    }
    ApplyGridFonts();
    Door.SetState(msEdit);
    Door.SetPrompt(EditPrompt1, EditPrompt2);
    Door.UpdateCommandStates();
    Fields.memVraag->setFocus();
    if (List.CurrentIndex() < 0)
        List.SelectEntry(0);
    ShowCurrentEntry();
}

void TEditPanel::StopEditing(int NextState)
{
    StoreAndMove(0);
    List.RemoveEmpty();
    {
        TFlagScope Scope(Updating);
        Model->SyncRowCount();
    }
    List.Reverse = Door.ReverseTicked();
    Door.SetState(List.Count() > 0 ? NextState : msNoTable);
    Door.UpdateCommandStates();
}

void TEditPanel::StoreEdits()
{
    if (HasUnstoredText())
        StoreAndMove(0);
}

bool TEditPanel::HasUnstoredText() const { return Door.CurrentState() == msEdit && MemosModified(); }

// ---------------------------------------------------------------- showing and moving

void TEditPanel::ShowRefusal(const QString& Reason)
{
    if (Door.CurrentState() == msEdit)
        Door.SetPrompt(EditPrompt1, Reason);
}

void TEditPanel::ShowCurrentEntry()
{
    const int Current = List.CurrentIndex();
    const int Count = List.Count();
    // A refusal shown for the previous entry makes way for the keys again.
    Door.SetPrompt(EditPrompt1, EditPrompt2);
    Fields.lblItemNr->setText(QStringLiteral("[%1/%2]").arg(Current + 1).arg(Count));
    // A counter of a large table widens its label rather than losing its end.
    if (const int Wanted = Fields.lblItemNr->sizeHint().width(); Wanted > Fields.lblItemNr->width())
        Fields.lblItemNr->resize(Wanted, Fields.lblItemNr->height());
    if (Count == 0)
        return;
    if (Current < Count) {
        QuestionGuard->ShowText(ColumnToQt(List.Question(Current), List.QFont().Charset));
        AnswerGuard->ShowText(ColumnToQt(List.Answer(Current), List.AFont().Charset));
    } else {
        QuestionGuard->ShowText(QString());
        AnswerGuard->ShowText(QString());
    }
    ShowGridRow(Current);
    if (MemoHasFocus())
        ScrollToCurrent();
    else if (grdTabel->hasFocus() && Current < Count)
        grdTabel->scrollTo(Model->index(Current, 0), QAbstractItemView::EnsureVisible);
    Door.UpdateCommandStates();
}

void TEditPanel::ScrollToCurrent()
{
    // Six rows above the current one, as far as the current row stays
    // wholly in view.
    const int Above = std::min(RowsAboveCurrent, grdTabel->WholeRowsInView() - 1);
    grdTabel->ScrollRowToTop(List.CurrentIndex() - Above);
}

void TEditPanel::ShowGridRow(int Row)
{
    TFlagScope Scope(Updating);
    Model->SyncRowCount();
    QItemSelectionModel* Selection = grdTabel->selectionModel();
    if (Row >= 0 && Row < List.Count()) {
        Model->SetCurrentRow(Row);
        Selection->setCurrentIndex(Model->index(Row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        Model->SetCurrentRow(-1);
        Selection->clear();
    }
}

void TEditPanel::StoreMemos()
{
    if (List.Count() == 0) {
        // The last entry was deleted; the memos still show its texts, which
        // are not stored again. What the user typed since is kept.
        if (!MemosModified())
            return;
        List.SelectEntry(0);
    }
    int Current = List.CurrentIndex();
    bool OnlyTyped = false;
    if (Current >= List.Count()) {
        // The position lies past the end (the last entry was deleted, or
        // incomplete entries were dropped): find the entry to store into.
        const int Before = List.Count();
        List.SelectEntry(Current);
        Current = List.CurrentIndex();
        // An existing, incomplete last entry keeps its texts unless the user
        // typed new ones: the memos were empty, not showing that entry.
        OnlyTyped = List.Count() == Before;
    }
    const std::string Question = MemoBytes(Fields.memVraag, QuestionGuard->CodePage());
    const std::string Answer = MemoBytes(Fields.memAntwoord, AnswerGuard->CodePage());
    if (!OnlyTyped || !Trimmed(Question).empty())
        List.SetQuestion(Current, Question);
    if (!OnlyTyped || !Trimmed(Answer).empty())
        List.SetAnswer(Current, Answer);
    TFlagScope Scope(Updating);
    Model->SyncRowCount();
    Model->RowChanged(Current);
}

void TEditPanel::StoreAndMove(int Delta)
{
    StoreMemos();
    List.SelectEntry(List.CurrentIndex() + Delta);
    ShowCurrentEntry();
}

void TEditPanel::GoToFirstEntry()
{
    StoreMemos();
    List.SelectEntry(0);
    ShowCurrentEntry();
}

void TEditPanel::GoToLastEntry()
{
    StoreMemos();
    List.SelectEntry(List.Count() - 1);
    ShowCurrentEntry();
}

void TEditPanel::GoToPrevious(bool ToFirst)
{
    if (!MemoHasFocus())
        Fields.memVraag->setFocus();
    if (ToFirst)
        GoToFirstEntry();
    else
        StoreAndMove(-1);
}

void TEditPanel::GoToNext(bool ToLast)
{
    if (!MemoHasFocus())
        Fields.memVraag->setFocus();
    if (ToLast)
        GoToLastEntry();
    else
        StoreAndMove(+1);
}

void TEditPanel::grdTabelSelectCell(int /*Col*/, int Row)
{
    if (Door.CurrentState() != msEdit)
        return;
    StoreMemos();
    List.SelectEntry(Row);
    ShowCurrentEntry();
}

void TEditPanel::DeleteCurrentEntry()
{
    if (List.Count() < 1)
        return;
    const int Row = List.CurrentIndex();
    {
        TFlagScope Scope(Updating);
        Model->RemoveRow(Row, [this, Row] { List.Delete(Row); });
    }
    // The texts in the memos went with the entry.
    Fields.memVraag->document()->setModified(false);
    Fields.memAntwoord->document()->setModified(false);
    ShowCurrentEntry();
    if (List.Count() == 0) {
        ShowGridRow(-1);
        Door.UpdateCommandStates();
    }
}

// ---------------------------------------------------------------- keys

bool TEditPanel::EditKeyDown(QKeyEvent* Event)
{
    const bool Ctrl = Event->modifiers() & Qt::ControlModifier;
    switch (Event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (Fields.memVraag->hasFocus())
            Fields.memAntwoord->setFocus(Qt::TabFocusReason);
        else
            Fields.memVraag->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (Fields.memVraag->hasFocus()) {
            Fields.memAntwoord->setFocus();
        } else {
            StoreAndMove(+1);
            Fields.memVraag->setFocus();
        }
        return true;
    case Qt::Key_Escape:
        StopEditing(msIdle);
        return true;
    case Qt::Key_PageUp:
        GoToPrevious(Ctrl);
        return true;
    case Qt::Key_PageDown:
        GoToNext(Ctrl);
        return true;
    case Qt::Key_Delete:
        if (!Ctrl)
            return false;
        DeleteCurrentEntry();
        return true;
    default:
        return false;
    }
}

bool TEditPanel::MemosModified() const
{
    return Fields.memVraag->document()->isModified() || Fields.memAntwoord->document()->isModified();
}

bool TEditPanel::MemoHasFocus() const
{
    return Fields.memVraag->hasFocus() || Fields.memAntwoord->hasFocus();
}

// ---------------------------------------------------------------- search

void TEditPanel::SearchEntry()
{
    QInputDialog Dialog(window());
    Dialog.setObjectName(QStringLiteral("dlgZoeken"));
    Dialog.setWindowTitle(QStringLiteral("Zoeken"));
    Dialog.setLabelText(QStringLiteral("Zoektekst:"));
    Dialog.setInputMode(QInputDialog::TextInput);
    Dialog.setTextValue(QString::fromStdString(Fields.SearchText));
    if (auto* Edit = Dialog.findChild<QLineEdit*>()) {
        Edit->setMaxLength(SearchTextLength);
        Edit->selectAll();
        // Only characters that an entry can hold can be searched for.
        connect(Edit, &QLineEdit::textEdited, Edit, [this, Edit](const QString& Text) {
            if (const QString Clean = SearchableText(Text); Clean != Text)
                Edit->setText(Clean);
        });
    }
    // The question and answer stay in view while the dialog is open.
    Dialog.adjustSize();
    PlaceClearOf(&Dialog, {Fields.memVraag, Fields.memAntwoord});
    QWidget* Focus = QApplication::focusWidget();
    const int Answer = Dialog.exec();
    if (Focus)
        Focus->setFocus();
    if (Answer != QDialog::Accepted)
        return;
    Fields.SearchText = SearchableText(Dialog.textValue()).trimmed().toStdString();
    if (Fields.SearchText.empty())
        return;
    const int Found = FindEntry(QString::fromStdString(Fields.SearchText));
    if (Found < 0) {
        TNoticeBox Box(QMessageBox::NoIcon, QApplication::applicationName(), QStringLiteral("Niet gevonden"), window());
        Box.setObjectName(QStringLiteral("msgNietGevonden"));
        Box.KeepClearOf(Fields.memVraag);
        Box.KeepClearOf(Fields.memAntwoord);
        Box.exec();
        return;
    }
    StoreMemos();
    List.SelectEntry(Found);
    ShowCurrentEntry();
    // The found row comes into view even before the window is active again.
    ScrollToCurrent();
}

QString TEditPanel::SearchableText(const QString& Text) const
{
    const QString InQuestions = TWinTextGuard::Cleaned(Text, CodePageOfCharset(List.QuestionFont.Charset));
    const QString InAnswers = TWinTextGuard::Cleaned(Text, CodePageOfCharset(List.AnswerFont.Charset));
    return InQuestions.size() >= InAnswers.size() ? InQuestions : InAnswers;
}

int TEditPanel::FindEntry(const QString& Text) const
{
    const int Count = List.Count();
    if (Count == 0)
        return -1;
    // The text in the bytes of each column; a column that cannot hold it
    // cannot contain it.
    const auto PatternIn = [&Text](const TTableFont& Font) {
        std::optional<std::string> Pattern = QtToColumn(Text, Font.Charset);
        if (Pattern)
            Pattern = SearchCase(*Pattern, CodePageOfCharset(Font.Charset));
        return Pattern;
    };
    const std::optional<std::string> QuestionPattern = PatternIn(List.QFont());
    const std::optional<std::string> AnswerPattern = PatternIn(List.AFont());
    const int QuestionCodePage = CodePageOfCharset(List.QFont().Charset);
    const int AnswerCodePage = CodePageOfCharset(List.AFont().Charset);
    // Every other entry once, from the one after the current entry on,
    // wrapping from the last to the first; the current entry itself is not
    // examined. From a position past the end every entry is examined, from
    // the first on.
    const int Current = List.CurrentIndex();
    const int Start = Current >= 0 && Current < Count ? Current : -1;
    for (int Step = 1; Step <= Count; ++Step) {
        const int i = (Start + Step) % Count;
        if (i == Start)
            break;
        if ((QuestionPattern && ContainsUpper(List.Question(i), *QuestionPattern, QuestionCodePage))
            || (AnswerPattern && ContainsUpper(List.Answer(i), *AnswerPattern, AnswerCodePage)))
            return i;
    }
    return -1;
}

// ---------------------------------------------------------------- code pages

void TEditPanel::mnuAccentToWinClick() { ConvertTable(&DosTextToWin); }

void TEditPanel::mnuAccentToDosClick() { ConvertTable(&WinTextToDos); }

void TEditPanel::ConvertTable(std::string (*Convert)(std::string_view))
{
    // What is typed is converted with the rest, not thrown away.
    StoreMemos();
    // The DOS code page pairs with Windows-1252 only: a column in another
    // code page (Cyrillic, Greek, ...) would be garbled, and keeps its bytes.
    const bool Questions = CodePageOfCharset(List.QFont().Charset) == WesternCodePage;
    const bool Answers = CodePageOfCharset(List.AFont().Charset) == WesternCodePage;
    for (int i = 0; i < List.Count(); ++i) {
        if (Questions)
            List.SetQuestion(i, Convert(List.Question(i)));
        if (Answers)
            List.SetAnswer(i, Convert(List.Answer(i)));
    }
    Fields.AccentsConverted = true;
    Model->AllRowsChanged();
    ShowCurrentEntry();
    Door.UpdateCommandStates();
}

// ---------------------------------------------------------------- clipboard

QPlainTextEdit* TEditPanel::FocusedMemo() const
{
    auto* Memo = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget());
    return Memo && window()->isAncestorOf(Memo) ? Memo : nullptr;
}

void TEditPanel::mnuKnippenClick()
{
    if (QPlainTextEdit* Memo = FocusedMemo(); Memo && !Memo->isReadOnly())
        Memo->cut();
}

void TEditPanel::mnuKopierenClick()
{
    if (QPlainTextEdit* Memo = FocusedMemo())
        Memo->copy();
}

void TEditPanel::mnuPlakkenClick()
{
    if (QPlainTextEdit* Memo = FocusedMemo(); Memo && !Memo->isReadOnly())
        Memo->paste();
}

// ---------------------------------------------------------------- fonts

void TEditPanel::btnVraagFontClick() { ChooseFont(true); }

void TEditPanel::btnAntwoordFontClick() { ChooseFont(false); }

void TEditPanel::ChooseFont(bool QuestionSide)
{
    const TTableFont Previous = QuestionSide ? List.QFont() : List.AFont();
    QFontDialog Dialog(ToQFont(Previous), window());
    Dialog.setObjectName(QStringLiteral("dlgFont"));
    Dialog.setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
    OfferSizesFrom(Dialog, SmallestFontSize);
    const TFontDialogScripts Scripts(Dialog, Previous.Charset, ToQFont(Previous));
    connect(&Dialog, &QFontDialog::currentFontChanged, &Dialog, [&Dialog](QFont Font) {
        if (Font.pointSize() > 0 && Font.pointSize() < SmallestFontSize) {
            Font.setPointSize(SmallestFontSize);
            Dialog.setCurrentFont(Font);
        }
    });
    if (Dialog.exec() != QDialog::Accepted)
        return;
    QFont Chosen = Dialog.selectedFont();
    if (Chosen.pointSize() < SmallestFontSize)
        Chosen.setPointSize(SmallestFontSize);
    const TTableFont Font = ToTableFont(Chosen, ChosenWritingSystem(Dialog), Previous);
    // Another script asks whether the texts keep their letters or the
    // stored bytes are read anew in the new script.
    if (MemosModified())
        StoreMemos();
    if (!TScriptChange::Settle(window(), List, QuestionSide, Previous.Charset, Font.Charset))
        return;
    if (QuestionSide)
        List.SetQFont(Font);
    else
        List.AFont() = Font;
    ApplyMemoFonts();
    ApplyColumnFont(Fields.lblVraagTekst, List.QFont());
    ApplyColumnFont(Fields.lblAntwoordTekst, List.AFont());
    ShowCurrentEntry();
    List.Changed = true;
    ApplyGridFonts();
    Door.UpdateCommandStates();
}

void TEditPanel::ApplyMemoFonts()
{
    ApplyColumnFont(Fields.memVraag, List.QFont());
    ApplyColumnFont(Fields.memAntwoord, List.AFont());
    QuestionGuard->SetCodePage(CodePageOfCharset(List.QFont().Charset));
    AnswerGuard->SetCodePage(CodePageOfCharset(List.AFont().Charset));
}

void TEditPanel::ApplyGridFonts()
{
    Model->FontsChanged();
    // Rows stay 18 pixels high unless a larger font needs more room.
    const int Height = std::max({RowHeight, QFontMetrics(Model->ColumnFont(0)).height(),
                                 QFontMetrics(Model->ColumnFont(1)).height()});
    if (grdTabel->verticalHeader()->defaultSectionSize() != Height) {
        grdTabel->verticalHeader()->setDefaultSectionSize(Height);
        KeepCurrentRowInView();
    }
}

void TEditPanel::KeepCurrentRowInView()
{
    const int Current = List.CurrentIndex();
    if (MemoHasFocus() || Current < 0 || Current >= List.Count())
        ScrollToCurrent();
    else
        grdTabel->scrollTo(Model->index(Current, 0), QAbstractItemView::EnsureVisible);
}
