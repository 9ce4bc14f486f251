"""The real corvane.exe under Wine on a stored entry, used from its tray menu as a user does."""

import os

from harness import (CORVANE_EXE, FIRST_ROW, KEY, LAST_ROW, PROBE_EXE, SCREEN, at, click, geometry,
                     poll, probe_runs, reg_import, registry, run, tray_icon, wine, windows)

HELP, BLANK = (421, 270), (320, 136)  # on the "General" page: "&Help"'s middle, no control


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


def test_help_opens_the_page_beside_the_program_with_the_shell_s_open_verb(corvane, html_opens_in_probe):
    reg_import("entry.reg")
    corvane.start_with_icon()
    click(at(corvane.wait_shown("Corvane 3.0 Options")[0], HELP))
    page = "Z:" + os.path.join(os.path.dirname(CORVANE_EXE), "Corvane.html").replace("/", "\\")
    assert poll("the page to open", probe_runs) == [f'"C:\\corvane-e2e\\probe.exe" "{page}"']


def test_the_hot_key_opens_the_launcher_menu_at_the_mouse(corvane):
    reg_import("entry.reg")  # and "Hot Key" Ctrl+Alt+K (0x064B), registered at the start-up timer
    assert wine("reg", "add", KEY, "/v", "Hot Key", "/t", "REG_DWORD", "/d", "0x064B", "/f")[0] == 0
    corvane.start_with_icon()
    window = corvane.wait_shown("Corvane 3.0 Options")[0]
    mouse, (left, top, w, h) = at(window, BLANK), geometry(window)  # inside it, on the screen:
    assert left < mouse[0] < min(left + w, SCREEN[0]) and top < mouse[1] < min(top + h, SCREEN[1])
    before = windows()
    click(mouse)  # the window has the keyboard; the mouse stays there
    run("xdotool", "key", "ctrl+alt+k")
    menu = poll("the menu", lambda: windows() - before)
    x, y, width, _ = geometry(next(iter(menu)))  # its upper right corner at the mouse
    assert abs(x + width - mouse[0]) <= 2 and abs(y - mouse[1]) <= 2
    run("xdotool", "key", "Escape")


def test_hide_on_startup_makes_no_options_window_until_a_second_start_asks_for_it(corvane):
    reg_import("entry.reg")
    assert wine("reg", "add", KEY, "/v", "Hide on Start", "/t", "REG_DWORD", "/d", "1", "/f")[0] == 0
    corvane.start()
    corvane.choose(tray_icon(), None)  # its menu opens, so the start is over, and a click aside closes it
    assert wine(PROBE_EXE, "--class", "CorvaneTray")[0] == 0
    assert wine(PROBE_EXE, "--class", "CorvaneOptions")[0] == 1, "an options window was made"
    assert wine(CORVANE_EXE)[0] == 0  # asks the running copy's tray window for "Options..."
    corvane.wait_shown("Corvane 3.0 Options")
