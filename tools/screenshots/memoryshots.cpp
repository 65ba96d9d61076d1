// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window after a week of rounds on the example table. The
// memory is kept in a scratch folder, never in the user's own.
#include "screenshots.h"

#include <QAction>
#include <QDateTime>
#include <QTemporaryDir>
#include <random>

#include "app/frmmain.h"
#include "app/frmvoortgang.h"
#include "app/quizmemory.h"
#include "files/windowsettings.h"

namespace {

// A round of the whole table on each of seven days, answered better each day.
void PlayAWeek(TfrmMain& Window, qint64& Now)
{
    TQuestionlist& List = Window.QuestionList;
    std::mt19937 Random(2026);
    for (int Day = 0; Day < 7; ++Day) {
        for (int Round = 0; Round < 1; ++Round) {
            Now += 3 * 3600;
            List.UseSample = false;
            List.StartSession();
            std::string Question;
            for (List.NextQuestion(Question); !Question.empty(); List.NextQuestion(Question)) {
                const bool Right = std::uniform_int_distribution<int>(0, 9)(Random) < 5 + Day / 2;
                List.RegisterResult(Right ? arRight : arWrong);
            }
        }
        Now += 21 * 3600;
    }
}

const TScreenshot Progress("voortgang.png", "Voortgang: de cijfers over de dagen en wat je nu nog weet",
                           [](TfrmMain& Window) -> QWidget* {
                               static QTemporaryDir Scratch;
                               static qint64 Now = QDateTime(QDate(2026, 12, 1), QTime(9, 0)).toSecsSinceEpoch();
                               qputenv("XDG_DATA_HOME", Scratch.filePath(QStringLiteral("data")).toLocal8Bit());
                               Window.WindowSettings->SetFileName(Scratch.filePath(QStringLiteral("memorant.ini")));
                               Window.QuizMemory->Calendar.SetClock([] { return Now; });
                               Window.QuizMemory->mnuVolgensGeheugen->setChecked(true);
                               PlayAWeek(Window, Now);
                               auto* Shown = new TfrmVoortgang(*Window.QuizMemory, &Window);
                               Shown->resize(680, 580);
                               Shown->show();
                               return Shown;
                           });

} // namespace
