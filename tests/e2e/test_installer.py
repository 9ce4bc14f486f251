"""What ships, installed, updated and uninstalled under Wine."""

import glob
import os

from harness import DRIVE_C, KEY, ROOT, poll, reg_import, registry, wine

UNINSTALL = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane"


def test_install_update_and_uninstall_for_one_user(corvane, monkeypatch):
    monkeypatch.setenv("WINEDLLOVERRIDES", "mscoree,mshtml,winemenubuilder.exe=d")  # no menu files
    [setup] = glob.glob(os.path.join(ROOT, "build", "release", "Corvane-*-setup.exe"))
    home, appdata = wine("cmd", "/c", "echo %LOCALAPPDATA%\\Programs\\Corvane&echo %APPDATA%")[1].splitlines()[:2]
    folder, menu = (os.path.join(DRIVE_C, *path.split("\\")[1:]) for path in (
        home, appdata + r"\Microsoft\Windows\Start Menu\Programs"))
    shortcuts = [os.path.join(menu, "Corvane.lnk"), os.path.join(menu, "StartUp", "Corvane.lnk")]
    wine("reg", "delete", UNINSTALL, "/f")  # no earlier install's choices

    assert wine(setup, "/S")[0] == 0
    assert sorted(os.listdir(folder)) == [
        "LICENSE", "README.md", "Uninstall.exe", "corvane.exe", "kestrel.dll"]
    for shortcut in shortcuts:
        with open(shortcut, "rb") as link:
            assert (home + r"\corvane.exe").encode() in link.read(), shortcut
    values = {name: data for name, (_, data) in registry(UNINSTALL)[""].items()}
    assert (values["UninstallString"], values["DisplayVersion"]) == (
        f'"{home}\\Uninstall.exe"', os.path.basename(setup).split("-")[1])

    # The installed program, with an entry, shows its tray icon; the update closes it through its
    # window, and it saves on the way out.
    reg_import("entry.reg")
    wine("reg", "delete", KEY, "/v", "Single Click", "/f")  # only a save writes it back
    corvane.start_with_icon(os.path.join(folder, "corvane.exe"))
    assert wine(setup, "/S")[0] == 0
    assert corvane.wait_exit() == 0, "the update closed the running program"
    saved = registry()
    assert "Single Click" in saved[""], "the program saved as it closed"
    assert all(os.path.exists(s) for s in shortcuts)

    corvane.start_with_icon(os.path.join(folder, "corvane.exe"))
    wine(os.path.join(folder, "Uninstall.exe"), "/S")
    poll("the uninstaller to finish", lambda: not registry(UNINSTALL), 60)
    assert corvane.wait_exit() == 0, "the uninstaller closed the running program"
    assert not os.path.exists(folder) and not any(os.path.exists(s) for s in shortcuts)
    assert registry() == saved, "a silent uninstall keeps the entries"
