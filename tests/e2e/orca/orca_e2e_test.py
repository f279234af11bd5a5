#!/usr/bin/python3
"""Drives the real program with keys and checks what Orca says, read from Orca's debug log.
Every step waits for the speech it expects (never a fixed pause), with a generous limit for a
loaded machine; the time Orca took from the key to the speech is printed.
Usage: orca_e2e_test.py SPINTRAK WORK_DIR (inside a D-Bus session with the accessibility bus)"""
import os
import re
import shutil
import subprocess
import sys
import time

SPINTRAK, WORK = sys.argv[1], sys.argv[2]
LOG = os.path.join(WORK, "orca.log")
HERE = os.path.dirname(os.path.abspath(__file__))
LIMIT = 20.0  # seconds to wait for any one piece of speech
BOUND_MS = float(os.environ.get("SPINTRAK_ORCA_BOUND_MS", "1500"))  # key to speech, each press

SPEECH = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?\[?\{")
KEY_ECHOES = {"tab ", "space ", "return ", "escape ", "shift ", "7 ", "left shift "}

ENTRY = "Ввод выпавшего числа entry"
CYCLE = ["Добавить число push button", "Баннер panel", "показывать окно поверх всех окон check box",
         "Выход push button", "О программе push button", ENTRY]


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


class Log:
    """Orca's debug log as it grows: the speech lines and the whole text since a mark."""

    def __init__(self, path):
        self.path, self.offset, self.lines = path, 0, []

    def poll(self):
        if not os.path.exists(self.path):
            return
        with open(self.path, encoding="utf-8", errors="replace") as f:
            f.seek(self.offset)
            chunk = f.read()
        whole = chunk[: chunk.rfind("\n") + 1]
        self.offset += len(whole.encode("utf-8"))
        self.lines.extend(whole.splitlines())

    def mark(self):
        self.poll()
        return len(self.lines)

    def speech(self, since):
        out = []
        for line in self.lines[since:]:
            m = SPEECH.match(line)
            if m:
                h, mi, s, text = m.groups()
                out.append((int(h) * 3600 + int(mi) * 60 + float(s), text))
        return out

    def said(self, since):
        return [text for _, text in self.speech(since) if text not in KEY_ECHOES]

    def wait(self, since, what, pattern):
        end = time.time() + LIMIT
        while time.time() < end:
            self.poll()
            for when, text in self.speech(since):
                if re.search(pattern, text):
                    return when
            time.sleep(0.02)
        fail(f"{what}: Orca did not say /{pattern}/; it said {self.said(since)}")

    def text(self, since):
        return "\n".join(self.lines[since:])


def focused_objects():
    """The names of the program's objects that report the focus on the accessibility bus."""
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    def walk(obj, depth):
        if obj is None or depth > 12:
            return
        yield obj
        for i in range(obj.get_child_count()):
            yield from walk(obj.get_child_at_index(i), depth + 1)

    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    app = next(a for a in apps if a is not None and a.get_name() == "spintrak")
    return [o.get_name() for o in walk(app, 0) if o.get_state_set().contains(Atspi.StateType.FOCUSED)]


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)


def press_and_hear(log, keys, what, pattern):
    """Presses keys and waits for the speech; returns what was said and the key-to-speech time."""
    since = log.mark()
    key(*keys)
    heard = log.wait(since, what, pattern)
    echoes = [when for when, text in log.speech(since) if text in KEY_ECHOES]
    return log.said(since), (heard - echoes[0]) * 1000 if echoes else 0.0


def start(log):
    orca = subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "run_orca.py"), LOG, os.path.join(WORK, "orca")],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    log.wait(0, "Orca's start", r"^Screen reader on")
    since = log.mark()
    program = subprocess.Popen([SPINTRAK, "--no-journal"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    log.wait(since, "the start: the focused entry with its label", "^" + ENTRY)
    return orca, program


def check_entry(log):
    since = log.mark()
    key("7", "Return")
    heard = log.wait(since, "an entry", r"^7, красное\. Спин 1$")
    enter = [when for when, text in log.speech(since) if text == "return "]
    if "FLOOD" in log.text(since):
        fail("an entry flooded Orca's event queue")
    ms = (heard - enter[0]) * 1000
    if ms > BOUND_MS:
        fail(f"the entry was spoken only {ms:.0f} ms after Enter")
    print(f"entry: '7, красное. Спин 1' {ms:.0f} ms after Enter, no flood")


def check_tabs(log, at, presses, shift):
    """Tabs on from CYCLE[at]; returns where the focus is then."""
    since, worst = log.mark(), 0.0
    for i in range(presses):
        at = (at + (-1 if shift else 1)) % len(CYCLE)
        expected = CYCLE[at]
        said, ms = press_and_hear(log, ["shift+Tab" if shift else "Tab"], f"press {i + 1}", "^" + re.escape(expected))
        if said and not said[0].startswith(expected):
            fail(f"press {i + 1}: expected {expected!r} first, heard {said}")
        worst = max(worst, ms)
    focused = focused_objects()
    if len(focused) != 1 or not CYCLE[at].startswith(focused[0]):
        fail(f"after the presses these objects report the focus: {focused}")
    if worst > BOUND_MS:
        fail(f"a press was spoken only after {worst:.0f} ms")
    print(f"{'Shift+Tab' if shift else 'Tab'}: {presses} of {presses} presses spoken, the slowest in {worst:.0f} ms")
    return at


def check_box(log):
    press_and_hear(log, ["Tab", "Tab", "Tab"], "to the check box", r"check box not checked")
    for state in ("checked", "not checked"):
        said, _ = press_and_hear(log, ["space"], f"the box {state}", f"^{state}")
        said_after, _ = press_and_hear(log, ["Tab"], "past the box", "^Выход push button")
        states = [t for t in said + said_after if t in ("checked", "not checked")]
        if states != [state]:
            fail(f"one press of Space was heard as {states}")
        press_and_hear(log, ["shift+Tab"], "back to the box", "check box")
    print("check box: one press, one state")


def check_exit_question(log):
    press_and_hear(log, ["Tab"], "to Выход", "^Выход push button")
    said, _ = press_and_hear(log, ["space"], "the exit question", r"push button")
    if not any("Вы уверены, что хотите выйти из программы?" in t for t in said):
        fail(f"the exit question was not read: {said}")
    if not re.search(r"^(Yes|Да) push button", said[-1]):
        fail(f"the focused default button was not named: {said}")
    press_and_hear(log, ["Tab"], "to No", r"^(No|Нет) push button")
    press_and_hear(log, ["space"], "back from the question", "^" + ENTRY)
    print(f"exit question: {said}")


def check_about(log):
    press_and_hear(log, ["shift+Tab"], "to О программе", "^О программе push button")
    said, _ = press_and_hear(log, ["space"], "the about box", r"push button")
    if not any("dialog" in t for t in said):
        fail(f"the about box was not read as a dialog: {said}")
    press_and_hear(log, ["Return"], "back from the about box", "^(О программе push button|" + ENTRY + ")")
    print(f"about box: {said}")


def check_summary(log):
    said, _ = press_and_hear(log, ["F2"], "the summary key", r"push button")
    summary = " ".join(said)
    # One entry of 7 (red, odd, 1-18, the first dozen): black, even, 19-36 and the other dozens
    # have none over 10 spins and over all, and every number but 7.
    for words in ("Меньше всех.", "10 спинов: Черное", "Чет", "от 19 до 36", "от 13 до 24", "от 25 до 36",
                  "Всего: Черное", "числа 0, 1, 2, 3, 4, 5 и еще 30"):
        if words not in summary:
            fail(f"the summary lacks {words!r}: {said}")
    press_and_hear(log, ["Return"], "back from the summary", "^" + ENTRY)
    print(f"summary: {said}")


def check_correction(log):
    said, _ = press_and_hear(log, ["F3"], "the correction by keyboard", r"entry 1 selected")
    if not said[-1].startswith("Какое число исправить: 1 - последнее, 21 - самое давнее entry"):
        fail(f"the question which number was not read with its field: {said}")
    said2, _ = press_and_hear(log, ["Return"], "the correction prompt", r"entry 7 selected")
    if not said2[-1].startswith("Введите новое число entry"):
        fail(f"the correction prompt was not read with its field: {said2}")
    said3, _ = press_and_hear(log, ["ctrl+a", "8", "Return"], "the correction made", r"^Исправлено: 8, черное")
    print(f"correction: {said} / {said2} / {said3[-1:]}")


def check_flat_review(log):
    """Orca's flat review walks the window line by line: the tables' rows with their counts in
    words, the marked ones said to be least ("Черное" over all spins, after 7 corrected to 8: red)."""
    press_and_hear(log, ["KP_Up"], "flat review's current line", ".")
    for _ in range(20):
        said, _ = press_and_hear(log, ["KP_Page_Up"], "flat review's next line", ".")
        if any(t.startswith("Красное 0, меньше всех") for t in said):
            print(f"flat review: {said[-1]}")
            return
    fail("flat review never read the row of red with its marked count")


def check_table_walk(log):
    """F4 walks the tables with Orca's own table speech: the table and the row on the way in, a
    cell with its column header, "where am I" with both headers and the place, and Esc back to
    the entry. After 7 corrected to 8 (black), red is the least over 10 spins and over all."""
    said, _ = press_and_hear(log, ["F4"], "the walk into the table", r"^0, меньше всех")
    said = [t for t in said if t != "F4 "]
    if said[:3] != ["Простые шансы и дюжины.", "table with 9 rows 5 columns", "Красное."]:
        fail(f"the walk did not start with the table and the row of red: {said}")
    said2, _ = press_and_hear(log, ["End"], "the row's last cell", r"^Всего column header 0, меньше всех")
    focused = focused_objects()
    if focused != ["Красное, всего"]:
        fail(f"during the walk these objects report the focus: {focused}")
    said3, _ = press_and_hear(log, ["KP_Enter"], "where am I in the table", r"column 5 of 5 row 1 of 9")
    if said3[-5:-1] != ["Всего.", "Красное.", "table cell.", "0, меньше всех."]:
        fail(f"where am I did not give both headers and the marked count: {said3}")
    said4, _ = press_and_hear(log, ["Down"], "the next row", r"^Черное\.")
    press_and_hear(log, ["Escape"], "back from the walk", "^" + ENTRY)
    print(f"table walk: {said[:4]} / {said2[-1]} / {said3} / {said4}")


def check_no_announce(log):
    """With --no-announce an entry says nothing of itself: the next key's speech comes first."""
    since = log.mark()
    program = subprocess.Popen([SPINTRAK, "--no-journal", "--no-announce"], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        log.wait(since, "the start with --no-announce", "^" + ENTRY)
        said, _ = press_and_hear(log, ["7", "Return", "Tab"], "Tab after an entry", "^" + CYCLE[0])
        if any("Спин" in t for t in said):
            fail(f"--no-announce still said the entry: {said}")
        print("--no-announce: an entry says nothing")
    finally:
        program.kill()
        program.wait()


def main():
    log = Log(LOG)
    orca, program = start(log)
    try:
        check_entry(log)
        at = check_tabs(log, len(CYCLE) - 1, 21, shift=False)
        at = check_tabs(log, at, 21, shift=True)
        if CYCLE[at] != ENTRY:
            fail("the walk did not end in the entry")
        check_box(log)
        check_exit_question(log)
        check_about(log)
        check_summary(log)
        check_correction(log)
        check_flat_review(log)
        check_table_walk(log)
        program.kill()
        program.wait()
        check_no_announce(log)
        print("PASS")
    finally:
        program.kill()
        program.wait()
        orca.terminate()
        try:
            orca.wait(10)
        except subprocess.TimeoutExpired:
            orca.kill()
        if os.environ.get("SPINTRAK_ORCA_LOG"):  # keep Orca's whole log for a look
            shutil.copy(LOG, os.environ["SPINTRAK_ORCA_LOG"])


if __name__ == "__main__":
    main()
