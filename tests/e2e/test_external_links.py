#!/usr/bin/env python3
"""Addresses handed to the user's default browser."""

import unittest

from kameng_e2e import CHAT_URL, MICROBLOG_URL, START_URL, ProgramTestCase, wait_for


class DefaultBrowser(ProgramTestCase):
    def assert_click_opens(self, control, address):
        self.wait_until_painted()
        self.click_widget(control)
        wait_for(lambda: self.browser.opened(), "the default browser to be started")
        self.assertEqual(self.browser.opened(), [address])
        # The shop stays where it was.
        self.assertEqual(self.main_view()["uri"], START_URL)

    def test_customer_service_opens_the_chat_page(self):
        self.assert_click_opens("按钮5", CHAT_URL)

    def test_microblog_link_opens_the_owners_page(self):
        self.assert_click_opens("超级链接框1", MICROBLOG_URL)


if __name__ == "__main__":
    unittest.main()
