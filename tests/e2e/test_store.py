"""What the real program leaves in the registry when it saves: a shorter list
leaves the subkeys behind it alone, and "Minimize" saves and hides."""

import copy

from harness import (APP_CLASS, ENTRY_KEY, OPTIONS_CLASS, WM_CLOSE, dword, entry_values, poll,
                     settings_tree, sz)


def test_saving_three_entries_then_two_leaves_the_third_subkey_untouched(corvane):
    paths = [corvane.place_probe(f"slot{i}") for i in range(3)]
    corvane.store(settings_tree(
        [entry_values(path, params=f"-{i}", tip=f"entry {i}", start_mode=i)
         for i, path in enumerate(paths)]))
    corvane.start().wait_started()
    corvane.click("&Quit")
    assert corvane.wait_exit() == 0

    saved = corvane.settings()
    assert saved["values"]["Icon Count"]["hex"] == dword(3)["hex"]
    assert sorted(saved["subkeys"]) == [ENTRY_KEY.format(i) for i in range(3)]
    assert saved["subkeys"][ENTRY_KEY.format(2)]["values"]["Icon Path"]["str"] == paths[2]

    # Two entries now; texts stored with a terminating zero show which
    # subkeys the next save rewrites.
    shorter = copy.deepcopy(saved)
    shorter["values"]["Icon Count"] = dword(2)
    for slot in (0, 2):
        shorter["subkeys"][ENTRY_KEY.format(slot)]["values"]["Tool Tip"] = \
            sz(f"entry {slot}", terminated=True)
    corvane.store(shorter)
    before = corvane.settings()
    third_before = before["subkeys"][ENTRY_KEY.format(2)]

    corvane.restart().wait_started()
    corvane.click("&Quit")
    assert corvane.wait_exit() == 0

    after = corvane.settings()
    assert after["values"]["Icon Count"]["hex"] == dword(2)["hex"]
    assert after["subkeys"][ENTRY_KEY.format(2)] == third_before
    assert after["subkeys"][ENTRY_KEY.format(2)]["values"]["Tool Tip"]["hex"] == \
        sz("entry 2", terminated=True)["hex"]
    assert after["subkeys"][ENTRY_KEY.format(0)]["values"]["Tool Tip"]["hex"] == \
        sz("entry 0")["hex"], "slot 0 is rewritten"
    for slot in (0, 1):
        values = after["subkeys"][ENTRY_KEY.format(slot)]["values"]
        assert values["Path"]["str"] == paths[slot]
        assert values["StartMode"]["dword"] == slot


def test_minimize_with_entries_saves_hides_the_program_and_keeps_it_running(corvane):
    paths = [corvane.place_probe("one"), corvane.place_probe("two")]
    corvane.store(settings_tree(
        [entry_values(paths[0], tip="one"), entry_values(paths[1], tip="two", auto_start=False)],
        count=2, single_click=0))
    windows = corvane.start().wait_started()
    assert windows[OPTIONS_CLASS]["visible"] and windows[APP_CLASS]["visible"]

    corvane.click("Minimize")

    # The save comes before the hiding, so a hidden program has saved.
    poll("the program to hide", lambda: not any(w["visible"] for w in corvane.program_windows()))
    stored = corvane.settings()
    for slot, path in enumerate(paths):
        values = stored["subkeys"][ENTRY_KEY.format(slot)]["values"]
        assert values["Icon Path"]["str"] == path, "an empty icon path is saved as the path"
    assert stored["values"]["Icon Count"]["hex"] == dword(2)["hex"]
    assert corvane.running(), "Minimize hides the program, it does not end it"

    # Still alive and listening: a close request now ends it cleanly.
    corvane.post(OPTIONS_CLASS, WM_CLOSE)
    assert corvane.wait_exit() == 0
