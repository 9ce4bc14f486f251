"""Fixtures of the end-to-end tests: one Wine session (the project's prefix, a
private virtual desktop, wintool.exe) for the whole run, and a fresh store,
probe folder and program for every test.

The run needs DISPLAY (a private X server, 1024 x 768) and WINEPREFIX, as
./test sets them, and the Windows build: corvane.exe, wintool.exe, probe.exe.
"""

import hashlib
import json
import os
import shutil
import subprocess
import tempfile

import pytest

from harness import DESKTOP, DESKTOP_SIZE, Corvane, Wintool, poll

# Beside C:\windows\explorer.exe while a probe stands in for it.
EXPLORER_BACKUP = ".corvane-e2e-original"

ROOT = os.environ.get("CORVANE_ROOT") or os.path.abspath(
    os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.path.join(ROOT, "build", "windows")


class WineSession:
    def __init__(self):
        self.corvane_exe = os.path.join(BUILD, "app", "win32", "corvane.exe")
        self.wintool_exe = os.path.join(BUILD, "tests", "e2e", "wintool", "wintool.exe")
        self.probe_exe = os.path.join(BUILD, "tests", "e2e", "probe", "probe.exe")
        self.prefix = os.environ.get("WINEPREFIX", "")
        self.drive_c = os.path.join(self.prefix, "drive_c")
        self.tool = Wintool(self.wintool_exe)
        self.holder = None

    def check(self):
        missing = [p for p in (self.corvane_exe, self.wintool_exe, self.probe_exe)
                   if not os.path.isfile(p)]
        if missing:
            pytest.fail("not built (cmake --build --preset windows): " + ", ".join(missing))
        if not os.environ.get("DISPLAY"):
            pytest.fail("DISPLAY is not set: run through ./test, which starts a private Xvfb")
        if not self.prefix or not os.path.isdir(self.drive_c):
            pytest.fail("WINEPREFIX is not set to a prepared prefix: run through ./test")

    @property
    def windows_explorer(self):
        """C:\\windows\\explorer.exe: the program that PathRecall starts. The
        virtual desktop runs C:\\windows\\system32\\explorer.exe, another copy."""
        return os.path.join(self.drive_c, "windows", "explorer.exe")

    def restore_explorer(self):
        """Puts back C:\\windows\\explorer.exe if a run that replaced it was cut
        short."""
        backup = self.windows_explorer + EXPLORER_BACKUP
        if os.path.exists(backup):
            os.replace(backup, self.windows_explorer)

    def prepare(self):
        """Every corvane.exe and wintool.exe of this prefix runs in the virtual
        desktop DESKTOP (Wine's per-program Explorer setting), so that windows
        and clicks stay inside it and nothing else in the prefix is affected.
        A held wintool keeps that desktop and the Wine server up between tests."""
        lines = ["REGEDIT4", "",
                 "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]",
                 f'"{DESKTOP}"="{DESKTOP_SIZE}"', ""]
        for program in (self.corvane_exe, self.wintool_exe):
            name = os.path.basename(program)
            lines += [f"[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\{name}\\Explorer]",
                      f'"Desktop"="{DESKTOP}"', ""]
        with tempfile.NamedTemporaryFile("w", suffix=".reg", delete=False) as reg:
            reg.write("\r\n".join(lines))
        try:
            windows_path = "Z:" + reg.name.replace("/", "\\")
            subprocess.run(["wine", "reg", "import", windows_path], check=True, timeout=120,
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
        finally:
            os.unlink(reg.name)

        self.restore_explorer()
        self.holder = subprocess.Popen(["wine", self.wintool_exe, "hold"], stdin=subprocess.PIPE,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        geometry = poll("the virtual desktop to come up", self.desktop_geometry, timeout=60)
        width, height = (int(n) for n in DESKTOP_SIZE.split("x"))
        assert geometry == (0, 0, width, height), \
            f"the virtual desktop must fill the screen at 0,0 for clicks: {geometry}"

    def desktop_geometry(self):
        """Position and size of the desktop's X window, or None before it exists."""
        found = subprocess.run(["xdotool", "search", "--name", f"^{DESKTOP} - Wine desktop$"],
                               capture_output=True, text=True, timeout=10)
        ids = found.stdout.split()
        if not ids:
            return None
        shown = subprocess.run(["xdotool", "getwindowgeometry", "--shell", ids[0]],
                               capture_output=True, text=True, timeout=10).stdout
        fields = dict(line.split("=", 1) for line in shown.split() if "=" in line)
        return tuple(int(fields[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def close(self):
        if self.holder is not None:
            self.holder.stdin.close()
            try:
                self.holder.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.holder.kill()
                self.holder.wait()


@pytest.fixture(scope="session")
def wine_session():
    session = WineSession()
    session.check()
    try:
        session.prepare()
        yield session
    finally:
        session.close()


@pytest.fixture
def corvane(wine_session):
    """A clean slate: no settings key, an empty probe folder, no program running."""
    program = Corvane(wine_session)
    program.reset()
    yield program
    program.kill()


class ExplorerProbe:
    """A probe standing in for C:\\windows\\explorer.exe: its runs show the
    command line and folder that Explorer would have been started with."""

    def __init__(self, session):
        self.log = os.path.join(session.drive_c, "windows", "probe-log.txt")

    def runs(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8") as log:
            runs = [json.loads(line) for line in log if line.strip()]
        return sorted(runs, key=lambda run: (run["created"], run["tick"]))


def digest(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


@pytest.fixture
def explorer_probe(wine_session):
    """Replaces C:\\windows\\explorer.exe by probe.exe for one test and always
    puts the original back, byte for byte."""
    explorer = wine_session.windows_explorer
    backup = explorer + EXPLORER_BACKUP
    wine_session.restore_explorer()
    original = digest(explorer)
    stand_in = ExplorerProbe(wine_session)
    if os.path.exists(stand_in.log):
        os.unlink(stand_in.log)
    os.replace(explorer, backup)
    try:
        shutil.copyfile(wine_session.probe_exe, explorer)
        yield stand_in
    finally:
        os.replace(backup, explorer)
        if os.path.exists(stand_in.log):
            os.unlink(stand_in.log)
    assert digest(explorer) == original, "C:\\windows\\explorer.exe is back as it was"
