"""One Wine virtual desktop for the run (DISPLAY and WINEPREFIX as ./test sets them), and for
every test an empty store, a fresh probe and the program, ended after it."""

import os
import shutil
import subprocess

import pytest

from harness import (CORVANE_EXE, DESKTOP, DRIVE_C, PROBE_DIR, PROBE_EXE, SCREEN, Corvane,
                     poll, reg_import, shown, wine)


@pytest.fixture(scope="session")
def desktop(tmp_path_factory):
    if missing := [path for path in (CORVANE_EXE, PROBE_EXE) if not os.path.isfile(path)]:
        pytest.fail(f"not built: {', '.join(missing)} (./test builds them)")
    if not os.path.isdir(DRIVE_C):
        log = os.environ.get("WINEPREFIX", "") + ".wineboot.log"
        said = open(log, errors="replace").read() if os.path.isfile(log) else "(no wineboot log)"
        pytest.fail(f"no Wine prefix at {os.environ.get('WINEPREFIX')!r}; wineboot said:\n{said}")
    reg_import("desktop.reg")
    # The desktop stays up between the tests while this explorer holds it. Its errors are kept: a
    # desktop that ends or never shows says why. On two cores it showed within 3 s at a load of 2
    # to 4, and 9 s at a load of 10: a minute means it hangs.
    said = tmp_path_factory.mktemp("desktop") / "explorer.log"
    with open(said, "wb") as out:
        holder = subprocess.Popen(["wine", "explorer", f"/desktop={DESKTOP},{SCREEN[0]}x{SCREEN[1]}"],
                                  stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
                                  env=os.environ | {"WINEDEBUG": "-all,err+all"})

    def up():
        if holder.poll() is not None:
            raise AssertionError(f"explorer /desktop ended with {holder.returncode}")
        return shown(f"^{DESKTOP} - Wine desktop$")
    try:
        poll("the virtual desktop", up, timeout=60)
    except AssertionError as failure:
        raise AssertionError(f"{failure}; Wine said:\n{said.read_text(errors='replace')}") from None
    yield
    subprocess.run(["wineserver", "-k"], timeout=60)  # every process of the tests' prefix
    holder.wait(timeout=60)


@pytest.fixture
def corvane(desktop):
    wine("reg", "delete", r"HKCU\SOFTWARE\Quennard", "/f")
    shutil.rmtree(PROBE_DIR, ignore_errors=True)
    os.makedirs(PROBE_DIR)
    shutil.copy(PROBE_EXE, PROBE_DIR)
    yield (program := Corvane())
    if program.process:
        program.wait_exit(kill=True)
    poll("the program's windows to go", lambda: not shown("^corvane.exe$", "--classname"))


@pytest.fixture
def html_opens_in_probe(corvane):  # for the test alone: Wine's prefix has no .html association
    reg_import("html.reg")
    yield
    wine("reg", "delete", r"HKCR\CorvaneE2E.Page", "/f")
    wine("reg", "delete", r"HKCR\.html", "/f")
