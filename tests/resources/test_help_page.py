"""The help page that the build makes from the README's user sections (tools/help_page.py)."""

import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
DATA = ROOT / "tests" / "data" / "help_page"
SCRIPT = [sys.executable, str(ROOT / "tools" / "help_page.py")]


def test_the_marked_sections_become_the_page_with_the_pictures_they_show(tmp_path):
    # Every kind of block and inline text the README uses, escaped; what stands outside the
    # markers is left out.
    (tmp_path / "docs").mkdir()
    shutil.copyfile(DATA / "README.md", tmp_path / "README.md")
    shutil.copyfile(DATA / "docs_a.png", tmp_path / "docs" / "a.png")
    subprocess.run(SCRIPT + [str(tmp_path / "README.md"), str(tmp_path / "out")], check=True)
    assert (tmp_path / "out" / "Corvane.html").read_text(encoding="utf-8") == (
        DATA / "Corvane.html").read_text(encoding="utf-8")
    assert (tmp_path / "out" / "docs" / "a.png").read_bytes() == (DATA / "docs_a.png").read_bytes()
    listed = subprocess.run(SCRIPT + ["--pictures", str(tmp_path / "README.md")], check=True,
                            capture_output=True, text=True)
    assert listed.stdout.split() == ["docs/a.png"]
