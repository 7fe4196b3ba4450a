#!/usr/bin/env python3
"""Addresses handed to the user's default browser."""

import unittest

from kameng_e2e import CHAT_URL, MICROBLOG_URL, START_URL, ProgramTestCase, wait_for


class DefaultBrowser(ProgramTestCase):
    def assert_click_opens(self, address, control, parent=None):
        self.wait_until_painted()
        self.click_control(control, parent)
        wait_for(lambda: self.browser.opened(), "the default browser to be started")
        self.assertEqual(self.browser.opened(), [address])
        # The shop stays where it was.
        self.assertEqual(self.page_uri(), START_URL)

    def test_customer_service_opens_the_chat_page(self):
        self.assert_click_opens(CHAT_URL, "按钮5")

    def test_microblog_link_opens_the_owners_page(self):
        self.assert_click_opens(MICROBLOG_URL, "超级链接框1", parent="状态条1")


if __name__ == "__main__":
    unittest.main()
