#!/usr/bin/python3
"""The real program in the player's language, read over the accessibility interface: started in
an English locale that the system has not generated, and in a Russian one, it names its controls,
tables and cells in that language. Usage: language_client.py SPINTRAK"""
import os
import subprocess
import sys

from atspi_client import Role, check, find, fresh, press, wait, window
from gi.repository import Atspi

ENGLISH = {
    "exit": "Exit", "about": "About", "add": "Add the number", "box": "Keep the window on top",
    "table": "Even chances and dozens", "strip": "Last numbers, 1: 7, red", "cell": "Red, last 10: 1",
}
RUSSIAN = {
    "exit": "Выход", "about": "О программе", "add": "Добавить число", "box": "показывать окно поверх всех окон",
    "table": "Простые шансы и дюжины", "strip": "Последние числа, 1: 7, красное", "cell": "Красное, 10 спинов: 1",
}


def run(spintrak, env, words):
    program = subprocess.Popen([spintrak, "--no-journal"], env={**os.environ, **env})
    try:
        win = wait("the window Spintrak", lambda: window("Spintrak"))
        for key in ("exit", "about", "add"):
            check(wait(words[key], lambda: find(win, Role.PUSH_BUTTON, words[key])) is not None,
                  f"{env}: the button {words[key]!r}")
        check(find(win, Role.CHECK_BOX, words["box"]) is not None, f"{env}: the check box {words['box']!r}")
        check(find(win, Role.TABLE, words["table"]) is not None, f"{env}: the table {words['table']!r}")
        field = find(win, Role.ENTRY, "")
        counter = find(win, Role.LABEL, "0")
        check(Atspi.EditableText.set_text_contents(field, "7"), "the field takes the text 7")
        press(find(win, Role.PUSH_BUTTON, words["add"]))
        wait("the counter to read 1", lambda: Atspi.Text.get_text(fresh(counter), 0, -1) == "1")
        check(wait(words["strip"], lambda: find(win, Role.LIST_ITEM, words["strip"])) is not None,
              f"{env}: the newest number reads {words['strip']!r}")
        check(find(win, Role.TABLE_CELL, words["cell"]) is not None, f"{env}: a cell reads {words['cell']!r}")
    finally:
        program.kill()
        program.wait()


def main():
    spintrak = sys.argv[1]
    clean = {"LC_ALL": "", "LC_MESSAGES": "", "LANGUAGE": ""}
    run(spintrak, {**clean, "LANG": "en_US.UTF-8"}, ENGLISH)
    run(spintrak, {**clean, "LANG": "de_DE.UTF-8"}, ENGLISH)
    run(spintrak, {**clean, "LANG": "en_GB.UTF-8", "LANGUAGE": "ru"}, RUSSIAN)
    run(spintrak, {**clean, "LANG": "C.UTF-8"}, RUSSIAN)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
