"""The zip unpacked into a folder is a portable copy: its Corvane.ini holds every setting, the
registry none, and the folder copied elsewhere starts with its entries."""

import os
import shutil
import zipfile

from harness import (ADD, ARCH, DESCRIPTION, DRIVE_C, LAST_ROW, PATH, PROBE, ROOT, at, click, drawn,
                     poll, registry, run, tray_icon)
from test_installer import BITS, VERSION


def unpacked(into):  # the zip's one top folder, unpacked into a fresh folder
    shutil.rmtree(into, ignore_errors=True)
    with zipfile.ZipFile(os.path.join(ROOT, "build", f"release-{ARCH}",
                                      f"Corvane-{VERSION}-win{BITS[ARCH]}.zip")) as packed:
        packed.extractall(into)
    (top,) = os.listdir(into)
    return os.path.join(into, top)


def test_the_unpacked_zip_keeps_its_entries_beside_it_and_a_copy_of_the_folder_has_them(corvane):
    folder = unpacked(os.path.join(DRIVE_C, "stick"))
    ini = os.path.join(folder, "Corvane.ini")
    assert os.path.getsize(ini) == 0, "the zip ships an empty settings file"
    corvane.start(os.path.join(folder, "corvane.exe"))
    options = corvane.past_welcome()
    for description in ("First", "Second"):
        for field, text in (PATH, PROBE), (DESCRIPTION, description):
            click(at(options, field))
            run("xdotool", "key", "End", "shift+Home", "type", text)
        click(at(options, ADD))
    icon = tray_icon()
    second = (icon[0] - 20, icon[1])  # Wine's tray puts a new icon to the left
    poll("the two entries' tray icons", lambda: drawn(icon) and drawn(second))
    corvane.choose(icon, LAST_ROW)  # Exit Corvane
    assert corvane.wait_exit() == 0
    assert registry(r"HKEY_CURRENT_USER\SOFTWARE\Quennard") == {}
    assert [name for name in os.listdir(folder) if name.startswith("Corvane.ini")] == ["Corvane.ini"]
    text = open(ini, encoding="utf-8").read()
    assert [line for line in text.splitlines() if line.startswith(("Path=", "Tool Tip="))] == [
        f"Path={PROBE}", "Tool Tip=First", f"Path={PROBE}", "Tool Tip=Second"], text

    elsewhere = os.path.join(DRIVE_C, "elsewhere", "Corvane")
    shutil.rmtree(os.path.dirname(elsewhere), ignore_errors=True)
    shutil.copytree(folder, elsewhere)
    shutil.rmtree(folder)
    icon = corvane.start_with_icon(os.path.join(elsewhere, "corvane.exe"))
    poll("both entries' tray icons", lambda: drawn(icon) and drawn((icon[0] - 20, icon[1])))
    assert registry(r"HKEY_CURRENT_USER\SOFTWARE\Quennard") == {}
