"""The help menu for real: the about box with its decoded picture, a help text opened through the
shell, the feedback form launched from its folder, and the release zip started from scratch."""

import subprocess
import time

import tesvar_e2e as e2e

FEEDBACK_TITLE = "Kestrom_用户反馈表"
# The product picture's folder colour (#ffd45e), with room for the stretch's averaging.
PICTURE_YELLOW = (255, 212, 94)


def start_with(name, data=("样例文件夹",), files=None):
    app = e2e.Tesvar.start_in(e2e.layout(name, data=data, files=files))
    try:
        boxes = app.wait_ready()
    except BaseException:
        app.__exit__(None, None, None)
        raise
    assert boxes == [], f"boxes at start: {boxes}"
    return app


def yellow_pixels(png):
    """Pixels of the screenshot close to the picture's folder colour."""
    raw = subprocess.run(["convert", str(png), "rgb:-"], check=True, capture_output=True, timeout=60).stdout
    r0, g0, b0 = PICTURE_YELLOW
    count = 0
    for i in range(0, len(raw) - 2, 3):
        if abs(raw[i] - r0) < 24 and abs(raw[i + 1] - g0) < 24 and abs(raw[i + 2] - b0) < 32:
            count += 1
    return count


def x_windows(title):
    """X window ids whose title contains TITLE."""
    found = subprocess.run(["xdotool", "search", "--name", title], capture_output=True, text=True, timeout=30)
    return found.stdout.split()


def wait_for_window(title, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        windows = x_windows(title)
        if windows:
            return windows
        time.sleep(0.2)
    return []


def end_program(image):
    subprocess.run(["wine", "taskkill", "/f", "/im", image], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=30)


def test_about_box_opens_once_with_its_picture_and_ok_hides_it():
    with start_with("help-about") as app:
        before = yellow_pixels(e2e.screenshot("help-about-before"))
        e2e.drive("click N56", "sleep 300", "click N56", "sleep 500")
        boxes = app.boxes()
        assert [box["caption"] for box in boxes] == ["About"], f"one about box for two clicks: {boxes}"
        about = boxes[0]
        assert about["texts"][0] == "Tesvar2.0" and about["buttons"] == ["OK"], about
        assert any(text.startswith("邮件：") for text in about["texts"]), about
        shown = yellow_pixels(e2e.screenshot("help-about-box"))
        # The 65 x 57 picture is about a third folder yellow; nothing else on the screen is.
        assert shown - before > 600, f"no picture in the about box ({before} -> {shown} yellow pixels)"

        app.press("About", "OK")
        time.sleep(0.3)
        assert app.boxes() == [], "OK leaves the about box open"
        assert app.state()["window"]["visible"], "the main window went away with the about box"
        assert app.close()


def test_help_text_opens_maximised_and_a_missing_one_is_named():
    # The prefix Wine makes has no association for .txt; the shell needs one to hand the file on.
    subprocess.run(["wine", "reg", "add", "HKCR\\.txt", "/ve", "/d", "txtfile", "/f"], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=60, check=True)
    with start_with("help-texts", data=("样例文件夹", "帮助")) as app:
        try:
            app.port("click readme")
            windows = wait_for_window("帮助.txt")
            assert windows, "no editor window for 帮助.txt"
            e2e.screenshot("help-text")
            geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", windows[0]], capture_output=True,
                                      text=True, timeout=30).stdout
            width = int(next(line.split("=")[1] for line in geometry.splitlines() if line.startswith("WIDTH=")))
            assert width >= 1000, f"the help text is not shown maximised: {geometry}"
        finally:
            end_program("notepad.exe")

        base = app.state()["state"]["baseDir"]
        (app.folder / "帮助" / "个人介绍.txt").unlink()
        e2e.drive("click mu_ge", "sleep 500")
        boxes = app.boxes()
        assert [(b["caption"], b["texts"]) for b in boxes] == [("Tesvar2.0", [f"文件不存在  {base}\\帮助\\个人介绍.txt"])]
        app.dismiss(boxes[0])
        assert app.close()


def test_feedback_form_starts_from_its_folder_or_its_absence_is_reported():
    form = e2e.tesvar_exe().parent / "用户反馈表.exe"
    assert form.exists(), f"the feedback form was not built: {form}"
    with start_with("help-feedback", files={f"{FEEDBACK_TITLE}/用户反馈表.exe": form.read_bytes()}) as app:
        try:
            app.port("click N58")
            assert wait_for_window(FEEDBACK_TITLE), "the feedback form did not open"
            e2e.screenshot("help-feedback-form")
            assert app.boxes() == []
        finally:
            end_program("用户反馈表.exe")
        assert app.close()

    with start_with("help-feedback-missing") as app:
        e2e.drive("click N58", "sleep 500")
        boxes = app.boxes()
        assert [(b["caption"], b["texts"]) for b in boxes] == [("出错", ["文件夹 Kestrom_用户反馈表不存在，请手工启动"])]
        app.dismiss(boxes[0])
        assert app.close()


def test_release_zip_unzips_and_starts_without_a_box():
    zips = sorted((e2e.REPO / "dist").glob("tesvar-*.zip"))
    assert zips, "no dist/tesvar-*.zip: the Windows build packs it"
    run = subprocess.run(["python3", str(e2e.REPO / "tools" / "test-zip.py"), "--zip", str(zips[-1]),
                          "--drive", str(e2e.drive_exe())], capture_output=True, text=True, timeout=600)
    assert run.returncode == 0, run.stdout + run.stderr
