#!/usr/bin/env python3
"""Listens where an X server of display :N would and notes every client
that connects, so a test can tell that a program opened no X connection.
Usage: fake_x_server.py LOG  (prints the display number once listening)"""
import os
import signal
import socket
import sys

log = sys.argv[1]
os.makedirs("/tmp/.X11-unix", mode=0o1777, exist_ok=True)
for number in range(500, 600):
    path = f"/tmp/.X11-unix/X{number}"
    if os.path.exists(path) or os.path.exists(f"/tmp/.X{number}-lock"):
        continue
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    try:
        server.bind(path)
    except OSError:
        continue
    os.chmod(path, 0o777)
    break
else:
    sys.exit("no free display number")
signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
server.listen(8)
print(number, flush=True)
try:
    while True:
        client, _ = server.accept()
        with open(log, "a") as out:
            out.write("connection\n")
        client.close()
finally:
    os.unlink(path)
