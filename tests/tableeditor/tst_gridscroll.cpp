// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's grid keeps the current row wholly in view, with a whole row at
// its top edge: at the end of a long table and after a larger font.
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "tst_editorsupport.h"

using namespace EditorTesting;

namespace {

TEntries Numbered(int Count)
{
    TEntries Entries;
    for (int Entry = 1; Entry <= Count; ++Entry)
        Entries.emplace_back("vraag" + std::to_string(Entry), "antwoord" + std::to_string(Entry));
    return Entries;
}

// What the grid shows: the row at its top edge must start at the edge, and
// the current row must lie wholly inside the view.
QString CheckGrid(TfrmMain& Form)
{
    QTableView* Grid = Form.pnlEdit->grdTabel;
    const int Top = Grid->rowAt(0);
    if (Grid->rowViewportPosition(Top) != 0)
        return QStringLiteral("row %1 is cut at the top edge").arg(Top);
    const int Current = Form.QuestionList.CurrentIndex();
    const QRect Row = Grid->visualRect(Grid->model()->index(Current, 0));
    if (!Grid->viewport()->rect().contains(Row))
        return QStringLiteral("current row %1 at %2..%3 is not wholly in a view of %4")
            .arg(Current)
            .arg(Row.top())
            .arg(Row.bottom())
            .arg(Grid->viewport()->height());
    return QString();
}

} // namespace

class TestGridScroll : public QObject {
    Q_OBJECT
private slots:
    void WholeRowsFromTopToEnd()
    {
        auto Form = MakeWindow(Numbered(40));
        Form->mnuTabelbewerken->trigger();
        QCOMPARE(CheckGrid(*Form), QString());
        for (int Step = 0; Step < 45; ++Step) {
            Press(Qt::Key_PageDown);
            QCOMPARE(CheckGrid(*Form), QString());
        }
        Press(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(CheckGrid(*Form), QString());
        Press(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(CheckGrid(*Form), QString());
    }

    void LargerFontKeepsTheCurrentRowInView()
    {
        auto Form = MakeWindow(Numbered(40));
        Form->mnuTabelbewerken->trigger();
        for (int Step = 0; Step < 20; ++Step)
            Press(Qt::Key_PageDown);
        QCOMPARE(Counter(*Form), QStringLiteral("[21/40]"));
        TDialogAnswer Choose("QFontDialog", [](QWidget* Dialog) {
            qobject_cast<QFontDialog*>(Dialog)->setCurrentFont(QFont(QStringLiteral("Liberation Serif"), 20));
            QTest::mouseClick(Dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        Form->btnVraagFont->click();
        QVERIFY(Choose.Answered());
        QVERIFY(Form->pnlEdit->grdTabel->verticalHeader()->defaultSectionSize() > 18);
        QTRY_COMPARE(CheckGrid(*Form), QString());
        // The window system gives the focus back to the main window.
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
        QCOMPARE(CheckGrid(*Form), QString());
        // Moving on keeps it so.
        Press(Qt::Key_PageDown);
        QCOMPARE(CheckGrid(*Form), QString());
        Press(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(CheckGrid(*Form), QString());
    }
};

QTEST_MAIN(TestGridScroll)
#include "tst_gridscroll.moc"
