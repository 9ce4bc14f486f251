"""What ships, installed, updated and uninstalled under Wine."""

import os
import re
import shutil
import struct
import subprocess

import pytest

from harness import (ARCH, DRIVE_C, KEY, QUIET, ROOT, click, geometry, grab, poll, reg_import, registry,
                     shown, tray_icon, wine)

UNINSTALL = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane"
MACHINE, BITS = {"x86": 0x14C, "x64": 0x8664}, {"x86": 32, "x64": 64}  # the PE header's machine field
VERSION = re.search(r"project\(Corvane VERSION (\S+)", open(f"{ROOT}/CMakeLists.txt").read())[1]
TITLE, NEXT, REMOVE_BOX = "^Corvane 3.0 Uninstall", (364, 438), (188, 220)  # its Next and second box
RUNNABLE = os.environ.get("CORVANE_RUNNABLE_ARCHS")  # set by ./test: the architectures this machine runs


def setup_exe(arch=ARCH):
    return os.path.join(ROOT, "build", f"release-{arch}", f"Corvane-{VERSION}-win{BITS[arch]}-setup.exe")


def machines(folder):  # of the program and its hook library: 4 bytes past the offset that 0x3C holds
    files = [open(os.path.join(folder, name), "rb").read() for name in ("corvane.exe", "kestrel.dll")]
    return {struct.unpack_from("<H", pe, struct.unpack_from("<I", pe, 0x3C)[0] + 4)[0] for pe in files}


def started(exe, *args):  # by start.exe, which ends with its exit code and holds the tests' desktop
    return subprocess.Popen(["wine", "start", "/wait", "/unix", exe, *args], **QUIET)  # (desktop.reg)


@pytest.fixture
def place(corvane, monkeypatch):
    """The install folder (its Windows path, and here) and the two shortcuts, none before or after."""
    monkeypatch.setenv("WINEDLLOVERRIDES", "mscoree,mshtml,winemenubuilder.exe=d")  # no menu files
    home, appdata = wine("cmd", "/c", "echo %LOCALAPPDATA%\\Programs\\Corvane&echo %APPDATA%")[1].splitlines()[:2]
    folder, menu = (os.path.join(DRIVE_C, *path.split("\\")[1:]) for path in (
        home, appdata + r"\Microsoft\Windows\Start Menu\Programs"))
    shortcuts = [os.path.join(menu, "Corvane.lnk"), os.path.join(menu, "StartUp", "Corvane.lnk")]

    def remove():
        wine("reg", "delete", UNINSTALL, "/f")
        shutil.rmtree(folder, ignore_errors=True)
        for shortcut in filter(os.path.exists, shortcuts):
            os.remove(shortcut)
    remove()
    yield home, folder, shortcuts
    remove()


def test_install_update_and_uninstall_for_one_user(corvane, place):
    home, folder, shortcuts = place
    assert wine(setup_exe(), "/S")[0] == 0
    assert sorted(os.listdir(folder)) == [
        "Corvane.html", "LICENSE", "README.md", "Uninstall.exe", "corvane.exe", "docs", "kestrel.dll"]
    assert sorted(os.listdir(os.path.join(folder, "docs"))) == sorted(
        os.listdir(os.path.join(ROOT, "build", f"release-{ARCH}", "app", "win32", "docs")))
    assert machines(folder) == {MACHINE[ARCH]}
    for shortcut in shortcuts:
        assert (home + r"\corvane.exe").encode() in open(shortcut, "rb").read(), shortcut
    # The list of installed programs shows its version, publisher, icon and size (KiB).
    listed = {name: data for name, (_, data) in registry(UNINSTALL)[""].items()}
    size = sum(os.path.getsize(os.path.join(at, name)) for at, _, names in os.walk(folder) for name in names)
    assert abs(int(listed["EstimatedSize"], 16) - size / 1024) < 8, size
    shows = {"DisplayName": "Corvane", "DisplayVersion": VERSION, "Publisher": "Quennard",
             "DisplayIcon": home + r"\corvane.exe,0", "UninstallString": f'"{home}\\Uninstall.exe"'}
    assert {name: listed.get(name) for name in shows} == shows

    # The update closes the installed program, which saves the whole store as it goes.
    reg_import("entry.reg")
    stored = registry()
    wine("reg", "delete", KEY, "/v", "Single Click", "/f")  # only a save writes it back
    corvane.start_with_icon(os.path.join(folder, "corvane.exe"))
    assert wine(setup_exe(), "/S")[0] == 0
    assert corvane.wait_exit() == 0 and registry() == stored
    assert all(map(os.path.exists, shortcuts)), "an update keeps the Startup shortcut"
    os.remove(shortcuts[1])  # as "Start Corvane when I log on" unticked leaves it, and updates read it
    assert wine(setup_exe(), "/S")[0] == 0
    assert list(map(os.path.exists, shortcuts)) == [True, False], "an update keeps the choice"

    corvane.start_with_icon(os.path.join(folder, "corvane.exe"))
    wine(os.path.join(folder, "Uninstall.exe"), "/S")
    poll("the uninstaller to finish", lambda: not registry(UNINSTALL), 60)
    assert corvane.wait_exit() == 0, "the uninstaller closed the running program"
    assert not os.path.exists(folder) and not any(map(os.path.exists, shortcuts))
    assert registry() == stored, "a silent uninstall keeps the entries"


def test_the_uninstaller_removes_the_entries_and_options_when_its_box_is_ticked(corvane, place):
    assert wine(setup_exe(), "/S")[0] == 0
    reg_import("entry.reg")
    wine(os.path.join(place[1], "Uninstall.exe"))  # its copy in the temporary folder shows the pages
    left, top = geometry(poll("the uninstaller", lambda: shown(TITLE))[0])[:2]
    page = lambda colour: set(grab(left + 300, top + 300, 1, 1)) == {colour}  # grey, or the components' box
    poll("the first page", lambda: page(0xF5))
    click((left + NEXT[0], top + NEXT[1]))
    poll("the components", lambda: page(0xFF))
    click((left + REMOVE_BOX[0], top + REMOVE_BOX[1]))
    poll("Uninstall, then Close", lambda: click((left + NEXT[0], top + NEXT[1])) or not shown(TITLE), 60)
    assert registry(r"HKEY_CURRENT_USER\SOFTWARE\Quennard") == {}


@pytest.mark.skipif(ARCH != "x64" or "x86" not in (RUNNABLE or ""), reason=f"needs the 64-bit prefix (here "
                    f"CORVANE_ARCH={ARCH}) on a machine that runs 32-bit programs too (CORVANE_RUNNABLE_ARCHS, "
                    f"set by ./test, is {'unset' if RUNNABLE is None else repr(RUNNABLE)} here)")
def test_either_architecture_installs_over_the_other_running_and_keeps_the_entries(corvane, place):
    home, folder, _ = place
    reg_import("entry.reg")
    stored = registry()
    for step, arch in enumerate(("x86", "x64", "x86")):
        assert started(setup_exe(arch), "/S").wait(timeout=120) == 0
        assert machines(folder) == {MACHINE[arch]}
        assert registry(UNINSTALL)[""]["InstallLocation"][1] == home
        if corvane.process:
            assert corvane.wait_exit() == 0, f"the {arch} installer closed the running program"
        assert registry() == stored
        if step < 2:  # the installed program runs, with its tray icon, when the other one comes
            corvane.process = started(os.path.join(folder, "corvane.exe"))
            corvane.wait_shown("Corvane 3.0 Options") and tray_icon()
