"""What the tests of the shipped DLLs share: the archive made as
scripts/release.sh makes it, the DLL taken out of it (the bytes a user
installs, checked against the build's), and a folder where the emulated host
built for Windows runs it beside the stand-in, under the Wine that
tests/release/run_under_wine.sh set up."""

import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

PLATFORM_FOLDERS = {"32": "nt-x86", "64": "nt-x86-64"}


def add_arguments(parser, mingw_help):
    """The arguments every test of the shipped DLLs takes."""
    parser.add_argument("--root", required=True, help="the repository")
    parser.add_argument("--bits", choices=["32", "64"], required=True)
    parser.add_argument("--x86-dll", required=True, help="the built 32-bit release DLL")
    parser.add_argument("--x64-dll", required=True, help="the built 64-bit release DLL")
    parser.add_argument("--standin", required=True, help="the stand-in in the host's ABI (sicppsdk.dll, sicoresdk.dll)")
    parser.add_argument("--mingw-bin", required=True, help=mingw_help)


def absolute(args, *options):
    """The paths given, made absolute: the runs happen in another folder."""
    for option in ("root", "x86_dll", "x64_dll", "standin", "mingw_bin") + options:
        setattr(args, option, os.path.abspath(getattr(args, option)))


def sha256(path):
    with open(path, "rb") as data:
        return hashlib.sha256(data.read()).hexdigest()


def shipped_dll(root, x86_dll, x64_dll, bits, work):
    """Packs both built DLLs as scripts/release.sh does, then takes this
    bitness's out of the archive, which must hold exactly the built one."""
    for dll in (x86_dll, x64_dll):
        if not os.path.exists(dll):
            sys.exit(f"{dll} is missing: build both release presets (windows-release-x86, windows-release-x64) first")
    packed = os.path.join(work, "packed")
    os.makedirs(packed)
    make = subprocess.run(["cmake", f"-DX86_DLL={x86_dll}", f"-DX64_DLL={x64_dll}", f"-DOUT_DIR={packed}", "-P",
                           os.path.join(root, "package", "make_package.cmake")], capture_output=True, text=True)
    archives = [name for name in os.listdir(packed) if name.endswith(".zip")]
    if make.returncode != 0 or len(archives) != 1:
        sys.exit(f"packing the archive failed: {make.stderr.strip()}")
    member = f"Quillmere/Application/Plugins/bin/{PLATFORM_FOLDERS[bits]}/Quillmere.dll"
    taken = os.path.join(work, "from-the-archive")
    with zipfile.ZipFile(os.path.join(packed, archives[0])) as archive:
        archive.extract(member, taken)
    dll = os.path.join(taken, member)
    built = x86_dll if bits == "32" else x64_dll
    if sha256(dll) != sha256(built):
        sys.exit(f"{archives[0]}'s {member} is not the built {built}")
    print(f"{archives[0]}: {member}, sha256 {sha256(dll)}")
    return dll


def run_folder(work, mingw_bin, standin, plugin_dll, extra=()):
    """A folder holding the emulated host built for Windows and its stand-in
    (MinGW), the stand-in in the host's ABI (sicppsdk.dll, sicoresdk.dll),
    the plug-in and whatever else is given: all a Windows loader needs."""
    folder = os.path.join(work, "run")
    os.makedirs(folder)
    for name in sorted(os.listdir(mingw_bin)):
        if name.endswith(".exe") or name.endswith("-mingw.dll") or name.startswith("lib") and name.endswith(".dll"):
            shutil.copy(os.path.join(mingw_bin, name), folder)
    for name in ("sicppsdk.dll", "sicoresdk.dll"):
        shutil.copy(os.path.join(standin, name), folder)
    shutil.copy(plugin_dll, os.path.join(folder, "Quillmere.dll"))
    for path in extra:
        shutil.copy(path, folder)
    return folder


class Wine:
    """Runs Windows programs with the Wine run_under_wine.sh exported, its
    server kept up for the whole table rather than started for each run.
    Output goes through files: processes Wine leaves running would hold a
    pipe open, and a read of it would wait for them."""

    def __init__(self, folder):
        self.folder = folder
        self.wine = os.environ.get("WINE")
        self.server = os.environ.get("WINE_SERVER")
        if not self.wine or not self.server:
            sys.exit("run this under tests/release/run_under_wine.sh")
        # The server first, persistent, in the prefix's folder; the first
        # program then makes the prefix itself.
        os.makedirs(os.environ["WINEPREFIX"], exist_ok=True)
        subprocess.run([self.server, "-p"], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        first = self.run(["quillmere-host.exe", "--version"])
        if first.returncode != 0:
            sys.exit(f"the emulated host does not start under Wine: {first.stderr.strip()}")

    def run(self, args, timeout=600):
        with tempfile.TemporaryFile(mode="w+") as out, tempfile.TemporaryFile(mode="w+") as err:
            done = subprocess.run([self.wine] + args, cwd=self.folder, stdin=subprocess.DEVNULL, stdout=out,
                                  stderr=err, timeout=timeout)
            out.seek(0)
            err.seek(0)
            return subprocess.CompletedProcess(done.args, done.returncode, out.read(), err.read())
