"""The release's packages and the winget and Scoop manifests that the 64-bit release build's
target manifests makes of them (tools/package_manifests.py), both architectures' in build/."""

import hashlib
import json
import re
import subprocess
import sys
import zipfile
from pathlib import Path

import pytest
import yaml

ROOT = Path(__file__).resolve().parents[2]
BUILDS, MANIFESTS = ROOT / "build", ROOT / "build" / "manifests"
VERSION = re.search(r"project\(Corvane VERSION (\S+)", (ROOT / "CMakeLists.txt").read_text())[1]
HOME = re.search(r"set\(CORVANE_HOMEPAGE (\S+)\)", (ROOT / "packaging" / "packaging.cmake").read_text())[1]
TEMPLATE = ROOT / "packaging" / "NSIS.template.in"
UNINSTALL_KEY = re.search(r'!define UNINSTALL_KEY ".*\\(\w+)"', TEMPLATE.read_text())[1]  # the installer's
PLATFORMS = {"x86": ("win32", "32bit"), "x64": ("win64", "64bit")}  # in the file names, and Scoop's name
# What the winget 1.10 schemas require beyond identifier, version and manifest type and version.
REQUIRED = {"version": ["DefaultLocale"], "installer": ["Installers"],
            "defaultLocale": ["PackageLocale", "Publisher", "PackageName", "License", "ShortDescription"]}
sha256 = lambda path: hashlib.sha256(path.read_bytes()).hexdigest()


def package(arch, end):
    path = BUILDS / f"release-{arch}" / f"Corvane-{VERSION}-{PLATFORMS[arch][0]}{end}"
    assert path.is_file(), f"not built: {path} (./test builds both architectures' packages, then the manifests)"
    return path


def manifest(*path):
    if not MANIFESTS.is_dir():
        pytest.fail(f"not made: {MANIFESTS} (cmake --build --preset release-x64 --target manifests, after "
                    "both release builds' --target package)")
    return MANIFESTS.joinpath(*path).read_text()


def test_the_winget_manifests_hold_what_a_submission_needs_and_both_installers():
    for kind, name in (("version", ""), ("defaultLocale", ".locale.en-US"), ("installer", ".installer")):
        text = manifest("winget", f"Quennard.Corvane{name}.yaml")
        schema = f"https://aka.ms/winget-manifest.{kind}.1.10.0.schema.json"
        assert text.startswith(f"# yaml-language-server: $schema={schema}\n")
        fields = yaml.safe_load(text)
        assert [fields.get(field) for field in ("PackageIdentifier", "PackageVersion", "ManifestType",
                                                "ManifestVersion")] == ["Quennard.Corvane", VERSION, kind, "1.10.0"]
        assert all(fields.get(field) for field in REQUIRED[kind]), fields
    installers = {installer.pop("Architecture"): installer for installer in fields["Installers"]}
    assert sorted(installers) == ["x64", "x86"]
    for arch, installer in installers.items():
        setup = package(arch, "-setup.exe")
        assert installer == {
            "InstallerType": "nullsoft", "Scope": "user", "UpgradeBehavior": "install", "ProductCode": UNINSTALL_KEY,
            "InstallerUrl": f"{HOME}/releases/download/v{VERSION}/{setup.name}",
            "InstallerSha256": sha256(setup).upper(),
            "InstallerSwitches": {"Silent": "/S", "SilentWithProgress": "/S", "InstallLocation": "/D=<INSTALLPATH>"},
            "InstallationMetadata": {"DefaultInstallLocation": r"%LOCALAPPDATA%\Programs\Corvane"}}


def test_the_scoop_manifest_unpacks_each_zip_and_keeps_its_empty_corvane_ini():
    scoop = json.loads(manifest("bucket", "corvane.json"))
    assert scoop["description"] and {name: scoop[name] for name in (
        "version", "homepage", "license", "shortcuts", "persist", "checkver")} == {
        "version": VERSION, "homepage": HOME, "license": "MIT", "shortcuts": [["corvane.exe", "Corvane"]],
        "persist": "Corvane.ini", "checkver": {"github": HOME}}
    for arch, (_, bits) in PLATFORMS.items():
        with zipfile.ZipFile(package(arch, ".zip")) as archive:
            [top] = {name.split("/")[0] for name in archive.namelist()}
            assert archive.getinfo(f"{top}/Corvane.ini").file_size == 0 and f"{top}/corvane.exe" in archive.namelist()
        url = f"{HOME}/releases/download/v{VERSION}/{Path(archive.filename).name}"
        assert scoop["architecture"][bits] == {"url": url, "hash": sha256(Path(archive.filename)), "extract_dir": top}
        assert {name: text.replace("$version", VERSION) for name, text in scoop["autoupdate"]["architecture"][
            bits].items()} == {"url": url, "extract_dir": top}


def test_a_missing_package_is_an_error_that_names_it(tmp_path):
    options = {"version": VERSION, "homepage": HOME, "license": "MIT", "publisher": "Quennard", "summary": "A launcher",
               "nsis-template": TEMPLATE, "x86": tmp_path, "x64": BUILDS / "release-x64", "out": tmp_path / "out"}
    run = subprocess.run([sys.executable, ROOT / "tools" / "package_manifests.py",
                          *(part for option, value in options.items() for part in (f"--{option}", value))],
                         capture_output=True, text=True)
    assert run.returncode != 0 and f"Corvane-{VERSION}-win32.zip" in run.stderr and not options["out"].exists()
