#!/usr/bin/python3
"""Drives the real program through the desktop's accessibility interface, as a screen reader or a
test robot does: finds the window and its controls by role and name, presses buttons, sets the
entry field's text and reads the labels back. Usage: atspi_client.py SPINTRAK"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

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
    check(red.get_role() == Role.TABLE_CELL and red.get_name() == "Красное, 10 спинов: 1",
          "the cell at row 0, column 1 counts red over the last 10 spins: 1")
    check(Table.get_column_header(pairs, 1).get_name() == "10 спинов"
          and Table.get_row_header(pairs, 0).get_name() == "Красное", "its column and row headers")
    check(TableCell.get_position(red) == (True, 0, 1), "the cell knows where it stands")
    check(header_names(TableCell.get_column_header_cells(red)) == ["10 спинов"]
          and header_names(TableCell.get_row_header_cells(red)) == ["Красное"], "the cell knows its headers")

    zero = Table.get_accessible_at(numbers, 0, 4)
    check(fresh(zero).get_name() == "Число 0, всего: 0, меньше всех", "no zero yet, and that is the least")
    field = find(win, Role.ENTRY, "")
    check(Atspi.EditableText.set_text_contents(field, "0"), "the field takes the text 0")
    press(find(win, Role.PUSH_BUTTON, "Добавить число"))
    wait("the zero's count to change", lambda: fresh(Table.get_accessible_at(numbers, 0, 4)).get_name()
         == "Число 0, всего: 1")
    check(True, "after an entry of 0 the table reads its count: 1")

    strip = find(win, Role.LIST, "Последние числа")
    check(strip is not None and strip.get_child_count() == 21, "the strip is a list of 21 items")
    check(fresh(strip.get_child_at_index(0)).get_name() == "Последние числа, 1: 0, зеро", "newest first")

    banner = find(win, Role.PANEL, "Баннер")
    check(banner is not None, "the banner pane is found")
    page = wait("the page under the banner", lambda: find(fresh(banner), Role.DOCUMENT_WEB, "test"))
    parent = page
    while parent is not None and parent != banner:
        parent = parent.get_parent()
    check(parent == banner, "the page's document lies under the banner pane, and leads back to it")
    count = sum(1 for obj in walk(win) if obj.get_role() == Role.DOCUMENT_WEB)
    check(count == 1, "the window's tree holds the page once")


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

        field = find(win, Role.ENTRY, "")
        add = find(win, Role.PUSH_BUTTON, "Добавить число")
        counter = find(win, Role.LABEL, "0")
        check(field is not None and add is not None and counter is not None, "field, add button and counter found")
        check(Atspi.EditableText.set_text_contents(field, "7"), "the field takes the text 7")
        press(add)
        wait("the counter to read 1", lambda: Atspi.Text.get_text(fresh(counter), 0, -1) == "1")
        check(fresh(counter).get_name() == "1", "the counter reads 1")
        strip = find(win, Role.LIST_ITEM, "Последние числа, 1: 7, красное")
        check(strip is not None, "the first strip label reads 7, red")

        box = find(win, Role.CHECK_BOX, "показывать окно поверх всех окон")
        check(box is not None, "the check box is found")
        checked = fresh(box).get_state_set().contains(Atspi.StateType.CHECKED)
        press(box)
        wait("the check box to change", lambda: fresh(box).get_state_set().contains(Atspi.StateType.CHECKED) != checked)
        check(True, "the check box's checked state follows the press")

        tables_and_banner(win)
    finally:
        program.kill()
        program.wait()


if __name__ == "__main__":
    main()
