"""The main roads a user takes, each on the real program with the shipped data folders: open
another list; tick and batch open; delete the unticked, save as into the data box and load it
back; switch a view option; hide to the tray and back; close and start again to find the list,
the settings and the registry as left.  Explorer is the recorder of tesvar_e2e.ExplorerRecorder,
so the roads run in its copy of the prefix, and the registry they change is that copy's."""

import time

import tesvar_e2e as e2e

ADVANCED = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced"
# The settings file as the program writes it with its start values.
FIRST_SETTINGS = "-1\r\n14\r\n宋体\r\n-16777208\r\n"
SHIPPED_XP = (e2e.DATA / "样例文件夹" / "winxp.txt").read_bytes()


def lines(data):
    return data.decode("gbk").split("\r\n")[:-1]


def shipped(name, files=None):
    """A start folder with every shipped data folder, and FILES."""
    return e2e.layout(name, data=sorted(p.name for p in e2e.DATA.iterdir()), files=files)


def start(folder):
    app = e2e.Tesvar.start_in(folder, e2e.ExplorerRecorder.get())
    try:
        boxes = app.wait_ready()
    except BaseException:
        app.__exit__(None, None, None)
        raise
    assert boxes == [], f"boxes at start: {boxes}"
    return app


def act(app, *requests):
    for request in requests:
        reply = app.port(request)
        assert reply == "ok", f"{request!r} answered {reply!r}"


def texts(state):
    return [entry["text"] for entry in state["list"]]


def mirror(state):
    top = state["menus"]["PopupMenu2"]
    last = next(i for i, item in enumerate(top) if item["name"] == "lastmenu")
    return [item["caption"] for item in top[last + 1:]]


def menu_item(state, name):
    def find(items):
        for item in items:
            if item["name"] == name:
                return item
            found = find(item["items"])
            if found:
                return found
        return None
    for menu in state["menus"].values():
        found = find(menu)
        if found:
            return found
    raise AssertionError(f"no menu item {name}")


def data_box_index(state, file_name):
    """Position of FILE_NAME in the data-box submenu, separators counted (for "click NAME/K")."""
    captions = [item["caption"] for item in menu_item(state, "menudakaisujuhe")["items"]]
    assert file_name in captions, f"{file_name} not in the data-box menu: {captions}"
    return captions.index(file_name)


def save_as(app, name):
    """Save as through the real save dialog, typing NAME into it."""
    act(app, "click menulincun")
    app.wait_box("另存为")
    app.drive(f"type 另存为 {name}")
    app.press("另存为", "保存")
    app.wait_idle()


def wait_file(path, timeout=10.0):
    deadline = time.monotonic() + timeout
    while not path.exists():
        assert time.monotonic() < deadline, f"{path} was not written"
        time.sleep(0.1)
    time.sleep(0.2)
    return path.read_bytes()


def set_view_options(recorder, hide_extensions, hidden, super_hidden):
    for name, value in (("HideFileExt", hide_extensions), ("Hidden", hidden), ("ShowSuperHidden", super_hidden)):
        recorder.reg("add", ADVANCED, "/v", name, "/t", "REG_DWORD", "/d", str(value), "/f")


def view_option(recorder, name):
    out = recorder.reg("query", ADVANCED, "/v", name)
    for line in out.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[0] == name and parts[1] == "REG_DWORD":
            return int(parts[2], 16)
    raise AssertionError(f"{name} not in the registry: {out!r}")


def launches(calls):
    """The recorded Explorer starts as (arguments, show), the quoted Explorer path left off."""
    found = set()
    for call in calls:
        program, _, arguments = call["commandLine"].partition(" ")
        assert program.strip('"').lower().endswith("\\explorer.exe"), call
        found.add((arguments, call["show"]))
    return found


def test_road_start_with_shipped_data_and_open_another_list():
    app = start(shipped("roads-open"))
    with app:
        state = app.state()
        assert texts(state) == lines(SHIPPED_XP)
        assert len(mirror(state)) == len(state["list"])
        # The open dialog starts in the save folder; the user picks the list shipped there.
        act(app, "click menuopen")
        app.wait_box("打开")
        app.drive("type 打开 示例列表.txt")
        app.press("打开", "打开")
        app.wait_idle()
        state = app.state()
        wanted = lines((e2e.DATA / "保存" / "示例列表.txt").read_bytes())
        assert texts(state) == wanted
        assert state["state"]["currentListFile"].endswith("\\保存\\示例列表.txt")
        assert state["state"]["savedListFile"] == state["state"]["currentListFile"]
        assert len(mirror(state)) == len(wanted)
        e2e.screenshot("road-open-another-list")
        assert app.close(), "window still open after close"
        assert app.wait_end() == 0
    # Closing wrote the list back where it came from, and the settings beside the program.
    assert lines((app.folder / "保存" / "示例列表.txt").read_bytes()) == wanted
    assert (app.folder / "set").read_bytes() == FIRST_SETTINGS.encode("gbk")
    assert (app.folder / "样例文件夹" / "winxp.txt").read_bytes() == SHIPPED_XP


def test_road_tick_and_batch_open_in_explorer():
    recorder = e2e.ExplorerRecorder.get()
    listed = "C:\\windows\r\nC:\\windows\\system32\r\nB:\\没有\r\n我的文档\r\nC:\\\r\n"
    app = start(shipped("roads-batch", files={"样例文件夹/winxp.txt": listed}))
    with app:
        recorder.clear()
        act(app, "list check 0", "list check 2", "list check 4", "click ToolButton3")
        app.wait_box("批量打开文件夹")
        app.press("批量打开文件夹", "确定")
        summary = app.wait_box("批量打开文件夹记录")
        assert [box["texts"] for box in summary] == [["打开有失败，请查看下方编辑框记录"]]
        assert app.state()["memo"] == "打开失败  B:\\没有\r\n"
        calls = recorder.wait_calls(2)
        assert launches(calls) == {("/root,C:\\windows", 3), ("/root,C:\\", 3)}, calls
        e2e.screenshot("road-batch-open")
        app.press("批量打开文件夹记录", "确定")

        # A double-click opens the one entry in a new window and puts the program aside.
        recorder.clear()
        act(app, "list select 1", "list dblclick")
        assert launches(recorder.wait_calls(1)) == {("/n,C:\\windows\\system32", 3)}
        assert app.state()["window"]["minimized"]
        assert app.close()


def test_road_delete_unticked_save_as_into_data_box_and_load_back():
    # A settings file from an earlier run points the save dialog at the data box.
    app = start(shipped("roads-save-as", files={"set": FIRST_SETTINGS}))
    with app:
        act(app, "list check 0", "list check 6", "click N27")
        state = app.state()
        assert texts(state) == ["我的电脑", "C:\\"]
        assert mirror(state) == ["我的电脑", "C:\\"]

        save_as(app, "路线")  # the dialog adds the default extension
        saved = app.folder / "我的数据盒" / "路线.txt"
        assert wait_file(saved) == "我的电脑\r\nC:\\\r\n".encode("gbk")
        state = app.state()
        assert state["state"]["currentListFile"].endswith("\\我的数据盒\\路线.txt")
        index = data_box_index(state, "路线.txt")

        act(app, "click menudakaiwenjianjia")
        assert texts(app.state()) == lines((e2e.DATA / "样例文件夹" / "vista.txt").read_bytes())
        act(app, f"click menudakaisujuhe/{index}")
        state = app.state()
        assert texts(state) == ["我的电脑", "C:\\"]
        assert state["state"]["savedListFile"].endswith("\\我的数据盒\\路线.txt")
        e2e.screenshot("road-save-as-and-load-back")
        assert app.close()
    assert saved.read_bytes() == "我的电脑\r\nC:\\\r\n".encode("gbk")


def test_road_view_options_reach_the_registry():
    recorder = e2e.ExplorerRecorder.get()
    set_view_options(recorder, hide_extensions=1, hidden=2, super_hidden=0)
    app = start(shipped("roads-view"))
    with app:
        state = app.state()
        assert not menu_item(state, "xisikuozanmin")["checked"]
        assert not menu_item(state, "xiansiyincang")["checked"]

        act(app, "click xisikuozanmin")
        state = app.state()
        assert menu_item(state, "xisikuozanmin")["checked"] and menu_item(state, "xisikuozanmin2")["checked"]
        assert view_option(recorder, "HideFileExt") == 0

        act(app, "click xiansiyincang2")
        state = app.state()
        assert menu_item(state, "xiansiyincang")["checked"]
        assert (view_option(recorder, "Hidden"), view_option(recorder, "ShowSuperHidden")) == (1, 1)
        assert app.boxes() == []
        e2e.screenshot("road-view-options")

        act(app, "click xisikuozanmin")
        assert view_option(recorder, "HideFileExt") == 1
        assert app.close()


def test_road_hide_to_tray_open_from_it_and_back():
    recorder = e2e.ExplorerRecorder.get()
    app = start(shipped("roads-tray"))
    with app:
        assert app.state()["tray"]["active"]
        act(app, "trayicon click")
        state = app.state()
        assert not state["window"]["visible"], "the window stayed on the screen"
        assert state["tray"]["active"]
        assert not app.window()["visible"]
        e2e.screenshot("road-hidden-in-tray")

        # Opening from the tray mirror leaves the window where it is.
        recorder.clear()
        windows = texts(state).index("C:\\WINDOWS")
        act(app, f"tray {windows}")
        assert launches(recorder.wait_calls(1)) == {("/n,C:\\WINDOWS", 3)}
        assert not app.state()["window"]["visible"]

        act(app, "trayicon click")
        state = app.state()
        assert state["window"]["visible"] and not state["window"]["minimized"]
        assert app.window()["visible"]
        assert app.close()


def test_road_close_and_start_again_finds_list_settings_and_registry_as_left():
    recorder = e2e.ExplorerRecorder.get()
    set_view_options(recorder, hide_extensions=1, hidden=2, super_hidden=0)
    folder = shipped("roads-again", files={"set": FIRST_SETTINGS})
    app = start(folder)
    with app:
        act(app, "list check 6", "list check 8", "click N27")
        assert texts(app.state()) == ["C:\\", "C:\\WINDOWS"]
        save_as(app, "再来.txt")
        wait_file(folder / "我的数据盒" / "再来.txt")
        # Changes after the save are kept by the close, into the same file.
        act(app, "list drag 1 0", "click xisikuozanmin", "click xiansituopan")
        state = app.state()
        assert texts(state) == ["C:\\WINDOWS", "C:\\"]
        assert state["state"]["showInTray"] == 0 and not state["tray"]["active"]
        assert app.close()
        assert app.wait_end() == 0
    assert (folder / "我的数据盒" / "再来.txt").read_bytes() == "C:\\WINDOWS\r\nC:\\\r\n".encode("gbk")
    assert (folder / "set").read_bytes() == "0\r\n14\r\n宋体\r\n-16777208\r\n".encode("gbk")
    assert (folder / "样例文件夹" / "winxp.txt").read_bytes() == SHIPPED_XP
    assert view_option(recorder, "HideFileExt") == 0

    again = start(folder)
    with again:
        state = again.state()
        assert texts(state) == lines(SHIPPED_XP), "the default set is what a start loads"
        assert state["state"]["showInTray"] == 0 and not state["tray"]["active"]
        assert not menu_item(state, "xiansituopan")["checked"]
        assert menu_item(state, "xisikuozanmin")["checked"], "the registry's setting was not read back"
        act(again, f"click menudakaisujuhe/{data_box_index(state, '再来.txt')}")
        assert texts(again.state()) == ["C:\\WINDOWS", "C:\\"]
        e2e.screenshot("road-started-again")
        assert again.close()


def teardown_module():
    e2e.ExplorerRecorder.end_if_made()
