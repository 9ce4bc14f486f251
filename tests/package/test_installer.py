"""The installer that ships, under Wine: a silent per-user install, the installed program in
the tray, an update over the running program, and a silent uninstall that keeps the entries."""

import os
import subprocess
from pathlib import Path

from harness import DESKTOP, ENTRY_KEY, SETTINGS_KEY, entry_values, poll, settings_tree, sz

UNINSTALL_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvane"
NOTEPAD = "C:\\windows\\notepad.exe"
# No Linux menu entries for the shortcuts the installer makes.
ENV = dict(os.environ, WINEDLLOVERRIDES=os.environ.get("WINEDLLOVERRIDES", "") +
           ";winemenubuilder.exe=d")


def wine(*args):
    return subprocess.run(["wine", *map(str, args)], env=ENV, capture_output=True, text=True,
                          timeout=120, check=True).stdout.splitlines()


def test_install_update_and_uninstall_for_one_user(wine_session, corvane):
    [setup] = Path(__file__).parents[2].joinpath("build", "release").glob("Corvane-*-setup.exe")
    tool = wine_session.tool
    # FindWindow looks in its own desktop only: set-up and uninstaller join the program's.
    for name in (setup.name, "Uninstall.exe"):
        tool.reg_load(f"Software\\Wine\\AppDefaults\\{name}\\Explorer",
                      {"values": {"Desktop": sz(DESKTOP, terminated=True)}, "subkeys": {}})
    home, appdata = wine("cmd", "/c", "echo %LOCALAPPDATA%\\Programs\\Corvane&echo %APPDATA%")
    folder, appdata = (Path(wine_session.drive_c, *p.split("\\")[1:]) for p in (home, appdata))
    menu = appdata / "Microsoft" / "Windows" / "Start Menu" / "Programs"
    shortcuts = [menu / "Corvane.lnk", menu / "StartUp" / "Corvane.lnk"]
    tool.reg_delete(UNINSTALL_KEY)  # no earlier install's choices

    wine(setup, "/S")
    assert sorted(p.name for p in folder.iterdir()) == \
        ["LICENSE", "README.md", "Uninstall.exe", "corvane.exe", "kestrel.dll"]
    assert all(f"{home}\\corvane.exe".encode() in s.read_bytes() for s in shortcuts)
    values = tool.reg_dump(UNINSTALL_KEY)["values"]
    assert {k: v.get("str", v.get("dword")) for k, v in values.items()} == {
        "DisplayName": "Corvane", "DisplayVersion": setup.name.split("-")[1], "NoModify": 1,
        "Publisher": "Quennard", "DisplayIcon": f"{home}\\corvane.exe,0", "InstallLocation": home,
        "UninstallString": f'"{home}\\Uninstall.exe"', "NoRepair": 1,
        "QuietUninstallString": f'"{home}\\Uninstall.exe" /S',
        "EstimatedSize": sum(p.stat().st_size for p in folder.iterdir()) // 1024}

    # The installed program with one entry shows its icon in Wine's tray.
    wine_session.corvane_exe = str(folder / "corvane.exe")
    tree = settings_tree([entry_values(NOTEPAD, icon_path=NOTEPAD, tip="Notepad")])
    del tree["values"]["Single Click"]  # only a save writes it back
    corvane.store(tree)
    corvane.start().wait_started()
    corvane.tray_icons(1)

    wine(setup, "/S")
    assert corvane.wait_exit() == 0, "the update closed the running program"
    saved = tool.reg_dump(SETTINGS_KEY)
    assert "Single Click" in saved["values"], "the program saved as it closed"
    assert saved["subkeys"][ENTRY_KEY.format(0)]["values"]["Path"]["str"] == NOTEPAD
    assert all(s.exists() for s in shortcuts) and (folder / "corvane.exe").exists()

    corvane.restart().wait_started()
    wine(folder / "Uninstall.exe", "/S")
    poll("the uninstaller to finish", lambda: not tool.reg_dump(UNINSTALL_KEY)["exists"], 60)
    assert corvane.wait_exit() == 0, "the uninstaller closed the running program"
    assert not folder.exists() and not any(s.exists() for s in shortcuts)
    assert tool.reg_dump(SETTINGS_KEY) == saved, "a silent uninstall keeps the entries"
