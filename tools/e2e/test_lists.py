"""The list roads: start with the shipped sample set, tick, sort, drag, delete, clear, save,
load another set, batch open with missing folders, and close writing the list back."""

import tesvar_e2e as e2e

WINXP = ["我的电脑", "我的文档", "收藏夹", "开始菜单", "所有用户开始菜单", "发送到", "C:\\", "C:\\Program Files",
         "C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Documents and Settings"]


def start_with(name, files=None, data=("样例文件夹",)):
    app = e2e.Tesvar.start_in(e2e.layout(name, data=data, files=files))
    try:
        boxes = app.wait_ready()
    except BaseException:
        app.__exit__(None, None, None)
        raise
    assert boxes == [], f"boxes at start: {boxes}"
    return app


def texts(state):
    return [entry["text"] for entry in state["list"]]


def ticks(state):
    return [entry["checked"] for entry in state["list"]]


def mirror(state):
    return [item["caption"] for item in state["menus"]["PopupMenu2"][6:]]


def act(app, *requests):
    for request in requests:
        reply = app.port(request)
        assert reply == "ok", f"{request!r} answered {reply!r}"


def test_start_loads_sample_set_and_close_writes_it_back():
    app = start_with("lists-start")
    with app:
        state = app.state()
        assert texts(state) == WINXP
        assert mirror(state)[6:] == ["C:\\", "Program Files", "WINDOWS", "system32", "Documents and Settings"]
        assert state["state"]["savedListFile"].endswith("\\样例文件夹\\winxp.txt")
        # Tick 7 and, with Shift held, 9: a range. Then sort, and drag the new row 3 to the top.
        act(app, "list check 7", "list key shift-down", "list check 9", "list key shift-up")
        assert ticks(app.state())[6:10] == [False, True, True, True]
        act(app, "click N42")
        state = app.state()
        assert texts(state)[:5] == ["C:\\", "C:\\Documents and Settings", "C:\\Program Files", "C:\\WINDOWS",
                                    "C:\\WINDOWS\\system32"]
        assert ticks(state)[:5] == [False, False, True, True, True], "ticks stay with their entries"
        assert mirror(state)[:2] == ["C:\\", "C:\\Documents and Settings"], "sorted mirror shows whole texts"
        act(app, "list drag 3 0")
        state = app.state()
        assert texts(state)[:2] == ["C:\\WINDOWS", "C:\\"]
        assert state["list"][0]["checked"] is False and state["selected"] == 0
        assert mirror(state)[0] == "WINDOWS"
        e2e.screenshot("lists-sorted-and-dragged")
        expected = texts(state)
        assert app.close(), "window still open after close"
        assert app.wait_end() == 0
    written = (app.folder / "样例文件夹" / "winxp.txt").read_bytes()
    assert written == "".join(t + "\r\n" for t in expected).encode("gbk")


def test_delete_unticked_then_save_and_reload_other_set():
    app = start_with("lists-delete")
    with app:
        act(app, "list check 1", "list check 6", "click N27")
        state = app.state()
        assert texts(state) == ["我的文档", "C:\\"]
        assert mirror(state) == ["我的文档", "C:\\"]
        act(app, "click N3", "click menusave")
        assert app.boxes() == []
        act(app, "click menudakaiwenjianjia")
        assert texts(app.state())[0] == "计算机"
        act(app, "click mu_dakaiyangli")
        assert texts(app.state()) == ["我的文档", "C:\\", "我的文档"]
        assert app.close()


def test_clear_all_asks_and_close_then_asks_for_a_name():
    app = start_with("lists-clear")
    with app:
        act(app, "click qinkongliebiao")
        boxes = app.wait_box("全部删除")  # the action runs after its "ok"
        assert [b["caption"] for b in boxes] == ["全部删除"] and boxes[0]["texts"] == ["你确信全部删除吗?"]
        app.press("全部删除", "取消")
        assert len(app.state()["list"]) == len(WINXP)
        act(app, "click BitBtn3")
        app.wait_box("全部删除")
        app.press("全部删除", "确定")
        state = app.state()
        assert state["list"] == [] and mirror(state) == []
        assert state["state"]["savedListFile"] == "" and state["state"]["currentListFile"] == ""
        act(app, "close")
        e2e.drive("sleep 500")
        dialogs = [b["caption"] for b in app.boxes()]
        assert dialogs, "no save dialog on close after clear all"
        app.press(dialogs[0], "取消")
        assert e2e.drive("waitgone 5000", check=False) == ["gone"]


def test_batch_open_reports_missing_folders():
    app = start_with("lists-batch", files={"样例文件夹/winxp.txt": "C:\\windows\r\nB:\\nowhere\r\n我的电脑\r\n"})
    with app:
        act(app, "list check 0", "list check 1", "list check 2", "click ToolButton3")
        e2e.drive("sleep 300")
        assert [b["caption"] for b in app.boxes()] == ["批量打开文件夹"]
        app.press("批量打开文件夹", "确定")
        e2e.drive("sleep 500")
        summary = app.boxes()
        assert [b["texts"] for b in summary] == [["打开有失败，请查看下方编辑框记录"]]
        app.press("批量打开文件夹记录", "确定")
        assert app.state()["memo"] == "打开失败  B:\\nowhere\r\n打开失败  我的电脑\r\n"
        e2e.screenshot("lists-batch-open")
        assert app.close()


def test_start_without_sample_folder_reports_once_and_closes():
    app = e2e.Tesvar.start_in(e2e.layout("lists-nosample"))
    with app:
        boxes = app.wait_ready()
        assert [b["texts"] for b in boxes] == [["Invalid filename."]]
        assert app.state()["list"] == []
        assert app.close(), "close trapped with nothing to save"
