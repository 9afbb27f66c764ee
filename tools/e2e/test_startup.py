"""Start-up in a folder without any data: the main window, the automation port, the list box,
the tray menu, and closing."""

import tesvar_e2e as e2e

TRAY_FIXED_ITEMS = ["N44", "N38", "tuo_cenxvkuaijie", "N78", "tuopantuicu", "lastmenu"]

# Requests the port must refuse without changing anything: unknown verbs, missing or bad arguments,
# unknown names.
MALFORMED_REQUESTS = ["bogus", "click", "click no_such_item", "list select x", "tray", "tray x"]


def start_empty(name):
    """Starts tesvar.exe in an empty folder and waits for its window; returns (app, boxes seen)."""
    app = e2e.Tesvar.start_in(e2e.layout(name))
    try:
        return app, app.wait_ready()
    except BaseException:
        app.__exit__(None, None, None)
        raise


def test_empty_folder_start_reports_missing_samples_once_and_empties_the_list():
    # Loading the default sample set is the step that fails here (the sample folder is missing:
    # system error 3).  The loader has already replaced the hint entry and its tray mirror item
    # by the empty list when it reports that, in the standard error box, once.
    app, boxes = start_empty("startup-empty")
    with app:
        assert [(box["caption"], box["texts"]) for box in boxes] == [("Tesvar2.0", ["Invalid filename."])]
        state = app.state()
        items = app.listbox()
        assert items == []
        assert [entry["text"] for entry in state["list"]] == items, "port's list differs from the list box"

        popup = state["menus"]["PopupMenu2"]
        assert [item["name"] for item in popup] == TRAY_FIXED_ITEMS, "tray menu: designed items, no mirror"
        e2e.screenshot("startup-empty-folder")


def test_port_refuses_malformed_requests_without_change():
    app, _ = start_empty("startup-malformed")
    with app:
        before = app.state()
        replies = {request: app.port(request) for request in MALFORMED_REQUESTS}
        accepted = {request: reply for request, reply in replies.items() if not reply.startswith("error: ")}
        assert not accepted, f"accepted: {accepted}"
        assert app.boxes() == [], "a malformed request opened a box"
        assert app.state() == before, "a malformed request changed the state"


def test_close_ends_program():
    app, _ = start_empty("startup-close")
    with app:
        gone = app.close()
        assert gone, f"main window still there after close; boxes: {app.boxes()}"
        assert app.wait_end() == 0
