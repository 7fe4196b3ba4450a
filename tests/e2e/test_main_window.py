#!/usr/bin/env python3
"""The main window as the user first sees it, its layout, and Esc."""

import unittest

from kameng_e2e import (DEADLINE, START_URL, STATS_PATH, TITLE, ProgramTestCase, key, maximise,
                        named, outer_rectangle, wait_for, widgets, window_title)

DOCUMENT_SUFFIXES = (".css", ".js")


def page_requests(paths):
    """The pages asked for, without style sheets, scripts, paint reports and
    statistics."""
    return [p for p in paths
            if not p.endswith(DOCUMENT_SUFFIXES) and not p.startswith(("/ping", "/stats"))]


class StartUp(ProgramTestCase):
    def test_window_is_centred_on_the_screen_with_its_title(self):
        self.wait_until_painted()
        self.assertEqual(window_title(self.xid), TITLE)
        self.assertEqual(outer_rectangle(self.xid), (192, 144, 640, 480))

    def test_start_page_first_and_the_hidden_browsers_page_once(self):
        self.wait_until_painted()
        # Two statistics requests mean a tick has passed, long after start-up.
        wait_for(lambda: self.shop.count(STATS_PATH) >= 2, "a statistics tick")
        pages = page_requests(self.shop.paths())
        self.assertEqual(pages.count("/"), 1, pages)
        self.assertEqual([p for p in pages if p != "/"][0], "/Register.aspx", pages)
        self.assertEqual(self.main_view()["uri"], START_URL)

    def test_address_row_is_hidden_and_holds_the_start_address(self):
        self.wait_until_painted()
        window = self.window()
        box, caption = named(window, "编辑框1"), named(window, "标签1")
        self.assertFalse(box["mapped"])
        self.assertFalse(caption["mapped"])
        self.assertEqual(box["text"], START_URL)
        shown = [w for w in widgets(window["root"]) if w["mapped"]]
        self.assertFalse([w for w in shown if w["type"] == "GtkEntry"])
        self.assertFalse([w for w in shown if w.get("text") == "地址:"])

    def test_counters_show_the_statistics_pages_numbers(self):
        # The shop's counters grow with every request, so two readings differ.
        def today():
            text = named(self.window(), "标签5").get("text", "")
            return text if text.isdigit() else None

        first = wait_for(today, "today's visits in the top row")
        wait_for(lambda: today() not in (None, first), "the next statistics refresh")
        self.assertTrue(named(self.window(), "标签6").get("text", "").isdigit())


class Layout(ProgramTestCase):
    def assert_laid_out(self, window):
        cw = window["root"]["width"]
        right_to_left = ["按钮2", "按钮3", "按钮1", "按钮4", "按钮5"]
        lefts = {name: (named(window, name)["x"], named(window, name)["y"]) for name in right_to_left}
        self.assertEqual(lefts, {name: (cw - 77 * (i + 1), 4) for i, name in enumerate(right_to_left)})
        for name in right_to_left:
            button = named(window, name)
            self.assertEqual((button["width"], button["height"]), (72, 22), name)
            self.assertTrue(button["mapped"], name)

        bar = named(window, "状态条1")
        self.assertEqual((bar["x"], bar["width"]), (0, cw))
        self.assertEqual(bar["y"] + bar["height"], window["root"]["height"])
        browser = named(window, "超文本浏览框1")
        self.assertEqual((browser["x"], browser["y"], browser["width"], browser["height"]),
                         (0, 30, cw, bar["y"] - 30))
        link = named(window, "超级链接框1")
        self.assertEqual(link["x"], cw - link["width"] - 5)
        self.assertEqual(link["y"], bar["y"] + (bar["height"] - link["height"]) // 2)

    def test_toolbar_row_at_the_design_size(self):
        self.wait_until_painted()
        window = self.window()
        self.assertEqual(window["frameWidth"], 640)
        self.assert_laid_out(window)

    def test_toolbar_row_follows_a_maximised_window(self):
        self.wait_until_painted()
        design_width = self.window()["root"]["width"]
        maximise(self.xid)
        window = wait_for(lambda: (lambda w: w if w["root"]["width"] > design_width else None)(self.window()),
                          "the window to be maximised")
        # The layout runs on every size change; wait until it has settled.
        wait_for(lambda: self._settled(), "the layout after maximising")
        self.assert_laid_out(self.window())

    def _settled(self):
        window = self.window()
        return named(window, "按钮2")["x"] == window["root"]["width"] - 77 and \
            named(window, "超文本浏览框1")["width"] == window["root"]["width"]


class Shutdown(ProgramTestCase):
    def test_escape_ends_the_program_with_exit_code_0(self):
        self.wait_until_painted()
        key(self.xid, "Escape")
        self.assertEqual(self.program.process.wait(timeout=DEADLINE), 0)


if __name__ == "__main__":
    unittest.main()
