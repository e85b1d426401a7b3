#!/usr/bin/env python3
"""The shipped DLL against the Linux build, case by case: each case runs
quillmere-host --report json --trace twice, on Linux with the plug-in built
there, and under Wine with the DLL taken out of the release archive, beside
the stand-in in the host's binary interface. The reports (every deletion,
every call the plug-in made, in order), the exit statuses and the messages
must be the same, field by field.

Run it under tests/release/run_under_wine.sh."""

import argparse
import json
import os
import subprocess
import sys
import tempfile
import time

import shipped_dll

KINDS = ["Position Cns", "Orientation Cns", "Direction Cns", "Pose Cns", "Distance Cns", "ScalingCns",
         "Symmetry Cns"]
# The page's options by the words an answer may use, and the readings' alternatives that are not the default.
OPTIONS = ["Pos", "Ori", "Dir", "Pose", "Distance", "Scaling", "Symmetry", "ChainUpVector"]
READINGS = ["handle-class=object-class", "cancelled-page=fail", "delete-without-target=nothing",
            "inspect-without-target=fail", "root-property-name=bare", "taken-property-name=same",
            "chain-elements=own-family", "models=own-family"]


def every_kind_scene():
    """Every kind, near misses, renamed constraints, a chain root, bones with
    one, two and no up-vector operators, an effector, a model, a group."""
    return {
        "objects": [
            {"name": "all_kinds", "constraints": KINDS},
            {"name": "near_misses", "constraints": ["Scaling Cns", "position cns", "Position Cns1", "PositionCns",
                                                    " Position Cns", "Orientation", "Pose Cns "]},
            {"name": "renamed", "constraints": [{"name": "hand_aim", "type": "Direction Cns"},
                                                {"name": "Position Cns", "type": "Direction Cns"},
                                                {"name": "Symmetry Cns", "type": "Pose Cns"}]},
            {"name": "arm_root", "class": "ChainRoot", "constraints": ["Position Cns"], "children": [
                {"name": "arm_bone1", "class": "ChainBone", "constraints": ["Orientation Cns"],
                 "operators": ["SkeletonPrefRotOp", "SkeletonUpVectorOp", "SkeletonUpVectorOp"], "children": [
                     {"name": "arm_bone2", "class": "ChainBone", "operators": ["SkeletonPrefRotOp"]},
                     {"name": "arm_bone3", "class": "ChainBone", "operators": ["SkeletonUpVectorOp"]}]},
                {"name": "arm_eff", "class": "ChainEffector", "constraints": ["Position Cns", "Symmetry Cns"]}]},
            {"name": "prop_model", "class": "Model", "constraints": ["Pose Cns", "Distance Cns"],
             "children": [{"name": "prop_mesh", "constraints": ["Position Cns"]}]},
            {"name": "rig_set", "class": "Group"},
            {"name": "unselected", "constraints": ["Position Cns"]},
        ],
        "selection": ["all_kinds", "near_misses", "renamed", "arm_root", "arm_bone1", "arm_bone2", "arm_eff",
                      "prop_model", "rig_set"],
    }


def scenes(root, folder):
    """The scene files, written into the run folder: name -> file name."""
    made = {}

    def write(name, scene):
        made[name] = name + ".json"
        with open(os.path.join(folder, made[name]), "w", encoding="utf-8") as out:
            json.dump(scene, out, indent=1)

    with open(os.path.join(root, "scenes", "sample_rig.json"), encoding="utf-8") as sample:
        rig = json.load(sample)
    write("sample_rig", rig)
    write("every_kind", every_kind_scene())
    write("leftover_property", dict(rig, root_properties=["QuillmereOption"]))
    write("empty_selection", dict(rig, selection=[]))
    write("no_3d_object", dict(rig, selection=["rig_controls"]))
    for seed in (1, 2, 3):
        made[f"generated_{seed}"] = f"generated_{seed}.json"
        subprocess.run([sys.executable, os.path.join(root, "scripts", "make-scene.py"), "120",
                        os.path.join(folder, made[f"generated_{seed}"]), "--seed", str(seed)], check=True,
                       capture_output=True)
    return made


def cases():
    """(name, scene, arguments) for every case of the table."""
    table = []
    for scene in ("sample_rig", "every_kind"):
        table += [(f"{scene}: OK", scene, ["--page", "OK"]),
                  (f"{scene}: Cancel", scene, ["--page", "Cancel"]),
                  (f"{scene}: All Toggle", scene, ["--page", "AllToggle OK"]),
                  (f"{scene}: All OFF, All Toggle", scene, ["--page", "AllOff AllToggle OK"])]
        table += [(f"{scene}: only {option}", scene, ["--page", f"AllOff {option}=on OK"]) for option in OPTIONS]
    table += [("every_kind: two toggled off", "every_kind", ["--page", "Pos Symmetry OK"]),
              ("every_kind: All ON after All OFF", "every_kind", ["--page", "AllOff AllOn OK"]),
              ("every_kind: bones alone", "every_kind", ["--page", "OK", "--select", "arm_bone1,arm_bone2"]),
              ("every_kind: a group alone", "every_kind", ["--page", "OK", "--select", "rig_set"])]
    table += [(f"every_kind: reading {reading}", "every_kind", ["--page", "OK", "--reading", reading])
              for reading in READINGS]
    table += [("every_kind: Cancel, reading cancelled-page=fail", "every_kind",
               ["--page", "Cancel", "--reading", "cancelled-page=fail"])]
    table += [("leftover_property: OK", "leftover_property", ["--page", "OK"]),
              ("leftover_property: Cancel", "leftover_property", ["--page", "Cancel"]),
              ("leftover_property: reading taken-property-name=same", "leftover_property",
               ["--page", "OK", "--reading", "taken-property-name=same"]),
              ("leftover_property: reading root-property-name=bare", "leftover_property",
               ["--page", "OK", "--reading", "root-property-name=bare"]),
              ("empty_selection: OK", "empty_selection", ["--page", "OK"]),
              ("empty_selection: Cancel", "empty_selection", ["--page", "Cancel"]),
              ("no_3d_object: OK", "no_3d_object", ["--page", "OK"])]
    table += [(f"generated_{seed}: OK", f"generated_{seed}", ["--page", "OK"]) for seed in (1, 2, 3)]
    table += [("generated_1: only Chain Up Vector", "generated_1", ["--page", "AllOff ChainUpVector=on OK"])]
    return table


def differences(linux, windows, path="$"):
    """Where two parsed reports differ, field by field."""
    if type(linux) is not type(windows):
        return [f"{path}: {json.dumps(linux)} on Linux, {json.dumps(windows)} under Wine"]
    if isinstance(linux, dict):
        found = []
        for key in list(linux) + [key for key in windows if key not in linux]:
            if key not in linux or key not in windows:
                found.append(f"{path}.{key}: only {'on Linux' if key in linux else 'under Wine'}")
            else:
                found += differences(linux[key], windows[key], f"{path}.{key}")
        return found
    if isinstance(linux, list):
        found = []
        for index, (a, b) in enumerate(zip(linux, windows)):
            found += differences(a, b, f"{path}[{index}]")
        if len(linux) != len(windows):
            found.append(f"{path}: {len(linux)} items on Linux, {len(windows)} under Wine")
        return found
    return [] if linux == windows else [f"{path}: {json.dumps(linux)} on Linux, {json.dumps(windows)} under Wine"]


def compare(name, linux, windows, plugins=()):
    """Exit status, report and messages; each plug-in path stands for the one plug-in."""

    def messages(run, plugin):
        return run.stderr.replace(plugin, "PLUGIN") if plugin else run.stderr

    found = []
    if linux.returncode != windows.returncode:
        found.append(f"exit status {linux.returncode} on Linux, {windows.returncode} under Wine")
    linux_messages = messages(linux, plugins[0] if plugins else None)
    windows_messages = messages(windows, plugins[1] if plugins else None)
    if linux_messages != windows_messages:
        found.append(f"messages {linux_messages!r} on Linux, {windows_messages!r} under Wine")
    try:
        found += differences(json.loads(linux.stdout or "null"), json.loads(windows.stdout or "null"))
    except json.JSONDecodeError:
        if linux.stdout != windows.stdout:
            found.append("the reports differ and are not both JSON")
    if found:
        print(f"FAIL {name}:", file=sys.stderr)
        for difference in found[:20]:
            print(f"  {difference}", file=sys.stderr)
    else:
        print(f"alike: {name}: {summary(linux)}")
    return not found


def summary(run):
    """What a run did, in a few words."""
    try:
        report = json.loads(run.stdout)
    except json.JSONDecodeError:
        return f"exit {run.returncode}, {run.stderr.strip()[:100]}"
    return (f"exit {run.returncode}, {len(report.get('deleted', []))} deleted, {len(report.get('calls', []))} calls, "
            f"{len(report.get('log', []))} logged")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    shipped_dll.add_arguments(parser, "the emulated host built for Windows, with its stand-in")
    parser.add_argument("--linux-host", required=True)
    parser.add_argument("--linux-module", required=True)
    parser.add_argument("--test-plugins", nargs="+", required=True,
                        help="test plug-ins (tests/support/plugins) built in both ABIs, run on the sample rig")
    parser.add_argument("--msvc-test-plugins", required=True, help="where the test plug-ins built in the host's ABI are")
    parser.add_argument("--linux-test-plugins", required=True, help="where the same, built on Linux, are")
    args = parser.parse_args()
    shipped_dll.absolute(args, "linux_host", "linux_module", "msvc_test_plugins", "linux_test_plugins")
    test_plugins = [(name, os.path.join(args.linux_test_plugins, name + ".so"),
                     os.path.join(args.msvc_test_plugins, name + ".dll")) for name in args.test_plugins]
    for path in [args.linux_host, args.linux_module, os.path.join(args.mingw_bin, "quillmere-host.exe")] + \
            [paths[1] for paths in test_plugins]:
        if not os.path.exists(path):
            sys.exit(f"{path} is missing: build the default preset and the MinGW preset of this bitness first")

    with tempfile.TemporaryDirectory() as work:
        dll = shipped_dll.shipped_dll(args.root, args.x86_dll, args.x64_dll, args.bits, work)
        folder = shipped_dll.run_folder(work, args.mingw_bin, args.standin, dll, [dll for _, _, dll in test_plugins])
        files = scenes(args.root, folder)
        wine = shipped_dll.Wine(folder)
        started = time.monotonic()
        table = cases()
        passed = 0
        for name, scene, arguments in table:
            common = ["--scene", files[scene]] + arguments + ["--report", "json", "--trace"]
            linux = subprocess.run([args.linux_host, "--plugin", args.linux_module] + common, cwd=folder,
                                   stdin=subprocess.DEVNULL, capture_output=True, text=True)
            windows = wine.run(["quillmere-host.exe", "--plugin", "Quillmere.dll"] + common)
            if windows.returncode != 0 and not windows.stdout and not windows.stderr:
                # Seen about once in 150 runs on a loaded machine: Wine ends
                # the program before it writes a byte. Once more, said aloud.
                print(f"Wine gave no output (exit {windows.returncode}): {name}: once more")
                windows = wine.run(["quillmere-host.exe", "--plugin", "Quillmere.dll"] + common)
            passed += compare(name, linux, windows)
        # Test plug-ins built from one source in each ABI (one faults: the
        # call ends, and the run, alike); a plug-in path stands for the plug-in.
        common = ["--scene", files["sample_rig"], "--page", "OK", "--report", "json", "--trace"]
        for name, module, test_dll in test_plugins:
            test_dll = os.path.basename(test_dll)
            linux = subprocess.run([args.linux_host, "--plugin", module] + common, cwd=folder,
                                   stdin=subprocess.DEVNULL, capture_output=True, text=True)
            windows = wine.run(["quillmere-host.exe", "--plugin", test_dll] + common)
            passed += compare(f"test plug-in {name}", linux, windows, (module, test_dll))
        total = len(table) + len(test_plugins)
        seconds = time.monotonic() - started
    print(f"{passed} of {total} cases alike on Linux and under {args.bits}-bit Wine ({seconds:.0f} s)")
    return 0 if passed == total else 1


if __name__ == "__main__":
    sys.exit(main())
