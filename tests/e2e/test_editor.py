"""The first run, then the options window's editor and About box used with the mouse and the
keyboard as a user does. Its controls are no X windows: clicks go to their spots within the
window's X geometry. With CORVANE_SCREENSHOTS=DIR the run saves the README's pictures into DIR."""

import os
import shutil

from harness import (ADD, CLIENT, DESCRIPTION, DRIVE_C, ICON_PATH, MINIMIZE, OPTIONS, PARAMETERS, PATH,
                     PROBE, PROBE_EXE, at, click, drawn, poll, probe_log, probe_runs, run, screenshot, shown,
                     stored, tray_icon, wine)

BROWSE, DELETE, FIRST_ROW = (425, 22), (421, 190), (60, 135)
OPTIONS_TAB, ABOUT = (85, 14), (432, 349)
LINK = "C:\\corvane-e2e\\probe.lnk"


def closed(title, *keys):
    run("xdotool", *keys)
    poll(f"{title} to close", lambda: not shown(f"^{title}$"))


def test_first_run_then_entries_typed_or_browsed_are_added_started_deleted_and_saved(
        corvane):
    # A file of Cyrillic, Japanese and emoji names (of this run: user.reg may hold an earlier one's)
    # and a shortcut to it, made by the shell's own object.
    folder = os.path.join(DRIVE_C, "t", "Юникод 日本")
    name = f"probe 😀{os.getpid()}.exe"
    target = f"C:\\t\\Юникод 日本\\{name}"
    shutil.rmtree(os.path.dirname(folder), ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(PROBE_EXE, os.path.join(folder, name))
    assert wine(PROBE_EXE, "--link", LINK, target, "from-shortcut")[0] == 0
    corvane.start()
    options = corvane.past_welcome("first-run.png")
    typed = (PATH, PROBE), (ICON_PATH, PROBE), (PARAMETERS, "a b"), (DESCRIPTION, "Typed probe")
    for field, text in typed:
        click(at(options, field))
        run("xdotool", "type", text)
    click(at(options, ADD))
    icon = tray_icon()
    poll("the entry's tray icon", lambda: drawn(icon))
    corvane.choose(icon, None)  # the first entry's icon has the menu at once; a click aside closes it
    click(icon, double=True)
    assert poll("the entry to start", probe_runs) == [f'"{PROBE}" a b']

    click(at(options, BROWSE))
    poll("the open-file dialog", lambda: shown("^Select an Executable$"))
    run("xdotool", "type", LINK)
    closed("Select an Executable", "key", "Return")
    click(at(options, ADD))
    second = (icon[0] - 20, icon[1])  # Wine's tray puts a new icon to the left
    poll("the second entry's tray icon", lambda: drawn(second))
    screenshot(options, "general-page.png")
    click(second, double=True)  # the program starts by its own name
    assert poll("the browsed entry to start", lambda: probe_log(folder)) == [
        (target, f'"{target}" from-shortcut')]
    click(at(options, FIRST_ROW))
    click(at(options, DELETE))
    poll("one tray icon to go", lambda: not drawn(second))

    click(at(options, ABOUT, CLIENT))
    corvane.wait_shown("About")
    closed("About", "key", "Return")  # its OK, which has the focus
    click(at(options, OPTIONS_TAB, CLIENT))
    screenshot(options, "options-page.png")
    click(at(options, MINIMIZE, CLIENT))
    poll("the options window to hide", lambda: not shown(f"^{OPTIONS}$"))
    # Stored as their UTF-16 bytes (`reg query` of such names hangs), and loaded by the next run.
    poll("the entry in user.reg", lambda: stored(0, "Path") == target.encode("utf-16-le"), 60)
    assert [stored(0, "Params"), stored(0, "Tool Tip")] == [
        text.encode("utf-16-le") for text in ("from-shortcut", "Probe by shortcut")]
    corvane.wait_exit(kill=True)
    click(corvane.start_with_icon(), double=True)
    poll("the loaded entry to start", lambda: len(probe_log(folder)) == 2)
