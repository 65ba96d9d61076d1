// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file survives being killed in the middle of a write: after
// every kill it holds exactly its old or its new content, and no temporary
// files pile up beside it.
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/inifile.h"
#include "table/safefilewriter.h"

namespace {

std::string ReadBytes(const std::string& FileName)
{
    std::ifstream File(FileName, std::ios::binary);
    std::ostringstream Bytes;
    Bytes << File.rdbuf();
    return Bytes.str();
}

// A settings file with many keys, so that a write takes a moment.
std::string LargeSettings()
{
    std::string Text = "; Memorant\r\n[Options]\r\nReverse=0\r\n";
    for (int i = 0; i < 2000; ++i)
        Text += "Onbekend" + std::to_string(i) + "=een waarde die blijft staan\r\n";
    return Text;
}

} // namespace

class TestSettingsKill : public QObject {
    Q_OBJECT

private slots:
    void writesSurviveKillsAtAnyMoment();
};

void TestSettingsKill::writesSurviveKillsAtAnyMoment()
{
    QTemporaryDir Folder;
    QVERIFY(Folder.isValid());
    const std::string Name = Folder.filePath("memorant.ini").toStdString();
    {
        std::ofstream(Name, std::ios::binary) << LargeSettings();
    }
    TIniFile Settings(Name);
    const auto Start = std::chrono::steady_clock::now();
    Settings.WriteString("Options", "Reverse", "1");
    const auto WriteTime =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - Start);
    const std::string NewBytes = ReadBytes(Name);
    Settings.WriteString("Options", "Reverse", "0");
    const std::string OldBytes = ReadBytes(Name);
    QVERIFY(OldBytes != NewBytes);
    const std::string TempBase = std::filesystem::path(TSafeFileWriter::TempName(Name)).filename().string();

    std::mt19937 Random(20261208);
    // Each child tells through a pipe when it is ready and when each of its
    // writes is complete. A kill lands after 0 to 3 complete writes, somewhere
    // in the next one, so both outcomes come up whatever the machine's pace.
    std::uniform_int_distribution<int> Completed(0, 3);
    std::uniform_int_distribution<long> Delay(0, WriteTime.count() + 100);
    int SawOld = 0;
    int SawNew = 0;
    constexpr int Kills = 200;
    for (int Round = 0; Round < Kills; ++Round) {
        int Progress[2];
        QCOMPARE(::pipe(Progress), 0);
        const pid_t Child = ::fork();
        QVERIFY(Child >= 0);
        if (Child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            TIniFile Writer(Name);
            (void)!::write(Progress[1], "r", 1);
            for (int i = 0;; ++i) {
                Writer.WriteString("Options", "Reverse", i % 2 == 0 ? "1" : "0");
                (void)!::write(Progress[1], "w", 1);
            }
        }
        ::close(Progress[1]);
        char Step = 0;
        for (int Wait = Completed(Random); Wait >= 0; --Wait)
            QCOMPARE(::read(Progress[0], &Step, 1), ssize_t{1});
        ::usleep(static_cast<useconds_t>(Delay(Random)));
        ::kill(Child, SIGKILL);
        int Status = 0;
        QCOMPARE(::waitpid(Child, &Status, 0), Child);
        ::close(Progress[0]);
        QVERIFY2(WIFSIGNALED(Status) && WTERMSIG(Status) == SIGKILL, "the writing child failed on its own");

        const std::string Content = ReadBytes(Name);
        QVERIFY2(Content == OldBytes || Content == NewBytes, qPrintable(QString("mixed file after kill %1").arg(Round)));
        (Content == OldBytes ? SawOld : SawNew)++;
        for (const auto& Item : std::filesystem::directory_iterator(Folder.path().toStdString())) {
            const std::string Base = Item.path().filename().string();
            QVERIFY2(Base == "memorant.ini" || Base == TempBase, Base.c_str());
        }
    }
    QVERIFY(SawOld > 0);
    QVERIFY2(SawNew > 0, "no write ever completed, so the kills proved nothing");
    QCOMPARE(Settings.ReadBool("options", "REVERSE", false), ReadBytes(Name) == NewBytes);

    // The next write clears what the last kill left behind, also when it
    // finds the value already there and changes nothing.
    const auto OnlyTheSettingsFile = [&] {
        int Files = 0;
        for (const auto& Item : std::filesystem::directory_iterator(Folder.path().toStdString()))
            Files += Item.path().filename() == "memorant.ini" ? 1 : 100;
        return Files == 1;
    };
    const std::string Leftover = TSafeFileWriter::TempName(Name);
    for (const char* Value : {"1", "1", "0"}) {
        std::ofstream(Leftover, std::ios::binary) << "[Options]\r\nRevers";
        const std::string Before = ReadBytes(Name);
        Settings.WriteString("Options", "Reverse", Value);
        QVERIFY2(OnlyTheSettingsFile(), Value);
        QCOMPARE(Settings.ReadString("Options", "Reverse", ""), std::string(Value));
        QCOMPARE(ReadBytes(Name).size(), Before.size());
    }
}

QTEST_APPLESS_MAIN(TestSettingsKill)
#include "tst_settingskill.moc"
