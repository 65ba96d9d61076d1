// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the editor tests: a main window with a table, keys sent the
// way the keyboard sends them, and modal dialogs answered as a user would.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tableeditor/editpanel.h"
#include "app/frmmain.h"
#include "ui/memo.h"

namespace EditorTesting {

using TEntries = std::vector<std::pair<std::string, std::string>>;

// A shown, active main window holding Entries, idle (or without a table).
inline std::unique_ptr<TfrmMain> MakeWindow(const TEntries& Entries = {})
{
    auto Form = std::make_unique<TfrmMain>();
    Form->show();
    if (!QTest::qWaitForWindowActive(Form.get()))
        qWarning("main window did not become active");
    // The first activation starts with an empty table.
    if (!QTest::qWaitFor([&Form] { return !Form->FirstActivation; }))
        qWarning("main window was not set up");
    for (const auto& [Question, Answer] : Entries)
        Form->QuestionList.Add(Question, Answer);
    Form->State = Entries.empty() ? msNoTable : msIdle;
    Form->UpdateCommandStates();
    return Form;
}

inline QWidget* Focused() { return QApplication::focusWidget(); }

// A key pressed in whatever has the focus, or in the active window.
inline void Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
{
    QWidget* Target = Focused() ? Focused() : QApplication::activeWindow();
    QVERIFY2(Target, "no window is active");
    QTest::keyClick(Target, Key, Modifiers);
}

// Text typed into whatever has the focus, one key per character (a
// character outside the BMP comes as one key with two code units).
inline void TypeInto(QWidget* Target, const QString& Text)
{
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar Ch = Text.at(i);
        if (Ch.unicode() < 128) {
            QTest::keyClick(Target, Ch.toLatin1());
            continue;
        }
        const qsizetype Length = Ch.isHighSurrogate() && i + 1 < Text.size() ? 2 : 1;
        const QString Key = Text.mid(i, Length);
        const auto Code = Length == 1 && Ch.isLetter() ? Qt::Key(Ch.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, Target, Code, Key, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, Target, Code, Key, Qt::NoModifier);
        i += Length - 1;
    }
}

inline void Type(const QString& Text)
{
    QWidget* Target = Focused();
    QVERIFY2(Target, "no widget has the focus");
    TypeInto(Target, Text);
}

inline QString Counter(const TfrmMain& Form) { return Form.lblItemNr->text(); }

inline QString QuestionMemo(const TfrmMain& Form) { return Form.memVraag->toPlainText(); }
inline QString AnswerMemo(const TfrmMain& Form) { return Form.memAntwoord->toPlainText(); }

// Clicks row Row of the grid, as the mouse does.
inline void ClickRow(TfrmMain& Form, int Row)
{
    QTableView* Grid = Form.pnlEdit->grdTabel;
    const QRect Cell = Grid->visualRect(Grid->model()->index(Row, 0));
    QVERIFY2(Cell.isValid(), "the row is not in view");
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, Cell.center());
}

// Runs Action on the next modal dialog of class Kind that opens, from
// inside the dialog's own event loop, as a user answers it.
class TDialogAnswer : public QObject {
public:
    TDialogAnswer(const char* Kind, std::function<void(QWidget*)> Action)
        : Kind(Kind), Action(std::move(Action))
    {
        Timer.setInterval(10);
        connect(&Timer, &QTimer::timeout, this, &TDialogAnswer::Check);
        Timer.start();
    }
    [[nodiscard]] bool Answered() const { return FAnswered; }

private:
    void Check()
    {
        QWidget* Dialog = QApplication::activeModalWidget();
        if (!Dialog || !Dialog->inherits(Kind) || !Dialog->isVisible())
            return;
        Timer.stop();
        FAnswered = true;
        Action(Dialog);
    }

    const char* Kind;
    std::function<void(QWidget*)> Action;
    QTimer Timer;
    bool FAnswered = false;
};

} // namespace EditorTesting
