#!/usr/bin/env python3
"""The demo shop: the shop's pages, the radio and chat pages, and a visit
statistics page, all served on one loopback port.

Pages are files under demo/site. A path without an extension also finds the
file with ".html" appended, and a folder serves its index.html. The
statistics page under /stats/ is made on each request, encoded in code page
936, with counters that move on every request.
"""

import argparse
import os
import signal
import sys
import threading
import time
from http import HTTPStatus
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from pathlib import Path
from urllib.parse import unquote, urlsplit

SITE = Path(__file__).resolve().parent / "site"

CONTENT_TYPES = {
    ".html": "text/html; charset=utf-8",
    ".aspx": "text/html; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".svg": "image/svg+xml",
    ".png": "image/png",
    ".ico": "image/x-icon",
    ".txt": "text/plain; charset=utf-8",
}


class VisitCounter:
    """Today's and yesterday's visits as the statistics service reports them.
    Every request sees new values, so a reader can tell refreshes apart."""

    def __init__(self):
        self._lock = threading.Lock()
        self._requests = 0

    def next(self):
        with self._lock:
            self._requests += 1
            n = self._requests
        return 1200 + 3 * n + n % 5, 4800 + n


def statistics_page(today, yesterday):
    """The statistics service's page for one site. The program looks for
    "<p>今日访问量:" ... "IP," and "昨日访问量:" ... "IP," in these bytes."""
    text = (
        "<!DOCTYPE html>\n"
        "<html><head><meta charset=\"gb2312\"><title>网站统计</title></head>\n"
        "<body>\n"
        "<h3>澄枫卡盟 访问统计</h3>\n"
        f"<p>今日访问量:{today}IP,{today * 3}PV</p>\n"
        f"<p>昨日访问量:{yesterday}IP,{yesterday * 3}PV</p>\n"
        "<p>统计时间：" + time.strftime("%Y-%m-%d %H:%M:%S") + "</p>\n"
        "</body></html>\n"
    )
    return text.encode("gb2312")


class AccessLog:
    """One line per request: "METHOD PATH STATUS", written at once so that a
    reader polling the file sees every request as soon as it is answered."""

    def __init__(self, path):
        self._lock = threading.Lock()
        self._file = open(path, "a", encoding="utf-8", buffering=1) if path else None

    def write(self, method, path, status):
        if self._file is None:
            return
        with self._lock:
            self._file.write(f"{method} {path} {status}\n")
            self._file.flush()

    def close(self):
        if self._file is not None:
            self._file.close()


def resolve_page(url_path):
    """The file under SITE for a request path, or None. Never leaves SITE."""
    relative = unquote(url_path).lstrip("/")
    if "\0" in relative:
        return None
    candidate = (SITE / relative).resolve()
    if candidate != SITE and SITE not in candidate.parents:
        return None
    if candidate.is_dir():
        candidate = candidate / "index.html"
    elif not candidate.exists() and not candidate.suffix:
        candidate = candidate.with_name(candidate.name + ".html")
    return candidate if candidate.is_file() else None


class ShopHandler(BaseHTTPRequestHandler):
    server_version = "DemoShop/1.0"
    protocol_version = "HTTP/1.1"

    def do_GET(self):
        self._answer(send_body=True)

    def do_HEAD(self):
        self._answer(send_body=False)

    def _answer(self, send_body):
        path = urlsplit(self.path).path
        if path == "/stats" or path.startswith("/stats/"):
            today, yesterday = self.server.counter.next()
            self._send(HTTPStatus.OK, "text/html; charset=gb2312",
                       statistics_page(today, yesterday), send_body)
        elif path == "/ping":
            # The shop pages call this once they have been painted.
            self._send(HTTPStatus.NO_CONTENT, None, b"", send_body)
        else:
            page = resolve_page(path)
            if page is None:
                body = "<!DOCTYPE html><meta charset=\"utf-8\"><title>页面不存在</title>" \
                       "<p>抱歉，您访问的页面不存在。<a href=\"/Register.aspx\">返回首页</a></p>"
                self._send(HTTPStatus.NOT_FOUND, "text/html; charset=utf-8",
                           body.encode("utf-8"), send_body)
            else:
                kind = CONTENT_TYPES.get(page.suffix.lower(), "application/octet-stream")
                self._send(HTTPStatus.OK, kind, page.read_bytes(), send_body)

    def _send(self, status, content_type, body, send_body):
        self.send_response(status)
        if content_type:
            self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        # Every visit reaches the server, so that reloads show in the log.
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        if send_body and body:
            self.wfile.write(body)
        self.server.access_log.write(self.command, self.path, int(status))

    def log_message(self, format, *args):
        pass


def write_port_file(path, port):
    tmp = f"{path}.tmp{os.getpid()}"
    with open(tmp, "w", encoding="ascii") as f:
        f.write(f"{port}\n")
    os.replace(tmp, path)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Serves the demo shop on 127.0.0.1.")
    parser.add_argument("--port", type=int, default=0,
                        help="port to listen on; 0 picks a free one (default)")
    parser.add_argument("--port-file", help="write the port here once listening")
    parser.add_argument("--log", help="append one line per request to this file")
    args = parser.parse_args(argv)
    if not 0 <= args.port <= 65535:
        parser.error("--port must be between 0 and 65535")

    try:
        server = ThreadingHTTPServer(("127.0.0.1", args.port), ShopHandler)
    except OSError as e:
        print(f"demo shop: cannot listen on 127.0.0.1:{args.port}: {e.strerror}", file=sys.stderr)
        return 1
    server.daemon_threads = True
    server.counter = VisitCounter()
    server.access_log = AccessLog(args.log)
    port = server.server_address[1]

    def stop(signum, frame):
        # shutdown() waits for serve_forever(), which runs on this thread.
        threading.Thread(target=server.shutdown, daemon=True).start()

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)

    if args.port_file:
        write_port_file(args.port_file, port)
    print(f"demo shop on http://127.0.0.1:{port}/Register.aspx", flush=True)
    try:
        server.serve_forever(poll_interval=0.2)
    finally:
        server.server_close()
        server.access_log.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
