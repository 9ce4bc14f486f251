"""The real corvane.exe under Wine on a stored entry, used from its tray menu as a user does."""

from harness import FIRST_ROW, KEY, LAST_ROW, poll, probe_runs, reg_import, registry, wine


def test_a_popup_menu_row_starts_its_entry_and_exit_saves_and_ends_with_0(corvane):
    reg_import("entry.reg")
    reg_import("menu.reg")
    assert wine("reg", "add", KEY, "/v", "PopUpIt", "/t", "REG_DWORD", "/d", "1", "/f")[0] == 0
    stored, icon = registry(), corvane.start_with_icon()
    assert wine("reg", "delete", KEY, "/f")[0] == 0  # only the save writes it back
    corvane.choose(icon, FIRST_ROW, "popup-menu.png")  # pop-up mode's one icon; the entry
    assert poll("the entry to start", probe_runs) == ['"C:\\corvane-e2e\\probe.exe" from-corvane']
    corvane.choose(icon, LAST_ROW)  # Exit Corvane
    assert corvane.wait_exit() == 0
    del stored[""]["SmallIcons"]  # stored as it changes, never by a save
    assert registry() == stored

