"""The installer test drives Wine through the end-to-end suite's session (the
virtual desktop, wintool.exe) and harness."""

import importlib.machinery
import sys
import types
from pathlib import Path

E2E = Path(__file__).resolve().parents[1] / "e2e"
sys.path.insert(0, str(E2E))
_loader = importlib.machinery.SourceFileLoader("e2e_conftest", str(E2E / "conftest.py"))
_e2e = types.ModuleType(_loader.name)
_e2e.__file__ = _loader.path
_loader.exec_module(_e2e)
wine_session, corvane = _e2e.wine_session, _e2e.corvane
