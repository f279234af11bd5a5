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
        strip = find(win, Role.LABEL, "Последние числа, 1: 7, красное")
        check(strip is not None, "the first strip label reads 7, red")

        box = find(win, Role.CHECK_BOX, "показывать окно поверх всех окон")
        check(box is not None, "the check box is found")
        checked = fresh(box).get_state_set().contains(Atspi.StateType.CHECKED)
        press(box)
        wait("the check box to change", lambda: fresh(box).get_state_set().contains(Atspi.StateType.CHECKED) != checked)
        check(True, "the check box's checked state follows the press")
    finally:
        program.kill()
        program.wait()


if __name__ == "__main__":
    main()
