#!/usr/bin/env python3
"""MapProxy for the tests, on 127.0.0.1 and a free port (printed first): WMTS (KVP and REST) and
WMS of layer "test" at zooms 0 to 12, whose tiles are those gdal2tiles wrote (--xyz) into the folder given
first; its configuration and locks go into the second."""
import socketserver
import sys
import wsgiref.simple_server

from mapproxy.wsgiapp import make_wsgi_app

CONFIG = """
services:
  wmts:
    restful: true
    kvp: true
  wms:
    srs: ['EPSG:3857']
    image_formats: ['image/png']
layers:
  - name: test
    title: Test
    sources: [test_tiles]
grids:
  webmercator:
    base: GLOBAL_WEBMERCATOR
    num_levels: 13
caches:
  test_tiles:
    grids: [webmercator]
    sources: []
    format: image/png
    cache:
      type: file
      directory_layout: tms
      directory: {folder}
globals:
  cache:
    base_dir: {work}
    lock_dir: {work}/locks
"""


class Server(socketserver.ThreadingMixIn, wsgiref.simple_server.WSGIServer):
    daemon_threads = True


class Quiet(wsgiref.simple_server.WSGIRequestHandler):
    def log_message(self, *args):
        pass


def main():
    work = sys.argv[2]
    config = work + "/mapproxy.yaml"
    with open(config, "w") as out:
        out.write(CONFIG.format(folder=sys.argv[1], work=work))
    app = make_wsgi_app(config)
    server = wsgiref.simple_server.make_server("127.0.0.1", 0, app, Server, Quiet)
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
