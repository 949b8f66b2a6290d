#!/usr/bin/env python3
"""A tile server for the tests, on 127.0.0.1 and a free port (printed first): the files of a
folder as http.server serves them, and under /hostile/ the answers of a server gone wrong."""
import http.server
import sys
import time

PNG = b"\x89PNG\r\n\x1a\n" + b"\0" * 56


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def answer(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        kind = self.path.split("?")[0]
        if kind.startswith("/same/"):
            # Any tile is the folder's same.png: the benchmarks' endless world.
            with open(self.directory + "/same.png", "rb") as tile:
                return self.answer(200, tile.read(), [("Content-Type", "image/png")])
        if not kind.startswith("/hostile/"):
            return super().do_GET()
        kind = kind[len("/hostile/"):]
        try:
            if kind == "ok":
                self.answer(200, PNG, [("Content-Type", "image/png"), ("Cache-Control", "max-age=60")])
            elif kind == "expires":
                self.answer(200, PNG, [("Expires", "Wed, 01 Jan 2031 00:00:00 GMT")])
            elif kind == "agent":
                agent = self.headers.get("User-Agent", "")
                self.answer(200 if agent.startswith("QUILO/") else 403, PNG)
            elif kind == "missing":
                self.answer(404, b"no tile")
            elif kind == "error":
                self.answer(500, b"broken")
            elif kind == "html":
                self.answer(200, b"<html><body>Rate limited</body></html>", [("Content-Type", "text/html")])
            elif kind == "loop":
                self.answer(302, b"", [("Location", "/hostile/loop")])
            elif kind == "huge":
                self.send_response(200)
                self.send_header("Content-Type", "image/png")
                self.end_headers()
                self.wfile.write(PNG)
                for _ in range(50 * 16):
                    self.wfile.write(b"\0" * 65536)
            elif kind == "slow":
                self.send_response(200)
                self.send_header("Content-Length", "100000")
                self.end_headers()
                self.wfile.write(PNG)
                self.wfile.flush()
                time.sleep(60)
            elif kind == "never":
                time.sleep(60)
            else:
                self.answer(404)
        except (BrokenPipeError, ConnectionResetError):
            pass


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), lambda *a: Handler(*a, directory=folder))
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
