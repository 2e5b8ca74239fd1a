#!/usr/bin/env python3
"""Tests for texts_check.py: the shipped templates pass, broken copies fail
with the right message, and the preview reader follows the template rules.

Run: python3 -m unittest discover -s tools/data -p 'test_*.py'
"""

import os
import shutil
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import texts_check  # noqa: E402

DATA = os.path.normpath(os.path.join(HERE, "..", "..", "data", "ini"))
CRLF = "\r\n"


class ShippedData(unittest.TestCase):
    def test_shipped_templates_have_no_problem(self):
        self.assertEqual(texts_check.check_dir(DATA), [])

    def test_every_section_the_game_reads_yields_text(self):
        for name, catalogue, single in texts_check.FILES:
            lines, _ = texts_check.load(os.path.join(DATA, name))
            for n, (_, _, samples) in catalogue.items():
                for _, p1, p2, _ in samples:
                    pages = texts_check.read_section(lines, n, p1 or "", p2 or "", single)
                    self.assertEqual(len(pages), 1, "%s %d: one page" % (name, n))
                    self.assertTrue(pages[0].strip(), "%s %d is empty" % (name, n))
                    self.assertTrue(pages[0].endswith(CRLF), "%s %d: ends with a line break" % (name, n))

    def test_parameters_appear_where_callers_set_them(self):
        lines, _ = texts_check.load(os.path.join(DATA, "Text.ini"))
        # text 12 must carry the actor and the "...を中心とした連合軍は、..." phrase
        page = texts_check.read_section(lines, 12, "田豊", "袁紹を中心とした連合軍は、董卓")[0]
        self.assertIn("田豊", page)
        self.assertIn("袁紹を中心とした連合軍は、董卓", page)
        # the war sizes are followed by "000" (troops are stored in thousands)
        page = texts_check.read_section(lines, 16, "A軍 120", "B軍 80")[0]
        self.assertIn("A軍 120000", page)
        self.assertIn("B軍 80000", page)
        page = texts_check.read_section(lines, 34, "Aの総兵力は 150", "B軍のそれは 90")[0]
        self.assertIn("Aの総兵力は 150000", page)
        self.assertIn("B軍のそれは 90000", page)


class Reader(unittest.TestCase):
    def test_plain_plus_plain_dot_end(self):
        lines = [".1", "前", "+", "後", ".", ".."]
        self.assertEqual(texts_check.read_section(lines, 1, "P1", "P2"),
                         ["前P1後" + CRLF + CRLF])

    def test_slash_starts_next_page_or_discards_in_single_text(self):
        lines = [".3", "一", "/", "二", ".."]
        self.assertEqual(texts_check.read_section(lines, 3, "", ""), ["一", "二" + CRLF])
        self.assertEqual(texts_check.read_section(lines, 3, "", "", True), ["二" + CRLF])

    def test_section_120_and_sections_after_100_are_never_read(self):
        lines = [".5", "a", "..", ".120", "b", "..", ".7", "c", ".."]
        self.assertEqual(texts_check.read_section(lines, 120, "", ""), [])
        self.assertEqual(texts_check.read_section(lines, 7, "", ""), [])
        self.assertEqual(texts_check.read_section(lines, 5, "", ""), ["a" + CRLF])

    def test_missing_end_marker_runs_into_next_section(self):
        lines = [".1", "a", ".2", "b", ".."]
        self.assertEqual(texts_check.read_section(lines, 1, "", ""), ["a" + CRLF + "b" + CRLF])


class BrokenCopies(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        for name, _, _ in texts_check.FILES:
            shutil.copy(os.path.join(DATA, name), self.dir)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def edit(self, name, old, new):
        path = os.path.join(self.dir, name)
        with open(path, encoding="utf-8") as f:
            text = f.read()
        self.assertIn(old, text)
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text.replace(old, new, 1))

    def problems(self):
        return "\n".join(texts_check.check_dir(self.dir))

    def test_missing_section_is_reported(self):
        self.edit("Text.ini", ".59\n", ".61\n")
        out = self.problems()
        self.assertIn("section 59 is missing", out)
        self.assertIn("section 61 is not read by the game", out)

    def test_character_outside_cp932_is_reported_with_line(self):
        self.edit("Command.ini", "中原の曹操", "龐統と曹操")
        out = self.problems()
        self.assertRegex(out, r"Command\.ini:\d+: character\(s\) U\+9F90 龐 cannot be written in CP932")

    def test_stale_parameter_is_reported(self):
        # text 52 is called with parameter 2 only; a "+" would show a stale name
        self.edit("Text.ini", ".52\n在野の\n", ".52\n+\n在野の\n")
        self.assertIn("section 52 splices '+' but parameter 1 is not set", self.problems())

    def test_stale_parameter_in_explanation_is_reported(self):
        self.edit("Command.ini", ".20\n", ".20\n*\n")
        self.assertIn("section 20 splices '*' but parameter 2 is not set", self.problems())

    def test_unclosed_section_is_reported(self):
        self.edit("Text.ini", "が新たな盟主として名乗りを上げた。\n.\n..\n",
                  "が新たな盟主として名乗りを上げた。\n.\n")
        self.assertIn("section 59 is not closed with '..'", self.problems())

    def test_order_duplicates_and_high_numbers_are_reported(self):
        self.edit("Text.ini", ".2\n", ".150\n..\n.1\n..\n.2\n")
        out = self.problems()
        self.assertIn("section 150 is never read", out)
        self.assertIn("section 1 appears twice", out)

    def test_marker_with_text_and_page_break_are_reported(self):
        self.edit("Text.ini", ".4\n+\n", ".4\n+夏侯惇\n/\n")
        out = self.problems()
        self.assertIn("the rest of this line ('夏侯惇') is lost", out)
        self.assertIn("page break '/' in section 4", out)

    def test_crlf_source_is_reported(self):
        path = os.path.join(self.dir, "Text.ini")
        with open(path, "rb") as f:
            raw = f.read()
        with open(path, "wb") as f:
            f.write(raw.replace(b"\n", b"\r\n"))
        self.assertIn("carriage return found", self.problems())


if __name__ == "__main__":
    unittest.main()
