// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogscript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr int PollMilliseconds = 10;
// A modal window nobody expects is closed after this many polls.
constexpr int StrangerPatience = 300;

bool Matches(const QWidget* Widget, const QString& Name)
{
    return Widget->objectName() == Name || Widget->inherits(Name.toLatin1().constData());
}

void Close(QWidget* Widget)
{
    if (auto* Dialog = qobject_cast<QDialog*>(Widget))
        Dialog->reject();
    else
        Widget->close();
}

void AnswerQuestion(QWidget* Dialog, const QString& Question, const char* Button, QStringList& Errors)
{
    auto* Label = Dialog->findChild<QLabel*>(QStringLiteral("lblVraag"));
    if (!Label || Label->text() != Question)
        Errors << QStringLiteral("asked \"%1\" instead of \"%2\"").arg(Label ? Label->text() : QString(), Question);
    if (auto* Answer = Dialog->findChild<QAbstractButton*>(QString::fromLatin1(Button)))
        Answer->click();
    else
        Close(Dialog);
}

} // namespace

TDialogScript::TDialogScript()
{
    connect(&Timer, &QTimer::timeout, this, &TDialogScript::Poll);
    Timer.start(PollMilliseconds);
}

TDialogScript::~TDialogScript() = default;

TDialogScript& TDialogScript::Then(const QString& Name, TAction Action)
{
    Steps.push_back({Name, std::move(Action)});
    return *this;
}

TDialogScript& TDialogScript::ChooseFiles(const QStringList& Paths)
{
    return Then(QStringLiteral("QFileDialog"), [Paths](QWidget* Widget) {
        auto* Dialog = qobject_cast<QFileDialog*>(Widget);
        auto* Edit = Dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        Edit->setText(Paths.size() == 1 ? Paths.constFirst() : u'"' + Paths.join(QStringLiteral("\" \"")) + u'"');
        static_cast<QDialog*>(Dialog)->accept(); // validates the names as the button would
    });
}

TDialogScript& TDialogScript::CancelFileDialog()
{
    return Then(QStringLiteral("QFileDialog"), [](QWidget* Widget) { Close(Widget); });
}

TDialogScript& TDialogScript::AnswerYes(const QString& Question)
{
    return Then(QStringLiteral("frmJaNee"),
                [this, Question](QWidget* Dialog) { AnswerQuestion(Dialog, Question, "btnJa", Errors); });
}

TDialogScript& TDialogScript::AnswerNo(const QString& Question)
{
    return Then(QStringLiteral("frmJaNee"),
                [this, Question](QWidget* Dialog) { AnswerQuestion(Dialog, Question, "btnNee", Errors); });
}

TDialogScript& TDialogScript::AcceptMessage(QString* Text)
{
    return Then(QStringLiteral("QMessageBox"), [Text](QWidget* Widget) {
        auto* Box = qobject_cast<QMessageBox*>(Widget);
        if (Text)
            *Text = Box->text();
        Box->accept();
    });
}

QString TDialogScript::Report() const
{
    QStringList Lines = Errors;
    if (Next < Steps.size())
        Lines << QStringLiteral("still waiting for %1 (step %2 of %3)")
                     .arg(Steps[Next].Name)
                     .arg(Next + 1)
                     .arg(Steps.size());
    return Lines.join(QStringLiteral("; "));
}

void TDialogScript::Poll()
{
    QWidget* Modal = QApplication::activeModalWidget();
    if (Handled && (!Handled->isVisible() || Modal != Handled))
        Handled = nullptr;
    if (!Modal || !Modal->isVisible() || Modal == Handled)
        return; // none, or the one just answered is still closing
    if (Next < Steps.size() && Matches(Modal, Steps[Next].Name)) {
        Handled = Modal;
        StrangerTicks = 0;
        // Run outside this timer, so that a dialog the answer opens is
        // answered by later polls.
        QTimer::singleShot(0, Modal, [Self = QPointer<TDialogScript>(this), Action = Steps[Next++].Action, Modal] {
            Action(Modal);
            // Shown again at once (the same dialog object, a second time)
            // it is a new dialog to answer.
            if (Self && Self->Handled == Modal && !Modal->isVisible())
                Self->Handled = nullptr;
        });
        return;
    }
    if (Modal != Stranger) {
        Stranger = Modal;
        StrangerTicks = 0;
    }
    if (++StrangerTicks >= StrangerPatience) {
        Errors << QStringLiteral("unexpected dialog %1 (%2)")
                      .arg(Modal->objectName(), QString::fromLatin1(Modal->metaObject()->className()));
        Close(Modal);
        StrangerTicks = 0;
    }
}
