#!/usr/bin/env python3
"""The release zip as a user meets it: unzip dist/tesvar-<version>.zip into an empty folder,
start tesvar.exe there under Wine and check, through tesvar-drive.exe, that it comes up with the
default sample set and without any message box, that the about box opens once for two clicks
and closes with OK, and that the program closes cleanly, writing the list and the settings.

    tools/test-zip.py [--zip ZIP] [--drive tesvar-drive.exe] [--keep]

Wine runs in the environment given (WINEPREFIX must be set, e.g. by tools/wine-env.sh); a
Chinese locale and quiet defaults are added when missing. Without DISPLAY a private Xvfb is
started for the run. Prints one PASS/FAIL line a check, then "zip: N passed, M failed"; exits 1
when anything failed.
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
UTF8_FLAG = 0x800
FEEDBACK = "Kestrom_用户反馈表/用户反馈表.exe"


class Run:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
            print(f"PASS {name}")
        else:
            self.failed += 1
            print(f"FAIL {name}" + (f": {detail}" if detail else ""))
        sys.stdout.flush()
        return ok


def drive(driver, *requests, timeout=60):
    """tesvar-drive.exe's output lines. Through a file, not a pipe: Wine's service processes
    inherit the handles of the process that starts the server and would hold a pipe open."""
    with tempfile.TemporaryFile() as out:
        rc = subprocess.run(["wine", str(driver), *requests], stdout=out, stderr=subprocess.STDOUT,
                            stdin=subprocess.DEVNULL, timeout=timeout).returncode
        out.seek(0)
        lines = out.read().decode("utf-8", "replace").replace("\r", "").splitlines()
    return rc, [line for line in lines if line.strip()]


def boxes(driver):
    rc, lines = drive(driver, "boxes")
    parsed = []
    for line in lines:
        try:
            parsed.append(json.loads(line))
        except ValueError:
            parsed.append({"caption": "?", "texts": [line], "buttons": []})
    return rc, parsed


def start_xvfb():
    for number in range(90, 100):
        if not Path(f"/tmp/.X{number}-lock").exists():
            xvfb = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1.0)
            if xvfb.poll() is None:
                os.environ["DISPLAY"] = f":{number}"
                return xvfb
    raise RuntimeError("no free X display for Xvfb")


def check_zip(run, zip_path):
    with zipfile.ZipFile(zip_path) as archive:
        infos = archive.infolist()
    names = {info.filename.rstrip("/") for info in infos}
    run.check("zip holds tesvar.exe", "tesvar.exe" in names)
    run.check("zip holds the feedback form in its folder", FEEDBACK in names)
    data_folders = sorted(p.name for p in (REPO / "data").iterdir() if p.is_dir())
    missing = [f for f in data_folders if f not in names]
    run.check("zip holds every data folder", not missing, f"missing {missing}")
    unflagged = [i.filename for i in infos if not i.filename.isascii() and not i.flag_bits & UTF8_FLAG]
    run.check("non-ASCII names carry the UTF-8 flag", not unflagged, f"{unflagged}")


def exercise(run, driver, program, folder, original):
    winxp = folder / "样例文件夹" / "winxp.txt"
    rc, lines = drive(driver, "--wait", "30000", "state", timeout=90)
    state = json.loads(lines[0]) if rc == 0 and lines else None
    if not run.check("the program starts and answers", state is not None, " | ".join(lines)):
        return
    current = state["state"].get("currentListFile", "")
    run.check("the default sample set is loaded", current.endswith("\\样例文件夹\\winxp.txt") and state["list"],
              current)

    drive(driver, "sleep 500")
    rc, shown = boxes(driver)
    run.check("no message box at start", rc == 0 and not shown, f"{shown}")

    drive(driver, "click N56", "sleep 300", "click N56", "sleep 500")
    rc, shown = boxes(driver)
    about = [b for b in shown if b.get("caption") == "About"]
    run.check("two clicks on 关于 show one about box", rc == 0 and len(about) == 1 and len(shown) == 1,
              f"{shown}")
    if about:
        run.check("the about box shows the product and the OK button",
                  "Tesvar2.0" in about[0]["texts"] and about[0]["buttons"] == ["OK"], f"{about[0]}")
    rc, _ = drive(driver, "press About OK", "sleep 500")
    rc2, shown = boxes(driver)
    run.check("OK hides the about box", rc == 0 and rc2 == 0 and not shown, f"{shown}")

    rc, lines = drive(driver, "close", "waitgone 15000", timeout=60)
    run.check("the program closes", rc == 0 and "gone" in lines, " | ".join(lines))
    program.wait(timeout=30)
    run.check("closing wrote the list back unchanged", winxp.read_bytes() == original)
    run.check("closing wrote the settings file", (folder / "set").is_file())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--zip", type=Path, default=None)
    parser.add_argument("--drive", type=Path, default=REPO / "build/win/tools/driver/tesvar-drive.exe")
    parser.add_argument("--keep", action="store_true", help="keep the unzipped folder")
    args = parser.parse_args()
    if args.zip is None:
        found = sorted((REPO / "dist").glob("tesvar-*.zip"))
        if not found:
            sys.exit("test-zip: no dist/tesvar-*.zip; build the Windows target first")
        args.zip = found[-1]
    if not os.environ.get("WINEPREFIX"):
        sys.exit("test-zip: set WINEPREFIX (source tools/wine-env.sh) so the run has a prefix of its own")
    for name, value in (("WINEARCH", "win32"), ("WINEDEBUG", "-all"), ("WINEDLLOVERRIDES", "mscoree,mshtml="),
                        ("LANG", "zh_CN.UTF-8")):
        os.environ.setdefault(name, value)

    run = Run()
    check_zip(run, args.zip)

    xvfb = start_xvfb() if not os.environ.get("DISPLAY") else None
    folder = Path(tempfile.mkdtemp(prefix="tesvar-zip-"))
    program = None
    try:
        with zipfile.ZipFile(args.zip) as archive:
            archive.extractall(folder)
        winxp = folder / "样例文件夹" / "winxp.txt"
        run.check("unzipped with the Chinese folder names", winxp.is_file(), f"{sorted(os.listdir(folder))}")
        original = winxp.read_bytes() if winxp.is_file() else b""

        with open(folder.parent / (folder.name + ".log"), "wb") as log:
            program = subprocess.Popen(["wine", "tesvar.exe"], cwd=folder, stdin=subprocess.DEVNULL, stdout=log,
                                       stderr=subprocess.STDOUT)
        exercise(run, args.drive, program, folder, original)
    finally:
        if program and program.poll() is None:
            program.kill()
        if xvfb:
            subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL)
            xvfb.terminate()
        if args.keep:
            print(f"test-zip: unzipped run left in {folder}")
        else:
            shutil.rmtree(folder, ignore_errors=True)
            (folder.parent / (folder.name + ".log")).unlink(missing_ok=True)

    print(f"zip: {run.passed} passed, {run.failed} failed")
    return 1 if run.failed else 0


if __name__ == "__main__":
    sys.exit(main())
