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


class Corvane:
    """One test's view of the program: lays out the store and the probes,
    starts corvane.exe, drives it and reads what it did."""

    def __init__(self, session):
        self.session = session
        self.tool = session.tool
        self.process = None
        self.probe_root = os.path.join(session.drive_c, PROBE_ROOT)

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
