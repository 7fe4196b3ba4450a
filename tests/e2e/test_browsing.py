#!/usr/bin/env python3
"""The main browser: status text, new windows, and Home."""

import unittest

from kameng_e2e import (SITE, ProgramTestCase, key, shown_top_levels, visible_x_windows,
                        wait_for)

# Places in the shop pages (demo/site/shop.css gives the menu and the tool
# row fixed sizes): the menu's links are 100 x 32 from 0, 50; the tool row's
# button is 150 x 28 at 10, 88.
MENU_GOODS = (150, 66)    # 商品列表, an ordinary link
MENU_NOTICE = (250, 66)   # 最新公告, target="_blank"
POPUP_BUTTON = (85, 102)  # calls window.open('help.html')
NO_LINK = (600, 25)       # the page header


class StatusBar(ProgramTestCase):
    def status_part_0(self):
        return self.control("状态条1")["parts"][0]["text"]

    def test_part_0_mirrors_the_link_under_the_pointer(self):
        self.wait_until_painted()
        self.hover_in_page(*MENU_GOODS)
        wait_for(lambda: self.status_part_0() == f"{SITE}/goods.html", "the link's address in part 0")
        self.hover_in_page(*NO_LINK)
        wait_for(lambda: self.status_part_0() == "", "part 0 to clear off the link")


class NewWindows(ProgramTestCase):
    def assert_loads_in_the_main_window(self, page):
        self.wait_for_page(f"{SITE}{page}")
        self.wait_until_painted(page)
        self.assertEqual(len(shown_top_levels(self.program.snapshot())), 1)
        self.assertEqual(len(visible_x_windows(self.program.process.pid)), 1)

    def test_link_for_a_new_window_loads_in_the_main_window(self):
        self.wait_until_painted()
        self.click_in_page(*MENU_NOTICE)
        self.assert_loads_in_the_main_window("/notice.html")

    def test_window_open_loads_in_the_main_window(self):
        self.wait_until_painted()
        self.click_in_page(*POPUP_BUTTON)
        self.assert_loads_in_the_main_window("/help.html")


class Home(ProgramTestCase):
    def test_alt_g_and_home_reload_the_address_that_the_box_holds(self):
        self.wait_until_painted()
        goods = f"{SITE}/goods.html"
        self.click_in_page(*MENU_GOODS)
        self.wait_for_page(goods)
        wait_for(lambda: self.control("编辑框1")["text"] == goods, "the box to follow the page")
        loads = self.shop.count("/goods.html")

        key(self.xid, "alt+g")
        wait_for(lambda: self.shop.count("/goods.html") == loads + 1, "Alt+G to reload the page")
        self.click_control("按钮1")
        wait_for(lambda: self.shop.count("/goods.html") == loads + 2, "主页 to reload the page")

        self.assertEqual(self.shop.count("/Register.aspx"), 1)
        self.assertEqual(self.page_uri(), goods)


if __name__ == "__main__":
    unittest.main()
