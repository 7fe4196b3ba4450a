#!/usr/bin/env python3
"""The main browser: status text, new windows, and Home."""

import unittest

from kameng_e2e import (SITE, ProgramTestCase, key, labels, named,
                        shown_top_levels, visible_x_windows, wait_for)

# Places in the shop pages (demo/site/shop.css gives the menu and the tool
# row fixed sizes): the menu's links are 100 x 32 from 0, 50; the tool row's
# button is 150 x 28 at 10, 88.
MENU_GOODS = (150, 66)    # 商品列表, an ordinary link
MENU_NOTICE = (250, 66)   # 最新公告, target="_blank"
POPUP_BUTTON = (85, 102)  # calls window.open('help.html')
NO_LINK = (600, 25)       # the page header


class StatusBar(ProgramTestCase):
    def status_text(self):
        bar = named(self.window(), "状态条1")
        parts = sorted((l for l in labels(bar) if l["mapped"] or l["visible"]), key=lambda l: l["x"])
        return parts[0].get("text") if parts else None

    def test_part_0_mirrors_the_link_under_the_pointer(self):
        self.wait_until_painted()
        self.hover_in_page(*MENU_GOODS)
        wait_for(lambda: self.status_text() == f"{SITE}/goods.html", "the link's address in part 0")
        self.hover_in_page(*NO_LINK)
        wait_for(lambda: self.status_text() == "", "part 0 to clear off the link")


class NewWindows(ProgramTestCase):
    def assert_one_window(self):
        self.assertEqual(len(shown_top_levels(self.program.snapshot())), 1)
        self.assertEqual(len(visible_x_windows(self.program.process.pid)), 1)

    def test_link_for_a_new_window_loads_in_the_main_window(self):
        self.wait_until_painted()
        self.click_in_page(*MENU_NOTICE)
        self.wait_for_page(f"{SITE}/notice.html")
        self.wait_until_painted("/notice.html")
        self.assert_one_window()

    def test_window_open_loads_in_the_main_window(self):
        self.wait_until_painted()
        self.click_in_page(*POPUP_BUTTON)
        self.wait_for_page(f"{SITE}/help.html")
        self.wait_until_painted("/help.html")
        self.assert_one_window()


class Home(ProgramTestCase):
    def test_alt_g_and_home_reload_the_address_that_the_box_holds(self):
        self.wait_until_painted()
        goods = f"{SITE}/goods.html"
        self.click_in_page(*MENU_GOODS)
        self.wait_for_page(goods)
        wait_for(lambda: named(self.window(), "编辑框1")["text"] == goods, "the box to follow the page")
        loads = self.shop.count("/goods.html")

        key(self.xid, "alt+g")
        wait_for(lambda: self.shop.count("/goods.html") == loads + 1, "Alt+G to reload the page")
        self.click_widget("按钮1")
        wait_for(lambda: self.shop.count("/goods.html") == loads + 2, "主页 to reload the page")

        self.assertEqual(self.shop.count("/Register.aspx"), 1)
        self.assertEqual(self.main_view()["uri"], goods)


if __name__ == "__main__":
    unittest.main()
