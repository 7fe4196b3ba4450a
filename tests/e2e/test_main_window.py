#!/usr/bin/env python3
"""The main window as the user first sees it, its layout, and Esc."""

import time
import unittest

from kameng_e2e import (DEADLINE, START_URL, TITLE, ProgramTestCase, key, maximise,
                        outer_rectangle, shown_button, shown_web_view, wait_for, widgets,
                        window_title)

TOOLBAR = {  # right to left, with the captions the buttons show
    "按钮2": "全屏(F11)", "按钮3": "刷新", "按钮1": "主页(G)", "按钮4": "电台听歌", "按钮5": "在线客服",
}


# How long a test watches for something that must not happen.
OBSERVATION_SECONDS = 3


def page_requests(paths):
    """The pages asked for: no style sheets, scripts, icons, paint reports or
    statistics."""
    return [p for p in paths
            if not p.endswith((".css", ".js", ".ico")) and not p.startswith(("/ping", "/stats"))]


class StartUp(ProgramTestCase):
    def test_window_is_centred_on_the_screen_with_its_title(self):
        self.wait_until_painted()
        self.assertEqual(window_title(self.xid), TITLE)
        self.assertEqual(outer_rectangle(self.xid), (192, 144, 640, 480))

    def test_start_page_first_and_the_hidden_browsers_page_once(self):
        self.wait_until_painted()
        wait_for(lambda: "/" in self.shop.paths(), "the hidden browser's page")
        # A second request would come soon after the first, if at all.
        time.sleep(OBSERVATION_SECONDS)
        pages = page_requests(self.shop.paths())
        self.assertEqual(pages.count("/"), 1, pages)
        self.assertEqual([p for p in pages if p != "/"][0], "/Register.aspx", pages)
        self.assertEqual(self.page_uri(), START_URL)

    def test_address_row_is_hidden_and_holds_the_start_address(self):
        self.wait_until_painted()
        window, controls = self.state("编辑框1", "标签1")
        self.assertEqual(controls["编辑框1"]["visible"], 0)
        self.assertEqual(controls["标签1"]["visible"], 0)
        self.assertEqual(controls["编辑框1"]["text"], START_URL)
        shown = [w for w in widgets(window["root"]) if w["mapped"]]
        self.assertEqual([w for w in shown if w["type"] == "GtkEntry"], [])
        self.assertEqual([w for w in shown if w.get("text") == "地址:"], [])


class Layout(ProgramTestCase):
    NAMES = ["", *TOOLBAR, "超文本浏览框1", "状态条1", "超级链接框1"]

    def assert_laid_out(self, window, controls):
        cw = controls[""]["clientWidth"]
        self.assertEqual(window["root"]["width"], cw)
        for i, (name, caption) in enumerate(TOOLBAR.items()):
            button = controls[name]
            expected = (cw - 77 * (i + 1), 4, 72, 22)
            self.assertEqual((button["left"], button["top"], button["width"], button["height"]),
                             expected, name)
            shown = shown_button(window, caption)
            self.assertIsNotNone(shown, caption)
            self.assertEqual((shown["x"], shown["y"]), expected[:2], caption)

        bar, browser, link = controls["状态条1"], controls["超文本浏览框1"], controls["超级链接框1"]
        self.assertEqual((bar["left"], bar["width"]), (0, cw))
        self.assertEqual(bar["top"] + bar["height"], controls[""]["clientHeight"])
        self.assertEqual([p["width"] for p in bar["parts"]], [cw - 120, 120])
        self.assertEqual((browser["left"], browser["top"], browser["width"], browser["height"]),
                         (0, 30, cw, bar["top"] - 30))
        view = shown_web_view(window)
        self.assertEqual((view["x"], view["y"], view["width"], view["height"]),
                         (0, 30, cw, bar["top"] - 30))
        # The link counts from the status bar it lives in.
        self.assertEqual((link["left"], link["top"]),
                         (cw - link["width"] - 5, (bar["height"] - link["height"]) // 2))

    def test_toolbar_row_at_the_design_size(self):
        self.wait_until_painted()
        window, controls = self.state(*self.NAMES)
        self.assertEqual(window["frame"][2:], [640, 480])
        self.assert_laid_out(window, controls)

    def test_toolbar_row_follows_a_maximised_window(self):
        self.wait_until_painted()
        design_width = self.state("")[1][""]["clientWidth"]
        maximise(self.xid)

        def maximised_and_laid_out():
            window, controls = self.state(*self.NAMES)
            cw = controls[""]["clientWidth"]
            settled = cw > design_width and controls["按钮2"]["left"] == cw - 77 \
                and window["root"]["width"] == cw
            return (window, controls) if settled else None

        self.assert_laid_out(*wait_for(maximised_and_laid_out, "the layout of the maximised window"))


class Shutdown(ProgramTestCase):
    def test_escape_ends_the_program_with_exit_code_0(self):
        self.wait_until_painted()
        key(self.xid, "Escape")
        self.assertEqual(self.program.process.wait(timeout=DEADLINE), 0)


if __name__ == "__main__":
    unittest.main()
