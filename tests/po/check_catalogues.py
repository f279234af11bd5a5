#!/usr/bin/env python3
"""Checks the translations against the code: every Russian text of the program is marked for
translation and is in the template, every catalogue translates every text of the template, and
every translation can be written in Windows-1251, the encoding the window's controls hold.

Usage: check_catalogues.py SOURCE_ROOT"""
import pathlib
import re
import subprocess
import sys
import tempfile

CYRILLIC = re.compile('[\u0400-\u04ff]')
MARKERS = ('Tr', 'TrUtf8', 'N_')


def strip_comments(code):
    # Comments go, string literals stay (a "//" inside a literal is not a comment).
    return re.sub(r'//[^\n]*|/\*.*?\*/|("(?:[^"\\\n]|\\.)*")', lambda m: m.group(1) or '', code, flags=re.S)


def source_texts(path):
    """The Russian texts of a source file, adjacent literals joined, each with whether a marker
    stands before it."""
    code = strip_comments(path.read_text(encoding='utf-8'))
    found = []
    for m in re.finditer(r'((?:\b(\w+)\s*\(\s*)?)((?:"(?:[^"\\\n]|\\.)*"\s*)+)', code):
        pieces = re.findall(r'"((?:[^"\\\n]|\\.)*)"', m.group(3))
        text = ''.join(pieces)
        if CYRILLIC.search(text):
            found.append((text, m.group(2) in MARKERS))
    return found


def msgids(pot):
    out = subprocess.run(['msgcat', '--no-wrap', '--no-location', pot], capture_output=True, text=True,
                         check=True).stdout
    return set(re.findall(r'^msgid "(.*)"$', out, flags=re.M)) - {''}


def main():
    root = pathlib.Path(sys.argv[1])
    po = root / 'po'
    failures = []
    for path in sorted((root / 'app').glob('*.[ch]*')):
        for text, marked in source_texts(path):
            if not marked:
                failures.append(f'{path.relative_to(root)}: "{text}" is not marked for translation (Tr, N_)')
    with tempfile.TemporaryDirectory() as tmp:
        fresh = pathlib.Path(tmp) / 'fresh.pot'
        subprocess.run(['cmake', '-DXGETTEXT=xgettext', f'-DROOT={root}', f'-DOUTPUT={fresh}', '-P',
                        str(po / 'make_pot.cmake')], check=True, capture_output=True)
        missing = msgids(fresh) - msgids(po / 'spintrak.pot')
        for text in sorted(missing):
            failures.append(f'po/spintrak.pot lacks "{text}": make it again (cmake --build BUILD --target pot)')
        languages = [line.strip() for line in (po / 'LINGUAS').read_text().splitlines()
                     if line.strip() and not line.startswith('#')]
        for language in languages:
            catalogue = po / f'{language}.po'
            checks = {
                'msgfmt --check': ['msgfmt', '--check', '-o', '/dev/null', str(catalogue)],
                'translates every text of the code': ['msgcmp', str(catalogue), str(fresh)],
                'fits Windows-1251': ['msgconv', '-t', 'CP1251', '-o', '/dev/null', str(catalogue)],
            }
            for what, command in checks.items():
                result = subprocess.run(command, capture_output=True, text=True, errors='replace')
                if result.returncode != 0:
                    failures.append(f'po/{language}.po: {what}: ' + result.stderr.strip().splitlines()[-1])
    for failure in failures:
        print(failure)
    print(f'{0 if failures else 1} passed, {1 if failures else 0} failed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
