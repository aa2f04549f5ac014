"""A virtual desktop for driving the real GTK program: an Xvfb display, a
local publisher on 127.0.0.1, and the few X requests the tests need (find a
window, read its place and size, click, screenshot, ask a window to close)."""

import ctypes
import functools
import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import time

SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768
# Generous: the program runs under AddressSanitizer with the full unwinder.
DEADLINE_SECONDS = 30


class Failure(Exception):
    pass


def expect(what, condition):
    if not condition:
        raise Failure(what)


def expect_equal(what, actual, expected):
    if actual != expected:
        raise Failure(f"{what}: got {actual}, expected {expected}")


def wait_until(what, probe, seconds=DEADLINE_SECONDS):
    """Polls probe until it gives something true; fails naming what."""
    end = time.monotonic() + seconds
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.1)


class VirtualDisplay:
    def __init__(self, window_manager=False):
        """window_manager: run openbox, for frames, placement and keep-above
        as a desktop has them."""
        self.window_manager = window_manager
        self.manager = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp",
             "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as announcement:
            number = announcement.readline().strip()
        if not number:
            self.server.kill()
            raise Failure("Xvfb did not start")
        self.name = ":" + number
        if self.window_manager:
            self.manager = subprocess.Popen(
                ["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL,
                env={**os.environ, **self.environment()})
            wait_until("the window manager", lambda: "window id" in self.run(
                "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False))
        return self

    def __exit__(self, *_):
        for process in (self.manager, self.server):
            if process:
                process.terminate()
                process.wait()

    def environment(self):
        return {"DISPLAY": self.name}

    def run(self, *arguments, check=True):
        return subprocess.run(arguments, check=check, capture_output=True,
                              text=True, env={**os.environ,
                                              **self.environment()}).stdout

    def windows_named(self, title):
        found = self.run("xdotool", "search", "--onlyvisible", "--name",
                         "^" + title + "$", check=False)
        return [int(line) for line in found.split()]

    def wait_for_window(self, title):
        return wait_until(f"a window titled {title!r}",
                          lambda: self.windows_named(title))[0]

    def geometry(self, window):
        """(x, y, width, height) of the window's client area on screen."""
        info = self.run("xwininfo", "-id", str(window))
        fields = {}
        for line in info.splitlines():
            key, _, value = line.strip().partition(":")
            fields[key] = value.strip()
        return (int(fields["Absolute upper-left X"]),
                int(fields["Absolute upper-left Y"]), int(fields["Width"]),
                int(fields["Height"]))

    def frame(self, window):
        """(left, right, top, bottom) of the frame the window manager puts
        round the window; none without one."""
        extents = self.property(window, "_NET_FRAME_EXTENTS")
        if "=" not in extents:
            return (0, 0, 0, 0)
        return tuple(int(part) for part in extents.split("=")[1].split(","))

    def states(self, window):
        return self.property(window, "_NET_WM_STATE")

    def wait_for_size(self, window, width, height):
        wait_until(f"the window to become {width} x {height}",
                   lambda: self.geometry(window)[2:] == (width, height))
        time.sleep(0.3)  # let the last frame be painted

    def click(self, window, x, y):
        self.run("xdotool", "mousemove", "--window", str(window), str(x),
                 str(y), "click", "1")

    def press_key(self, window, key):
        """Types a key into the window (the pointer on it gives it focus);
        GTK ignores keys sent to a window directly."""
        self.run("xdotool", "mousemove", "--window", str(window), "5", "5",
                 "key", key)

    def wait_for_picture(self, window, path, ready):
        """Screenshots until ready(picture) holds, for a window whose
        controls are still being created; returns the last picture."""
        pictures = []

        def shot():
            pictures.append(self.screenshot(window, path))
            return ready(pictures[-1])

        wait_until("the window's controls to be drawn", shot)
        return pictures[-1]

    def watch_opening(self, title, width, height, complete):
        """Reads the window's client area straight from the X server, as fast
        as it answers, from before the window is mapped until complete(frame)
        holds; returns the window and every distinct frame seen in order, so
        that a window shown half drawn for a few milliseconds is caught."""
        window = wait_until(f"a window titled {title!r}", lambda: [
            int(line) for line in self.run(
                "xdotool", "search", "--name", "^" + title + "$",
                check=False).split()])[0]
        frames = []
        with _XConnection(self.name) as x:
            end = time.monotonic() + DEADLINE_SECONDS
            while not frames or not complete(frames[-1]):
                if time.monotonic() > end:
                    raise Failure(f"timed out waiting for {title!r} to be "
                                  "drawn whole")
                frame = x.client_area(window, width, height)
                if frame is None:  # not mapped yet
                    time.sleep(0.001)
                elif not frames or frame.rgb != frames[-1].rgb:
                    frames.append(frame)
        return window, frames

    def property(self, window, name):
        return self.run("xprop", "-id", str(window), name)

    def screenshot(self, window, path):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        self.run("import", "-window", str(window), path)
        return Picture(path)

    def request_close(self, window):
        """What a window manager's close box sends: WM_DELETE_WINDOW."""
        xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
        xlib.XOpenDisplay.restype = ctypes.c_void_p
        xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        xlib.XInternAtom.restype = ctypes.c_ulong
        xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p,
                                     ctypes.c_int]
        xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                    ctypes.c_int, ctypes.c_long,
                                    ctypes.c_void_p]
        xlib.XFlush.argtypes = [ctypes.c_void_p]
        xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                        ("send_event", ctypes.c_int),
                        ("display", ctypes.c_void_p),
                        ("window", ctypes.c_ulong),
                        ("message_type", ctypes.c_ulong),
                        ("format", ctypes.c_int),
                        ("data", ctypes.c_long * 5),
                        ("pad", ctypes.c_long * 12)]  # XEvent's full size

        display = xlib.XOpenDisplay(self.name.encode())
        if not display:
            raise Failure("cannot open " + self.name)
        message = ClientMessage()
        message.type = 33  # ClientMessage
        message.window = window
        message.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
        message.format = 32
        message.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        xlib.XSendEvent(display, window, 0, 0, ctypes.byref(message))
        xlib.XFlush(display)
        xlib.XCloseDisplay(display)


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int),
                ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
                ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


_X_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p,
                                    ctypes.c_void_p)


class _XConnection:
    """A connection of the test's own for reading a window's pixels; X
    errors (a window not yet viewable) are ignored, not fatal."""
    ALL_PLANES = 0xFFFFFFFF
    Z_PIXMAP = 2

    def __init__(self, display_name):
        self.xlib = xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
        xlib.XOpenDisplay.restype = ctypes.c_void_p
        xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        xlib.XSetErrorHandler.restype = ctypes.c_void_p
        xlib.XSetErrorHandler.argtypes = [ctypes.c_void_p]
        xlib.XGetImage.restype = ctypes.POINTER(_XImage)
        xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                   ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                   ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        xlib.XFree.argtypes = [ctypes.c_void_p]
        self.ignore_errors = _X_ERROR_HANDLER(lambda display, error: 0)
        self.name = display_name

    def __enter__(self):
        self.previous_handler = self.xlib.XSetErrorHandler(
            ctypes.cast(self.ignore_errors, ctypes.c_void_p))
        self.display = self.xlib.XOpenDisplay(self.name.encode())
        if not self.display:
            raise Failure("cannot open " + self.name)
        return self

    def __exit__(self, *_):
        self.xlib.XCloseDisplay(self.display)
        self.xlib.XSetErrorHandler(self.previous_handler)

    def client_area(self, window, width, height):
        """The window's pixels as a Picture-like frame; None while the
        window is not viewable."""
        image = self.xlib.XGetImage(self.display, window, 0, 0, width,
                                    height, self.ALL_PLANES, self.Z_PIXMAP)
        if not image:
            return None
        fields = image.contents
        try:
            expect("32-bit pixels, blue first",
                   fields.bits_per_pixel == 32 and fields.byte_order == 0)
            raw = ctypes.string_at(fields.data,
                                   fields.bytes_per_line * height)
        finally:
            self.xlib.XFree(fields.data)
            self.xlib.XFree(image)
        rgb = bytearray(3 * width * height)
        for y in range(height):
            row = raw[y * fields.bytes_per_line:][:4 * width]
            line = rgb[3 * width * y:3 * width * (y + 1)]
            line[0::3], line[1::3], line[2::3] = row[2::4], row[1::4], row[0::4]
            rgb[3 * width * y:3 * width * (y + 1)] = line
        return Frame(width, height, bytes(rgb))


class Frame:
    """An RGB picture held in memory."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.rgb[at:at + 3])


class Picture(Frame):
    """An RGB picture read through ImageMagick."""

    def __init__(self, path):
        self.path = path
        size = subprocess.run(["identify", "-format", "%w %h", path],
                              check=True, capture_output=True,
                              text=True).stdout.split()
        super().__init__(int(size[0]), int(size[1]),
                         subprocess.run(["convert", path, "-depth", "8",
                                         "rgb:-"], check=True,
                                        capture_output=True).stdout)


class Publisher:
    """Serves a folder of files over HTTP on 127.0.0.1, on a free port."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="quorvel-publisher-")
        handler = functools.partial(_QuietHandler, directory=self.folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                                      handler)
        self.thread = threading.Thread(target=self.server.serve_forever,
                                       daemon=True)

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *_):
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.folder)

    def url(self, name):
        return f"http://127.0.0.1:{self.server.server_address[1]}/{name}"

    def publish(self, name, lines):
        with open(os.path.join(self.folder, name), "wb") as file:
            file.write(b"".join(line + b"\n" for line in lines))


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *_):
        pass
