"""Braille forms of German Basisschrift for the data files of Tastwerk.

A braille form ("Brl") is written with the text characters of the braille
table share/Data/BrlUniChar.txt: small letters, ä ö ü ß as they are, "$" (the
capital sign, dots 4 6) before a capital letter, "↑" (dots 4 5) before a word
in capitals (ICE, ADAC: two or more capital letters in a row), "#" (the
number sign, dots 3 4 5 6) before a number, punctuation as itself. The opening quotation mark
„ is dots 2 3 6, the closing “ dots 3 5 6. A number goes on after a decimal
comma or a point between digits without a new number sign (3,50; 12.05.2024);
a letter a to j right after a number gets dot 6 ("'") in front, or it would
read as a digit (5b).

`brl()` makes the braille form of a print text and refuses every character
that Basisschrift as written here does not cover. `check_with_liblouis()`
translates print texts with liblouis (de-g0-detailed.utb) and compares the
cells with those that the braille table gives for our braille forms; where
liblouis is wrong by the German rules (it writes the closing “ as 2 3 6), the
comparison gives liblouis the closing ” instead, which it writes right.
`deutsche_regeln_pruefen()` checks the German rules that do not rest on
liblouis, for every course (Basisschrift, Vollschrift, Kurzschrift).
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
# Punctuation written as itself.
PUNCTUATION = {'.': '.', ',': ',', ';': ';', ':': ':', '?': '?', '!': '!',
               '(': '(', ')': ')', '-': '-', '„': '„', '“': '“', "'": "'",
               '§': '§'}
LETTER_SIGN = "'"  # dot 6 before a letter a to j right after a number
CAPS_WORD = '\u2191'  # dots 4 5 before a word in capitals; the table's stand-in


class BrailleError(ValueError):
    pass


def brl(text):
    """The braille form of a print text (word, sentence or gap text)."""
    out = []
    in_number = False
    caps_run = 0  # capital letters of a word in capitals still to come
    for i, c in enumerate(text):
        if caps_run:
            out.append(CAPITAL[c])
            caps_run -= 1
            continue
        if c in DIGITS:
            if not in_number:
                out.append('#')
                in_number = True
            out.append(c)
            continue
        # A decimal comma or a point between digits keeps the number going.
        if in_number and c in ',.' and i + 1 < len(text) and text[i + 1] in DIGITS:
            out.append(c)
            continue
        if in_number and c in 'abcdefghij':
            out.append(LETTER_SIGN)
        in_number = False
        if c in SMALL or c == ' ':
            out.append(c)
        elif c in CAPITAL:
            n = 1
            while i + n < len(text) and text[i + n] in CAPITAL:
                n += 1
            if n == 1:
                out.append('$' + CAPITAL[c])
                continue
            # A word in capitals: one sign for the whole run. A small letter
            # right after it would need dot 6 in front (ICEs), which this
            # course does not teach.
            if i + n < len(text) and text[i + n].isalpha():
                raise BrailleError('Großbuchstaben mit kleinen Buchstaben danach in %r' % text)
            out.append(CAPS_WORD + CAPITAL[c])
            caps_run = n - 1
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
    # liblouis takes “ for the English opening quote; the German closing “
    # is written like ” (dots 3 5 6), which liblouis gets right.
    data = ''.join(t.replace('“', '”') + '\n' for t in texts)
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


# ---------------------------------------------------------------- German rules

OPENING_CELL = '\u2826'   # dots 2 3 6
CLOSING_CELL = '\u2834'   # dots 3 5 6
CAPITAL_CELL = '\u2828'   # dots 4 6
CAPS_WORD_CELL = '\u2818'  # dots 4 5, the sign for a word in capitals
NUMBER_CELL = '\u283c'    # dots 3 4 5 6
DOT6_CELL = '\u2820'      # dot 6
BLANK = '\u2800'
# Print characters before or after a word that take more than one cell.
WIDTH = {'[': 2, ']': 2, '‚': 2, '‘': 2, '…': 3}
OPENING = '„"»‚'
CLOSING = '“”"«‘'


def _split(word):
    """A print word as (characters in front, core, characters after): the
    core runs from the first to the last letter or digit."""
    alnum = [i for i, c in enumerate(word) if c.isalnum()]
    if not alnum:
        return word, '', ''
    return word[:alnum[0]], word[alnum[0]:alnum[-1] + 1], word[alnum[-1] + 1:]


def deutsche_regeln_pruefen(text, zellen):
    """The faults of a record against the German braille rules that do not
    rest on liblouis: text is the print form, zellen its braille as Unicode
    cells (a blank cell or a space between words). Works for Basisschrift,
    Vollschrift and Kurzschrift alike, as it counts signs instead of
    matching letters. Returns a list of German messages, empty when right.

    - „ opens with 2 3 6 and stands before a word; “ closes with 3 5 6 and
      stands after one (a plain " opens at the start of a word and closes at
      its end);
    - a word beginning with a capital letter begins with the capital sign
      4 6; a word in capitals with dots 4 5 (the capital sign twice, 4 6 4 6,
      is a fault); there are at least as many capital signs as single
      capital letters;
    - a number at the start of a word or after a letter has the number sign
      3 4 5 6 (a decimal comma or point between digits goes on without it);
      a letter a to j right after a number has dot 6 in front.
    """
    faults = []
    woerter = [w for w in text.split(' ') if w]
    zellwoerter = [w for w in zellen.replace(BLANK, ' ').split(' ') if w]
    if len(woerter) != len(zellwoerter):
        return ['%d Wörter in Druckschrift, %d in Braille' % (len(woerter), len(zellwoerter))]
    for w, z in zip(woerter, zellwoerter):
        vorn, kern, hinten = _split(w)
        nv = sum(WIDTH.get(c, 1) for c in vorn)
        nh = sum(WIDTH.get(c, 1) for c in hinten)
        if nv + nh > len(z) or (kern and nv + nh == len(z)):
            faults.append('"%s": zu wenige Zellen (%s)' % (w, z))
            continue
        zv, zk, zh = z[:nv], z[nv:len(z) - nh], z[len(z) - nh:]
        # quotation marks
        pos = 0
        for c in vorn:
            cell = zv[pos + WIDTH.get(c, 1) - 1]
            if c in OPENING or c in CLOSING:
                if c in CLOSING and c not in OPENING:
                    faults.append('"%s": schließendes Anführungszeichen vor dem Wort' % w)
                elif cell != OPENING_CELL:
                    faults.append('"%s": öffnendes Anführungszeichen ist nicht Punkte 2 3 6' % w)
                elif not kern:
                    faults.append('"%s": öffnendes Anführungszeichen ohne Wort danach' % w)
            pos += WIDTH.get(c, 1)
        pos = 0
        for c in hinten:
            cell = zh[pos + WIDTH.get(c, 1) - 1]
            if c in OPENING or c in CLOSING:
                if c in OPENING and c not in CLOSING:
                    faults.append('"%s": öffnendes Anführungszeichen nach dem Wort' % w)
                elif cell != CLOSING_CELL:
                    faults.append('"%s": schließendes Anführungszeichen ist nicht Punkte 3 5 6' % w)
                elif not kern:
                    faults.append('"%s": schließendes Anführungszeichen ohne Wort davor' % w)
            pos += WIDTH.get(c, 1)
        for c in kern:
            if c in '„“”«»':
                faults.append('"%s": Anführungszeichen mitten im Wort' % w)
        if not kern:
            continue
        # capitals
        buchstaben = [c for c in kern if c.isalpha()]
        grossfolge = len(buchstaben) >= 2 and all(c.isupper() for c in buchstaben) and kern[0].isalpha()
        if grossfolge:
            if zk.startswith(CAPITAL_CELL * 2):
                faults.append('"%s": Wort in Großbuchstaben mit zweimal Punkte 4 6 statt Punkte 4 5' % w)
            elif not zk.startswith(CAPS_WORD_CELL):
                faults.append('"%s": Wort in Großbuchstaben ohne Punkte 4 5 am Anfang' % w)
        else:
            gross = sum(1 for c in kern if c.isupper())
            if kern[0].isupper() and not zk.startswith(CAPITAL_CELL):
                faults.append('"%s": großer Anfangsbuchstabe ohne Großschreibzeichen' % w)
            elif zk.count(CAPITAL_CELL) + zk.count(CAPS_WORD_CELL) < gross:
                faults.append('"%s": %d große Buchstaben, aber nur %d Großschreibzeichen'
                              % (w, gross, zk.count(CAPITAL_CELL)))
        # numbers
        zahlen = 0
        nach_zahl = 0
        for i, c in enumerate(kern):
            if c.isdigit():
                fortsetzung = i > 0 and (kern[i - 1].isdigit()
                                         or (kern[i - 1] in ',.' and i > 1 and kern[i - 2].isdigit()))
                if not fortsetzung:
                    zahlen += 1
            elif c in 'abcdefghij' and i > 0 and kern[i - 1].isdigit():
                nach_zahl += 1
        if kern[0].isdigit() and not zk.startswith(NUMBER_CELL):
            faults.append('"%s": Zahl am Wortanfang ohne Zahlzeichen' % w)
        elif zk.count(NUMBER_CELL) < zahlen:
            faults.append('"%s": %d Zahlen, aber nur %d Zahlzeichen' % (w, zahlen, zk.count(NUMBER_CELL)))
        if zk.count(DOT6_CELL) < nach_zahl:
            faults.append('"%s": Buchstabe a bis j nach einer Zahl ohne Punkt 6 davor' % w)
    return faults
