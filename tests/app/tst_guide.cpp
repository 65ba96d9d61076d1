// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide names every key the program has, the way the program takes it.
#include <QAction>
#include <QFile>
#include <QTest>

#include "app/frmmain.h"

class TestGuide : public QObject {
    Q_OBJECT

private:
    QString Guide;

private slots:
    void initTestCase()
    {
        QFile File(QStringLiteral(MEMORANT_SOURCE_DIR "/src/app/help/mt4win.html"));
        QVERIFY(File.open(QIODevice::ReadOnly));
        Guide = QString::fromUtf8(File.readAll());
        QVERIFY(!Guide.isEmpty());
    }

    void NamesTheShortcutOfEveryCommand()
    {
        TfrmMain Window;
        int Shortcuts = 0;
        for (const QAction* Command : Window.actions()) {
            for (const QKeySequence& Keys : Command->shortcuts()) {
                const QString Text = Keys.toString(QKeySequence::PortableText);
                QVERIFY2(Guide.contains(Text), qPrintable(Command->objectName() + u' ' + Text));
                ++Shortcuts;
            }
        }
        QVERIFY(Shortcuts >= 21);
    }

    // The accent keys as the accent filter takes them: the circumflex is
    // Ctrl+6 (Ctrl+^ would need Shift, which is no accent key).
    void NamesTheAccentKeys()
    {
        QVERIFY(!Guide.contains(QStringLiteral("Ctrl+^")));
        for (const char* Keys : {"Ctrl+`", "Ctrl+'", "Ctrl+6", "Ctrl+\"", "Ctrl+:", "Ctrl+~", "Ctrl+,"})
            QVERIFY2(Guide.contains(QString::fromLatin1(Keys) + QStringLiteral(" en dan")), Keys);
    }

    void NamesTheWindowAndEditorKeys()
    {
        for (const char* Keys : {"F2", "F3", "Esc", "Enter", "Tab", "PgUp", "PgDn", "Ctrl+PgUp", "Ctrl+PgDn",
                                 "Ctrl+Del", "Ctrl+Shift+Alt+F12", "Alt+A", "Alt+G", "Alt+F", "Alt+I", "Alt+H"})
            QVERIFY2(Guide.contains(QString::fromLatin1(Keys)), Keys);
    }
};

QTEST_MAIN(TestGuide)
#include "tst_guide.moc"
