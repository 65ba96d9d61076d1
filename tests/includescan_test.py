#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The include scan reports each kind of fault, planted in a small tree."""

import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import includescan  # noqa: E402

# A tree whose includes are all allowed: every level includes a lower one,
# a folder its own and one of its own level, and the core's folders each
# other (they are one room).
CLEAN = {
    "app/frmmain.h": '#include "quizscreens/choicepanel.h"\n#include "ui/quizdoor.h"\n',
    "app/frmmain.cpp": '#include "app/frmmain.h"\n#include "files/filecommands.h"\n#include <QWidget>\n',
    "quizscreens/choicepanel.h": '#include "ui/quizdoor.h"\n#include "formats/wintext.h"\n',
    "files/filecommands.cpp": '#include "files/filecommands.h"\n#include "ui/filedoor.h"\n',
    "files/filecommands.h": '#include "formats/tablefilename.h"\n',
    "ui/quizdoor.h": '#include "table/questionlist.h"\n',
    "ui/filedoor.h": "",
    "ui/memo.cpp": '#include "formats/wintext.h"\n',
    "formats/wintext.h": '#include "editor/codepage.h"\n#include <QString>\n',
    "formats/tablefilename.h": "",
    "table/questionlist.h": '#include "quiz/quizrandom.h"\n#include <string>\n',
    "quiz/answercheck.cpp": '#include "table/questionlist.h"\n',
    "quiz/quizrandom.h": "",
    "editor/codepage.h": "",
    "main.cpp": '#include "app/frmmain.h"\n',
}


class IncludeScanTest(unittest.TestCase):
    def scan(self, planted=None):
        """The faults of the clean tree with the files of planted added."""
        files = dict(CLEAN)
        files.update(planted or {})
        with tempfile.TemporaryDirectory() as folder:
            for name, text in files.items():
                path = Path(folder, name)
                path.parent.mkdir(parents=True, exist_ok=True)
                path.write_text("// SPDX-License-Identifier: GPL-3.0-or-later\n" + text, encoding="utf-8")
            return includescan.scan(folder)

    def assertOneFault(self, planted, *words):
        faults = self.scan(planted)
        self.assertEqual(len(faults), 1, faults)
        for word in words:
            self.assertIn(word, faults[0])

    def assertReported(self, planted, *words):
        """Some fault names all of words (an upward include closes a cycle, too)."""
        faults = self.scan(planted)
        self.assertTrue(any(all(word in fault for word in words) for fault in faults), faults)

    def test_clean_tree_has_no_fault(self):
        self.assertEqual(self.scan(), [])

    def test_main_window_header_outside_app(self):
        self.assertReported({"quizscreens/trainingpanel.cpp": '#include "app/frmmain.h"\n'},
                            "quizscreens/trainingpanel.cpp", "app/frmmain.h from outside app/")
        # A window's own file may; so may the program's entry above the folders.
        self.assertEqual(self.scan({"app/main.cpp": '#include "app/frmmain.h"\n'}), [])

    def test_every_include_of_a_higher_level(self):
        for name, included, higher in [("ui/commandguard.cpp", "app/memorantapplication.h", "app/"),
                                       ("formats/tablefiles.cpp", "files/filecommands.h", "files/"),
                                       ("print/printprogress.cpp", "app/memorantapplication.h", "app/"),
                                       ("table/tablefile.cpp", "ui/memo.h", "ui/")]:
            with self.subTest(name=name):
                planted = {name: f'#include "{included}"\n'}
                self.assertReported(planted, name, "higher level " + higher)

    def test_two_folders_of_one_level_that_include_each_other(self):
        self.assertOneFault({"quizscreens/resultspanel.cpp": '#include "files/filecommands.h"\n',
                             "files/dlgslafoutenop.cpp": '#include "quizscreens/resultspanel.h"\n'},
                            "include each other", "files", "quizscreens")

    def test_a_cycle_through_three_folders(self):
        self.assertOneFault({"files/a.cpp": '#include "print/b.h"\n',
                             "print/b.cpp": '#include "tableeditor/c.h"\n',
                             "tableeditor/c.cpp": '#include "files/a.h"\n'},
                            "include each other", "files", "print", "tableeditor")

    def test_qt_in_the_core(self):
        self.assertOneFault({"quiz/report.cpp": "#include <QString>\n"}, "quiz/report.cpp", "<QString>")

    def test_folder_without_a_level(self):
        self.assertOneFault({"plugins/voice.cpp": '#include "ui/memo.h"\n'}, "plugins", "no place")

    def test_command_line_reports_and_fails(self):
        with tempfile.TemporaryDirectory() as folder:
            Path(folder, "ui").mkdir()
            Path(folder, "ui", "x.cpp").write_text('#include "app/frmmain.h"\n', encoding="utf-8")
            self.assertEqual(includescan.main(["includescan.py", folder]), 1)
            Path(folder, "ui", "x.cpp").write_text('#include "ui/x.h"\n', encoding="utf-8")
            self.assertEqual(includescan.main(["includescan.py", folder]), 0)


if __name__ == "__main__":
    unittest.main()
