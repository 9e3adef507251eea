#!/usr/bin/python3
"""Screenshots and input for the end-to-end tests under mutter and GNOME Shell.

Usage: gnome_session.py monitor
       gnome_session.py scale CONNECTOR WxH SCALE
       gnome_session.py serve SOCKET CONNECTOR
       gnome_session.py send SOCKET COMMAND [ARG...]

"monitor" prints the connector of the compositor's only monitor once
org.gnome.Mutter.DisplayConfig answers. "scale" sets the monitor to mode WxH
at the supported scale nearest to SCALE (within 0.015: GNOME's 175 % at
1920 x 1080 is 1.7391304), waits until the compositor reports it and prints
the scale as the compositor has it; a SCALE the mode does not support ends
with exit 1 and the supported ones.

"serve" holds one org.gnome.Mutter.RemoteDesktop session with a ScreenCast
stream of the monitor CONNECTOR (no cursor) for as long as it runs, and
answers one command per connection to the Unix socket SOCKET; it prints
"ready" on standard output once the stream runs. "send" sends one command
and prints the answer, exiting 0 on "ok" and 1 on an error. Commands:
  shot FILE               the whole monitor in device pixels as a PNG
  key KEYSYM press        (or release): an X keysym by name or number
  move X Y                the pointer to (X, Y) in device pixels
  button CODE press       (or release): a Linux button code, 272 left, 273 right
  wheel N                 N notches, negative away from the user
  windows                 GNOME Shell's windows, one a line: app id (the
                          window's class), focused (1 or 0), width and
                          height in logical units, title; tab-separated
"""

import os
import socket
import subprocess
import sys


def send(path, words):
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as connection:
        connection.settimeout(60)
        connection.connect(path)
        connection.sendall((" ".join(words) + "\n").encode())
        connection.shutdown(socket.SHUT_WR)
        answer = b""
        while True:
            chunk = connection.recv(4096)
            if not chunk:
                break
            answer += chunk
    status, _, payload = answer.decode().partition("\n")
    if status != "ok":
        print(status or "gnome_session: no answer", file=sys.stderr)
        return 1
    sys.stdout.write(payload)
    return 0


class Session:
    """The RemoteDesktop session and its monitor stream."""

    def __init__(self, connector):
        from gi.repository import Gio, GLib
        self.Gio, self.GLib = Gio, GLib
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        self.keyboard_ready = False
        remote = self.call("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop",
                           "org.gnome.Mutter.RemoteDesktop", "CreateSession", None)
        self.remote = remote[0]
        session_id = self.property("org.gnome.Mutter.RemoteDesktop", self.remote,
                                   "org.gnome.Mutter.RemoteDesktop.Session", "SessionId")
        cast = self.call("org.gnome.Mutter.ScreenCast", "/org/gnome/Mutter/ScreenCast",
                         "org.gnome.Mutter.ScreenCast", "CreateSession",
                         GLib.Variant("(a{sv})", ({"remote-desktop-session-id": GLib.Variant("s", session_id)},)))
        stream = self.call("org.gnome.Mutter.ScreenCast", cast[0], "org.gnome.Mutter.ScreenCast.Session",
                           "RecordMonitor",
                           GLib.Variant("(sa{sv})", (connector, {"cursor-mode": GLib.Variant("u", 0)})))
        self.stream = stream[0]
        # GNOME Shell lists its windows only to the desktop portal's name,
        # which nobody else holds on this private bus.
        self.call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                  GLib.Variant("(su)", ("org.freedesktop.impl.portal.desktop.gnome", 4)))
        self.node = None
        loop = GLib.MainLoop()

        def on_stream(_connection, _sender, _path, _interface, _signal, parameters):
            self.node = parameters.unpack()[0]
            loop.quit()

        self.bus.signal_subscribe("org.gnome.Mutter.ScreenCast", "org.gnome.Mutter.ScreenCast.Stream",
                                  "PipeWireStreamAdded", self.stream, None, Gio.DBusSignalFlags.NONE, on_stream)
        self.remote_call("Start", None)
        GLib.timeout_add_seconds(20, loop.quit)
        loop.run()
        if self.node is None:
            raise RuntimeError("the monitor stream did not start")

    def call(self, name, path, interface, method, parameters):
        return self.bus.call_sync(name, path, interface, method, parameters, None,
                                  self.Gio.DBusCallFlags.NONE, 20000, None).unpack()

    def property(self, name, path, interface, key):
        return self.call(name, path, "org.freedesktop.DBus.Properties", "Get",
                         self.GLib.Variant("(ss)", (interface, key)))[0]

    def remote_call(self, method, parameters):
        return self.call("org.gnome.Mutter.RemoteDesktop", self.remote,
                         "org.gnome.Mutter.RemoteDesktop.Session", method, parameters)

    def shot(self, path):
        # One buffer as the stream holds it (BGRx), converted without loss.
        subprocess.run(["gst-launch-1.0", "-q", "pipewiresrc", "path=%d" % self.node, "num-buffers=1",
                        "always-copy=true", "!", "videoconvert", "!", "video/x-raw,format=RGB", "!", "pngenc",
                        "!", "filesink", "location=" + path],
                       check=True, timeout=30, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)

    def key(self, keysym, state):
        Variant = self.GLib.Variant
        if not self.keyboard_ready:
            # mutter creates its virtual keyboard with the first key and
            # drops that key.
            self.remote_call("NotifyKeyboardKeysym", Variant("(ub)", (0xffe1, True)))
            self.remote_call("NotifyKeyboardKeysym", Variant("(ub)", (0xffe1, False)))
            self.keyboard_ready = True
        self.remote_call("NotifyKeyboardKeysym", Variant("(ub)", (keysym, state)))

    def windows(self):
        found = self.call("org.gnome.Shell", "/org/gnome/Shell/Introspect", "org.gnome.Shell.Introspect",
                          "GetWindows", None)[0]
        lines = []
        for _, window in sorted(found.items()):
            # A program without an installed desktop file has no app id
            # of its own; its Wayland app id is the window's class.
            lines.append("\t".join([window.get("wm-class", window.get("app-id", "")), "1" if window.get("has-focus") else "0",
                                    str(window.get("width", 0)), str(window.get("height", 0)),
                                    window.get("title", "").replace("\t", " ").replace("\n", " ")]))
        return "".join(line + "\n" for line in lines)

    def command(self, words):
        """Carries out one command; returns what it has to say."""
        Variant = self.GLib.Variant
        if words[0] == "windows" and len(words) == 1:
            return self.windows()
        if words[0] == "shot" and len(words) == 2:
            self.shot(words[1])
        elif words[0] == "key" and len(words) == 3:
            self.key(keysym_value(words[1]), pressed(words[2]))
        elif words[0] == "move" and len(words) == 3:
            self.remote_call("NotifyPointerMotionAbsolute",
                             Variant("(sdd)", (self.stream, float(words[1]), float(words[2]))))
        elif words[0] == "button" and len(words) == 3:
            self.remote_call("NotifyPointerButton", Variant("(ib)", (int(words[1]), pressed(words[2]))))
        elif words[0] == "wheel" and len(words) == 2:
            self.remote_call("NotifyPointerAxisDiscrete", Variant("(ui)", (0, int(words[1]))))
        else:
            raise ValueError("unknown command: " + " ".join(words))
        return ""


def pressed(state):
    if state not in ("press", "release"):
        raise ValueError("state is press or release, not " + state)
    return state == "press"


def keysym_value(name):
    if name.isdigit() and len(name) > 1:
        return int(name, 0)
    if len(name) == 1:
        return ord(name)
    names = {"Escape": 0xff1b, "Return": 0xff0d, "space": 0x20, "BackSpace": 0xff08, "Tab": 0xff09,
             "Shift_L": 0xffe1, "Control_L": 0xffe3, "Alt_L": 0xffe9, "F1": 0xffbe, "F4": 0xffc1,
             "Left": 0xff51, "Up": 0xff52, "Right": 0xff53, "Down": 0xff54}
    if name.startswith("0x"):
        return int(name, 16)
    if name not in names:
        raise ValueError("unknown keysym: " + name)
    return names[name]


def display_state():
    from gi.repository import Gio
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    state = bus.call_sync("org.gnome.Mutter.DisplayConfig", "/org/gnome/Mutter/DisplayConfig",
                          "org.gnome.Mutter.DisplayConfig", "GetCurrentState", None, None,
                          Gio.DBusCallFlags.NONE, 10000, None)
    return bus, state.unpack()


def monitor():
    _, (_, monitors, _, _) = display_state()
    if len(monitors) != 1:
        print("gnome_session: %d monitors, not one" % len(monitors), file=sys.stderr)
        return 1
    print(monitors[0][0][0])
    return 0


def set_scale(connector, mode, wanted):
    import time
    from gi.repository import Gio, GLib
    width, height = (int(n) for n in mode.split("x"))
    wanted = float(wanted)
    bus, (serial, monitors, _, _) = display_state()
    found = [m for m in monitors if m[0][0] == connector]
    if not found:
        print("gnome_session: no monitor %s" % connector, file=sys.stderr)
        return 1
    modes = [m for m in found[0][1] if m[1] == width and m[2] == height]
    if not modes:
        print("gnome_session: %s has no mode %s" % (connector, mode), file=sys.stderr)
        return 1
    mode_id, supported = modes[0][0], modes[0][5]
    near = [s for s in supported if abs(s - wanted) < 0.015]
    if not near:
        print("gnome_session: scale %s is not supported at %s; the supported scales: %s"
              % (wanted, mode, " ".join(repr(s) for s in supported)), file=sys.stderr)
        return 1
    scale = near[0]
    config = GLib.Variant("(uua(iiduba(ssa{sv}))a{sv})",
                          (serial, 1, [(0, 0, scale, 0, True, [(connector, mode_id, {})])], {}))
    bus.call_sync("org.gnome.Mutter.DisplayConfig", "/org/gnome/Mutter/DisplayConfig",
                  "org.gnome.Mutter.DisplayConfig", "ApplyMonitorsConfig", config, None,
                  Gio.DBusCallFlags.NONE, 10000, None)
    for _ in range(100):
        _, (_, _, logical, _) = display_state()
        if len(logical) == 1 and logical[0][2] == scale:
            print(repr(scale))
            return 0
        time.sleep(0.1)
    print("gnome_session: the compositor did not take scale %r" % scale, file=sys.stderr)
    return 1


def serve(path, connector):
    session = Session(connector)
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(path)
    server.listen(4)
    print("ready", flush=True)
    while True:
        connection, _ = server.accept()
        with connection:
            request = b""
            while True:
                chunk = connection.recv(4096)
                if not chunk:
                    break
                request += chunk
            words = request.decode().split()
            try:
                if not words:
                    raise ValueError("empty command")
                answer = "ok\n" + session.command(words)
            except Exception as error:  # every failure goes back to the caller
                answer = "gnome_session: %s: %s\n" % (" ".join(words), error)
            connection.sendall(answer.encode())


def main():
    if len(sys.argv) == 2 and sys.argv[1] == "monitor":
        return monitor()
    if len(sys.argv) == 5 and sys.argv[1] == "scale":
        return set_scale(sys.argv[2], sys.argv[3], sys.argv[4])
    if len(sys.argv) == 4 and sys.argv[1] == "serve":
        serve(sys.argv[2], sys.argv[3])
        return 0
    if len(sys.argv) >= 4 and sys.argv[1] == "send":
        return send(sys.argv[2], sys.argv[3:])
    print(__doc__.strip(), file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
