#!/usr/bin/python3
"""KWin's own answers for the end-to-end tests, on the session bus of kwin_run.sh.

Usage:
  kwin_session.py shot FILE       the active output at its native resolution into a PNG
  kwin_session.py windows         every window as one JSON line (see window_list)
  kwin_session.py window PREFIX   the first window whose caption starts with PREFIX, as JSON
  kwin_session.py close PREFIX    asks every window whose caption starts with PREFIX to close
The windows' device pixels use the output scale in $KWIN_SCALE. Exit code 1
with a line on stderr when KWin does not answer, 3 when no window matches.
"""
import json
import math
import os
import struct
import sys
import tempfile
import threading
import zlib

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

# QImage's formats that ScreenShot2 sends, by the order of their bytes in
# memory: 4, 5, 6 are 0xAARRGGBB words (little-endian B, G, R, A); 16, 17, 18
# are R, G, B, A bytes.
BGRA_FORMATS = {4, 5, 6}
RGBA_FORMATS = {16, 17, 18}
TIMEOUT_S = 5


def die(message, code=1):
    print("kwin_session.py: " + message, file=sys.stderr)
    sys.exit(code)


def png_bytes(width, height, rgb):
    """An 8-bit RGB PNG of rows of width * 3 bytes."""
    row = width * 3
    raw = bytearray()
    for y in range(height):
        raw += b"\0"
        raw += rgb[y * row:(y + 1) * row]

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 1)) + chunk(b"IEND", b"")


def shot(path):
    bus = dbus.SessionBus()
    screenshot = dbus.Interface(bus.get_object("org.kde.KWin", "/org/kde/KWin/ScreenShot2"), "org.kde.KWin.ScreenShot2")
    read_end, write_end = os.pipe()
    data = []

    # KWin writes the pixels after its answer; a reader of its own keeps a full
    # pipe from stalling either side.
    def read_all():
        with os.fdopen(read_end, "rb") as pipe:
            data.append(pipe.read())

    reader = threading.Thread(target=read_all, daemon=True)
    reader.start()
    try:
        result = screenshot.CaptureActiveScreen({"native-resolution": True, "include-cursor": False},
                                                dbus.types.UnixFd(write_end), timeout=TIMEOUT_S)
    except dbus.DBusException as error:
        die("CaptureActiveScreen failed: " + str(error))
    finally:
        os.close(write_end)
    # A request that KWin accepted but never served keeps its copy of the
    # pipe open: the reader would wait for ever.
    reader.join(TIMEOUT_S)
    if not data:
        die("CaptureActiveScreen sent no pixels within %d s" % TIMEOUT_S)
    if str(result.get("type", "raw")) != "raw":
        die("CaptureActiveScreen sent type " + str(result.get("type")))
    width, height, stride, image_format = (int(result[k]) for k in ("width", "height", "stride", "format"))
    pixels = data[0]
    if width <= 0 or height <= 0 or stride < width * 4 or len(pixels) < stride * height:
        die("CaptureActiveScreen sent %d bytes for %dx%d, stride %d" % (len(pixels), width, height, stride))
    if stride != width * 4:
        pixels = b"".join(pixels[y * stride:y * stride + width * 4] for y in range(height))
    pixels = pixels[:width * height * 4]
    rgb = bytearray(width * height * 3)
    if image_format in BGRA_FORMATS:
        rgb[0::3], rgb[1::3], rgb[2::3] = pixels[2::4], pixels[1::4], pixels[0::4]
    elif image_format in RGBA_FORMATS:
        rgb[0::3], rgb[1::3], rgb[2::3] = pixels[0::4], pixels[1::4], pixels[2::4]
    else:
        die("CaptureActiveScreen sent QImage format %d" % image_format)
    with open(path + ".part", "wb") as out:
        out.write(png_bytes(width, height, rgb))
    os.replace(path + ".part", path)


# The script reports every window to the listener that loaded it, as one
# JSON text (KWin's print() reaches only its own log), after asking those
# whose caption starts with the close prefix, if any, to close.
SCRIPT = """
var listener = %s, closePrefix = %s;
var list = [];
var clients = workspace.clientList();
for (var i = 0; i < clients.length; i++) {
  var c = clients[i];
  var f = c.frameGeometry, b = c.bufferGeometry;
  list.push({caption: c.caption, resourceClass: String(c.resourceClass), pid: c.pid,
             fullScreen: c.fullScreen, noBorder: c.noBorder,
             frame: [f.x, f.y, f.width, f.height], client: [b.x, b.y, b.width, b.height]});
  if (closePrefix !== null && c.caption.indexOf(closePrefix) === 0) c.closeWindow();
}
callDBus(listener, "/", "de.rasterwacht.KWinSession", "Report", JSON.stringify(list));
"""


class Listener(dbus.service.Object):
    def __init__(self, bus, loop):
        super().__init__(bus, "/")
        self.loop = loop
        self.text = None

    @dbus.service.method("de.rasterwacht.KWinSession", in_signature="s")
    def Report(self, text):
        self.text = str(text)
        self.loop.quit()


def device_pixel(value, scale):
    """A logical coordinate or length in device pixels, halves rounded up."""
    return math.floor(value * scale + 0.5)


def client_device(frame, client, scale):
    """Where KWin draws the client area, in device pixels: the frame's
    corner and the decoration's borders are each rounded on their own (at
    150 % a frame at logical y 3 under a 37-unit title bar puts the client at
    device row 5 + 56 = 61, not 40 * 1.5 = 60)."""
    left = device_pixel(frame[0], scale) + device_pixel(client[0] - frame[0], scale)
    top = device_pixel(frame[1], scale) + device_pixel(client[1] - frame[1], scale)
    return [left, top, device_pixel(client[2], scale), device_pixel(client[3], scale)]


def window_list(close_prefix=None):
    """Each window as KWin saw it before asking those whose caption starts
    with close_prefix to close: caption, resourceClass, pid, fullScreen,
    noBorder, and frame and client ([x, y, width, height]) in logical units
    and, as frame_device and client_device, in device pixels."""
    scale = float(os.environ.get("KWIN_SCALE", "1"))
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    loop = GLib.MainLoop()
    listener = Listener(bus, loop)
    scripting = dbus.Interface(bus.get_object("org.kde.KWin", "/Scripting"), "org.kde.kwin.Scripting")
    plugin = "rasterwacht_session_%d" % os.getpid()
    with tempfile.NamedTemporaryFile("w", suffix=".js", delete=False) as script:
        script.write(SCRIPT % (json.dumps(bus.get_unique_name()), json.dumps(close_prefix)))
    os.chmod(script.name, 0o644)
    try:
        number = int(scripting.loadScript(script.name, plugin, signature="ss"))
        if number < 0:
            die("KWin did not load the window script")
        dbus.Interface(bus.get_object("org.kde.KWin", "/%d" % number), "org.kde.kwin.Script").run()
        GLib.timeout_add_seconds(TIMEOUT_S, loop.quit)
        loop.run()
    except dbus.DBusException as error:
        die("KWin's scripting failed: " + str(error))
    finally:
        os.unlink(script.name)
        try:
            scripting.unloadScript(plugin)
        except dbus.DBusException:
            pass
    if listener.text is None:
        die("the window script did not report")
    windows = json.loads(listener.text)
    for window in windows:
        frame, client = window["frame"], window["client"]
        window["frame_device"] = [device_pixel(v, scale) for v in frame]
        window["client_device"] = client_device(frame, client, scale)
    return windows


def main(argv):
    if len(argv) == 3 and argv[1] == "shot":
        shot(argv[2])
    elif len(argv) == 2 and argv[1] == "windows":
        for window in window_list():
            print(json.dumps(window, ensure_ascii=False))
    elif len(argv) == 3 and argv[1] == "window":
        for window in window_list():
            if window["caption"].startswith(argv[2]):
                print(json.dumps(window, ensure_ascii=False))
                return
        sys.exit(3)
    elif len(argv) == 3 and argv[1] == "close":
        if not any(window["caption"].startswith(argv[2]) for window in window_list(argv[2])):
            sys.exit(3)
    else:
        die(__doc__.strip().split("\n\n")[1], 2)


if __name__ == "__main__":
    main(sys.argv)
