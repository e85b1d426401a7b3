#!/usr/bin/env python3
"""Makes the release archive from the release DLLs, as scripts/release.sh
makes it, unpacks it and checks it:

- the layout, exactly: the two platform folders the host scans, the help
  page, the README, the licence and the changelog;
- each DLL's format: PE32 for i386 under nt-x86, PE32+ for x86-64 under
  nt-x86-64, and a DLL;
- each DLL's exports: exactly the entry points, undecorated;
- each DLL's version resource: the project's version;
- the help page names every option and button the page shows, as the
  plug-in lays it out (read from its calls, through quillmere-host --trace);
- the help page and the README, whose checklists for the first load say
  what the host's Plug-in Manager shows, name what the plug-in registers:
  its name, its version as the host has it (two numbers), its command and
  its property (read from its calls too); and neither holds a placeholder
  the packaging left unfilled.
"""

import argparse
import json
import os
import re
import subprocess
import sys
import tempfile
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from pe_image import PeImage  # noqa: E402

EXPECTED_FILES = [
    "Quillmere/Application/Plugins/bin/nt-x86/Quillmere.dll",
    "Quillmere/Application/Plugins/bin/nt-x86-64/Quillmere.dll",
    "Quillmere/Doc/Quillmere.html",
    "Quillmere/README.md",
    "Quillmere/LICENSE",
    "Quillmere/CHANGELOG.md",
]
# (machine, optional header magic, what it is called)
PLATFORMS = {
    "nt-x86": (0x14C, 0x10B, "PE32 i386"),
    "nt-x86-64": (0x8664, 0x20B, "PE32+ x86-64"),
}

problems = []


def problem(text):
    problems.append(text)
    print("FAIL: " + text, file=sys.stderr)


def plugin_calls(host):
    """The calls the plug-in makes to the host in a run, as quillmere-host traces them."""
    run = subprocess.run([host, "--page", "Cancel", "--report", "json", "--trace"], capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"{host} failed: {run.stderr.strip()}")
    return json.loads(run.stdout)["calls"]


def page_texts(calls):
    """The option and button labels the plug-in lays out on its page."""
    return [call["args"][1] for call in calls if call["call"] in ("PPGLayout.AddItem", "PPGLayout.AddButton")]


def registration(calls):
    """(name, version as "major.minor", [command, property]) as the plug-in registers them."""
    name = version = None
    items = []
    for call in calls:
        if call["call"] == "SIObject.PutName" and call["target"] == "PluginRegistrar":
            name = call["args"][0]
        elif call["call"] == "PluginRegistrar.PutVersion":
            version = f"{call['args'][0]}.{call['args'][1]}"
        elif call["call"] in ("PluginRegistrar.RegisterCommand", "PluginRegistrar.RegisterProperty"):
            items.append(call["args"][0])
    return name, version, items


def check_first_load_checklist(document, text, registered):
    name, version, items = registered
    for expected in [name] + items:
        if expected not in text:
            problem(f"{document} does not name \"{expected}\", which the plug-in registers")
    if not re.search(r"version\s*(\*\*|<b>)?" + re.escape(version) + r"(\*\*|</b>)?\D", text):
        problem(f"{document} does not give the version the host shows, {version}")
    unfilled = re.findall(r"@[A-Z_]+@", text)
    if unfilled:
        problem(f"{document} holds {' '.join(sorted(set(unfilled)))}, unfilled")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--root", required=True)
    parser.add_argument("--x86-dll", required=True)
    parser.add_argument("--x64-dll", required=True)
    parser.add_argument("--host", required=True, help="a native quillmere-host, for the page's options")
    parser.add_argument("--version", required=True)
    parser.add_argument("--entry-points", nargs="+", required=True)
    args = parser.parse_args()
    for dll in (args.x86_dll, args.x64_dll, args.host):
        if not os.path.exists(dll):
            sys.exit(f"{dll} is missing: build both release presets and the default preset first")

    with tempfile.TemporaryDirectory() as out:
        make = subprocess.run(["cmake", f"-DX86_DLL={args.x86_dll}", f"-DX64_DLL={args.x64_dll}", f"-DOUT_DIR={out}",
                               "-P", os.path.join(args.root, "package", "make_package.cmake")],
                              capture_output=True, text=True)
        made = [name for name in os.listdir(out) if name.endswith(".zip")]
        if make.returncode != 0 or len(made) != 1:
            sys.exit(f"packaging failed: {make.stderr.strip()}")
        if made[0] != f"Quillmere-{args.version}.zip":
            problem(f"the package is {made[0]}, not named for version {args.version}")
        archive = os.path.join(out, made[0])
        with zipfile.ZipFile(archive) as package:
            files = sorted(name for name in package.namelist() if not name.endswith("/"))
            if files != sorted(EXPECTED_FILES):
                problem(f"the package holds {files}, not {sorted(EXPECTED_FILES)}")
            contents = {name: package.read(name) for name in files}

    version = tuple(int(part) for part in args.version.split(".")) + (0,) * (4 - len(args.version.split(".")))
    for platform, (machine, magic, kind) in PLATFORMS.items():
        name = f"Quillmere/Application/Plugins/bin/{platform}/Quillmere.dll"
        if name not in contents:
            continue
        dll = PeImage(contents[name])
        if (dll.machine, dll.magic) != (machine, magic) or not dll.characteristics & 0x2000:
            problem(f"{name} is not a {kind} DLL (machine {dll.machine:#x}, magic {dll.magic:#x})")
        exported = sorted(dll.exports()[0])
        if exported != sorted(args.entry_points):
            problem(f"{name} exports {exported}, not the entry points")
        if dll.file_version() != version:
            problem(f"{name} has file version {dll.file_version()}, not {version}")
        if "Quillmere".encode("utf-16-le") not in contents[name]:
            problem(f"{name} has no product name in its version resource")

    help_page = contents.get("Quillmere/Doc/Quillmere.html", b"").decode("utf-8")
    calls = plugin_calls(args.host)
    for text in page_texts(calls):
        if text not in help_page:
            problem(f"the help page does not name the page's \"{text}\"")
    readme = contents.get("Quillmere/README.md", b"").decode("utf-8")
    if f"Quillmere {args.version}" not in readme:
        problem("the package's README does not name its version")
    for document, text in (("the help page", help_page), ("the package's README", readme)):
        check_first_load_checklist(document, text, registration(calls))
    with open(os.path.join(args.root, "LICENSE"), "rb") as licence:
        if contents.get("Quillmere/LICENSE") != licence.read():
            problem("the package's LICENSE is not the project's")

    if problems:
        sys.exit(1)
    print(f"Quillmere-{args.version}.zip: layout, PE32 i386 and PE32+ x86-64 DLLs, "
          f"{len(args.entry_points)} exports each, version {args.version}, help page names every option, "
          f"both checklists name what the plug-in registers")


if __name__ == "__main__":
    main()
