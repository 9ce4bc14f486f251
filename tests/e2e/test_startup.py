"""Start-up of the real program: the first run, Auto Start entries, "Hide on
Start", and a damaged store."""

import time

from harness import (APP_CLASS, ENTRY_KEY, OPTIONS_CLASS, REG_DWORD, WELCOME_CLASS, WM_CLOSE,
                     dword, entry_values, poll, settings_tree, sz)

FIRST_RUN_VALUES = ("Icon Count", "Single Click", "Hide on Start", "PopUpIt", "SmallIcons")


def test_first_run_writes_the_defaults_and_welcomes_above_the_options_window(corvane):
    assert corvane.vendor() == {"exists": False}

    windows = corvane.start().wait_started()

    stored = corvane.settings()
    assert sorted(stored["values"]) == sorted(FIRST_RUN_VALUES)
    for name in FIRST_RUN_VALUES:
        value = stored["values"][name]
        assert (value["type"], value["size"], value["dword"]) == (REG_DWORD, 4, 0), name
    assert stored["subkeys"] == {}

    options = windows[OPTIONS_CLASS]
    assert options["title"] == "Corvane 3.0 Options"
    assert options["visible"] and not options["iconic"] and not options["zoomed"]
    assert options["rect"][:2] == [202, 141]

    welcome = windows[WELCOME_CLASS]
    assert welcome["title"] == "Welcome"
    assert welcome["visible"] and not welcome["iconic"]
    assert welcome["topmost"]
    assert welcome["z"] < options["z"], "the welcome window stands above the options window"
    assert corvane.running()


def test_auto_start_entries_start_in_slot_order_with_their_folder_mode_and_parameters(corvane):
    paths = [corvane.place_probe(folder, name) for folder, name in (
        ("zero", "probe0.exe"), ("one tools", "probe1.exe"), ("two", "probe2.exe"),
        ("three", "probe3.exe"))]
    params1 = '--title "two words" plain \'single\''
    params3 = '"C:\\some folder\\file.txt" -x'
    entries = [
        entry_values(paths[0], tip="zero", params="never"),
        entry_values(paths[1], tip="one", params=params1, auto_start=True, start_mode=3),
        entry_values(paths[2], tip="two", params="never", auto_start=False, start_mode=1),
        entry_values(paths[3], tip="three", params=params3, auto_start=True, start_mode=1),
    ]
    corvane.store(settings_tree(entries))

    corvane.start().wait_started()
    runs = poll("two probe runs", lambda: len(corvane.probe_runs()) >= 2 and corvane.probe_runs())
    # The other probes would have been started in the same creation handler;
    # give a late one a moment to show up before counting.
    time.sleep(1.0)
    runs = corvane.probe_runs()

    assert [run["exe"] for run in runs] == [paths[1], paths[3]]
    hidden, maximized = runs
    assert (hidden["useShowWindow"], hidden["wShowWindow"]) == (True, 0)
    assert (maximized["useShowWindow"], maximized["wShowWindow"]) == (True, 3)
    assert hidden["cwd"] == "C:\\corvane-e2e\\one tools"
    assert maximized["cwd"] == "C:\\corvane-e2e\\three"
    assert hidden["cmdline"].endswith(" " + params1)
    assert hidden["argv"][1:] == ["--title", "two words", "plain", "'single'"]
    assert maximized["cmdline"].endswith(" " + params3)
    assert maximized["argv"][1:] == ["C:\\some folder\\file.txt", "-x"]


def test_hide_on_start_with_entries_shows_no_window_and_keeps_running(corvane):
    path = corvane.place_probe("tools")
    corvane.store(settings_tree([entry_values(path, tip="probe")], hide_on_start=1))

    windows = corvane.start().wait_started()

    assert not windows[APP_CLASS]["visible"]
    assert not windows[OPTIONS_CLASS]["visible"]
    assert WELCOME_CLASS not in windows
    assert [w for w in corvane.program_windows() if w["visible"]] == []
    assert corvane.running()
    # Hidden, not gone: it still answers a close request, and ends cleanly.
    corvane.post(OPTIONS_CLASS, WM_CLOSE)
    assert corvane.wait_exit() == 0


def test_a_damaged_store_is_loaded_and_left_alone_until_saved(corvane):
    first = corvane.place_probe("first")
    second = corvane.place_probe("second")
    damaged_entry = entry_values(second, icon_path=first, params="-b", tip="second")
    damaged_entry["StartMode"] = sz("1")
    tree = settings_tree(
        [entry_values(first, icon_path=second, params="-a", tip="first", start_mode=2),
         damaged_entry],
        count=sz("2"))
    corvane.store(tree)
    before = corvane.settings()

    corvane.start().wait_started()

    assert corvane.settings() == before, "start-up must not rewrite a damaged store"
    corvane.post(OPTIONS_CLASS, WM_CLOSE)
    assert corvane.wait_exit() == 0

    after = corvane.settings()
    assert after["values"]["Icon Count"]["hex"] == dword(2)["hex"]
    assert after["values"]["Icon Count"]["type"] == REG_DWORD
    slot0 = after["subkeys"][ENTRY_KEY.format(0)]["values"]
    slot1 = after["subkeys"][ENTRY_KEY.format(1)]["values"]
    assert [slot0[n].get("str") for n in ("Path", "Icon Path", "Params", "Tool Tip")] == \
        [first, second, "-a", "first"]
    assert slot0["StartMode"]["dword"] == 2
    assert [slot1[n].get("str") for n in ("Path", "Icon Path", "Params", "Tool Tip")] == \
        [second, first, "-b", "second"]
    # The unreadable start mode comes back as Normal, now stored as a number.
    assert (slot1["StartMode"]["type"], slot1["StartMode"]["dword"]) == (REG_DWORD, 0)
