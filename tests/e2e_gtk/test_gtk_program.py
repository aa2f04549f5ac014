"""End-to-end tests of the real GTK program under a virtual display.

Usage: test_gtk_program.py CASE PROGRAM SOURCE_DIR SCREENSHOT_DIR

Each case starts the program in a folder of its own against a local
publisher, drives it with clicks at the positions of the layout tables, and
checks the windows by their geometry and by pixels of screenshots, which are
kept in SCREENSHOT_DIR.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from desktop import (SCREEN_HEIGHT, SCREEN_WIDTH, Picture, Publisher,
                     VirtualDisplay, expect, expect_equal, wait_until)

MAIN_TITLE = "Quorvel v.1.01"
ABOUT_TITLE = "INFORMATION"
INSTALLED = b"100"

# Client points inside controls of the layout tables.
ACTION_BUTTON = (75, 243)
CLOSE_BUTTON = (225, 243)
BANNER = (100, 25)
ABOUT_CLOSE_BUTTON = (230, 230)


def button_at(button, y):
    """A button's point after the result view moved it to y."""
    return (button[0], y + 12)


def expect_centred(display, window, width, height):
    """The window's client size, and the whole window, frame included,
    centred on the screen."""
    left, right, top, bottom = display.frame(window)
    outer_width, outer_height = width + left + right, height + top + bottom
    expect_equal("window", display.geometry(window),
                 ((SCREEN_WIDTH - outer_width) // 2 + left,
                  (SCREEN_HEIGHT - outer_height) // 2 + top, width, height))


def expect_top(display, window, width, height):
    """The result view: client size, the whole window's top edge at
    (screen height - client height) / 2, the left edge kept centred."""
    left, right, top, _ = display.frame(window)
    expect_equal("result window", display.geometry(window),
                 ((SCREEN_WIDTH - width - left - right) // 2 + left,
                  (SCREEN_HEIGHT - height) // 2 + top, width, height))


class Checker:
    """The program, run in a folder of its own."""

    def __init__(self, display, context, arguments, local_version=True):
        self.context = context
        self.folder = tempfile.mkdtemp(prefix="quorvel-e2e-")
        shutil.copytree(os.path.join(context.source, "language"),
                        os.path.join(self.folder, "language"))
        if local_version:
            with open(os.path.join(self.folder, "localversion.txt"),
                      "wb") as file:
                file.write(b"Quorvel Demo\n" + INSTALLED + b"\n" +
                           context.publisher.url("version.txt").encode() +
                           b"\n")
        self.opened = os.path.join(self.folder, "opened.txt")
        browser = os.path.join(self.folder, "browser.sh")
        with open(browser, "w") as file:
            file.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.opened}"\n')
        os.chmod(browser, 0o755)
        suppressions = os.path.join(context.source, "platform", "gtk",
                                    "lsan-suppressions.txt")
        environment = {
            **os.environ, **display.environment(),
            "ASAN_OPTIONS": "detect_leaks=1:fast_unwind_on_malloc=0",
            "LSAN_OPTIONS": f"suppressions={suppressions}:"
                            "print_suppressions=0",
            "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1",
            "BROWSER": browser,  # what xdg-open starts for a web address
        }
        self.log = open(os.path.join(self.folder, "output.txt"), "w+")
        self.process = subprocess.Popen([context.program, *arguments],
                                        cwd=self.folder, env=environment,
                                        stdout=self.log,
                                        stderr=subprocess.STDOUT)

    def running(self):
        return self.process.poll() is None

    def expect_exit_zero(self):
        wait_until("the program to end", lambda: not self.running())
        self.log.seek(0)
        output = self.log.read()
        expect(f"exit code 0, got {self.process.returncode}:\n{output}",
               self.process.returncode == 0)

    def opened_texts(self):
        if not os.path.exists(self.opened):
            return []
        with open(self.opened) as file:
            return file.read().splitlines()

    def close(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        self.log.close()
        shutil.rmtree(self.folder)


class Context:
    def __init__(self, program, source, screenshots, publisher):
        self.program = program
        self.source = source
        self.screenshots = screenshots
        self.publisher = publisher

    def shot(self, display, window, name, ready=lambda picture: True):
        return display.wait_for_picture(
            window, os.path.join(self.screenshots, name + ".png"), ready)

    def banner(self):
        return Picture(os.path.join(self.source, "resources", "banner.png"))

    def publish_release(self, latest, change_log):
        log_url = (self.publisher.url("changes.txt").encode()
                   if change_log else b"NONE")
        self.publisher.publish("version.txt", [
            latest, self.publisher.url("release-1.01.html").encode(), log_url
        ])
        if change_log:
            self.publisher.publish("changes.txt", change_log)


def expect_banner(banner, picture):
    """The banner at full size in the top left, under the "?" button."""
    differing = [(x, y) for y in range(banner.height)
                 for x in range(banner.width)
                 if picture.pixel(x, y) != banner.pixel(x, y)]
    expect("the banner is shown unscaled at 0, 0 (first differences: "
           f"{differing[:5]})",
           all(x >= 285 and y < 15 for x, y in differing))
    expect("the \"?\" button lies on the banner's top right corner",
           any(x >= 285 and y < 15 for x, y in differing))


def banner_drawn(banner):
    return lambda picture: picture.pixel(*BANNER) == banner.pixel(*BANNER)


def help_button_drawn(banner):
    """Whether a screenshot shows the banner and, on it, the main window's
    last control."""
    return lambda picture: (
        banner_drawn(banner)(picture) and
        picture.pixel(292, 7) != banner.pixel(292, 7))


def watch_opening(display, context, title, size, painted, whole, name):
    """The window once drawn whole(); fails if any earlier frame the program
    painted (painted()) lacked a control, as when the controls created last
    are drawn only after the window was first shown. The first such frame is
    kept beside the screenshots as NAME-half-drawn.png."""
    window, frames = display.watch_opening(title, *size, whole)
    half_drawn = [frame for frame in frames[:-1] if painted(frame)]
    if half_drawn:
        os.makedirs(context.screenshots, exist_ok=True)
        subprocess.run(["convert", "-size", "{}x{}".format(*size), "-depth",
                        "8", "rgb:-",
                        os.path.join(context.screenshots,
                                     name + "-half-drawn.png")],
                       input=half_drawn[0].rgb, check=True)
    expect(f"{title!r} shows every control from its first frame; "
           f"{len(half_drawn)} frame(s) showed it half drawn",
           not half_drawn)
    return window


def open_main_window(display, context, screenshot="main-window-opening"):
    """The main window once all its controls are there to be clicked, and
    its screenshot."""
    banner = context.banner()
    window = watch_opening(display, context, MAIN_TITLE, (300, 261),
                           banner_drawn(banner), help_button_drawn(banner),
                           "main-window")
    return window, context.shot(display, window, screenshot,
                                help_button_drawn(banner))


def has_colour(picture, x0, y0, width, height, colour):
    return any(picture.pixel(x, y) == colour
               for y in range(y0, y0 + height) for x in range(x0, x0 + width))


def test_main_window(display, context):
    """Opens at 300 x 261, centred, with the title row as laid out; its close
    box ends the program."""
    context.publish_release(b"101", None)
    checker = Checker(display, context, [])
    try:
        window, picture = open_main_window(display, context, "main-window")
        expect_centred(display, window, 300, 261)
        expect("kept above other windows",
               "_NET_WM_STATE_ABOVE" in display.states(window))
        expect_banner(context.banner(), picture)
        expect_equal("ProductTitle fill", picture.pixel(4, 60), (0, 0, 0))
        expect("ProductTitle text in (100, 160, 255)",
               has_colour(picture, 2, 53, 266, 21, (100, 160, 255)))
        expect("VersionLabel text in (200, 200, 200)",
               has_colour(picture, 268, 53, 28, 18, (200, 200, 200)))
        display.request_close(window)
        checker.expect_exit_zero()
    finally:
        checker.close()


def check_to_result_view(display, context, height, name):
    """Clicks the check button and checks the result view common to both
    kinds of release; returns the window and its screenshot."""
    window, _ = open_main_window(display, context)
    display.click(window, *ACTION_BUTTON)
    display.wait_for_size(window, 300, height)
    expect_top(display, window, 300, height)
    picture = context.shot(display, window, name)
    expect_version_labels(picture)
    return window, picture


def expect_version_labels(picture):
    expect_equal("InstalledVersionLabel fill", picture.pixel(142, 228),
                 (200, 150, 130))
    expect_equal("LatestVersionLabel fill", picture.pixel(282, 228),
                 (150, 200, 130))
    red, green, blue = picture.pixel(280, 113)
    expect("the progress bar is full", blue > red + 60)


def test_check_with_change_log(display, context):
    """The check grows the window to 300 x 486 with the change log; the
    download button hands the address to the desktop's handler."""
    context.publish_release(b"101", [b"Version 1.01", b"- Faster checks"])
    checker = Checker(display, context, ["", "German"])
    try:
        window, picture = check_to_result_view(display, context, 486,
                                               "result-with-change-log")
        expect_equal("ChangeLogText fill", picture.pixel(270, 420),
                     (102, 102, 102))
        display.click(window, *button_at(ACTION_BUTTON, 456))
        wait_until("the download address to be opened",
                   lambda: checker.opened_texts() ==
                   [context.publisher.url("release-1.01.html")])
        expect("the window stays open", checker.running())
        display.click(window, *button_at(CLOSE_BUTTON, 456))
        checker.expect_exit_zero()
    finally:
        checker.close()


def test_check_without_change_log(display, context):
    """Without a change log the window becomes 300 x 279 and the buttons move
    to y 249."""
    context.publish_release(b"101", None)
    checker = Checker(display, context, ["", "English"])
    try:
        window, picture = check_to_result_view(display, context, 279,
                                               "result-without-change-log")
        expect("no change log is shown",
               not has_colour(picture, 0, 238, 300, 41, (102, 102, 102)))
        display.click(window, *button_at(CLOSE_BUTTON, 249))
        checker.expect_exit_zero()
    finally:
        checker.close()


def about_background_drawn(picture):
    """Whether the About window's face colour is painted above its title,
    where the main window under it shows the banner."""
    return min(picture.pixel(2, 2)) > 200


def about_close_button_drawn(picture):
    """Whether a screenshot shows the window painted and the caption of its
    last control."""
    return min(picture.pixel(150, 230)) > 200 and any(
        max(picture.pixel(x, y)) < 100
        for y in range(218, 242) for x in range(190, 270))


def test_about_window(display, context):
    """A banner click opens the About window, a utility window without a
    taskbar entry; it ignores close requests and its CLOSE button closes
    it."""
    context.publish_release(b"101", None)
    checker = Checker(display, context, [])
    try:
        main, _ = open_main_window(display, context)
        display.click(main, *BANNER)
        about = watch_opening(display, context, ABOUT_TITLE, (280, 246),
                              about_background_drawn,
                              about_close_button_drawn, "about-window")
        picture = context.shot(display, about, "about-window",
                               about_close_button_drawn)
        expect_centred(display, about, 280, 246)
        expect("a utility window", "_NET_WM_WINDOW_TYPE_UTILITY" in
               display.property(about, "_NET_WM_WINDOW_TYPE"))
        expect("no taskbar entry, above the other windows",
               "_NET_WM_STATE_SKIP_TASKBAR" in display.states(about) and
               "_NET_WM_STATE_ABOVE" in display.states(about))
        expect("the main window no longer above the others",
               "_NET_WM_STATE_ABOVE" not in display.states(main))
        expect_equal("AboutTitle fill", picture.pixel(4, 20), (0, 0, 0))
        expect("AboutTitle text in (100, 160, 255)",
               has_colour(picture, 2, 7, 276, 26, (100, 160, 255)))
        expect_equal("AboutHeading fill", picture.pixel(12, 50), (51, 51, 51))
        expect_equal("CreditsText fill", picture.pixel(46, 201),
                     (153, 153, 153))

        display.request_close(about)
        time.sleep(1)
        expect("a close request leaves the About window open",
               display.windows_named(ABOUT_TITLE))

        display.click(about, *ABOUT_CLOSE_BUTTON)
        wait_until("the About window to close",
                   lambda: not display.windows_named(ABOUT_TITLE))
        expect("the main window above the others again",
               "_NET_WM_STATE_ABOVE" in display.states(main))
        display.click(main, *CLOSE_BUTTON)
        checker.expect_exit_zero()
    finally:
        checker.close()


def test_silent_without_update(display, context):
    """Silent mode with the installed version up to date shows nothing."""
    context.publish_release(INSTALLED, None)
    checker = Checker(display, context, ["1"])
    try:
        seen = False
        while checker.running():
            seen = seen or bool(display.windows_named(MAIN_TITLE))
            time.sleep(0.05)
        expect("no window is shown", not seen)
        checker.expect_exit_zero()
    finally:
        checker.close()


def test_startup_message_box(display, context):
    """Without localversion.txt a message box titled with language line 0
    says line 1; OK ends the program."""
    checker = Checker(display, context, ["", "English"], local_version=False)
    try:
        box = display.wait_for_window("Error")
        context.shot(display, box, "startup-message-box",
                     lambda picture: picture.width > 1)
        display.press_key(box, "Return")
        checker.expect_exit_zero()
    finally:
        checker.close()


CASES = {name[len("test_"):]: case for name, case in globals().items()
         if name.startswith("test_")}
# Placement, frames and keep-above need a window manager; the other cases run
# on a bare X server, where the client area is the whole window.
UNDER_WINDOW_MANAGER = {"main_window", "about_window",
                        "check_with_change_log"}


def main():
    case, program, source, screenshots = sys.argv[1:5]
    with VirtualDisplay(case in UNDER_WINDOW_MANAGER) as display, \
            Publisher() as publisher:
        CASES[case](display, Context(program, source, screenshots, publisher))
    print(f"{case}: passed; screenshots in {screenshots}")


if __name__ == "__main__":
    main()
