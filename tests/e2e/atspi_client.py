#!/usr/bin/python3
"""Drives the real program through the desktop's accessibility interface, as a screen reader or a
test robot does: finds the window and its controls by role and name, presses buttons, sets the
entry field's text and reads the labels back. Usage: atspi_client.py SPINTRAK"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

Role = Atspi.Role


def wait(what, probe, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    raise SystemExit(f"FAIL: timed out waiting for {what}")


def walk(obj, depth=0):
    if obj is None or depth > 12:
        return
    yield obj
    for i in range(obj.get_child_count()):
        yield from walk(obj.get_child_at_index(i), depth + 1)


def find(root, role, name):
    for obj in walk(root):
        if obj.get_role() == role and obj.get_name() == name:
            return obj
    return None


def window(title):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is None:
            continue
        for j in range(app.get_child_count()):
            win = app.get_child_at_index(j)
            if win is not None and win.get_name() == title and win.get_state_set().contains(Atspi.StateType.SHOWING):
                return win
    return None


def text(obj):
    return Atspi.Text.get_text(fresh(obj), 0, -1)


def press(obj):
    if not Atspi.Action.do_action(obj, 0):
        raise SystemExit(f"FAIL: {obj.get_name()!r} refused the click")


def check(condition, what):
    if not condition:
        raise SystemExit(f"FAIL: {what}")
    print(f"ok: {what}")


def fresh(obj):
    obj.clear_cache()
    return obj


# ---- The statistics as tables, the strip as a list and the banner's page ----

def header_names(cells):
    return [cell.get_name() for cell in cells]


def tables_and_banner(win):
    """The statistics as tables (size, a cell with its headers, a count that follows an entry), the
    strip as a list, and the banner pane's page in the window's tree."""
    pairs = find(win, Role.TABLE, "Простые шансы и дюжины")
    numbers = find(win, Role.TABLE, "Числа")
    check(pairs is not None and numbers is not None, "both tables are found")
    Table, TableCell = Atspi.Table, Atspi.TableCell
    check((Table.get_n_rows(pairs), Table.get_n_columns(pairs)) == (9, 5), "the left table has 9 rows of 5 columns")
    check((Table.get_n_rows(numbers), Table.get_n_columns(numbers)) == (37, 5),
          "the right table has 37 rows of 5 columns")

    red = Table.get_accessible_at(pairs, 0, 1)
    check(red.get_role() == Role.TABLE_CELL and red.get_name() == "Красное, 10 спинов" and text(red) == "1",
          "the cell at row 0, column 1 counts red over the last 10 spins: 1")
    check(Table.get_column_header(pairs, 1).get_name() == "10 спинов"
          and Table.get_row_header(pairs, 0).get_name() == "Красное", "its column and row headers")
    check(TableCell.get_position(red) == (True, 0, 1), "the cell knows where it stands")
    check(header_names(TableCell.get_column_header_cells(red)) == ["10 спинов"]
          and header_names(TableCell.get_row_header_cells(red)) == ["Красное"], "the cell knows its headers")

    zero = Table.get_accessible_at(numbers, 0, 4)
    check(fresh(zero).get_name() == "Число 0, всего" and text(zero) == "0, меньше всех",
          "no zero yet, and that is the least")
    field = find(win, Role.ENTRY, "Ввод выпавшего числа")
    check(Atspi.EditableText.set_text_contents(field, "0"), "the field takes the text 0")
    press(find(win, Role.PUSH_BUTTON, "Добавить число"))
    wait("the zero's count to change", lambda: text(Table.get_accessible_at(numbers, 0, 4)) == "1")
    check(True, "after an entry of 0 the table reads its count: 1")

    strip = find(win, Role.LIST, "Последние числа")
    check(strip is not None and strip.get_child_count() == 21, "the strip is a list of 21 items")
    newest = strip.get_child_at_index(0)
    check(fresh(newest).get_name() == "Последние числа, 1" and text(newest) == "0, зеро", "newest first")

    banner = find(win, Role.PANEL, "Баннер")
    check(banner is not None, "the banner pane is found")
    page = wait("the page under the banner", lambda: find(fresh(banner), Role.DOCUMENT_WEB, "test"))
    parent = page
    while parent is not None and parent != banner:
        parent = parent.get_parent()
    check(parent == banner, "the page's document lies under the banner pane, and leads back to it")
    count = sum(1 for obj in walk(win) if obj.get_role() == Role.DOCUMENT_WEB)
    check(count == 1, "the window's tree holds the page once")


# ---- Events, text, states and roles as a screen reader follows them ----

class Events:
    """The events of the kinds given, as they arrive while `pump` runs the client's loop."""

    def __init__(self, *kinds):
        self.seen = []
        self.listener = Atspi.EventListener.new(self.record)
        for kind in kinds:
            self.listener.register(kind)

    def record(self, e):
        try:
            self.seen.append((e.type, e.source.get_name(), e.source.get_role(), e.detail1, e.any_data))
        except GLib.Error:  # the program that sent it has gone
            self.seen.append((e.type, None, None, e.detail1, None))

    def wait_for(self, what, match, timeout=10.0):
        end = time.time() + timeout
        context = GLib.MainContext.default()
        while time.time() < end:
            while context.iteration(False):
                pass
            found = [e for e in self.seen if match(e)]
            if found:
                return found
            time.sleep(0.02)
        raise SystemExit(f"FAIL: timed out waiting for {what}; seen: {self.seen[-8:]}")


def fetch_tree():
    """A client that meets the program for the first time, as a screen reader started now does:
    libatspi running its loop, which takes in the cache the program's bridge sends in one reply
    when the program is first met, then the window's whole tree with every name and role. Without
    the loop each name, role and child is a round trip of its own."""
    def fetch():
        start = time.perf_counter()
        win = window("Spintrak")
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        objects = [(obj.get_name(), obj.get_role()) for obj in walk(win)] if win else []
        print(f"{len(objects)} {(time.perf_counter() - start) * 1000:.1f}")
        Atspi.event_quit()

    GLib.idle_add(fetch)
    Atspi.event_main()


def listen():
    """A screen reader left running: each window "Spintrak" that appears is read whole once, and
    every object event, window event and focus move is received until the client is stopped."""
    events = Events("object:", "window:", "focus:")
    read = set()

    def look():
        win = window("Spintrak")
        if win is not None and hash(win) not in read:
            read.add(hash(win))
            sum(1 for obj in walk(win) if obj.get_name() is not None and obj.get_role() is not None)
        return True

    GLib.timeout_add(100, look)
    GLib.MainLoop().run()
    return events


def events_text_and_roles(win):
    fetched = subprocess.run([sys.executable, __file__, "--fetch-tree"], check=True, capture_output=True, text=True)
    count, ms = fetched.stdout.split()
    print(f"the window's tree, fetched by a new client with its cache: {count} objects in {float(ms):.0f} ms")
    check(int(count) > 250, "the new client sees the whole tree")

    check(win.get_role() == Role.FRAME, "the main window reads as a frame")
    press(find(win, Role.PUSH_BUTTON, "Выход"))
    question = wait("the exit question", lambda: window("Confirm"))
    check(question.get_role() == Role.DIALOG, "the exit question reads as a dialog")
    press(find(question, Role.PUSH_BUTTON, "No"))
    wait("the question to go", lambda: window("Confirm") is None)

    # After an entry the newest number and the count are said through the field's description,
    # and the counter's new text arrives; no cell of the tables or the strip says a word.
    counter = next(obj for obj in walk(win) if obj.get_role() == Role.LABEL and obj.get_name().isdigit())
    before = int(counter.get_name())
    events = Events("object:text-changed:insert", "object:text-caret-moved",
                    "object:property-change:accessible-description")
    field = find(win, Role.ENTRY, "Ввод выпавшего числа")
    Atspi.EditableText.set_text_contents(field, "5")
    press(find(win, Role.PUSH_BUTTON, "Добавить число"))
    events.wait_for("the counter's new text", lambda e: e[0].startswith("object:text-changed:insert") and
                    e[2] == Role.LABEL and e[4] == str(before + 1))
    check(True, f"the counter's new text {before + 1} arrives as inserted text")
    said = f"5, красное. Спин {before + 1}"
    events.wait_for("the entry said", lambda e: e[0] == "object:property-change:accessible-description" and
                    e[2] == Role.ENTRY and fresh(field).get_description() == said)
    check(True, f"the field's description says {said!r}")
    events.wait_for("the field's caret back at 0", lambda e: e[0] == "object:text-caret-moved" and
                    e[2] == Role.ENTRY and e[3] == 0)
    check(True, "the field's caret moves back as it is emptied")
    cells = [e for e in events.seen if e[2] in (Role.TABLE_CELL, Role.LIST_ITEM)]
    check(not cells, "no cell told its change")

    # Reading by pieces and where a character is.
    label = find(win, Role.LABEL, "Количество спинов")
    word = Atspi.Text.get_string_at_offset(label, 12, Atspi.TextGranularity.WORD)
    check((word.content, word.start_offset, word.end_offset) == ("спинов", 11, 17), "the word at an offset")
    line = Atspi.Text.get_string_at_offset(label, 3, Atspi.TextGranularity.LINE)
    check(line.content == "Количество спинов", "the line at an offset")
    box = label.get_extents(Atspi.CoordType.SCREEN)
    first = Atspi.Text.get_character_extents(label, 0, Atspi.CoordType.SCREEN)
    check(box.x <= first.x < box.x + box.width and box.y <= first.y < box.y + box.height and first.width > 0,
          "the first character lies inside its label")
    check(Atspi.Text.get_default_attributes(label) == {}, "the text has no attributes of its own")
    writable = [obj.get_name() for obj in walk(win) if "EditableText" in obj.get_interfaces()]
    check(writable == ["Ввод выпавшего числа"], f"only the entry offers to be written to: {writable}")
    check(field.get_relation_set()[0].get_relation_type() == Atspi.RelationType.LABELLED_BY
          and field.get_relation_set()[0].get_target(0).get_name() == "Ввод выпавшего числа",
          "the entry is labelled by its caption")


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        win = wait("the window Spintrak", lambda: window("Spintrak"))
        exit_button = wait("the button Выход", lambda: find(win, Role.PUSH_BUTTON, "Выход"))
        # The whole tree as a client first fetches it: every object with its name and role.
        start = time.perf_counter()
        objects = [(fresh(obj).get_name(), obj.get_role()) for obj in walk(win)]
        print(f"the window's tree: {len(objects)} objects with names and roles in "
              f"{(time.perf_counter() - start) * 1000:.0f} ms")
        check(exit_button.get_role() == Role.PUSH_BUTTON, "Выход is a push button")

        press(exit_button)
        question = wait("the exit question", lambda: window("Confirm"))
        no = find(question, Role.PUSH_BUTTON, "No")
        check(no is not None and find(question, Role.PUSH_BUTTON, "Yes") is not None, "the question has Yes and No")
        press(no)
        wait("the question to go", lambda: window("Confirm") is None)
        check(program.poll() is None, "No keeps the program running")

        field = find(win, Role.ENTRY, "Ввод выпавшего числа")
        add = find(win, Role.PUSH_BUTTON, "Добавить число")
        counter = find(win, Role.LABEL, "0")
        check(field is not None and add is not None and counter is not None, "field, add button and counter found")
        check(Atspi.EditableText.set_text_contents(field, "7"), "the field takes the text 7")
        press(add)
        wait("the counter to read 1", lambda: Atspi.Text.get_text(fresh(counter), 0, -1) == "1")
        check(fresh(counter).get_name() == "1", "the counter reads 1")
        strip = find(win, Role.LIST_ITEM, "Последние числа, 1")
        check(strip is not None and text(strip) == "7, красное", "the first strip label reads 7, red")

        box = find(win, Role.CHECK_BOX, "показывать окно поверх всех окон")
        check(box is not None, "the check box is found")
        checked = fresh(box).get_state_set().contains(Atspi.StateType.CHECKED)
        press(box)
        wait("the check box to change", lambda: fresh(box).get_state_set().contains(Atspi.StateType.CHECKED) != checked)
        check(True, "the check box's checked state follows the press")

        tables_and_banner(win)
        events_text_and_roles(win)
    finally:
        program.kill()
        program.wait()


if __name__ == "__main__":
    if sys.argv[1:] == ["--fetch-tree"]:
        fetch_tree()
    elif sys.argv[1:] == ["--listen"]:
        listen()
    else:
        main()
