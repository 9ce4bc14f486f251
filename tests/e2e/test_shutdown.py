"""Ways out of the real program: "&Quit", a close request, Windows logging
off, and "Minimize" with an empty table. Each saves and ends with exit code 0."""

import pytest

from harness import (APP_CLASS, ENTRY_KEY, OPTIONS_CLASS, REG_DWORD, REG_SZ, WELCOME_CLASS,
                     WM_CLOSE, WM_ENDSESSION, WM_QUERYENDSESSION, dword, entry_values, poll,
                     settings_tree, sz)

SINGLE_CLICK_BOX = "Single Click Launch (instead of double clicking)"
HIDE_BOX = "Hide on Startup"


def two_entries(corvane):
    """Two entries, the first without an icon path and with a tool tip stored
    with a terminating zero, as another tool might have written it."""
    first = corvane.place_probe("first")
    second = corvane.place_probe("second")
    slot0 = entry_values(first, params="-one", tip="first")
    slot0["Tool Tip"] = sz("first", terminated=True)
    slot1 = entry_values(second, icon_path=first, params="-two", tip="second", start_mode=2)
    return [first, second], [slot0, slot1]


def option(stored, name):
    value = stored["values"][name]
    assert (value["type"], value["size"]) == (REG_DWORD, 4), name
    return value["dword"]


def assert_entries_rewritten(stored, paths):
    assert option(stored, "Icon Count") == 2
    slot0 = stored["subkeys"][ENTRY_KEY.format(0)]["values"]
    slot1 = stored["subkeys"][ENTRY_KEY.format(1)]["values"]
    # An empty icon path is stored as the path itself.
    assert slot0["Icon Path"]["str"] == paths[0]
    assert slot0["Path"]["str"] == paths[0]
    # Strings are written without a terminating zero.
    assert slot0["Tool Tip"]["hex"] == sz("first")["hex"]
    for name in ("Path", "Icon Path", "Params", "Tool Tip"):
        assert slot0[name]["type"] == REG_SZ
        assert slot0[name]["hex"] == sz(slot0[name]["str"])["hex"], name
    assert [slot1[n]["str"] for n in ("Path", "Icon Path", "Params", "Tool Tip")] == \
        [paths[1], paths[0], "-two", "second"]
    assert (slot1["Auto Start"]["dword"], slot1["StartMode"]["dword"]) == (0, 2)


def test_quit_button_saves_options_and_entries_and_ends_with_exit_code_0(corvane):
    paths, entries = two_entries(corvane)
    corvane.store(settings_tree(entries, single_click=0))
    corvane.start().wait_started()

    corvane.show_options_page()
    assert corvane.tick(SINGLE_CLICK_BOX) is True
    corvane.click("&Quit")

    assert corvane.wait_exit() == 0
    stored = corvane.settings()
    assert option(stored, "Single Click") == 1
    assert option(stored, "Hide on Start") == 0
    assert option(stored, "PopUpIt") == 0
    assert_entries_rewritten(stored, paths)


@pytest.mark.parametrize("with_entries", [True, False], ids=["entries", "empty-table"])
def test_a_close_request_saves_and_ends_with_exit_code_0(corvane, with_entries):
    paths, entries = two_entries(corvane) if with_entries else ([], [])
    corvane.store(settings_tree(entries, hide_on_start=0))
    corvane.start().wait_started()

    corvane.show_options_page()
    assert corvane.tick(HIDE_BOX) is True
    corvane.post(OPTIONS_CLASS, WM_CLOSE)

    assert corvane.wait_exit() == 0
    stored = corvane.settings()
    assert option(stored, "Hide on Start") == 1
    if with_entries:
        assert_entries_rewritten(stored, paths)
    else:
        assert option(stored, "Icon Count") == 0
        assert stored["subkeys"] == {}


def test_log_off_saves_the_unsaved_change_and_ends_with_exit_code_0(corvane):
    paths, entries = two_entries(corvane)
    corvane.store(settings_tree(entries, single_click=0))
    corvane.start().wait_started()
    corvane.show_options_page()
    assert corvane.tick(SINGLE_CLICK_BOX) is True
    assert option(corvane.settings(), "Single Click") == 0, "nothing is saved before log-off"

    answer = corvane.send(APP_CLASS, WM_QUERYENDSESSION, 0, 0)
    assert answer == {"ok": True, "result": 1}, "the program agrees to end the session"
    corvane.send(APP_CLASS, WM_ENDSESSION, 1, 0)

    assert corvane.wait_exit() == 0
    stored = corvane.settings()
    assert option(stored, "Single Click") == 1
    assert_entries_rewritten(stored, paths)


def test_minimize_with_an_empty_table_saves_the_options_and_ends_with_exit_code_0(corvane):
    # "Single Click" stored as 2 reads as set and is written back as 1.
    corvane.store(settings_tree([], single_click=2, hide_on_start=1))
    windows = corvane.start().wait_started()
    assert windows[OPTIONS_CLASS]["visible"], "Hide on Start with no entry shows the window"

    corvane.click("Minimize")

    assert corvane.wait_exit() == 0
    stored = corvane.settings()
    assert stored["values"]["Single Click"]["hex"] == dword(1)["hex"]
    assert option(stored, "Hide on Start") == 1
    assert option(stored, "Icon Count") == 0
    assert stored["subkeys"] == {}


def test_first_run_welcome_closes_with_ok_and_quit_ends_with_exit_code_0(corvane):
    windows = corvane.start().wait_started()
    assert windows[WELCOME_CLASS]["visible"]

    corvane.click("OK", cls=WELCOME_CLASS)
    poll("the welcome window to hide", lambda: not corvane.window(WELCOME_CLASS)["visible"])
    assert corvane.window(OPTIONS_CLASS)["visible"]
    corvane.click("&Quit")

    assert corvane.wait_exit() == 0
    stored = corvane.settings()
    assert option(stored, "Icon Count") == 0
    assert stored["subkeys"] == {}
