"""The real corvane.exe under Wine, used as a user uses it."""

import os
import subprocess

from harness import (FIRST_ROW, KEY, LAST_ROW, PROBE_DIR, click, geometry, poll, probe_runs,
                     reg_import, registry, wine)

ENTRY_RUN = '"C:\\corvane-e2e\\probe.exe" from-corvane'  # the start of data/entry.reg's entry
NO_FOLDER = '"C:\\windows\\Explorer.exe" /n,/e,'  # PathRecall's start of Explorer on no folder


def test_first_run_shows_the_options_and_welcome_windows_and_writes_the_defaults(corvane):
    assert registry() == {}
    corvane.start()
    corvane.wait_shown("Corvane 3.0 Options")
    corvane.wait_shown("Welcome")
    defaults = ("Icon Count", "PopUpIt", "SmallIcons", "Single Click", "Hide on Start")
    assert registry() == {"": {name: ("REG_DWORD", "0x0") for name in defaults}}


def test_a_double_click_on_the_entry_icon_starts_the_entry(corvane):
    reg_import("entry.reg")
    click(corvane.start_with_icon(), double=True)
    assert poll("the entry to start", probe_runs) == [ENTRY_RUN]


def test_a_row_of_the_popup_menu_starts_its_entry(corvane):
    reg_import("entry.reg")
    assert wine("reg", "add", KEY, "/v", "PopUpIt", "/t", "REG_DWORD", "/d", "1", "/f")[0] == 0
    corvane.choose(corvane.start_with_icon(), FIRST_ROW)  # pop-up mode's one icon; the entry
    assert poll("the entry to start", probe_runs) == [ENTRY_RUN]


def test_path_recall_opens_explorer_on_the_folder_of_the_explorer_window_in_front(
        corvane, explorer):
    reg_import("entry.reg")
    icon = corvane.start_with_icon()
    window = subprocess.Popen(
        ["wine", os.path.join(PROBE_DIR, "probe.exe"), "--window", "Exploring - C:\\Projects"],
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        (exploring,) = corvane.wait_shown("Exploring - C:.Projects")
        left, top, width, height = geometry(exploring)
        # The program looks at the window in front four times a second, and its menu takes the
        # front away: until it has seen the Explorer window there, PathRecall names no folder. A
        # click brings the window back to the front while Explorer starts; then PathRecall is
        # tried again.
        runs = []
        for _ in range(5):
            corvane.choose(icon, FIRST_ROW)  # PathRecall
            click((left + width // 2, top + height // 2))
            runs = poll("Explorer to start",
                        lambda: probe_runs(explorer)[len(runs):] and probe_runs(explorer))
            if runs[-1] != NO_FOLDER:
                break
        assert runs[-1] == NO_FOLDER + "C:\\Projects", runs
        assert set(runs[:-1]) <= {NO_FOLDER}, runs
    finally:
        window.kill()
        window.wait(timeout=30)


def test_exit_corvane_saves_the_entries_and_ends_with_exit_code_0(corvane):
    reg_import("entry.reg")
    stored = registry()
    icon = corvane.start_with_icon()
    assert wine("reg", "delete", KEY, "/f")[0] == 0
    corvane.choose(icon, LAST_ROW)  # Exit Corvane
    assert corvane.wait_exit() == 0
    saved = registry()
    assert saved[""]["Icon Count"] == ("REG_DWORD", "0x1")
    assert saved["Tool Box Icon  0"] == stored["Tool Box Icon  0"]
