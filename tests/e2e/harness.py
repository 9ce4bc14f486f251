"""Driving corvane.exe in a Wine virtual desktop, whose shown windows are X windows that xdotool
and xwininfo see and click. Every wait is a poll: Wine's start-up times vary a lot."""

import contextlib
import os
import pathlib
import re
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.environ.get("CORVANE_ROOT") or os.path.dirname(os.path.dirname(HERE))
ARCH = os.environ.get("CORVANE_ARCH", "x86")  # the build under test, x86 or x64
BUILD = os.path.join(ROOT, "build", f"windows-{ARCH}")
CORVANE_EXE = os.path.join(BUILD, "app", "win32", "corvane.exe")
PROBE_EXE = os.path.join(BUILD, "tests", "e2e", "probe", "probe.exe")
DRIVE_C = os.path.join(os.environ.get("WINEPREFIX", ""), "drive_c")
PROBE_DIR = os.path.join(DRIVE_C, "corvane-e2e")  # where the entry of data/entry.reg points
KEY = r"HKEY_CURRENT_USER\SOFTWARE\Quennard\Corvane\3.0"
DESKTOP, SCREEN = "CorvaneE2E", (1024, 768)  # as data/desktop.reg names it; the X screen's size
FIRST_ROW, LAST_ROW = 8, -8  # the pop-up menu's first and last rows, from its edges
OPTIONS, PROBE = "Corvane 3.0 Options", "C:\\corvane-e2e\\probe.exe"
# Spots of the "General" page, and the options window's Minimize.
PATH, ICON_PATH, PARAMETERS, DESCRIPTION = (200, 22), (200, 55), (200, 84), (370, 114)
ADD, MINIMIZE = (421, 150), (49, 349)


# The prefix's DPI, when corvane_use_dpi (tools/wine-env.sh) made it for one.
DPI = int(os.environ.get("CORVANE_TEST_DPI", "96"))


def poll(what, probe, timeout=30.0):
    deadline = time.monotonic() + timeout
    while not (answer := probe()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.1)
    return answer


QUIET = {name: subprocess.DEVNULL for name in ("stdin", "stdout", "stderr")}


def run(*args, text=True):
    return subprocess.run(list(map(str, args)), capture_output=True, text=text, check=True,
                          timeout=60).stdout


def wine(*args):
    """(exit code, output) of a Wine program run to its end. The output goes through a file: a
    Wine process started on the way may inherit a pipe and hold it open."""
    with tempfile.TemporaryFile() as out:
        code = subprocess.run(["wine", *args], **QUIET | {"stdout": out}, timeout=120).returncode
        out.seek(0)
        return code, out.read().decode("utf-8", "replace")


def reg_import(*names):
    for name in names:
        assert wine("reg", "import", "Z:" + os.path.join(HERE, "data", name).replace("/", "\\"))[0] == 0


def registry(key=KEY):
    """The key as {subkey ("" for the key itself): {value: (type, data)}}; {} if none."""
    code, text = wine("reg", "query", key, "/s")
    tree, values = {}, None
    for line in text.splitlines():
        if line.startswith("HKEY_"):
            values = tree.setdefault(line[len(key):].lstrip("\\"), {})
        elif found := re.match(r"    (.+?)    (REG_\w+)(?:    (.*))?$", line):
            values[found[1]] = (found[2], found[3] or "")
    return tree if code == 0 else {}


def stored(slot, name):
    """A value's bytes in the prefix's user.reg, which the Wine server writes within 30 s of a
    change; None until it is there. `reg query` shows text, not the bytes."""
    text = open(os.path.join(os.environ["WINEPREFIX"], "user.reg"), encoding="utf-8").read()
    key = r"[Software\\Quennard\\Corvane\\3.0\\Tool Box Icon  %d]" % slot
    section = text.split(key)[1].split("\n[")[0].replace("\\\n  ", "") if key in text else ""
    found = re.search(rf'^"{name}"=hex\(1\):([0-9a-f,]*)$', section, re.M)
    return found and bytes.fromhex(found[1].replace(",", ""))


def probe_log(folder=PROBE_DIR):  # (own path, command line) of each run of a probe.exe in folder
    log = pathlib.Path(folder, "probe-log.txt")
    lines = log.read_text("utf-8").splitlines() if log.exists() else []
    return [tuple(line.split("\t", 1)) for line in lines]


def probe_runs():  # the command lines that probe.exe in PROBE_DIR was started with
    return [command for _, command in probe_log()]


def shown(pattern, field="--name"):  # the mapped X windows whose title (or field) matches
    return subprocess.run(["xdotool", "search", "--onlyvisible", field, pattern],
                          capture_output=True, text=True, timeout=20).stdout.split()


def geometry(window):  # left, top, width, height (xdotool doubles a desktop window's position)
    info = run("xwininfo", "-id", window)
    return [int(re.search(rf"{name}:\s+(-?\d+)", info)[1]) for name in (
        "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]


def placed(title):  # the one window of that title once it is on the screen (minimized, it is off it)
    def found():  # Wine may give a window restored from minimized a new X window
        for window in shown(f"^{title}$"):
            with contextlib.suppress(subprocess.CalledProcessError):  # gone meanwhile
                if geometry(window)[0] >= 0:
                    return window
    return poll(f"the window {title!r} on the screen", found)


# Where the client area and the "General" page start in the options window's X window at 96 DPI.
CLIENT, PAGE = (3, 22), (8, 47)


def at(window, spot, origin=PAGE):  # a spot of the options window, once it is on the screen
    left, top = poll("the options window on the screen (it starts minimized, off it)",
                     lambda: (box := geometry(window))[0] >= 0 and box)[:2]
    return left + (origin[0] + spot[0]) * DPI // 96, top + (origin[1] + spot[1]) * DPI // 96


def grab(left, top, width, height, into="rgb:-"):
    return run("import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "+repage",
               "-define", "png:exclude-chunk=date,time", into, text=False)


def box(*windows):  # left, top, width, height around the windows
    boxes = [geometry(window) for window in windows]
    left, top = min(b[0] for b in boxes), min(b[1] for b in boxes)
    return (left, top, max(b[0] + b[2] for b in boxes) - left,
            max(b[1] + b[3] for b in boxes) - top)


def settle(area, what="the screen"):  # once two grabs in a row of the area (a window or a box) agree
    area, shots = geometry(area) if isinstance(area, str) else area, [b""]
    poll(f"{what} to settle", lambda: shots.append(grab(*area)) or shots[-1] == shots[-2])
    return area


def screenshot(area, name):
    """The area (a window or a box) once settled, into $CORVANE_SCREENSHOTS/name, marked with the
    DPI when it is not 96."""
    if folder := os.environ.get("CORVANE_SCREENSHOTS"):
        area = settle(area, name)
        grab(*area, into=os.path.join(folder, name if DPI == 96 else f"{DPI}dpi-{name}"))


def drawn(point):
    """Whether the 12-pixel square around point shows more than one colour."""
    pixels = grab(point[0] - 6, point[1] - 6, 12, 12)
    return len({pixels[i:i + 3] for i in range(0, len(pixels), 3)}) > 1


def windows():  # the program's shown windows, menus among them
    return set(shown("^corvane.exe$", "--classname"))


def click(point, button=1, double=False):
    run("xdotool", "mousemove", *point, "click", *(("--repeat", 2, "--delay", 80) if double else ()),
        button)


def tray_icon():
    """The first tray icon, in the rightmost 20 pixels of Wine's task bar: a window of the
    desktop's explorer.exe across the screen's foot, hidden while it has nothing to show."""
    def bar():
        for left, top, width, height in map(geometry, shown("^explorer.exe$", "--classname")):
            if (left, width, top + height) == (0, SCREEN[0], SCREEN[1]) and height < 100:
                return SCREEN[0] - 10, top + height // 2
    return poll("the task bar", bar)


class Corvane:
    process, menus = None, 0

    def start(self, exe=CORVANE_EXE):
        self.process = subprocess.Popen(["wine", exe], cwd=os.path.dirname(exe), **QUIET)

    def wait_shown(self, title):
        def found():
            assert self.process.poll() is None, f"corvane.exe ended ({self.process.returncode})"
            return shown(f"^{title}$")
        return poll(f"the window {title!r}", found)

    def start_with_icon(self, exe=CORVANE_EXE):  # on a stored entry; answers its tray icon
        self.start(exe)
        return self.wait_shown("Corvane 3.0 Options") and tray_icon()

    def past_welcome(self, picture=None):
        """A first run's welcome closed by its OK; the options window, which stays."""
        welcome = self.wait_shown("Welcome")[0]
        options = placed(OPTIONS)  # made normal after the welcome shows, which stays above it
        # Once the windows are stacked: a click too early may land on the options window's buttons.
        settle(box(options, welcome), "the windows' stacking")
        left, top, width, height = geometry(welcome)
        if picture:
            screenshot(box(options, welcome), picture)
        click((left + width // 2, top + height - 25))  # its OK
        poll("the welcome window to close", lambda: not shown("^Welcome$"))
        return options

    def choose(self, icon, row, picture=None):
        """Clicks row of the pop-up menu (None: aside, which closes it), a new window of the program,
        after its picture with the tray below it, if one is named. A right click on the last one's
        spot within the double-click time opens none: every other one goes 4 pixels aside."""
        before = windows()
        self.menus += 1
        click((icon[0] + 4 * (self.menus % 2), icon[1]), button=3)
        menu = poll("the pop-up menu", lambda: windows() - before)
        left, top, width, height = geometry(next(iter(menu)))
        if picture:
            screenshot((left - 8, top - 8, SCREEN[0] - left + 8, SCREEN[1] - top + 8), picture)
        click((4, 4) if row is None else (left + width // 2, top + row if row > 0 else top + height + row))
        poll("the pop-up menu to close", lambda: not windows() & menu)

    def wait_exit(self, kill=False):
        if kill:
            self.process.kill()
        code, self.process = self.process.wait(timeout=30), None
        return code
