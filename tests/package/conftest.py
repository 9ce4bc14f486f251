"""The installer test drives Wine through the end-to-end suite's session (the
virtual desktop, wintool.exe) and harness."""

import importlib.util
import sys
from pathlib import Path

E2E = Path(__file__).resolve().parents[1] / "e2e"
sys.path.insert(0, str(E2E))
_spec = importlib.util.spec_from_file_location("e2e_conftest", E2E / "conftest.py")
_e2e = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(_e2e)
wine_session, corvane = _e2e.wine_session, _e2e.corvane
