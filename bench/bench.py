#!/usr/bin/env python3
"""Measures Tesvar's figures in one run and prints each beside its floor or target as a ratio.

    python3 bench/bench.py [--start-runs N] [--rounds N]

Run it through bench/run.sh, which builds everything and provides Wine and a display. Figures:
  - start to main window shown: tesvar.exe against the minimal window program, started in turn
    under the same warm Wine by tesvar-bench.exe (median of --start-runs each); the minimal
    program built with tesvar.exe's system DLLs is shown beside it as a reference;
  - clear-all, load, sort and reload of a 300- and a 3000-entry list: in the core (host, sim
    platform, tesvar-core-bench) and in the real program through the automation port's
    "time" request (median of --rounds);
  - private bytes of the real program holding 3000 entries (its anonymous resident and swapped
    memory, RssAnon + VmSwap: what Wine itself reports as a process's private usage), and the
    size of tesvar.exe.
The figures also go to build/bench/figures.json.
"""

import argparse
import json
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from datetime import datetime, timezone
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tools" / "e2e"))
sys.dont_write_bytecode = True

import tesvar_e2e as e2e  # noqa: E402

CORE_BENCH = REPO / "build" / "bench-host" / "bench" / "tesvar-core-bench"
WIN_BENCH = REPO / "build" / "win" / "bench"
RUN = REPO / "build" / "bench"
OPS = ("clear-all", "load", "sort", "reload")
# The port's action for each operation; clear-all asks first and is confirmed in its box.
ACTIONS = {"clear-all": "click qinkongliebiao", "load": "click mu_dakaiyangli", "sort": "click N42",
           "reload": "click genxinzairu"}
CORE_TARGET_MS = 2.0
REAL_TARGET_MS = 50.0
START_TARGET = 1.5
MEMORY_TARGET = 8 * 1024 * 1024
SIZE_TARGET = 1.5 * 1024 * 1024
# Ten times the entries may take at most this many times as long and still count as linear
# (n log n for the sort, and noise, stay below it; quadratic work would be near 100).
LINEAR_LIMIT = 15.0


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def private_bytes(pid):
    """RssAnon + VmSwap of a running process. A program started with "wine" keeps the pid."""
    fields = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            name, _, value = line.partition(":")
            if name in ("RssAnon", "VmSwap"):
                fields[name] = int(value.split()[0]) * 1024
    return sum(fields.values())


def run_wine(*args, timeout=600):
    """Runs a Windows program under Wine; its output goes through a file (see tesvar_e2e.drive)."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        rc = subprocess.run(["wine", *map(str, args)], stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                            timeout=timeout).returncode
        out.seek(0)
        err.seek(0)
        text = out.read().decode("utf-8", "replace")
        message = err.read().decode("utf-8", "replace").strip()
    if rc != 0:
        raise RuntimeError(f"{args[0]} exited {rc}: {message}")
    return text.splitlines()


def list_file(entries):
    """Paths as users keep them, in a scrambled order so that the sort has work to do."""
    lines = [f"D:\\资料\\项目{i}\\文档" + ("\\Drafts" if i % 3 else "") for i in range(entries)]
    random.Random(12345).shuffle(lines)
    return "".join(line + "\r\n" for line in lines).encode("gbk")


def lay_out():
    shutil.rmtree(RUN, ignore_errors=True)
    folders = {}
    for name, exe in (("minimal", "bench-minimal.exe"), ("minimal-imports", "bench-minimal-imports.exe")):
        folders[name] = RUN / name
        folders[name].mkdir(parents=True)
        shutil.copy2(WIN_BENCH / exe, folders[name] / exe)
    for name, entries in (("start", None), ("ops300", 300), ("ops3000", 3000)):
        folder = RUN / name
        shutil.copytree(e2e.DATA, folder)
        shutil.copy2(e2e.tesvar_exe(), folder / "tesvar.exe")
        if entries:
            (folder / "样例文件夹" / "winxp.txt").write_bytes(list_file(entries))
        folders[name] = folder
    return folders


def core_figures(rounds):
    lines = subprocess.run([str(CORE_BENCH), str(max(rounds, 51))], check=True, capture_output=True,
                           text=True).stdout.splitlines()
    figures = {}
    for line in lines:
        d = json.loads(line)
        figures[(d["entries"], d["op"])] = d["medianMs"]
    return figures


def start_figures(folders, runs):
    lines = run_wine(WIN_BENCH / "tesvar-bench.exe", "start", runs,
                     "TesvarMinimal", windows_path(folders["minimal"] / "bench-minimal.exe"),
                     "TesvarMinimal", windows_path(folders["minimal-imports"] / "bench-minimal-imports.exe"),
                     "TForm1", windows_path(folders["start"] / "tesvar.exe"))
    medians = [statistics.median(json.loads(line)["ms"]) for line in lines]
    return dict(zip(("minimal", "minimal-imports", "tesvar"), medians))


def real_figures(folder, rounds):
    """Median ms per operation in a running tesvar.exe; its private bytes after the start and
    after the rounds; the entries it held."""
    app = e2e.Tesvar.start_in(folder)
    with app:
        boxes = app.wait_ready()
        if boxes:
            raise RuntimeError(f"boxes at start in {folder}: {boxes}")
        time.sleep(1)
        memory = {"start": private_bytes(app.process.pid)}
        requests = []
        for _ in range(rounds):
            for op in OPS:
                requests.append(f"time {ACTIONS[op]}")
                if op == "clear-all":
                    requests += ["waitbox 全部删除 10000", "press 全部删除 确定"]
                requests.append("timing")
        lines = e2e.drive(*requests, timeout=600)
        timings = [json.loads(line) for line in lines if line.startswith("{")]
        by_op = {op: [] for op in OPS}
        for t in timings:
            op = next(o for o in OPS if ACTIONS[o] == t["action"])
            by_op[op].append(t["ms"])
        if any(len(v) != rounds for v in by_op.values()):
            raise RuntimeError(f"timings missing: {lines}")
        entries = len(app.state()["list"])
        memory["rounds"] = private_bytes(app.process.pid)
        if not app.close():
            raise RuntimeError("tesvar.exe did not close")
        app.wait_end()
    return {op: statistics.median(v) for op, v in by_op.items()}, memory, entries


def minimal_memory(folder, exe):
    process = subprocess.Popen(["wine", str(folder / exe)], cwd=folder, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        # As long after its start as tesvar.exe is measured after its own: settled.
        time.sleep(2)
        return private_bytes(process.pid)
    finally:
        process.kill()
        process.wait()


def wine_version():
    try:
        return subprocess.run(["wine", "--version"], capture_output=True, text=True, timeout=30).stdout.strip()
    except OSError:
        return "wine ?"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--start-runs", type=int, default=15)
    parser.add_argument("--rounds", type=int, default=15)
    args = parser.parse_args()
    if args.start_runs < 10:
        parser.error("--start-runs: at least 10")

    folders = lay_out()
    # One Wine server for everything, kept warm between the programs (and 10 s after the last).
    subprocess.run(["wineserver", "-p10"], stderr=subprocess.DEVNULL)  # fails harmlessly when one runs
    subprocess.run(["wineboot"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=120)

    core = core_figures(args.rounds)
    start = start_figures(folders, args.start_runs)
    real = {}
    private = {}
    for entries in (300, 3000):
        real_ops, private[entries], held = real_figures(folders[f"ops{entries}"], args.rounds)
        if held != entries:
            raise RuntimeError(f"the {entries}-entry list held {held} entries")
        for op, ms in real_ops.items():
            real[(entries, op)] = ms
    floor_private = {name: minimal_memory(folders[name], f"bench-{name}.exe")
                     for name in ("minimal", "minimal-imports")}
    size = e2e.tesvar_exe().stat().st_size

    rows = []  # (figure, value, floor or target, ratio, verdict)

    def row(figure, value, floor, ratio, ok):
        rows.append((figure, value, floor, f"{ratio:.2f}x", "ok" if ok else "OVER"))

    ratio = start["tesvar"] / start["minimal"]
    row(f"start to main window shown (median of {args.start_runs})", f"{start['tesvar']:.1f} ms",
        f"minimal {start['minimal']:.1f} ms", ratio, ratio <= START_TARGET)
    rows.append(("  minimal program with tesvar.exe's system DLLs", f"{start['minimal-imports']:.1f} ms",
                 f"minimal {start['minimal']:.1f} ms", f"{start['minimal-imports'] / start['minimal']:.2f}x",
                 "(reference)"))
    for where, figures, target in (("core", core, CORE_TARGET_MS), ("real", real, REAL_TARGET_MS)):
        for op in OPS:
            for entries in (300, 3000):
                ms = figures[(entries, op)]
                row(f"{where} {op}, {entries} entries (median of {args.rounds})", f"{ms:.3f} ms",
                    f"target {target:g} ms", ms / target, ms <= target)
            growth = figures[(3000, op)] / figures[(300, op)]
            rows.append((f"{where} {op}: 300 -> 3000 entries", f"x{growth:.1f}", "x10 linear",
                         f"{growth / 10:.2f}", "ok" if growth <= LINEAR_LIMIT else "OVER"))
    for when, label in (("start", "after the start"), ("rounds", f"after the {args.rounds} rounds")):
        value = private[3000][when]
        row(f"private bytes, 3000 entries, {label}", f"{value / 2**20:.2f} MiB",
            f"target {MEMORY_TARGET / 2**20:g} MiB", value / MEMORY_TARGET, value <= MEMORY_TARGET)
    for name, value in (("minimal program with tesvar.exe's system DLLs", floor_private["minimal-imports"]),
                        ("tesvar.exe with 300 entries, after the start", private[300]["start"])):
        rows.append((f"  {name}", f"{value / 2**20:.2f} MiB", f"minimal {floor_private['minimal'] / 2**20:.2f} MiB",
                     f"{value / floor_private['minimal']:.2f}x", "(reference)"))
    row("tesvar.exe size", f"{size / 2**20:.2f} MiB", f"target {SIZE_TARGET / 2**20:g} MiB", size / SIZE_TARGET,
        size <= SIZE_TARGET)

    stamp = datetime.now(timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    print(f"Tesvar figures, {stamp}, {wine_version()}, {os.cpu_count()} cores")
    widths = [max(len(r[i]) for r in rows + [("figure", "value", "floor / target", "ratio", "")]) for i in range(5)]
    header = ("figure", "value", "floor / target", "ratio", "")
    for r in [header] + rows:
        print("  ".join(cell.ljust(widths[i]) if i in (0, 2) else cell.rjust(widths[i]) if i in (1, 3) else cell
                        for i, cell in enumerate(r)).rstrip())
    over = [r[0] for r in rows if r[4] == "OVER"]
    print(f"bench: {len(over)} over target" + (f": {'; '.join(over)}" if over else ""))

    RUN.mkdir(parents=True, exist_ok=True)
    (RUN / "figures.json").write_text(json.dumps({
        "when": stamp, "wine": wine_version(), "start": start,
        "core": {f"{e} {op}": ms for (e, op), ms in core.items()},
        "real": {f"{e} {op}": ms for (e, op), ms in real.items()},
        "privateBytes": private, "minimalPrivateBytes": floor_private, "exeBytes": size}, indent=2))
    return 0


if __name__ == "__main__":
    sys.exit(main())
