// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableeditor/scriptchange.h"

#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "editor/codepage.h"
#include "formats/wintext.h"
#include "table/questionlist.h"

namespace {

std::string ColumnText(const TQuestionlist& List, bool QuestionSide, int Index)
{
    return QuestionSide ? List.Question(Index) : List.Answer(Index);
}

bool HasHighBytes(const std::string& Text)
{
    return std::any_of(Text.begin(), Text.end(), [](char C) { return static_cast<unsigned char>(C) >= 0x80; });
}

} // namespace

QString TScriptChange::ScriptName(int CodePage)
{
    switch (CodePage) {
    case 1250: return QStringLiteral("Centraal-Europees");
    case 1251: return QStringLiteral("Cyrillisch");
    case 1253: return QStringLiteral("Grieks");
    case 1254: return QStringLiteral("Turks");
    case 1255: return QStringLiteral("Hebreeuws");
    case 1256: return QStringLiteral("Arabisch");
    case 1257: return QStringLiteral("Baltisch");
    case 1258: return QStringLiteral("Vietnamees");
    case 874: return QStringLiteral("Thais");
    default: return QStringLiteral("West-Europees");
    }
}

bool TScriptChange::Matters(const TQuestionlist& List, bool QuestionSide, int OldCharset, int NewCharset)
{
    if (CodePageOfCharset(OldCharset) == CodePageOfCharset(NewCharset))
        return false;
    for (int i = 0; i < List.Count(); ++i)
        if (HasHighBytes(ColumnText(List, QuestionSide, i)))
            return true;
    return false;
}

int TScriptChange::TextsLosingLetters(const TQuestionlist& List, bool QuestionSide, int OldCharset, int NewCharset)
{
    int Losing = 0;
    for (int i = 0; i < List.Count(); ++i) {
        const std::string Text = ColumnText(List, QuestionSide, i);
        if (HasHighBytes(Text) && !QtToColumn(ColumnToQt(Text, OldCharset), NewCharset))
            ++Losing;
    }
    return Losing;
}

QString TScriptChange::Question(const TQuestionlist& List, bool QuestionSide, int OldCharset, int NewCharset)
{
    const QString Column = QuestionSide ? QStringLiteral("vraagkolom") : QStringLiteral("antwoordkolom");
    const QString Old = ScriptName(CodePageOfCharset(OldCharset));
    const QString New = ScriptName(CodePageOfCharset(NewCharset));
    const int Losing = TextsLosingLetters(List, QuestionSide, OldCharset, NewCharset);
    QString Text = QStringLiteral("Het schrift van de %1 wordt %2 in plaats van %3. Wat moet er met de teksten "
                                  "gebeuren?\n\n")
                       .arg(Column, New, Old);
    Text += QStringLiteral("Omzetten: de teksten blijven zoals ze er nu staan.");
    if (Losing > 0)
        Text += QStringLiteral(" In %1 %2 staan letters die het schrift %3 niet heeft; die worden \"?\".")
                    .arg(Losing)
                    .arg(Losing == 1 ? QStringLiteral("tekst") : QStringLiteral("teksten"), New);
    Text += QStringLiteral("\nOpnieuw lezen: dezelfde tekens worden als %1 gelezen, zodat de teksten andere "
                           "letters krijgen (voor een tabel die met het verkeerde schrift is opgeslagen).")
                .arg(New);
    return Text;
}

TScriptChange::TChoice TScriptChange::Ask(QWidget* Parent, const TQuestionlist& List, bool QuestionSide,
                                          int OldCharset, int NewCharset)
{
    QMessageBox Box(QMessageBox::Question, QStringLiteral("Ander schrift"),
                    Question(List, QuestionSide, OldCharset, NewCharset), QMessageBox::NoButton, Parent);
    Box.setObjectName(QStringLiteral("msgSchrift"));
    QPushButton* Convert = Box.addButton(QStringLiteral("&Omzetten"), QMessageBox::AcceptRole);
    QPushButton* Reread = Box.addButton(QStringLiteral("Opnieuw &lezen"), QMessageBox::DestructiveRole);
    QPushButton* Cancel = Box.addButton(QStringLiteral("&Annuleren"), QMessageBox::RejectRole);
    Convert->setObjectName(QStringLiteral("btnOmzetten"));
    Reread->setObjectName(QStringLiteral("btnOpnieuwLezen"));
    Cancel->setObjectName(QStringLiteral("btnAnnuleren"));
    Box.setDefaultButton(Convert);
    Box.setEscapeButton(Cancel);
    Box.exec();
    if (Box.clickedButton() == Convert)
        return TChoice::Convert;
    if (Box.clickedButton() == Reread)
        return TChoice::Reread;
    return TChoice::Cancel;
}

int TScriptChange::Convert(TQuestionlist& List, bool QuestionSide, int OldCharset, int NewCharset)
{
    const int NewCodePage = CodePageOfCharset(NewCharset);
    int Losing = 0;
    for (int i = 0; i < List.Count(); ++i) {
        const std::string Text = ColumnText(List, QuestionSide, i);
        if (!HasHighBytes(Text))
            continue;
        int Replaced = 0;
        const std::string Converted = QtToWinReplacing(ColumnToQt(Text, OldCharset), NewCodePage, Replaced);
        if (Replaced > 0)
            ++Losing;
        if (QuestionSide)
            List.SetQuestion(i, Converted);
        else
            List.SetAnswer(i, Converted);
    }
    return Losing;
}

bool TScriptChange::Settle(QWidget* Parent, TQuestionlist& List, bool QuestionSide, int OldCharset, int NewCharset)
{
    if (!Matters(List, QuestionSide, OldCharset, NewCharset))
        return true;
    switch (Ask(Parent, List, QuestionSide, OldCharset, NewCharset)) {
    case TChoice::Convert:
        Convert(List, QuestionSide, OldCharset, NewCharset);
        return true;
    case TChoice::Reread:
        return true;
    case TChoice::Cancel:
        break;
    }
    return false;
}
