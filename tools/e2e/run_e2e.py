#!/usr/bin/env python3
"""Runs Tesvar's end-to-end tests: every test_* function of tools/e2e/test_*.py, in file order.
A module's teardown_module(), when it has one, runs after its last test.

    python3 tools/e2e/run_e2e.py [-k SUBSTRING]

Prints one line per test and closes with "e2e: N passed, M failed"; exits 1 when any failed.
Without WINEPREFIX or DISPLAY in the environment it runs itself inside tools/wine-env.sh on a
private Xvfb, which it stops afterwards.
"""

import argparse
import importlib
import inspect
import os
import subprocess
import sys
import time
import traceback
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
sys.dont_write_bytecode = True  # no __pycache__ in the source tree

import tesvar_e2e as e2e  # noqa: E402


def in_private_environment():
    script = ('. tools/wine-env.sh && wine_start_xvfb || exit 1\n'
              'python3 "$0" "$@"; rc=$?\n'
              'wine_stop\n'
              'exit $rc\n')
    return subprocess.run(["bash", "-c", script, str(Path(__file__).resolve()), *sys.argv[1:]],
                          cwd=e2e.REPO).returncode


def discover(pattern):
    tests = []
    for path in sorted(HERE.glob("test_*.py")):
        module = importlib.import_module(path.stem)
        functions = [f for name, f in inspect.getmembers(module, inspect.isfunction)
                     if name.startswith("test_") and f.__module__ == module.__name__]
        functions.sort(key=lambda f: f.__code__.co_firstlineno)
        chosen = [(f"{path.stem}.{f.__name__}", f) for f in functions if pattern in f"{path.stem}.{f.__name__}"]
        tests += chosen
        teardown = getattr(module, "teardown_module", None)
        if chosen and callable(teardown):
            tests.append((f"{path.stem}.teardown_module", teardown))
    return tests


def run(tests):
    passed = failed = 0
    for name, test in tests:
        if name.endswith(".teardown_module"):
            # Not a test: counted only when it fails.
            try:
                test()
            except Exception:
                failed += 1
                print(f"FAIL {name}: error")
                print("".join("     " + line for line in traceback.format_exc().splitlines(True)), end="")
            continue
        started = time.monotonic()
        try:
            test()
        except AssertionError as error:
            failed += 1
            print(f"FAIL {name}: {str(error) or 'assertion failed'}")
            for frame in traceback.extract_tb(error.__traceback__)[1:]:  # [0] is this runner
                print(f"     at {Path(frame.filename).name}:{frame.lineno}: {frame.line}")
        except Exception:  # anything else is a broken test or harness: show it whole
            failed += 1
            print(f"FAIL {name}: error")
            print("".join("     " + line for line in traceback.format_exc().splitlines(True)), end="")
        else:
            passed += 1
            print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
        sys.stdout.flush()
    return passed, failed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-k", default="", metavar="SUBSTRING", help="run only tests whose name contains it")
    args = parser.parse_args()

    if not os.environ.get("WINEPREFIX") or not os.environ.get("DISPLAY"):
        return in_private_environment()

    tests = discover(args.k)
    missing = [str(p) for p in (e2e.tesvar_exe(), e2e.drive_exe()) if not p.exists()]
    if missing:
        print(f"FAIL e2e set-up: not built: {', '.join(missing)}")
        passed, failed = 0, max(len(tests), 1)
    else:
        # Start Wine's server and services now, with nothing of ours attached to them, so that the
        # first test does not pay for (or inherit output handles into) their start.
        subprocess.run(["wineboot"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120)
        passed, failed = run(tests)
    print(f"e2e: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
