// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the modal dialogs of a command as a user would: each step waits
// for the next modal window with the expected name and acts on it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

class TDialogScript : public QObject {
    Q_OBJECT
public:
    using TAction = std::function<void(QWidget*)>;

    TDialogScript();
    ~TDialogScript() override;

    // Waits for a modal window whose object name or class name is Name.
    TDialogScript& Then(const QString& Name, TAction Action);

    // Common answers.
    TDialogScript& ChooseFiles(const QStringList& Paths); // a file dialog
    TDialogScript& CancelFileDialog();
    TDialogScript& AnswerYes(const QString& Question); // the yes/no question
    TDialogScript& AnswerNo(const QString& Question);
    TDialogScript& AcceptMessage(QString* Text = nullptr); // a message box

    // True when every step ran and no unexpected dialog showed up.
    [[nodiscard]] bool Finished() const { return Next == Steps.size() && Errors.isEmpty(); }
    [[nodiscard]] QString Report() const;

private:
    void Poll();

    struct TStep {
        QString Name;
        TAction Action;
    };
    std::vector<TStep> Steps;
    std::size_t Next = 0;
    QPointer<QWidget> Handled;
    QPointer<QWidget> Stranger;
    int StrangerTicks = 0;
    QStringList Errors;
    QTimer Timer;
};
