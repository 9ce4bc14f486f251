"""Export and Import on the options page, through the system's own save and open dialogs."""

import codecs
import os

from harness import (CLIENT, KEY, PROBE_DIR, PROBE_EXE, at, click, poll, reg_import, registry,
                     run, wine)
from test_editor import DELETE, FIRST_ROW, MINIMIZE, OPTIONS, OPTIONS_TAB, closed, drawn

# The "Options" page's buttons, the "General" tab, the list's fifth row (rows 17 pixels apart).
EXPORT, IMPORT, GENERAL_TAB, FIFTH_ROW = (58, 160), (166, 160), (30, 14), (60, 135 + 4 * 17)
FILE = "C:\\corvane-e2e\\settings.reg"


def text(title, item=0xFFFF):  # a message box's text, or a dialog's item: its OK button is 1
    return wine(PROBE_EXE, "--text", title, str(item))[1]


def choose_file(options, button, title, caption):  # in the dialog that button opens
    click(at(options, OPTIONS_TAB, CLIENT))
    click(at(options, button))
    assert poll(f"the dialog {title!r}", lambda: text(title, 1)) == caption
    run("xdotool", "type", FILE)
    run("xdotool", "key", "Return")


def test_export_saves_the_store_as_a_reg_file_and_import_puts_its_entries_back(corvane):
    reg_import("entry.reg", "menu.reg")
    stored = registry()
    open(os.path.join(PROBE_DIR, "settings.reg"), "wb").close()  # replaced once the user agrees
    corvane.start_with_icon()
    options = corvane.wait_shown(OPTIONS)[0]
    choose_file(options, EXPORT, "Export Settings", "&Save")
    assert "already exists" in poll("the question to replace it", lambda: text("Export Settings"))
    closed("Export Settings", "key", "y")
    exported = poll("the file", lambda: open(os.path.join(PROBE_DIR, "settings.reg"), "rb").read())
    assert exported.startswith(codecs.BOM_UTF16_LE + "Windows Registry Editor".encode("utf-16-le"))
    assert wine("reg", "delete", KEY, "/f")[0] == 0 and wine("reg", "import", FILE)[0] == 0
    assert registry() == {**stored, "": {**stored[""], "Hot Key": ("REG_DWORD", "0x0")}}  # none
    stored = registry()

    click(at(options, GENERAL_TAB, CLIENT))
    click(at(options, FIRST_ROW))
    click(at(options, DELETE))  # four entries left, a row and a tray icon fewer
    poll("the fifth row to go", lambda: not drawn(at(options, FIFTH_ROW)))
    choose_file(options, IMPORT, "Import Settings", "&Open")
    assert "5 entries:\n1. probe\n" in poll("the import question", lambda: text("Corvane Box"))
    run("xdotool", "key", "y")  # its Yes
    poll("the question to close", lambda: not text("Corvane Box"))
    click(at(options, GENERAL_TAB, CLIENT))
    poll("the fifth row", lambda: drawn(at(options, FIFTH_ROW)))
    click(at(options, MINIMIZE, CLIENT))  # saves
    poll("the imported store saved", lambda: registry() == stored)
