"""Braille forms of German Basisschrift for the data files of Tastwerk.

A braille form ("Brl") is written with the text characters of the braille
table share/Data/BrlUniChar.txt: small letters, ä ö ü ß as they are, "$" (the
capital sign, dots 4 6) before a capital letter, "#" (the number sign, dots
3 4 5 6) before a run of digits, punctuation as itself. A closing quotation
mark “ is written with '"', which stands for the same cell (dots 2 3 6) as the
opening „.

`brl()` makes the braille form of a print text and refuses every character
that Basisschrift as written here does not cover. `check_with_liblouis()`
translates print texts with liblouis (de-g0-detailed.utb) and compares the
cells with those that the braille table gives for our braille forms.
"""

import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
SHARE = os.path.normpath(os.path.join(HERE, '..', '..', 'share'))
TABLE_FILE = os.path.join(SHARE, 'Data', 'BrlUniChar.txt')
LIBLOUIS_TABLE = 'unicode.dis,de-g0-detailed.utb'

SMALL = 'abcdefghijklmnopqrstuvwxyzäöüß'
CAPITAL = {c.upper(): c for c in 'abcdefghijklmnopqrstuvwxyzäöü'}
DIGITS = '0123456789'
# Punctuation written as itself; the closing quotation mark becomes '"'.
PUNCTUATION = {'.': '.', ',': ',', ';': ';', ':': ':', '?': '?', '!': '!',
               '(': '(', ')': ')', '-': '-', '„': '„', '“': '"', "'": "'",
               '§': '§'}


class BrailleError(ValueError):
    pass


def brl(text):
    """The braille form of a print text (word, sentence or gap text)."""
    out = []
    in_number = False
    for c in text:
        if c in DIGITS:
            if not in_number:
                out.append('#')
                in_number = True
            out.append(c)
            continue
        in_number = False
        if c in SMALL or c == ' ':
            out.append(c)
        elif c in CAPITAL:
            out.append('$' + CAPITAL[c])
        elif c in PUNCTUATION:
            out.append(PUNCTUATION[c])
        else:
            raise BrailleError('Zeichen %r in %r gehört nicht zur Basisschrift dieses Kurses' % (c, text))
    return ''.join(out)


_cells = None


def table_cells():
    """Character -> Unicode braille cell, from the shipped braille table (the
    first entry of a character wins, as in the program)."""
    global _cells
    if _cells is None:
        _cells = {}
        with open(TABLE_FILE, encoding='utf-8-sig') as f:
            for line in f:
                line = line.strip()
                if not line or line.startswith(';') or '=' not in line:
                    continue
                dots, rest = line.split('=', 1)
                cell, char = rest.split()
                ch = chr(int(char[1:], 16))
                if ch not in _cells:
                    _cells[ch] = chr(int(cell[1:], 16))
    return _cells


def cells(brl_form):
    """The Unicode braille cells of a braille form (space stays a blank cell)."""
    t = table_cells()
    out = []
    for c in brl_form:
        if c == ' ':
            out.append('\u2800')
        elif c in t:
            out.append(t[c])
        else:
            raise BrailleError('Zeichen %r fehlt in der Brailletabelle (%r)' % (c, brl_form))
    return ''.join(out)


def liblouis(texts, tables=LIBLOUIS_TABLE):
    """liblouis's translation of each text (a list), as Unicode braille."""
    if not texts:
        return []
    data = ''.join(t + '\n' for t in texts)
    res = subprocess.run(['lou_translate', '--forward', tables], input=data,
                         capture_output=True, text=True, check=True)
    lines = res.stdout.split('\n')
    if lines and lines[-1] == '':
        lines.pop()
    if len(lines) != len(texts):
        raise RuntimeError('lou_translate gab %d statt %d Zeilen zurück' % (len(lines), len(texts)))
    return lines


def check_with_liblouis(pairs):
    """pairs: list of (braille form, print text). Returns the pairs whose cells
    differ from liblouis's translation of the print text, with both cell
    strings."""
    texts = [p for _, p in pairs]
    louis = liblouis(texts)
    bad = []
    for (b, p), l in zip(pairs, louis):
        mine = cells(b)
        if mine != l:
            bad.append((b, p, mine, l))
    return bad


def dots_of(ch):
    """The dot numbers of the cell of one table character, e.g. '1 2 4'."""
    cell = table_cells()[ch]
    bits = ord(cell) - 0x2800
    return ' '.join(str(d + 1) for d in range(6) if bits & (1 << d))


def to_cells_text(text):
    """A print text as Unicode braille cells, line by line, with ordinary
    spaces between the words (for the .brl texts of the BraillePad)."""
    return '\n'.join(cells(brl(line)).replace('\u2800', ' ') for line in text.split('\n'))
