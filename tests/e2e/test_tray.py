"""The program's tray presence, used as a user uses it: real clicks on the
icons in the notification area of Wine's task bar and on the rows of the
pop-up menu, with what was started seen by the probes."""

import pytest

from harness import (APP_CLASS, ENTRY_KEY, EXIT_ROW, FIRST_ICON_ID, MAIN_ICON_ID, OPTIONS_CLASS,
                     OPTIONS_ROW, PATH_RECALL_ROW, REG_DWORD, dword, entry_values, poll,
                     settings_tree, sz)

NORMAL, MAXIMIZED, MINIMIZED, HIDDEN = range(4)
SW_HIDE, SW_SHOWMAXIMIZED, SW_SHOW = 0, 3, 5

# The pop-up menu's own commands: PathRecall, "Options...", "Help", "Exit Corvane".
COMMAND_ROWS = 4


def start_with(corvane, entries, **options):
    """Stores `entries` (folder, tip, params, start mode) as probe entries,
    starts the program and waits for its tray icons; answers the probe
    paths and the icons' centres (entry icons in slot order, or the one
    main icon in pop-up mode)."""
    paths, values = [], []
    for folder, tip, params, mode in entries:
        path = corvane.place_probe(folder)
        paths.append(path)
        # The entry's own file gives its icon: an entry with no icon path has an
        # empty place in the tray, which a screenshot cannot find.
        values.append(entry_values(path, icon_path=path, tip=tip, params=params, start_mode=mode))
    corvane.store(settings_tree(values, **options))
    corvane.start().wait_ready()
    icons = corvane.tray_icons(1 if options.get("popup") else len(entries))
    return paths, icons


def assert_started(run, path, show, params=None):
    assert run["exe"] == path
    assert (run["useShowWindow"], run["wShowWindow"]) == (True, show), run
    assert run["cwd"] == path.rsplit("\\", 1)[0]
    if params is not None:
        assert run["cmdline"].endswith(" " + params), run["cmdline"]


def test_a_double_click_starts_the_entry_shown_whatever_its_mode_and_a_single_click_nothing(
        corvane):
    paths, icons = start_with(corvane, [
        ("hidden tools", "hidden", '-x "two words"', HIDDEN),
        ("maximized", "maximized", "-m", MAXIMIZED),
    ], single_click=0)

    corvane.click_tray(icons[0])
    corvane.click_tray(icons[1], double=True)
    runs = corvane.wait_runs(1)
    assert_started(runs[0], paths[1], SW_SHOW, "-m")

    corvane.click_tray(icons[0], double=True)
    runs = corvane.wait_runs(2)
    assert_started(runs[1], paths[0], SW_SHOW, '-x "two words"')
    assert runs[1]["argv"][1:] == ["-x", "two words"]
    # The single click came first and started nothing.
    corvane.assert_no_more_runs(2)


def test_with_single_click_one_click_starts_the_entry_and_a_double_click_starts_it_once(corvane):
    paths, icons = start_with(corvane, [
        ("first", "first", "-1", MINIMIZED),
        ("second", "second", "-2", HIDDEN),
    ], single_click=1)

    corvane.click_tray(icons[0])
    runs = corvane.wait_runs(1)
    assert_started(runs[0], paths[0], SW_SHOW, "-1")

    corvane.click_tray(icons[1], double=True)
    corvane.wait_runs(2)
    # A click on the other icon afterwards: once it has started its entry,
    # the double click has been handled whole.
    corvane.click_tray(icons[0])
    corvane.wait_runs(3)

    runs = corvane.assert_no_more_runs(3)
    assert [run["exe"] for run in runs] == [paths[0], paths[1], paths[0]]
    assert_started(runs[1], paths[1], SW_SHOW, "-2")


def test_in_popup_mode_the_menu_rows_start_entries_with_their_own_start_mode(corvane):
    paths, (main_icon,) = start_with(corvane, [
        ("maximized", "maximized entry", "-max", MAXIMIZED),
        ("hidden", "hidden entry", "-hide", HIDDEN),
        ("minimized", "minimized entry", "-min", MINIMIZED),
    ], popup=1)
    assert corvane.probe_runs() == []

    menu = corvane.open_menu(main_icon)
    assert len(menu.rows()) == 3 + COMMAND_ROWS
    menu.choose(0)
    runs = corvane.wait_runs(1)
    assert_started(runs[0], paths[0], SW_SHOWMAXIMIZED, "-max")

    # A launch click on the main icon opens the same menu.
    menu = corvane.open_menu(main_icon, button=1, double=True)
    menu.choose(1)
    runs = corvane.wait_runs(2)
    assert_started(runs[1], paths[1], SW_HIDE, "-hide")
    corvane.assert_no_more_runs(2)


def test_a_right_click_on_an_entry_icon_opens_the_command_menu_and_starts_nothing(corvane):
    paths, icons = start_with(corvane, [
        ("first", "first", "-1", NORMAL),
        ("second", "second", "-2", NORMAL),
    ], single_click=0)

    menu = corvane.open_menu(icons[1])
    assert len(menu.rows()) == COMMAND_ROWS
    menu.close()

    corvane.click_tray(icons[1], double=True)
    runs = corvane.wait_runs(1)
    assert_started(runs[0], paths[1], SW_SHOW, "-2")
    corvane.assert_no_more_runs(1)


@pytest.mark.parametrize("popup", [0, 1], ids=["entry-icons", "popup-mode"])
def test_without_entries_only_popup_mode_shows_an_icon_whose_menu_holds_the_commands(
        corvane, popup):
    corvane.store(settings_tree([], popup=popup))
    corvane.start().wait_ready()
    if not popup:
        assert corvane.tray_icons(0) == []
        return
    (main_icon,) = corvane.tray_icons(1)
    menu = corvane.open_menu(main_icon)
    assert len(menu.rows()) == COMMAND_ROWS
    menu.close()
    assert corvane.probe_runs() == []


def test_options_in_the_menu_brings_back_the_program_hidden_at_start(corvane):
    path = corvane.place_probe("tools")
    corvane.store(settings_tree([entry_values(path, icon_path=path, tip="tools")],
                                hide_on_start=1))
    windows = corvane.start().wait_started()
    assert not windows[OPTIONS_CLASS]["visible"] and not windows[APP_CLASS]["visible"]
    (icon,) = corvane.tray_icons(1)

    corvane.open_menu(icon).choose(OPTIONS_ROW)

    def shown():
        options, application = corvane.window(OPTIONS_CLASS), corvane.window(APP_CLASS)
        return options["visible"] and options["foreground"] and application["visible"]
    poll("the options window to come to the front", shown)
    assert not corvane.window(OPTIONS_CLASS)["iconic"]
    assert corvane.probe_runs() == []


def test_exit_corvane_in_the_menu_saves_and_ends_with_exit_code_0_leaving_no_icon(corvane):
    first = corvane.place_probe("first")
    second = corvane.place_probe("second")
    # Values that a save writes differently: an empty icon path is saved as
    # the path itself, a text is saved without a terminating zero, and
    # "Single Click" 2 reads as set and is saved as 1.
    slot0 = entry_values(first, icon_path="", params="-1", tip="first", start_mode=MAXIMIZED)
    slot0["Tool Tip"] = sz("first", terminated=True)
    slot1 = entry_values(second, icon_path=first, params="-2", tip="second")
    corvane.store(settings_tree([slot0, slot1], single_click=2, popup=1))
    corvane.start().wait_ready()
    (main_icon,) = corvane.tray_icons(1)

    menu = corvane.open_menu(main_icon)
    assert corvane.settings()["values"]["Single Click"]["hex"] == dword(2)["hex"]
    menu.choose(EXIT_ROW)

    assert corvane.wait_exit() == 0
    assert corvane.probe_runs() == []
    stored = corvane.settings()
    options = stored["values"]
    for name, value in (("Single Click", 1), ("PopUpIt", 1), ("Icon Count", 2)):
        assert (options[name]["type"], options[name]["hex"]) == (REG_DWORD, dword(value)["hex"])
    saved0 = stored["subkeys"][ENTRY_KEY.format(0)]["values"]
    saved1 = stored["subkeys"][ENTRY_KEY.format(1)]["values"]
    assert saved0["Icon Path"]["hex"] == sz(first)["hex"]
    assert saved0["Tool Tip"]["hex"] == sz("first")["hex"]
    assert (saved0["Params"]["str"], saved0["StartMode"]["dword"]) == ("-1", MAXIMIZED)
    assert [saved1[n]["str"] for n in ("Path", "Icon Path", "Params", "Tool Tip")] == \
        [second, first, "-2", "second"]
    # The main icon leaves the tray with the program.
    corvane.tray_icons(0)


@pytest.mark.parametrize("popup", [0, 1], ids=["entry-icons", "popup-mode"])
def test_when_the_tray_restarts_the_icons_come_back_and_still_start_their_entries(
        corvane, popup):
    paths, icons = start_with(corvane, [
        ("first", "first", "-1", MAXIMIZED),
        ("second", "second", "-2", HIDDEN),
    ], popup=popup)
    # A tray that restarts has forgotten every icon; then it announces
    # itself with "TaskbarCreated" to every top-level window.
    options = corvane.window(OPTIONS_CLASS)["hwnd"]
    ids = [MAIN_ICON_ID] if popup else [FIRST_ICON_ID, FIRST_ICON_ID + 1]
    for icon_id in ids:
        assert corvane.tool.tray_delete(options, icon_id) == {"ok": True}
    corvane.tray_icons(0)

    assert corvane.tool.broadcast_taskbar_created()["ok"]

    restored = corvane.tray_icons(len(icons))
    assert restored == icons, "the icons come back in their places"
    if popup:
        corvane.open_menu(restored[0]).choose(1)
        runs = corvane.wait_runs(1)
        assert_started(runs[0], paths[1], SW_HIDE, "-2")
    else:
        corvane.click_tray(restored[1], double=True)
        runs = corvane.wait_runs(1)
        assert_started(runs[0], paths[1], SW_SHOW, "-2")
    corvane.assert_no_more_runs(1)


def path_recall(corvane, icon, explorer):
    """Chooses PathRecall on the menu of `icon`; answers Explorer's run."""
    before = len(explorer.runs())
    corvane.open_menu(icon).choose(PATH_RECALL_ROW)
    runs = poll("Explorer to start", lambda: len(explorer.runs()) > before and explorer.runs())
    assert len(runs) == before + 1, runs
    return runs[-1]


def assert_explorer_started(run, params):
    # The Windows directory followed by "\Explorer.exe", as the program
    # named it; the file itself is spelt in lower case.
    assert run["argv"] == ["C:\\windows\\Explorer.exe", params], run["cmdline"]
    assert run["exe"].lower() == "c:\\windows\\explorer.exe"
    assert run["cwd"] == "C:\\windows"
    assert (run["useShowWindow"], run["wShowWindow"]) == (True, SW_SHOW)


def test_path_recall_before_any_explorer_window_opens_explorer_with_the_switches_alone(
        corvane, explorer_probe):
    _, (icon,) = start_with(corvane, [("tools", "tools", "", NORMAL)])

    run = path_recall(corvane, icon, explorer_probe)

    assert_explorer_started(run, "/n,/e,")
    assert run["cmdline"].endswith("/n,/e,")
    assert corvane.probe_runs() == []


def test_path_recall_opens_explorer_on_the_folder_of_the_explorer_window_in_front(
        corvane, explorer_probe):
    _, (icon,) = start_with(corvane, [("tools", "tools", "", NORMAL)])
    title = "Exploring - C:\\Projects"
    explorer_window = corvane.tool.titled_window(title)
    try:
        def in_front():
            found = [w for w in corvane.tool.windows() if w["title"] == title]
            return found and found[0]["foreground"] and found[0]
        window = poll("the Explorer window to come to the front", in_front)
        # kestrel.dll looks at the window in front four times a second; a
        # menu opened before it has looked takes the front away first. Then
        # the window is brought to the front again and PathRecall is tried
        # once more.
        for _ in range(4):
            run = path_recall(corvane, icon, explorer_probe)
            if run["argv"][1:] != ["/n,/e,"]:
                break
            corvane.tool.front(window["hwnd"])
            poll("the Explorer window to come to the front again", in_front)
        assert_explorer_started(run, "/n,/e,C:\\Projects")
    finally:
        explorer_window.stdin.close()
        explorer_window.wait(timeout=30)
