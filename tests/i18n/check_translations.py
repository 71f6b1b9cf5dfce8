#!/usr/bin/env python3
"""Every user-visible text of src/ goes through Qt's translation system, and the English
translation has every text, finished.  Usage: check_translations.py SOURCE_DIR LUPDATE"""
import pathlib, re, shutil, subprocess, sys, tempfile

root, lupdate = pathlib.Path(sys.argv[1]), sys.argv[2]
ts = root / 'translations' / 'qorvil_en.ts'
problems = []

literal = re.compile(r'"(?:[^"\\\n]|\\.)*"')
calls = re.compile(r'\b(?:tr|translate|QT_TRANSLATE_NOOP|QT_TR_NOOP)\s*\(')
shown = re.compile(r'(?:setText|setWindowTitle|setToolTip|setTitle|addAction|addMenu|addItem|setPlaceholderText|'
                   r'QPushButton|QLabel|QCheckBox|QRadioButton|QGroupBox)\s*\(\s*(?:QStringLiteral\s*\(\s*)?"')

def blank_comments(text):
    """Comments become blanks, strings and line breaks stay where they are."""
    out, i = [], 0
    for m in re.finditer(r'//[^\n]*|/\*.*?\*/|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'', text, re.S):
        out.append(text[i:m.start()])
        out.append(m.group() if m.group()[0] in '"\'' else re.sub(r'[^\n]', ' ', m.group()))
        i = m.end()
    return ''.join(out) + text[i:]

def call_spans(code):
    spans = []
    for m in calls.finditer(code):
        depth, j = 1, m.end()
        while j < len(code) and depth:
            depth += {'(': 1, ')': -1}.get(code[j], 0)
            j += 1
        spans.append((m.end(), j))
    return spans

for path in sorted(root.glob('src/**/*.[ch]*')):
    text = path.read_text(encoding='utf-8')
    code = blank_comments(text)
    spans = call_spans(code)
    lines = text.split('\n')
    for m in literal.finditer(code):
        line_no = code.count('\n', 0, m.start())
        if 'untranslated:' in lines[line_no] or code[:m.start()].rstrip().endswith('#include'):
            continue
        inside = any(a <= m.start() < b for a, b in spans)
        start = code.rfind('\n', 0, m.start()) + 1
        # A text shown by a control counts when it has words; "0FFF" or "0x" is data.
        visible = re.search(r'[^\x00-\x7f]', m.group()) or (
            shown.search(code[start:m.end()]) and re.search(r'[G-Zg-z]{2}', m.group()))
        if visible and not inside:
            problems.append(f'{path.relative_to(root)}:{line_no + 1}: {m.group()[:60]}')

with tempfile.TemporaryDirectory() as tmp:
    copy = pathlib.Path(tmp) / ts.name
    shutil.copy(ts, copy)
    out = subprocess.run([lupdate, '-locations', 'none', '-no-obsolete', str(root / 'src'), '-ts', str(copy)],
                         capture_output=True, text=True).stdout
    found = re.search(r'Found (\d+) source text\(s\) \((\d+) new and (\d+) already existing\)', out)
    if not found or found.group(2) != '0':
        problems.append('lupdate finds texts the translation does not have:\n' + out)
    for name, body in (('the translation', ts.read_text(encoding='utf-8')), ('lupdate', copy.read_text(encoding='utf-8'))):
        for kind in ('unfinished', 'vanished', 'obsolete'):
            if f'type="{kind}"' in body:
                problems.append(f'{name}: {body.count(kind)} {kind} entries')
    if copy.read_text(encoding='utf-8') != ts.read_text(encoding='utf-8'):
        problems.append('the translation is not what lupdate makes of the sources: run the update_translations target')

print('\n'.join(problems) or 'every text is translated')
sys.exit(1 if problems else 0)
