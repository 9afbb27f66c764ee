"""Helpers for Tesvar's end-to-end tests: the real tesvar.exe under Wine on an X display, driven
from outside by tesvar-drive.exe through the program's automation port.

The environment comes from tools/wine-env.sh (WINEPREFIX, the Chinese locale) plus a DISPLAY;
run_e2e.py sets both up when they are missing.  The executables are found in build/win, or taken
from $TESVAR_EXE and $TESVAR_DRIVE.
"""

import atexit
import json
import os
import shutil
import signal
import subprocess
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
BUILD = REPO / "build"
DATA = REPO / "data"
RUN_DIR = BUILD / "e2e-run"
SHOT_DIR = BUILD / "e2e-shots"

OK_BUTTONS = ("确定", "OK")

# How long Wine may take for the first window when its server starts cold (about 0.7 s measured,
# much more on a loaded machine).
READY_TIMEOUT = 30.0


class DriverError(Exception):
    pass


def _find_built(env_name, file_name):
    if os.environ.get(env_name):
        return Path(os.environ[env_name])
    direct = BUILD / "win" / file_name
    if direct.exists():
        return direct
    found = sorted((BUILD / "win").rglob(file_name)) if (BUILD / "win").is_dir() else []
    return found[0] if found else direct


def tesvar_exe():
    return _find_built("TESVAR_EXE", "tesvar.exe")


def drive_exe():
    return _find_built("TESVAR_DRIVE", "tesvar-drive.exe")


def recorder_exe():
    return _find_built("TESVAR_RECORDER", "explorer-recorder.exe")


def layout(name, data=(), files=None):
    """A fresh start folder build/e2e-run/NAME holding tesvar.exe, copies of the given data
    folders (names under data/, or paths) and FILES ({relative path: bytes or text}; text is
    written in GBK, as the program itself writes)."""
    folder = RUN_DIR / name
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    shutil.copy2(tesvar_exe(), folder / "tesvar.exe")
    for entry in data:
        src = Path(entry) if Path(entry).is_absolute() else DATA / entry
        shutil.copytree(src, folder / src.name)
    for rel, content in (files or {}).items():
        path = folder / rel
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(content if isinstance(content, bytes) else content.encode("gbk"))
    return folder


def drive(*requests, wait_ms=None, check=True, timeout=60, env=None):
    """Runs tesvar-drive.exe with REQUESTS (in the environment ENV, default this process's) and
    returns its output lines.

    The output goes through a file, not a pipe: when this call is the one that starts Wine's
    server, Wine's service processes inherit the driver's stdout, and a pipe would then stay
    open until the server ends."""
    args = ["wine", str(drive_exe())]
    if wait_ms is not None:
        args += ["--wait", str(wait_ms)]
    args += list(requests)
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        rc = subprocess.run(args, stdin=subprocess.DEVNULL, stdout=out, stderr=err, timeout=timeout,
                            env=env).returncode
        out.seek(0)
        err.seek(0)
        lines = out.read().decode("utf-8", "replace").splitlines()
        message = err.read().decode("utf-8", "replace").strip()
    if check and rc != 0:
        raise DriverError(f"tesvar-drive {list(requests)} exited {rc}: {message or 'no message'}")
    return lines


def screenshot(name):
    """Writes the whole X screen to build/e2e-shots/NAME.png after the windows settled."""
    time.sleep(0.3)
    SHOT_DIR.mkdir(parents=True, exist_ok=True)
    path = SHOT_DIR / f"{name}.png"
    subprocess.run(["import", "-window", "root", str(path)], check=True, timeout=30)
    print(f"  screenshot: {path}")
    return path


class Tesvar:
    """One run of tesvar.exe in a start folder (its current directory).  Use as a context
    manager: a program still running at the end of the block is killed.  With an ExplorerRecorder
    the program runs in its prefix, and every Explorer it starts is recorded."""

    def __init__(self, folder, recorder=None):
        self.folder = Path(folder)
        self.log = self.folder.parent / f"{self.folder.name}.log"
        self.process = None
        self.recorder = recorder

    @classmethod
    def start_in(cls, folder, recorder=None):
        app = cls(folder, recorder)
        app.start()
        return app

    def start(self):
        env = self.recorder.program_env if self.recorder else None
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen(["wine", str(self.folder / "tesvar.exe")], cwd=self.folder,
                                            stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                            env=env)

    def drive(self, *requests, **options):
        """tesvar-drive.exe in this program's prefix."""
        return drive(*requests, env=self.recorder.env if self.recorder else None, **options)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.running():
            self.process.send_signal(signal.SIGKILL)
            self.process.wait()
        return False

    def running(self):
        return self.process is not None and self.process.poll() is None

    # --- reading and driving -------------------------------------------------------------------

    def port(self, request):
        """The automation port's reply to REQUEST."""
        return self.drive(request)[0]

    def state(self):
        reply = self.port("state")
        try:
            return json.loads(reply)
        except json.JSONDecodeError as error:
            raise AssertionError(f"state reply is not JSON ({error}): {reply[:300]}") from None

    def wait_idle(self):
        """Waits until every action asked for has run to its end (dialogs closed included)."""
        reply = self.port("idle")
        if reply != "idle":
            raise AssertionError(f"the program is still busy: {reply!r}")

    def listbox(self):
        return json.loads(self.drive("listbox")[0])

    def window(self):
        return json.loads(self.drive("window")[0])

    def boxes(self):
        return [json.loads(line) for line in self.drive("boxes")]

    def wait_box(self, caption, timeout_ms=10000):
        """Waits until a box captioned CAPTION is open (actions run after their "ok") and
        returns the open boxes."""
        self.drive(f"waitbox {caption} {timeout_ms}")
        return self.boxes()

    def press(self, caption, button, check=True):
        self.drive(f"press {caption} {button}", check=check)

    def dismiss(self, box, check=True):
        """Presses the box's OK button (its first button when it has none)."""
        buttons = [b.replace("&", "") for b in box["buttons"]]
        button = next((b for b in buttons if b.split("(")[0] in OK_BUTTONS), buttons[0] if buttons else None)
        if button is None:
            raise AssertionError(f"box without buttons: {box}")
        self.press(box["caption"] or "*", button.split("(")[0], check=check)

    def wait_ready(self, timeout=READY_TIMEOUT):
        """Waits until the main window is shown with no box open, dismissing every box that
        appears on the way (a start-up error is shown while the window is being created).
        Returns the boxes that were dismissed, in order."""
        deadline = time.monotonic() + timeout
        dismissed = []
        quiet_polls = 0
        while time.monotonic() < deadline:
            if not self.running():
                raise AssertionError(f"tesvar.exe ended during start-up (exit {self.process.returncode})")
            # --wait 0: while a start-up error box is open the main window may not exist yet,
            # and waiting for it would only hold the box open.
            lines = self.drive("boxes", "window", wait_ms=0, check=False)
            boxes = [json.loads(line) for line in lines if line.startswith('{"caption"')]
            window = next((json.loads(line) for line in lines if line.startswith('{"visible"')), None)
            for box in boxes:
                self.dismiss(box, check=False)  # a box may close by itself meanwhile
                dismissed.append(box)
            # Two quiet polls in a row: a box that was about to open has had its chance.
            quiet_polls = quiet_polls + 1 if (not boxes and window and window["visible"]) else 0
            if quiet_polls == 2:
                return dismissed
            time.sleep(0.1)
        raise AssertionError(f"main window not shown within {timeout} s (boxes dismissed: {dismissed})")

    def close(self, timeout_ms=10000):
        """The port's close; returns True when the main window is gone within TIMEOUT_MS."""
        reply = self.port("close")
        if reply != "ok":
            raise AssertionError(f"close answered {reply!r}")
        return self.drive(f"waitgone {timeout_ms}", check=False) == ["gone"]

    def wait_end(self, timeout=15):
        """The exit code once the process has ended; fails when it is still running."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"tesvar.exe still running {timeout} s later") from None


class ExplorerRecorder:
    """A copy of the test prefix in which Explorer is explorer-recorder.exe, for the tests that
    check what the program asks Explorer to open (Wine's own Explorer does not take "/n,PATH").

    Made by the first test that asks (ExplorerRecorder.get()), once per run, and ended when the
    run ends; the shared prefix is never changed.  Wine's desktop and tray run in Wine's built-in
    explorer.exe, so the desktop is started (and kept by a hidden window) before the recorder
    takes the file's place; only programs started with program_env load the recorder."""

    PREFIX = BUILD / "e2e-prefix-explorer"
    _made = None

    @classmethod
    def get(cls):
        if cls._made is None:
            cls._made = cls()
            atexit.register(cls.end_if_made)
        return cls._made

    @classmethod
    def end_if_made(cls):
        """Ends the prefix's programs and server, so that the next tests have the display alone."""
        if cls._made is not None:
            cls._made.end()
            cls._made = None

    def __init__(self):
        source = Path(os.environ["WINEPREFIX"])
        shutil.rmtree(self.PREFIX, ignore_errors=True)
        # The shared prefix's server writes its registry files as it ends: end it (between two
        # tests nothing of theirs runs), so the copy is whole.
        subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL, timeout=60)
        subprocess.run(["wineserver", "-w"], stderr=subprocess.DEVNULL, timeout=60)
        subprocess.run(["cp", "-a", str(source), str(self.PREFIX)], check=True, timeout=600)
        self.env = dict(os.environ, WINEPREFIX=str(self.PREFIX))
        self.program_env = dict(self.env, WINEDLLOVERRIDES="explorer.exe=n;mscoree,mshtml=")
        system32 = self.PREFIX / "drive_c" / "windows" / "system32"
        self.log = system32 / "explorer-calls.log"
        subprocess.run(["wineserver", "-p"], env=self.env, timeout=60)
        self.keeper = subprocess.Popen(["wine", str(recorder_exe()), "--keep-desktop"], env=self.env,
                                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + READY_TIMEOUT
        while not self._desktop_running():
            if time.monotonic() > deadline:
                raise AssertionError("Wine's desktop did not start in the recorder prefix")
            time.sleep(0.2)
        shutil.copy2(recorder_exe(), system32 / "explorer.exe")

    def _desktop_running(self):
        for proc in Path("/proc").iterdir():
            if not proc.name.isdigit():
                continue
            try:
                environ = (proc / "environ").read_bytes().split(b"\0")
                cmdline = (proc / "cmdline").read_bytes().replace(b"\0", b" ").lower()
            except OSError:
                continue
            if f"WINEPREFIX={self.PREFIX}".encode() in environ and b"explorer.exe /desktop" in cmdline:
                return True
        return False

    def calls(self):
        """The recorded starts so far: [{"commandLine": …, "show": …}, …]."""
        if not self.log.exists():
            return []
        return [json.loads(line) for line in self.log.read_text(encoding="utf-8").splitlines() if line]

    def clear(self):
        self.log.unlink(missing_ok=True)

    def wait_calls(self, count, timeout=15.0):
        """The recorded starts once there are COUNT of them; fails when fewer come in time."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            calls = self.calls()
            if len(calls) >= count:
                time.sleep(0.5)  # any further start would show now
                return self.calls()
            time.sleep(0.1)
        raise AssertionError(f"{count} Explorer starts expected, recorded: {self.calls()}")

    def reg(self, *args):
        """`wine reg ARGS` in this prefix; its output."""
        result = subprocess.run(["wine", "reg", *args], env=self.env, capture_output=True, timeout=60)
        return result.stdout.decode("utf-8", "replace")

    def end(self):
        if self.keeper.poll() is None:
            self.keeper.kill()
            self.keeper.wait()
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL, timeout=60)
