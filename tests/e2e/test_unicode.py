"""Names of every script: a file from a Cyrillic and Japanese folder with an emoji in its name,
dropped on the options window as a file manager drops it (XDND), and a shortcut to it browsed.
Both entries show, start the file by its own name, and are stored as UTF-16 and read back."""

import os
import re
import shutil
import subprocess
import tempfile
import urllib.parse

from harness import (DRIVE_C, HERE, PROBE_EXE, Corvane, click, geometry, poll, probe_log, run,
                     shown, tray_icon, wine)
from test_editor import ADD, BROWSE, FIRST_ROW, MINIMIZE, CLIENT, OPTIONS, at, closed, drawn

# A name of this run: user.reg may still hold an earlier run's entries.
FOLDER, NAME = "Юникод 日本", f"probe 😀{os.getpid()}.exe"
TARGET = f"C:\\t\\{FOLDER}\\{NAME}"
LINK = "C:\\corvane-e2e\\unicode.lnk"


def xdrop():  # the XDND source, built once for the run
    path = os.path.join(tempfile.gettempdir(), f"corvane-xdrop-{os.getuid()}")
    run("cc", "-o", path, os.path.join(HERE, "xdrop", "xdrop.c"), "-lX11")
    return path


def stored(slot, name):
    """The value's bytes in the prefix's user.reg, which the Wine server writes within 30 s of a
    change (an earlier test's may still be there); None until it is there. `reg export` and `reg query` show text, not the bytes."""
    text = open(os.path.join(os.environ["WINEPREFIX"], "user.reg"), encoding="utf-8").read()
    key = r"[Software\\Quennard\\Corvane\\3.0\\Tool Box Icon  %d]" % slot
    if key not in text:
        return None
    section = text.split(key)[1].split("\n[")[0].replace("\\\n  ", "")
    found = re.search(rf'^"{name}"=hex\(1\):([0-9a-f,]*)$', section, re.M)
    return found and bytes.fromhex(found[1].replace(",", ""))


def test_a_dropped_file_and_a_browsed_shortcut_of_any_script_start_and_are_stored(corvane):
    folder = os.path.join(DRIVE_C, "t", FOLDER)
    shutil.rmtree(os.path.join(DRIVE_C, "t"), ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(PROBE_EXE, os.path.join(folder, NAME))
    assert wine(PROBE_EXE, "--link", LINK, TARGET)[0] == 0
    corvane.start()
    (options,) = corvane.wait_shown(OPTIONS)
    left, top, width, height = geometry(corvane.wait_shown("Welcome")[0])
    click((left + width // 2, top + height - 25))  # its OK
    poll("the welcome window to close", lambda: not shown("^Welcome$"))

    uri = "file://" + urllib.parse.quote(os.path.join(folder, NAME))
    run(xdrop(), options, *at(options, FIRST_ROW), uri)
    icon = tray_icon()
    poll("the dropped entry's tray icon", lambda: drawn(icon))
    click(icon, double=True)
    assert poll("the dropped entry to start", lambda: probe_log(folder)) == [(TARGET, f'"{TARGET}"')]

    click(at(options, BROWSE))
    poll("the open-file dialog", lambda: shown("^Select an Executable$"))
    run("xdotool", "type", LINK)
    closed("Select an Executable", "key", "Return")
    click(at(options, ADD))
    second = (icon[0] - 20, icon[1])
    poll("the browsed entry's tray icon", lambda: drawn(second))
    click(second, double=True)
    poll("the browsed entry to start", lambda: len(probe_log(folder)) == 2)
    click(at(options, MINIMIZE, CLIENT))
    poll("the options window to hide", lambda: not shown(f"^{OPTIONS}$"))
    for slot in (0, 1):
        poll("the entry in user.reg", lambda: stored(slot, "Path") == TARGET.encode("utf-16-le"), 60)
    assert stored(0, "Tool Tip") == NAME.encode("utf-16-le")
    assert stored(1, "Tool Tip") == "Unicode probe".encode("utf-16-le")

    corvane.wait_exit(kill=True)
    again = Corvane()
    click(again.start_with_icon(), double=True)
    poll("the loaded entry to start", lambda: len(probe_log(folder)) == 3)
    assert set(probe_log(folder)) == {(TARGET, f'"{TARGET}"')}
    again.wait_exit(kill=True)
