"""The real corvane.exe under Wine on a stored entry, used from its tray menu as a user does."""

import os

from harness import (CORVANE_EXE, FIRST_ROW, KEY, LAST_ROW, PROBE_EXE, click, geometry, poll,
                     probe_runs, reg_import, registry, run, wine, windows)

HELP = (429, 317)  # the middle of the "&Help" button within the options window's X window


def test_a_popup_menu_row_starts_its_entry_and_exit_saves_and_ends_with_0(corvane):
    reg_import("entry.reg", "menu.reg")
    assert wine("reg", "add", KEY, "/v", "PopUpIt", "/t", "REG_DWORD", "/d", "1", "/f")[0] == 0
    stored, icon = registry(), corvane.start_with_icon()
    assert wine("reg", "delete", KEY, "/f")[0] == 0  # only the save writes it back
    corvane.choose(icon, FIRST_ROW, "popup-menu.png")  # pop-up mode's one icon; the entry
    assert poll("the entry to start", probe_runs) == ['"C:\\corvane-e2e\\probe.exe" from-corvane']
    corvane.choose(icon, LAST_ROW)  # Exit Corvane
    assert corvane.wait_exit() == 0
    del stored[""]["SmallIcons"]  # stored as it changes, never by a save
    assert registry() == stored


def test_an_entry_key_missing_below_the_count_is_named_and_no_entry_after_it_is_lost(corvane):
    reg_import("entry.reg", "menu.reg")  # five entries, of which the second goes
    assert wine("reg", "delete", KEY + r"\Tool Box Icon  1", "/f")[0] == 0
    stored, icon = registry(), corvane.start_with_icon()
    message = lambda: wine(PROBE_EXE, "--text", "Corvane Box")[1]  # the message box's text
    assert "'Tool Box Icon  1'" in poll("the message", message)
    run("xdotool", "key", "Return")  # its OK
    poll("the message to close", lambda: not message())
    corvane.choose(icon, LAST_ROW)  # Exit Corvane: a save, of the options alone
    assert corvane.wait_exit() == 0 and registry() == stored


def test_help_opens_the_page_beside_the_program_with_the_shell_s_open_verb(corvane, html_opens_in_probe):
    reg_import("entry.reg")
    corvane.start_with_icon()
    window = corvane.wait_shown("Corvane 3.0 Options")[0]
    # Shown minimized, off the screen, until the start-up timer puts it in place.
    box = poll("the options window in place", lambda: (at := geometry(window))[0] >= 0 and at)
    left, top = box[:2]
    click((left + HELP[0], top + HELP[1]))
    page = "Z:" + os.path.join(os.path.dirname(CORVANE_EXE), "Corvane.html").replace("/", "\\")
    assert poll("the page to open", probe_runs) == [f'"C:\\corvane-e2e\\probe.exe" "{page}"']


def test_the_hot_key_opens_the_launcher_menu_at_the_mouse(corvane):
    reg_import("entry.reg")  # and "Hot Key" Ctrl+Alt+K (0x064B), registered at the start-up timer
    assert wine("reg", "add", KEY, "/v", "Hot Key", "/t", "REG_DWORD", "/d", "0x064B", "/f")[0] == 0
    corvane.start_with_icon()
    window = corvane.wait_shown("Corvane 3.0 Options")[0]
    left, top = poll("the options window in place", lambda: (at := geometry(window))[0] >= 0 and at)[:2]
    before = windows()
    click((left + 200, top + 300))  # the window has the keyboard; the mouse stays there
    run("xdotool", "key", "ctrl+alt+k")
    menu = poll("the menu", lambda: windows() - before)
    x, y, width, _ = geometry(next(iter(menu)))  # its upper right corner at the mouse
    assert abs(x + width - (left + 200)) <= 2 and abs(y - (top + 300)) <= 2
    run("xdotool", "key", "Escape")
