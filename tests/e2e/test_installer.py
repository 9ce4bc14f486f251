"""What ships, installed, updated and uninstalled under Wine."""

import glob
import os

import pytest

from harness import ARCH, DRIVE_C, KEY, ROOT, poll, reg_import, registry, wine

UNINSTALL = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane"
MACHINE = {"x86": 0x14C, "x64": 0x8664}  # the PE header's machine of each architecture


def setup_exe(arch=ARCH):
    [setup] = glob.glob(os.path.join(ROOT, "build", f"release-{arch}", "Corvane-*-setup.exe"))
    return setup


def machine(path):  # the PE header's machine field
    with open(path, "rb") as exe:
        exe.seek(0x3C)
        exe.seek(int.from_bytes(exe.read(4), "little") + 4)
        return int.from_bytes(exe.read(2), "little")


@pytest.fixture
def place(corvane, monkeypatch):
    """The install folder and the two shortcuts, as Windows paths and as files here."""
    monkeypatch.setenv("WINEDLLOVERRIDES", "mscoree,mshtml,winemenubuilder.exe=d")  # no menu files
    home, appdata = wine("cmd", "/c", "echo %LOCALAPPDATA%\\Programs\\Corvane&echo %APPDATA%")[1].splitlines()[:2]
    folder, menu = (os.path.join(DRIVE_C, *path.split("\\")[1:]) for path in (
        home, appdata + r"\Microsoft\Windows\Start Menu\Programs"))
    wine("reg", "delete", UNINSTALL, "/f")  # no earlier install's choices
    return home, folder, [os.path.join(menu, "Corvane.lnk"), os.path.join(menu, "StartUp", "Corvane.lnk")]


def test_install_update_and_uninstall_for_one_user(corvane, place):
    home, folder, shortcuts = place
    assert os.path.basename(setup_exe()).endswith(f"-win{32 if ARCH == 'x86' else 64}-setup.exe")
    assert wine(setup_exe(), "/S")[0] == 0
    assert sorted(os.listdir(folder)) == [
        "Corvane.html", "LICENSE", "README.md", "Uninstall.exe", "corvane.exe", "docs", "kestrel.dll"]
    assert sorted(os.listdir(os.path.join(folder, "docs"))) == sorted(
        os.listdir(os.path.join(ROOT, "build", f"release-{ARCH}", "app", "win32", "docs")))
    assert {machine(os.path.join(folder, f)) for f in ("corvane.exe", "kestrel.dll")} == {MACHINE[ARCH]}
    for shortcut in shortcuts:
        with open(shortcut, "rb") as link:
            assert (home + r"\corvane.exe").encode() in link.read(), shortcut
    values = {name: data for name, (_, data) in registry(UNINSTALL)[""].items()}
    assert (values["UninstallString"], values["DisplayVersion"]) == (
        f'"{home}\\Uninstall.exe"', os.path.basename(setup_exe()).split("-")[1])

    # The installed program, with an entry, shows its tray icon; the update closes it through its
    # window, and it saves on the way out.
    reg_import("entry.reg")
    wine("reg", "delete", KEY, "/v", "Single Click", "/f")  # only a save writes it back
    corvane.start_with_icon(os.path.join(folder, "corvane.exe"))
    assert wine(setup_exe(), "/S")[0] == 0
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


@pytest.mark.skipif(ARCH != "x64" or "x86" not in os.environ.get("CORVANE_RUNNABLE_ARCHS", ""),
                    reason="needs a 64-bit prefix that runs 32-bit programs too")
def test_either_architecture_installs_over_the_other_and_keeps_the_entries(corvane, place):
    home, folder, _ = place
    reg_import("entry.reg")
    stored = registry()
    for arch in ("x86", "x64", "x86"):
        assert wine(setup_exe(arch), "/S")[0] == 0
        assert {machine(os.path.join(folder, f)) for f in ("corvane.exe", "kestrel.dll")} == {MACHINE[arch]}
        assert registry(UNINSTALL)[""]["InstallLocation"][1] == home
    assert registry() == stored
