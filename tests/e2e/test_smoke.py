"""The real corvane.exe under Wine on a stored entry, used from its tray menu as a user does."""

import os
import subprocess

from harness import (FIRST_ROW, KEY, LAST_ROW, PROBE_DIR, QUIET, click, geometry, poll, probe_runs,
                     reg_import, registry, wine)

NO_FOLDER = '"C:\\windows\\Explorer.exe" /n,/e,'  # PathRecall's start of Explorer on no folder


def test_a_popup_menu_row_starts_its_entry_and_exit_saves_and_ends_with_0(corvane):
    reg_import("entry.reg")
    assert wine("reg", "add", KEY, "/v", "PopUpIt", "/t", "REG_DWORD", "/d", "1", "/f")[0] == 0
    stored, icon = registry(), corvane.start_with_icon()
    assert wine("reg", "delete", KEY, "/f")[0] == 0  # only the save writes it back
    corvane.choose(icon, FIRST_ROW)  # pop-up mode's one icon; the entry
    assert poll("the entry to start", probe_runs) == ['"C:\\corvane-e2e\\probe.exe" from-corvane']
    corvane.choose(icon, LAST_ROW)  # Exit Corvane
    assert corvane.wait_exit() == 0
    del stored[""]["SmallIcons"]  # stored as it changes, never by a save
    assert registry() == stored


def test_path_recall_opens_explorer_on_the_folder_of_the_explorer_window_in_front(
        corvane, explorer):
    reg_import("entry.reg")
    icon = corvane.start_with_icon()
    window = subprocess.Popen(["wine", os.path.join(PROBE_DIR, "probe.exe"), "--window",
                               "Exploring - C:\\Projects"], **QUIET)
    try:
        left, top, width, height = geometry(corvane.wait_shown("Exploring - C:.Projects")[0])
        # The program looks at the window in front four times a second and its menu takes the
        # front away: until it has seen the Explorer window there, PathRecall names no folder. A
        # click brings the window back to the front while Explorer starts, then PathRecall again.
        runs = []
        for _ in range(5):
            corvane.choose(icon, FIRST_ROW)  # PathRecall
            click((left + width // 2, top + height // 2))
            runs = poll("Explorer to start",
                        lambda: probe_runs(explorer)[len(runs):] and probe_runs(explorer))
            if runs[-1] != NO_FOLDER:
                break
        assert runs[-1] == NO_FOLDER + "C:\\Projects" and set(runs[:-1]) <= {NO_FOLDER}, runs
    finally:
        window.kill()
        window.wait(timeout=30)
