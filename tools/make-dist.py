#!/usr/bin/env python3
"""Packs Tesvar's release zip: tesvar.exe at the top, every folder of data/ beside it under its
Chinese name, and the feedback form as Kestrom_用户反馈表/用户反馈表.exe.

    make-dist.py --exe tesvar.exe --feedback 用户反馈表.exe --data data --out dist/tesvar-2.0.0.zip

Names are stored in UTF-8 with the zip's UTF-8 flag (general purpose bit 11), which Windows'
own unzipping honours, so the folder names come out right on any system. Entries are marked as
made on MS-DOS/Windows with plain Windows attributes. The zip is written beside its final name
and then renamed, so a failed run never leaves half a zip.
"""

import argparse
import os
import sys
import time
import zipfile
from pathlib import Path

FEEDBACK_FOLDER = "Kestrom_用户反馈表"
FEEDBACK_NAME = "用户反馈表.exe"
ATTR_DIRECTORY = 0x10
ATTR_ARCHIVE = 0x20
UTF8_FLAG = 0x800


def entry(name, mtime, directory=False):
    info = zipfile.ZipInfo(name + ("/" if directory else ""), date_time=time.localtime(mtime)[:6])
    info.create_system = 0
    info.external_attr = ATTR_DIRECTORY if directory else ATTR_ARCHIVE
    info.compress_type = zipfile.ZIP_STORED if directory else zipfile.ZIP_DEFLATED
    return info


def contents(exe, feedback, data):
    """(name in the zip, source path or None for a folder), folders before what they hold."""
    items = [("tesvar.exe", exe)]
    folders = sorted(p for p in data.iterdir() if p.is_dir() and not p.name.startswith("."))
    if FEEDBACK_FOLDER not in [f.name for f in folders]:
        items.append((FEEDBACK_FOLDER, None))
    for folder in folders:
        items.append((folder.name, None))
        for path in sorted(folder.rglob("*")):
            if any(part.startswith(".") for part in path.relative_to(data).parts):
                continue
            name = path.relative_to(data).as_posix()
            items.append((name, None if path.is_dir() else path))
    items.append((f"{FEEDBACK_FOLDER}/{FEEDBACK_NAME}", feedback))
    return items


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe", type=Path, required=True)
    parser.add_argument("--feedback", type=Path, required=True)
    parser.add_argument("--data", type=Path, required=True)
    parser.add_argument("--out", type=Path, required=True)
    args = parser.parse_args()

    items = contents(args.exe, args.feedback, args.data)
    args.out.parent.mkdir(parents=True, exist_ok=True)
    partial = args.out.with_name(args.out.name + ".part")
    try:
        with zipfile.ZipFile(partial, "w") as archive:
            for name, source in items:
                if source is None:
                    archive.writestr(entry(name, time.time(), directory=True), b"")
                else:
                    archive.writestr(entry(name, source.stat().st_mtime), source.read_bytes())
        with zipfile.ZipFile(partial) as archive:
            bad = archive.testzip()
            if bad:
                raise RuntimeError(f"{bad} does not read back")
            for info in archive.infolist():
                if not info.filename.isascii() and not info.flag_bits & UTF8_FLAG:
                    raise RuntimeError(f"{info.filename} lacks the UTF-8 flag")
        os.replace(partial, args.out)
    except BaseException:
        partial.unlink(missing_ok=True)
        raise
    print(f"make-dist: {args.out} ({len(items)} entries)")


if __name__ == "__main__":
    sys.exit(main())
