// SPDX-License-Identifier: GPL-3.0-or-later
// A busy cursor shows while tables are read, and goes when the reading ends,
// also when it fails.
#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include "dialogscript.h"
#include "files/filecommands.h"
#include "mainfixture.h"

namespace {

// Notes the cursor each time Label is painted.
class TCursorWatch : public QObject {
public:
    explicit TCursorWatch(QLabel* Label) : Label(Label) { Label->installEventFilter(this); }
    ~TCursorWatch() override { Label->removeEventFilter(this); }
    QList<Qt::CursorShape> Seen;
    QStringList Texts;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == Label && Event->type() == QEvent::Paint) {
            const QCursor* Override = QGuiApplication::overrideCursor();
            Seen.append(Override ? Override->shape() : Qt::ArrowCursor);
            Texts.append(Label->text());
        }
        return false;
    }

private:
    QLabel* Label;
};

} // namespace

class TestBusyCursor : public QObject {
    Q_OBJECT
private slots:
    void BusyWhileTablesAreRead()
    {
        TMainFixture Fixture;
        Fixture.Start();
        const QString First = Fixture.WriteTable(QStringLiteral("een.mt4"), {QStringLiteral("a = b")});
        const QString Second = Fixture.WriteTable(QStringLiteral("twee.mt4"), {QStringLiteral("c = d")});
        TCursorWatch Watch(Fixture.Main->lblPrompt1);
        TDialogScript Script;
        Script.ChooseFiles({First, Second});
        Fixture.Main->Files->OpenTables();
        QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
        // The prompt says which table is read; the cursor is busy meanwhile.
        int Reading = 0;
        for (int Paint = 0; Paint < Watch.Texts.size(); ++Paint) {
            if (!Watch.Texts[Paint].startsWith(QStringLiteral("Inlezen tabel")))
                continue;
            ++Reading;
            QCOMPARE(Watch.Seen[Paint], Qt::WaitCursor);
        }
        QCOMPARE(Reading, 2);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void CursorComesBackWhenReadingFails()
    {
        TMainFixture Fixture;
        Fixture.Start();
        QString Message;
        try {
            Fixture.Main->CarryOutCommandLine({QStringLiteral("/proc/self/mem")});
        } catch (const std::exception& Error) {
            Message = QString::fromUtf8(Error.what());
        }
        QVERIFY2(Message.startsWith(QStringLiteral("Fout tijdens inlezen")), qPrintable(Message));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(TestBusyCursor)
#include "tst_busycursor.moc"
