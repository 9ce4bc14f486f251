"""Driving the real corvane.exe under Wine, as a user would, and looking at
what it did: windows (through wintool.exe), the registry, and the runs of the
probe programs that its entries point to.

Every wait is a poll with a generous limit; Wine's start-up time varies a lot.
"""

import json
import os
import shutil
import struct
import subprocess
import tempfile
import time

import screen

SETTINGS_KEY = "SOFTWARE\\Quennard\\Corvane\\3.0"
VENDOR_KEY = "SOFTWARE\\Quennard"
ENTRY_KEY = "Tool Box Icon  {}"  # two blanks before the slot number

# Every Corvane process and every wintool run joins this Wine desktop (see
# Wine.prepare): a virtual desktop of its own that fills the X screen at 0,0.
DESKTOP = "CorvaneE2E"
DESKTOP_SIZE = "1024x768"

# Folder on C: that holds the probe copies of one test.
PROBE_ROOT = "corvane-e2e"

WM_CLOSE = 0x0010
WM_QUERYENDSESSION = 0x0011
WM_ENDSESSION = 0x0016

REG_SZ = 1
REG_DWORD = 4

APP_CLASS = "CorvaneApplication"
OPTIONS_CLASS = "CorvaneOptions"
WELCOME_CLASS = "CorvaneWelcome"
PROGRAM_CLASSES = (APP_CLASS, OPTIONS_CLASS, WELCOME_CLASS)
MENU_CLASS = "#32768"  # the system's pop-up menu windows
TRAY_CLASS = "Shell_TrayWnd"
TOOLTIP_CLASS = "tooltips_class32"

# Tray icon identifiers: the entries' icons are numbered from 1000 in slot
# order as they are loaded; the single icon of pop-up mode is 1111.
FIRST_ICON_ID = 1000
MAIN_ICON_ID = 1111

# Pop-up menu rows of the program's own commands, counted from the bottom:
# PathRecall, "Options...", "Help", "Exit Corvane".
EXIT_ROW = -1
OPTIONS_ROW = -3
PATH_RECALL_ROW = -4

START_TIMEOUT = 30.0
EXIT_TIMEOUT = 20.0
CHANGE_TIMEOUT = 10.0


class E2EError(AssertionError):
    pass


def poll(what, probe, timeout=CHANGE_TIMEOUT, interval=0.05):
    """Calls probe until it answers something true and returns that; fails
    with `what` when the time is up."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        last = probe()
        if last:
            return last
        if time.monotonic() > deadline:
            raise E2EError(f"timed out after {timeout:.0f} s waiting for {what} (last: {last!r})")
        time.sleep(interval)


# --- registry values as laid out byte for byte --------------------------------

def sz(text, terminated=False):
    """A REG_SZ as the registry holds it (UTF-16; the program's ANSI text is
    converted on the way in and out), with or without a terminating zero."""
    data = (text + ("\0" if terminated else "")).encode("utf-16-le")
    return {"type": REG_SZ, "hex": data.hex()}


def dword(number):
    return {"type": REG_DWORD, "hex": struct.pack("<I", number & 0xFFFFFFFF).hex()}


def entry_values(path, icon_path="", params="", tip="", auto_start=False, start_mode=0):
    return {
        "Path": sz(path),
        "Icon Path": sz(icon_path),
        "Params": sz(params),
        "Tool Tip": sz(tip),
        "Auto Start": dword(1 if auto_start else 0),
        "StartMode": dword(start_mode),
    }


def settings_tree(entries, count=None, single_click=0, hide_on_start=0, popup=0, small_icons=0):
    """The settings key with its options and one subkey per entry. `entries`
    holds value dictionaries (entry_values or hand-made ones)."""
    if count is None:
        count = len(entries)
    values = {
        # A number, or a value laid out by hand (a damaged store).
        "Icon Count": count if isinstance(count, dict) else dword(count),
        "Single Click": dword(single_click),
        "Hide on Start": dword(hide_on_start),
        "PopUpIt": dword(popup),
        "SmallIcons": dword(small_icons),
    }
    subkeys = {ENTRY_KEY.format(i): {"values": v} for i, v in enumerate(entries)}
    return {"values": values, "subkeys": subkeys}


class Menu:
    """An open pop-up menu window. Its rows are found by pointing at them:
    the row under the mouse is drawn in the selection colours, which shows
    where the menu itself puts its rows (separators never light up)."""

    # How long a row may take to light up once the mouse is on it; a point
    # that stays dark that long lies on a separator or a margin.
    LIGHT_UP = 0.25

    def __init__(self, program, window):
        self.program = program
        self.window = window
        self.colours = [tuple(c) for c in (program.colours["highlight"],
                                           program.colours["menuhilight"])]
        left, top, right, bottom = window["rect"]
        self.top, self.bottom = top, bottom
        self.left, self.right = self._uncovered_columns(left + 2, right - 2)
        self.x = (self.left + self.right) // 2

    def _uncovered_columns(self, left, right):
        """The widest run of columns that no window above the menu covers."""
        _, top, _, bottom = self.window["rect"]
        covered = [w["rect"] for w in self.program.tool.windows()
                   if w["visible"] and w["z"] < self.window["z"]
                   and w["rect"][1] < bottom and w["rect"][3] > top]
        free = [x for x in range(left, right)
                if not any(r[0] <= x < r[2] for r in covered)]
        best, run = [], []
        for x in free:
            run = run + [x] if run and x == run[-1] + 1 else [x]
            if len(run) > len(best):
                best = run
        assert len(best) >= 20, f"the menu {self.window['rect']} is covered by {covered}"
        return best[0], best[-1] + 1

    def point_at(self, y):
        """Moves the mouse to row y; answers the row it lights up as
        (top, bottom), or None."""
        subprocess.run(["xdotool", "mousemove", str(self.x), str(y)], check=True, timeout=10)
        deadline = time.monotonic() + self.LIGHT_UP
        last = None
        while True:
            image = screen.capture(self.left, self.top, self.right, self.bottom)
            band = screen.highlighted_band(image, self.colours, y)
            # A row counts once two captures agree: while the selection moves
            # the old and the new row may both be lit for a moment.
            if band is not None and band == last:
                return band
            last = band
            if time.monotonic() > deadline:
                return None

    def rows(self, count=None, from_bottom=False):
        """The menu's rows as (top, bottom) screen rows, top to bottom: all
        of them, or the first `count` from the top or from the bottom."""
        found = []
        step = -1 if from_bottom else 1
        y = self.bottom - 2 if from_bottom else self.top + 1
        while self.top < y < self.bottom - 1 and (count is None or len(found) < count):
            band = self.point_at(y)
            if band is None:
                y += 2 * step
                continue
            found.append(band)
            y = (band[0] - 1) if from_bottom else (band[1] + 1)
        return sorted(found)

    def row(self, index):
        """Row `index` of the menu, counted from the top (0, 1, ...) or
        from the bottom (-1 is the last)."""
        if index >= 0:
            rows = self.rows(index + 1)
        else:
            rows = self.rows(-index, from_bottom=True)
        assert len(rows) > (index if index >= 0 else -index - 1), \
            f"the menu has fewer rows than {index}: {rows}"
        return rows[index] if index >= 0 else rows[0]

    def choose(self, index):
        """A real click in the middle of row `index`."""
        top, bottom = self.row(index)
        self.program.click_at(self.x, (top + bottom) // 2)
        poll("the menu to close", lambda: not self.program.is_window_visible(self.window["hwnd"]))

    def close(self):
        """Closes the menu with a click on the empty desktop beside it."""
        self.program.click_at(8, 8)
        poll("the menu to close", lambda: not self.program.is_window_visible(self.window["hwnd"]))


class Wintool:
    """Runs wintool.exe under Wine; every command answers with JSON."""

    def __init__(self, exe):
        self.exe = exe

    def run(self, *args, stdin_text=None, timeout=60):
        # Output goes through a file, not a pipe: a Wine process started on the
        # way (the desktop's explorer.exe) may inherit a pipe and hold it open.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as source:
            if stdin_text is not None:
                source.write(stdin_text.encode("utf-8"))
                source.seek(0)
            result = subprocess.run(
                ["wine", self.exe, *map(str, args)],
                stdin=source, stdout=out, stderr=subprocess.DEVNULL, timeout=timeout)
            out.seek(0)
            text = out.read().decode("utf-8", "replace")
        try:
            answer = json.loads(text)
        except ValueError:
            raise E2EError(f"wintool {args} answered {text!r} (exit {result.returncode})")
        if result.returncode != 0 or (isinstance(answer, dict) and "error" in answer):
            raise E2EError(f"wintool {args} failed: {text.strip()}")
        return answer

    def reg_dump(self, key):
        return self.run("reg-dump", key)

    def reg_load(self, key, tree):
        return self.run("reg-load", key, "-", stdin_text=json.dumps(tree))

    def reg_delete(self, key):
        return self.run("reg-delete", key)

    def windows(self):
        return self.run("windows")

    def children(self, hwnd):
        return self.run("children", hwnd)

    def post(self, hwnd, message, wparam=0, lparam=0):
        return self.run("post", hwnd, message, wparam, lparam)

    def send(self, hwnd, message, wparam=0, lparam=0):
        return self.run("send", hwnd, message, wparam, lparam)

    def tab_rect(self, hwnd, index):
        return self.run("tab-rect", hwnd, index)["rect"]

    def front(self, hwnd):
        return self.run("front", hwnd)

    def tray_delete(self, hwnd, icon_id):
        return self.run("tray-delete", hwnd, icon_id)

    def broadcast_taskbar_created(self):
        return self.run("broadcast-taskbar-created")

    def colours(self):
        return self.run("colors")

    def titled_window(self, title):
        """A wintool process that shows a top-level window titled `title`
        and brings it to the front; closing its stdin ends it."""
        return subprocess.Popen(["wine", self.exe, "titled-window", title],
                                stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)


class Corvane:
    """One test's view of the program: lays out the store and the probes,
    starts corvane.exe, drives it and reads what it did."""

    def __init__(self, session):
        self.session = session
        self.tool = session.tool
        self.process = None
        self.probe_root = os.path.join(session.drive_c, PROBE_ROOT)
        self.colours = None  # the system's selection colours, read once

    # --- layout before a start ---------------------------------------------

    def reset(self):
        self.kill()
        self.tool.reg_delete(VENDOR_KEY)
        shutil.rmtree(self.probe_root, ignore_errors=True)
        os.makedirs(self.probe_root)

    def store(self, tree):
        """Replaces the settings key by `tree` (see settings_tree)."""
        self.tool.reg_load(SETTINGS_KEY, tree)

    def place_probe(self, folder, name="probe.exe"):
        """A copy of probe.exe in C:\\corvane-e2e\\<folder>\\<name>; answers its
        Windows path."""
        target = os.path.join(self.probe_root, folder)
        os.makedirs(target, exist_ok=True)
        shutil.copyfile(self.session.probe_exe, os.path.join(target, name))
        return "C:\\" + PROBE_ROOT + "\\" + folder + "\\" + name

    def probe_runs(self):
        """Every logged probe run, in the order the processes were created."""
        runs = []
        for folder, _, files in os.walk(self.probe_root):
            if "probe-log.txt" in files:
                with open(os.path.join(folder, "probe-log.txt"), encoding="utf-8") as log:
                    runs.extend(json.loads(line) for line in log if line.strip())
        return sorted(runs, key=lambda run: (run["created"], run["tick"]))

    # --- the registry -------------------------------------------------------

    def settings(self):
        return self.tool.reg_dump(SETTINGS_KEY)

    def vendor(self):
        return self.tool.reg_dump(VENDOR_KEY)

    # --- the process --------------------------------------------------------

    def start(self):
        assert self.process is None, "the program is started once per test run"
        poll("the last run's windows to be gone", lambda: not self.program_windows())
        self.process = subprocess.Popen(
            ["wine", self.session.corvane_exe], cwd=os.path.dirname(self.session.corvane_exe),
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, timeout=EXIT_TIMEOUT):
        try:
            code = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise E2EError(f"corvane.exe still runs {timeout:.0f} s later; windows: "
                           f"{self.program_windows()}")
        self.process = None
        return code

    def restart(self):
        """After the program has ended: a fresh run on the same store."""
        assert not self.running()
        self.process = None
        return self.start()

    def kill(self):
        if self.process is not None:
            if self.process.poll() is None:
                self.process.kill()
            self.process.wait(timeout=EXIT_TIMEOUT)
            self.process = None

    # --- windows --------------------------------------------------------------

    def program_windows(self):
        return [w for w in self.tool.windows() if w["class"] in PROGRAM_CLASSES]

    def window(self, cls):
        found = [w for w in self.program_windows() if w["class"] == cls]
        return found[0] if found else None

    def controls(self, cls=OPTIONS_CLASS):
        top = self.window(cls)
        assert top is not None, f"no {cls} window"
        return self.tool.children(top["hwnd"])

    def control(self, text, cls=OPTIONS_CLASS):
        found = [c for c in self.controls(cls) if c["title"] == text]
        assert len(found) == 1, f"{len(found)} controls titled {text!r}"
        return found[0]

    def wait_ready(self):
        """Waits until the start-up timer has run, for a program that shows
        its options window: the window stands minimized until then."""
        def ready():
            if not self.running():
                raise E2EError(f"corvane.exe ended during start-up (exit {self.process.poll()})")
            options = self.window(OPTIONS_CLASS)
            return options is not None and options["visible"] and not options["iconic"]
        poll("start-up to finish", ready, timeout=START_TIMEOUT)
        return {w["class"]: w for w in self.program_windows()}

    def wait_started(self):
        """Waits until start-up has finished, the one-shot timer included. The
        timer's last step disables "Use Small Icons" unless the pop-up box is
        checked, so with "PopUpIt" 0 stored a disabled box marks the end."""
        def finished():
            if not self.running():
                raise E2EError(f"corvane.exe ended during start-up (exit {self.process.poll()})")
            options = self.window(OPTIONS_CLASS)
            if options is None:
                return None
            boxes = [c for c in self.tool.children(options["hwnd"])
                     if c["title"] == "Use Small Icons"]
            return boxes and not boxes[0]["enabled"]
        poll("start-up to finish", finished, timeout=START_TIMEOUT)
        return {w["class"]: w for w in self.program_windows()}

    def is_window_visible(self, hwnd):
        return any(w["hwnd"] == hwnd and w["visible"] for w in self.tool.windows())

    def wait_runs(self, count):
        """Waits until at least `count` probe runs are logged; answers them all."""
        return poll(f"{count} probe runs", lambda: len(self.probe_runs()) >= count and
                    self.probe_runs(), timeout=START_TIMEOUT)

    def assert_no_more_runs(self, count, grace=1.0):
        """The probe log holds exactly `count` runs, also a moment later: a
        run that was started is logged within that time."""
        deadline = time.monotonic() + grace
        while True:
            runs = self.probe_runs()
            assert len(runs) == count, f"expected {count} probe runs, found {runs}"
            if time.monotonic() > deadline:
                return runs
            time.sleep(0.1)

    # --- the tray ------------------------------------------------------------

    def tray_icons(self, count, timeout=CHANGE_TIMEOUT):
        """Waits until the notification area shows exactly `count` icons and
        answers their centres, in the order in which they were added: Wine's
        tray puts every new icon to the left of those before it. A task bar
        with neither buttons nor icons is hidden, which counts as no icon."""
        last = None

        def settled():
            nonlocal last
            icons = self._tray_icon_columns()
            same = icons == last
            last = icons
            return same and len(icons[1]) == count and icons

        middle, icons = poll(f"{count} tray icons", settled, timeout=timeout)
        return [((first + last_column) // 2, middle) for first, last_column in reversed(icons)]

    def _tray_icon_columns(self):
        tray = [w for w in self.tool.windows() if w["class"] == TRAY_CLASS and w["visible"]]
        if not tray:
            return None, []
        left, top, right, bottom = tray[0]["rect"]
        # The start button and the task buttons come first from the left.
        for child in self.tool.children(tray[0]["hwnd"]):
            if child["visible"]:
                left = max(left, child["rect"][2])
        icons = screen.ink_clusters(screen.capture(left + 1, top, right, bottom))
        return (top + bottom) // 2, icons

    def click_tray(self, point, button=1, double=False):
        x, y = point
        repeat = ["--repeat", "2", "--delay", "80"] if double else []
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", *repeat, str(button)],
                       check=True, timeout=10)

    def open_menu(self, point, button=3, double=False):
        """Clicks a tray icon and waits for the program's pop-up menu: a new
        visible menu window. Then takes the mouse off the tray, so that the
        icon's tool tip goes instead of covering the menu."""
        if self.colours is None:
            self.colours = self.tool.colours()
        before = {w["hwnd"] for w in self.tool.windows()
                  if w["class"] == MENU_CLASS and w["visible"]}
        own = self.window(OPTIONS_CLASS)["pid"]
        self.click_tray(point, button, double)

        def opened():
            menus = [w for w in self.tool.windows() if w["class"] == MENU_CLASS and
                     w["visible"] and w["hwnd"] not in before]
            return menus and menus[0]
        menu = poll("the pop-up menu to open", opened)
        assert menu["pid"] == own, "the menu is the program's"
        left, top, right, bottom = menu["rect"]
        subprocess.run(["xdotool", "mousemove", str(left + 4), str(top + 4)], check=True,
                       timeout=10)

        def clear():
            windows = self.tool.windows()
            current = [w for w in windows if w["hwnd"] == menu["hwnd"]]
            tips = [w for w in windows if w["class"] == TOOLTIP_CLASS and w["visible"] and
                    w["rect"][0] < right and w["rect"][2] > left and
                    w["rect"][1] < bottom and w["rect"][3] > top]
            return current and not tips and current[0]
        return Menu(self, poll("the tray's tool tip to leave the menu", clear))

    # --- input ------------------------------------------------------------------

    def click_at(self, x, y):
        # One xdotool run: the X server takes the motion and the button in
        # order. (mousemove --sync would wait forever when the pointer is
        # already there.)
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True,
                       timeout=10)

    def click_rect(self, rect):
        left, top, right, bottom = rect
        self.click_at((left + right) // 2, (top + bottom) // 2)

    def click(self, text, cls=OPTIONS_CLASS):
        """A real left click in the middle of the visible control titled text."""
        control = self.control(text, cls)
        assert control["visible"] and control["enabled"], control
        left, top, right, bottom = control["rect"]
        x, y = (left + right) // 2, (top + bottom) // 2
        owner = self.window(cls)
        for other in self.program_windows():
            r = other["rect"]
            if other["visible"] and other["z"] < owner["z"] and \
                    r[0] <= x < r[2] and r[1] <= y < r[3]:
                raise E2EError(f"{text!r} at {x},{y} is covered by {other['title']!r}")
        self.click_at(x, y)

    def click_tab(self, index):
        tabs = [c for c in self.controls() if c["class"] == "SysTabControl32"]
        assert len(tabs) == 1
        self.click_rect(self.tool.tab_rect(tabs[0]["hwnd"], index))

    def show_options_page(self):
        self.click_tab(1)
        poll("the Options page to show",
             lambda: self.control("Hide on Startup")["visible"])

    def tick(self, text):
        """Clicks a check box and waits until it shows the new state."""
        before = self.control(text)["checked"]
        self.click(text)
        poll(f"{text!r} to change", lambda: self.control(text)["checked"] != before)
        return not before

    def post(self, cls, message, wparam=0, lparam=0):
        target = self.window(cls)
        assert target is not None, f"no {cls} window"
        return self.tool.post(target["hwnd"], message, wparam, lparam)

    def send(self, cls, message, wparam=0, lparam=0):
        target = self.window(cls)
        assert target is not None, f"no {cls} window"
        return self.tool.send(target["hwnd"], message, wparam, lparam)
