#!/usr/bin/env python3
"""Writes a folder into a zip archive the same way every time: entries in
name order, each dated the given time, with fixed permissions and no extra
fields (no owner, no access or change times). The same files give the same
archive, byte for byte, so a release's checksum can be made again.

    write_archive.py ARCHIVE FOLDER EPOCH_SECONDS

The archive holds FOLDER's own name as its top folder.
"""

import os
import sys
import time
import zipfile

# The oldest date a zip entry can hold.
DOS_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC
DIRECTORY_MODE = 0o40755
FILE_MODE = 0o100644
MS_DOS_DIRECTORY = 0x10


def entries(folder):
    """(name in the archive, path or None for a folder), folders first within each folder, by name."""
    base = os.path.dirname(os.path.abspath(folder))
    found = []
    for directory, subdirectories, files in os.walk(folder):
        subdirectories.sort()
        found.append((os.path.relpath(directory, base).replace(os.sep, "/") + "/", None))
        for name in sorted(files):
            path = os.path.join(directory, name)
            found.append((os.path.relpath(path, base).replace(os.sep, "/"), path))
    return found


def main():
    archive, folder, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
    date = time.gmtime(max(epoch, DOS_EPOCH))[:6]
    with zipfile.ZipFile(archive, "w") as out:
        for name, path in entries(folder):
            info = zipfile.ZipInfo(name, date)
            info.create_system = 3  # unix, so that the modes below are read
            if path is None:
                info.external_attr = (DIRECTORY_MODE << 16) | MS_DOS_DIRECTORY
                out.writestr(info, b"")
            else:
                info.external_attr = FILE_MODE << 16
                info.compress_type = zipfile.ZIP_DEFLATED
                with open(path, "rb") as source:
                    out.writestr(info, source.read(), compresslevel=9)


if __name__ == "__main__":
    main()
