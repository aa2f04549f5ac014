"""End-to-end tests of quorvel.exe under Wine and a virtual display.

Usage: test_windows_program.py PROGRAM SOURCE_DIR SCREENSHOT_DIR

Runs the Windows program as a publisher ships it (a folder with the program,
language\\ and localversion.txt) against a local publisher on 127.0.0.1,
clicks at the positions of the layout tables, checks the windows by their
place and size and by pixels of screenshots, and prints the start-up time
and peak memory it measured. The Wine prefix comes from WINEPREFIX.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e_gtk"))
from desktop import (SCREEN_HEIGHT, SCREEN_WIDTH, Failure,  # noqa: E402
                     Publisher, VirtualDisplay, expect, expect_equal,
                     wait_until)

MAIN_TITLE = "Quorvel v.1.01"
ABOUT_TITLE = "INFORMATION"
MAIN_WIDTH, MAIN_HEIGHT = 300, 261
ABOUT_WIDTH, ABOUT_HEIGHT = 280, 246

# Client points inside controls of the layout tables.
ACTION_BUTTON = (75, 243)
CLOSE_BUTTON = (225, 243)
BANNER = (100, 25)
ABOUT_CLOSE_BUTTON = (230, 230)


class Frame:
    """A top-level window as Wine draws it: the X window is the whole window,
    frame included, so the client area is found from its known size."""

    def __init__(self, display, window, client_width, client_height):
        self.x, self.y, self.width, self.height = display.geometry(window)
        self.border = (self.width - client_width) // 2
        self.client_top = self.height - client_height - self.border
        expect("a frame around the client area",
               self.border >= 0 and self.client_top > self.border)

    def point(self, client_x, client_y):
        return (self.border + client_x, self.client_top + client_y)

    def expect_centred(self, what):
        expect_equal(what + " centred", (self.x, self.y),
                     ((SCREEN_WIDTH - self.width) // 2,
                      (SCREEN_HEIGHT - self.height) // 2))


class Run:
    """quorvel.exe started under Wine in a folder of its own."""

    def __init__(self, context, arguments, local_version):
        self.folder = tempfile.mkdtemp(prefix="quorvel-wine-")
        shutil.copy(context.program, self.folder)
        shutil.copytree(os.path.join(context.source, "language"),
                        os.path.join(self.folder, "language"))
        if local_version is not None:
            with open(os.path.join(self.folder, "localversion.txt"),
                      "wb") as file:
                file.write(local_version)
        self.started = time.monotonic()
        self.process = subprocess.Popen(
            ["wine", "quorvel.exe", *arguments], cwd=self.folder,
            env={**os.environ, **context.display.environment(),
                 "WINEDEBUG": "-all"},
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def peak_memory_kib(self):
        """Peak resident memory of the Windows process (VmHWM)."""
        for pid in os.listdir("/proc"):
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as file:
                    program = file.read().split(b"\0")[0]
                if program.lower().endswith(b"quorvel.exe"):
                    with open(f"/proc/{pid}/status") as file:
                        for line in file:
                            if line.startswith("VmHWM:"):
                                return int(line.split()[1])
            except (OSError, ValueError):
                continue
        return None

    def expect_exit_zero(self):
        try:
            code = self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise Failure("the program did not end")
        expect_equal("exit code", code, 0)
        shutil.rmtree(self.folder, ignore_errors=True)


class Context:
    def __init__(self, program, source, screenshots, display, publisher):
        self.program = program
        self.source = source
        self.screenshots = screenshots
        self.display = display
        self.publisher = publisher
        self.figures = []
        self.startups = []  # seconds from start to the main window shown

    def local_version(self, remote):
        return (b"Quorvel Demo\n100\n" +
                self.publisher.url(remote).encode() + b"\n")

    def start(self, arguments, remote="version.txt"):
        return Run(self, arguments, self.local_version(remote))

    def shot(self, window, name):
        return self.display.screenshot(
            window, os.path.join(self.screenshots, name + ".png"))

    def click(self, window, frame, point):
        self.display.click(window, *frame.point(*point))


def has_colour(picture, frame, x0, y0, width, height, colour):
    """Whether colour shows anywhere in a client rectangle of the picture."""
    left, top = frame.point(x0, y0)
    return any(picture.pixel(left + x, top + y) == colour
               for y in range(height) for x in range(width))


def publish(context, latest, change_log, download=None):
    log_url = context.publisher.url("changes.txt") if change_log else "NONE"
    if download is None:
        download = context.publisher.url("quorvel-setup.exe").encode()
    context.publisher.publish("version.txt", [latest, download,
                                              log_url.encode()])
    context.publisher.publish("changes.txt", [
        b"Version 1.01", b"- Faster checks", b"- German texts reviewed"])


def open_main_window(context, arguments=("", "English")):
    run = context.start(list(arguments))
    window = context.display.wait_for_window(MAIN_TITLE)
    context.startups.append(time.monotonic() - run.started)
    return run, window, Frame(context.display, window, MAIN_WIDTH,
                              MAIN_HEIGHT)


def check_to_result_view(context, window, frame, height):
    """Clicks the check button and waits for the result view of the given
    inner height; returns the grown window's frame."""
    context.click(window, frame, ACTION_BUTTON)
    wait_until(f"the result view, {height} pixels high",
               lambda: context.display.geometry(window)[3] ==
               frame.height + height - MAIN_HEIGHT)
    return Frame(context.display, window, MAIN_WIDTH, height)


def test_main_window(context):
    publish(context, b"101", change_log=True)
    run, window, frame = open_main_window(context)
    frame.expect_centred("main window")
    time.sleep(0.5)
    picture = context.shot(window, "windows-main-window")
    expect("the product title's black fill",
           has_colour(picture, frame, 2, 53, 40, 20, (0, 0, 0)))
    expect("the banner's picture", not has_colour(
        picture, frame, 0, 0, 250, 50, (212, 208, 200)))
    peak = run.peak_memory_kib()
    context.figures.append(f"peak resident memory of quorvel.exe: {peak} KiB")
    context.click(window, frame, CLOSE_BUTTON)
    run.expect_exit_zero()


def run_check(context, change_log, screenshot):
    publish(context, b"101", change_log)
    run, window, frame = open_main_window(context)
    height = 486 if change_log else 279
    grown = check_to_result_view(context, window, frame, height)
    expect_equal("whole window width", grown.width, frame.width)
    expect_equal("inner height grown by", grown.height - frame.height,
                 height - MAIN_HEIGHT)
    expect_equal("top edge", grown.y, (SCREEN_HEIGHT - height) // 2)
    time.sleep(0.5)
    picture = context.shot(window, screenshot)
    expect("the installed version label's fill",
           has_colour(picture, grown, 20, 218, 20, 8, (200, 150, 130)))
    expect("the latest version label's fill",
           has_colour(picture, grown, 160, 218, 20, 8, (150, 200, 130)))
    if change_log:
        expect("the change log's fill",
               has_colour(picture, grown, 20, 380, 60, 40, (102, 102, 102)))
    context.click(window, grown, (CLOSE_BUTTON[0], height - 18))
    run.expect_exit_zero()


def test_check_with_change_log(context):
    run_check(context, True, "windows-result-change-log")


def test_check_without_change_log(context):
    run_check(context, False, "windows-result-no-change-log")


def test_about_window(context):
    publish(context, b"101", change_log=False)
    run, window, frame = open_main_window(context)
    for opening in range(2):
        context.click(window, frame, BANNER)
        about = context.display.wait_for_window(ABOUT_TITLE)
        about_frame = Frame(context.display, about, ABOUT_WIDTH, ABOUT_HEIGHT)
        about_frame.expect_centred("About window")
        time.sleep(0.5)
        picture = context.shot(about, "windows-about-window")
        expect("the About title's black fill",
               has_colour(picture, about_frame, 2, 8, 30, 20, (0, 0, 0)))
        context.click(about, about_frame, ABOUT_CLOSE_BUTTON)
        wait_until("the About window to close",
                   lambda: not context.display.windows_named(ABOUT_TITLE))
    context.click(window, frame, CLOSE_BUTTON)
    run.expect_exit_zero()


def test_silent_without_update(context):
    publish(context, b"100", change_log=False)
    run = context.start(["1"])
    shown = False
    while run.process.poll() is None:
        shown = shown or bool(context.display.windows_named(MAIN_TITLE))
        time.sleep(0.05)
    expect("no window in silent mode without an update", not shown)
    run.expect_exit_zero()


def test_silent_with_update(context):
    publish(context, b"101", change_log=False)
    run = context.start(["1"])
    window = context.display.wait_for_window(MAIN_TITLE)
    wait_until("the result view at once",
               lambda: context.display.geometry(window)[1] ==
               (SCREEN_HEIGHT - 279) // 2)
    frame = Frame(context.display, window, MAIN_WIDTH, 279)
    context.click(window, frame, (CLOSE_BUTTON[0], 279 - 18))
    run.expect_exit_zero()


def test_startup_message_box(context):
    """Without localversion.txt a message box titled with language line 0
    says line 1; OK ends the program."""
    run = Run(context, ["", "English"], local_version=None)
    box = context.display.wait_for_window("Error")
    time.sleep(0.5)
    context.shot(box, "windows-startup-message-box")
    # Keys through XTEST, as a keyboard would: the box has the focus.
    context.display.run("xdotool", "key", "Return")
    run.expect_exit_zero()


def test_download_starts_a_program(context):
    """The download button starts the download address as a program
    (CreateProcessA), and the window stays; a close request ends it."""
    publish(context, b"101", change_log=False,
            download=b"C:\\windows\\notepad.exe")
    run, window, frame = open_main_window(context)
    grown = check_to_result_view(context, window, frame, 279)
    context.click(window, grown, (ACTION_BUTTON[0], 279 - 18))
    wait_until("the started program's window",
               lambda: context.display.windows_named(".*Notepad"))
    expect("the main window stays",
           context.display.windows_named(MAIN_TITLE) == [window])
    # The started program may cover the window: a close request ends it.
    context.display.request_close(window)
    run.expect_exit_zero()


CASES = [test_main_window, test_check_with_change_log,
         test_check_without_change_log, test_about_window,
         test_silent_without_update, test_silent_with_update,
         test_startup_message_box, test_download_starts_a_program]


def main():
    program, source, screenshots = sys.argv[1:4]
    os.makedirs(screenshots, exist_ok=True)
    failures = 0
    # One wine server for all runs, as on a desktop where Wine is in use.
    subprocess.run(["wineserver", "-p"], check=False)
    with VirtualDisplay() as display, Publisher() as publisher:
        context = Context(os.path.abspath(program), source, screenshots,
                          display, publisher)
        for case in CASES:
            try:
                case(context)
                print(f"PASS {case.__name__}")
            except Failure as failure:
                failures += 1
                print(f"FAIL {case.__name__}: {failure}")
                # Nothing of a failed case stays behind for the next one.
                subprocess.run(["wineserver", "-k"], check=False)
        if context.startups:
            context.figures.append(
                "start-up to the window shown: first run (Wine cold) "
                f"{context.startups[0]:.2f} s, fastest run "
                f"{min(context.startups):.2f} s")
        for figure in context.figures:
            print("figure:", figure)
        print("screenshots in", screenshots)
    subprocess.run(["wineserver", "-k"], check=False)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
