"""The winget and Scoop manifests of both architectures' packages (tools/package_manifests.py)."""

import hashlib
import json
import re
import zipfile
from pathlib import Path

import yaml

ROOT = Path(__file__).resolve().parents[2]
read = lambda *path: ROOT.joinpath(*path).read_text()
VERSION = re.search(r"project\(Corvane VERSION (\S+)", read("CMakeLists.txt"))[1]
HOME = re.search(r"set\(CORVANE_HOMEPAGE (\S+)\)", read("packaging", "packaging.cmake"))[1]
UNINSTALL_KEY = re.search(r'!define UNINSTALL_KEY ".*\\(\w+)"', read("packaging", "NSIS.template.in"))[1]
url = lambda package: f"{HOME}/releases/download/v{VERSION}/{package.name}"  # where it is published
sha256 = lambda package: hashlib.sha256(package.read_bytes()).hexdigest()


def test_the_manifests_hold_what_a_submission_needs_and_each_package_with_its_hash():  # ./test makes them
    winget = {}
    for kind, name in {"version": "", "defaultLocale": ".locale.en-US", "installer": ".installer"}.items():
        text = read("build", "manifests", "winget", f"Quennard.Corvane{name}.yaml")
        winget[kind] = yaml.safe_load(text)
        assert [text.split("\n")[0], *map(winget[kind].get, ("PackageIdentifier", "PackageVersion", "ManifestType",
               "ManifestVersion"))] == [f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{kind}."
                                        "1.10.0.schema.json", "Quennard.Corvane", VERSION, kind, "1.10.0"]
    # What the 1.10 schema requires of the default locale, which the version manifest names.
    assert all(map(winget["defaultLocale"].get, ("Publisher", "PackageName", "License", "ShortDescription")))
    assert winget["version"]["DefaultLocale"] == winget["defaultLocale"]["PackageLocale"] == "en-US"
    scoop = json.loads(read("build", "manifests", "bucket", "corvane.json"))
    assert scoop["description"] and {name: scoop.get(name) for name in ("version", "homepage", "license",
        "shortcuts", "persist", "checkver")} == {"version": VERSION, "homepage": HOME, "license": "MIT",
        "shortcuts": [["corvane.exe", "Corvane"]], "persist": "Corvane.ini", "checkver": {"github": HOME}}
    installers = {installer["Architecture"]: installer for installer in winget["installer"]["Installers"]}
    for arch, platform, bits in (("x86", "win32", "32bit"), ("x64", "win64", "64bit")):
        setup, archive = (ROOT / "build" / f"release-{arch}" / f"Corvane-{VERSION}-{platform}{end}" for end in (
            "-setup.exe", ".zip"))
        assert installers[arch] == {
            "Architecture": arch, "InstallerType": "nullsoft", "Scope": "user", "UpgradeBehavior": "install",
            "ProductCode": UNINSTALL_KEY, "InstallerUrl": url(setup), "InstallerSha256": sha256(setup).upper(),
            "InstallerSwitches": {"Silent": "/S", "SilentWithProgress": "/S", "InstallLocation": "/D=<INSTALLPATH>"},
            "InstallationMetadata": {"DefaultInstallLocation": r"%LOCALAPPDATA%\Programs\Corvane"}}
        with zipfile.ZipFile(archive) as files:  # an empty Corvane.ini beside the program in its one top folder
            [top] = {name.split("/")[0] for name in files.namelist()}
            assert files.getinfo(f"{top}/Corvane.ini").file_size == 0 and f"{top}/corvane.exe" in files.namelist()
        assert scoop["architecture"][bits] == {"url": url(archive), "hash": sha256(archive), "extract_dir": top}
        assert {name: text.replace("$version", VERSION) for name, text in scoop["autoupdate"]["architecture"][
            bits].items()} == {"url": url(archive), "extract_dir": top}
