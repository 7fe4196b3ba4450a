#!/usr/bin/env python3
"""The demo shop that the run command and the end-to-end tests serve."""

import os
import subprocess
import sys
import tempfile
import unittest
import urllib.error
import urllib.request
from pathlib import Path

from kameng_e2e import end_process, wait_for

SERVER = os.environ.get("KAMENG_DEMO_SERVER") or str(Path(__file__).resolve().parents[2] / "demo" / "server.py")

TODAY = "<p>今日访问量:".encode("gb2312")
YESTERDAY = "昨日访问量:".encode("gb2312")


def between(page, start, end=b"IP,"):
    """The bytes between the first start marker and the next end marker."""
    at = page.index(start) + len(start)
    return page[at:page.index(end, at)]


class DemoShop(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory(prefix="kameng-demo-")
        self.addCleanup(folder.cleanup)
        self.folder = Path(folder.name)
        self.log = self.folder / "access.log"
        port_file = self.folder / "port"
        self.server = subprocess.Popen(
            [sys.executable, SERVER, "--port", "0", "--port-file", str(port_file), "--log", str(self.log)],
            stdout=subprocess.PIPE, text=True)
        self.addCleanup(lambda: (end_process(self.server), self.server.stdout.close()))
        wait_for(lambda: port_file.exists() or self.server.poll() is not None, "the shop to listen")
        self.port = int(port_file.read_text())
        self.assertIn(f"127.0.0.1:{self.port}", self.server.stdout.readline())

    def get(self, path):
        """Status, content type and body; errors are answers too."""
        try:
            with urllib.request.urlopen(f"http://127.0.0.1:{self.port}{path}", timeout=30) as r:
                return r.status, r.headers.get("Content-Type"), r.read()
        except urllib.error.HTTPError as e:
            return e.code, e.headers.get("Content-Type"), e.read()

    def test_statistics_page_is_gb2312_with_counters_that_move(self):
        status, kind, first = self.get("/stats/?1234567890")
        self.assertEqual((status, kind), (200, "text/html; charset=gb2312"))
        _, _, second = self.get("/stats/?1234567890")
        for marker in (TODAY, YESTERDAY):
            self.assertTrue(between(first, marker).isdigit(), first)
            self.assertNotEqual(between(first, marker), between(second, marker))

    def test_pages_are_served_from_files(self):
        for path, needle in [("/Register.aspx", 'target="_blank"'), ("/Register.aspx", "window.open"),
                             ("/", "<h1>"), ("/radio/", "773px"), ("/t/1234567890", "微博"),
                             ("/open_webaio.html?sigt=ab&tuin=1", "在线客服")]:
            status, kind, body = self.get(path)
            self.assertEqual((status, kind), (200, "text/html; charset=utf-8"), path)
            self.assertIn(needle, body.decode("utf-8"), path)

    def test_nothing_outside_the_site_is_served(self):
        for path in ["/../server.py", "/%2e%2e/server.py", "/..%2fserver.py", "/missing.html", "/%00"]:
            status, _, body = self.get(path)
            self.assertEqual(status, 404, path)
            self.assertNotIn(b"ThreadingHTTPServer", body, path)

    def test_log_has_one_line_per_request(self):
        self.get("/Register.aspx")
        self.get("/nowhere")
        wait_for(lambda: self.log.read_text().count("\n") == 2, "two log lines")
        self.assertEqual(self.log.read_text().splitlines(), ["GET /Register.aspx 200", "GET /nowhere 404"])

    def test_stops_cleanly_on_terminate(self):
        self.server.terminate()
        self.assertEqual(self.server.wait(timeout=30), 0)

    def test_a_taken_port_is_refused_clearly(self):
        result = subprocess.run([sys.executable, SERVER, "--port", str(self.port)],
                                capture_output=True, text=True, timeout=30)
        self.assertEqual(result.returncode, 1)
        self.assertIn("cannot listen", result.stderr)


if __name__ == "__main__":
    unittest.main()
