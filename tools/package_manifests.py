#!/usr/bin/env python3
"""Writes a release's winget manifests (Quennard.Corvane, schema 1.10: the version, the en-US
default locale and the installers) and its Scoop manifest (bucket/corvane.json), from the
packages of both architectures' release builds:

  package_manifests.py --version 3.0 --homepage URL --license MIT --publisher NAME --summary TEXT
      --nsis-template packaging/NSIS.template.in --x86 DIR --x64 DIR --out DIR

Each DIR holds Corvane-<version>-<platform>.zip and Corvane-<version>-<platform>-setup.exe; a
missing one is an error that names it. The installers are published at
<homepage>/releases/download/v<version>/<file>. What the installer does (its Uninstall key, its
default folder) is read from the NSIS template. Standard library only: the YAML is written as text.
"""

import argparse
import hashlib
import json
import re
import sys
import zipfile
from pathlib import Path

IDENTIFIER, MANIFEST_VERSION, LOCALE = "Quennard.Corvane", "1.10.0", "en-US"
# The platform in the packages' names, and Scoop's name of the architecture.
ARCHITECTURES = {"x86": ("win32", "32bit"), "x64": ("win64", "64bit")}
WINGET_FILES = {"version": "", "defaultLocale": f".locale.{LOCALE}", "installer": ".installer"}


def fail(message):
    sys.exit(f"package_manifests: {message}")


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def top_folder(path):  # the one folder that holds everything in the zip: Scoop's extract_dir
    with zipfile.ZipFile(path) as archive:
        tops = {name.split("/")[0] for name in archive.namelist()}
    if len(tops) != 1:
        fail(f"{path} has no single top folder: {sorted(tops)}")
    return tops.pop()


def yaml_lines(mapping, indent=""):  # scalars as JSON strings, which YAML reads as they are
    for key, value in mapping.items():
        if not isinstance(value, (dict, list)):
            yield f"{indent}{key}: {json.dumps(value)}"
            continue
        yield f"{indent}{key}:"
        for item in [value] if isinstance(value, dict) else value:
            if isinstance(item, dict):
                first, *rest = yaml_lines(item, indent + "  ")
                yield from [f"{indent}- {first.lstrip()}" if isinstance(value, list) else first, *rest]
            else:
                yield f"{indent}- {json.dumps(item)}"


def from_template(template, pattern, what):
    if found := re.search(pattern, template.read_text(), re.M):
        return found[1]
    fail(f"{template} names no {what}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    for option in ("version", "homepage", "license", "publisher", "summary", "nsis-template", "x86",
                   "x64", "out"):
        parser.add_argument(f"--{option}", required=True)
    args = parser.parse_args()
    version, home = args.version, args.homepage
    template = Path(args.nsis_template)
    product_code = from_template(template, r'^!define UNINSTALL_KEY ".*\\([^\\"]+)"$', "Uninstall key")
    install_dir = from_template(template, r'^InstallDir "(.+)"$', "InstallDir")
    url = lambda name, release=version: f"{home}/releases/download/v{release}/{name}"

    installers, scoop_architectures, scoop_updates = [], {}, {}
    for arch, (platform, bits) in ARCHITECTURES.items():
        packages = [Path(vars(args)[arch]) / f"Corvane-{version}-{platform}{end}" for end in (".zip", "-setup.exe")]
        if missing := [str(path) for path in packages if not path.is_file()]:
            fail(f"the {arch} packages are missing: {', '.join(missing)} (build them with --target package)")
        zip_file, setup = packages
        installers.append({
            "Architecture": arch, "InstallerType": "nullsoft", "Scope": "user",
            "InstallerUrl": url(setup.name), "InstallerSha256": sha256(setup).upper(),
            "InstallerSwitches": {"Silent": "/S", "SilentWithProgress": "/S", "InstallLocation": "/D=<INSTALLPATH>"},
            "UpgradeBehavior": "install", "ProductCode": product_code,
            "InstallationMetadata": {"DefaultInstallLocation": re.sub(r"\$(\w+)", r"%\1%", install_dir)}})
        top = top_folder(zip_file)
        scoop_architectures[bits] = {"url": url(zip_file.name), "hash": sha256(zip_file), "extract_dir": top}
        scoop_updates[bits] = {"url": url(f"Corvane-$version-{platform}.zip", "$version"),
                               "extract_dir": top.replace(version, "$version")}

    winget = {
        "version": {"DefaultLocale": LOCALE},
        "defaultLocale": {
            "PackageLocale": LOCALE, "Publisher": args.publisher, "PublisherUrl": home, "PackageName": "Corvane",
            "PackageUrl": home, "License": args.license, "LicenseUrl": f"{home}/blob/v{version}/LICENSE",
            "ShortDescription": args.summary, "Moniker": "corvane", "Tags": ["launcher", "tray"]},
        "installer": {"Installers": installers}}
    out = Path(args.out)
    (out / "winget").mkdir(parents=True, exist_ok=True)
    for kind, fields in winget.items():
        manifest = {"PackageIdentifier": IDENTIFIER, "PackageVersion": version, **fields, "ManifestType": kind,
                    "ManifestVersion": MANIFEST_VERSION}
        schema = f"https://aka.ms/winget-manifest.{kind}.{MANIFEST_VERSION}.schema.json"
        lines = [f"# yaml-language-server: $schema={schema}", "", *yaml_lines(manifest)]
        (out / "winget" / f"{IDENTIFIER}{WINGET_FILES[kind]}.yaml").write_text("\n".join(lines) + "\n")

    scoop = {
        "version": version, "description": args.summary, "homepage": home, "license": args.license,
        "architecture": scoop_architectures, "shortcuts": [["corvane.exe", "Corvane"]], "persist": "Corvane.ini",
        "checkver": {"github": home}, "autoupdate": {"architecture": scoop_updates}}
    (out / "bucket").mkdir(exist_ok=True)
    (out / "bucket" / "corvane.json").write_text(json.dumps(scoop, indent=4) + "\n")
    print(f"package_manifests: wrote {out / 'winget'} and {out / 'bucket' / 'corvane.json'}")


if __name__ == "__main__":
    main()
