#!/usr/bin/env python3
"""The learning material "Kurzschrift: erste Kürzungen"
(share/Lernmaterialien/Lernmaterial-3).

The course follows the Basisschrift and Vollschrift courses and teaches the
most frequent contractions of German Kurzschrift in seven steps: letter
groups, double consonants, more letter groups, prefixes and suffixes, then
the short words written with one cell (und, das, ist, ...). Every word and
sentence is translated by liblouis (de-g2-detailed.ctb) and cut into the
pieces liblouis wrote, one piece per rule; a word belongs to a step only
when every piece is a letter, a letter group of Vollschrift or a
contraction taught up to that step. The braille forms are made from those
pieces and checked cell by cell against liblouis again.

    tools/content/kurzschrift.py            check everything, then write the files
    tools/content/kurzschrift.py --pruefen  check everything and compare with the
                                            files on disk; write nothing

Braille forms use the characters of share/Data/BrlUniChar.txt: the letters,
"$" (capital sign), the Vollschrift groups (& % @ = < * _ >) and one
character for each contraction (ŕ er, ń en, ...; the table's header lists
them). A one-cell word is written with the letter or group whose cell it is
(und u, das d, ist >). Every file is UTF-8 with byte-order mark and CR LF.
"""

import ctypes
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import braille  # noqa: E402

ZIEL = os.path.join(braille.SHARE, 'Lernmaterialien', 'Lernmaterial-3')
LIBLOUIS_TABLE = 'unicode.dis,de-g2-detailed.ctb'


class Fehler(Exception):
    pass


# --- liblouis, with the input position of every output cell ----------------

_louis = None


def _lib():
    global _louis
    if _louis is None:
        _louis = ctypes.CDLL('liblouis.so.20')
        if _louis.lou_charSize() != 4:
            raise Fehler('liblouis mit 16-Bit-Zeichen wird nicht unterstützt')
    return _louis


def louis_translate(text):
    """liblouis's Kurzschrift of text as Unicode braille, and for every cell
    the position in text of the rule that wrote it."""
    lib = _lib()
    n = len(text)
    w = ctypes.c_uint32
    inbuf = (w * (n + 1))(*[ord(c) for c in text])
    inlen = ctypes.c_int(n)
    cap = n * 8 + 16
    outbuf = (w * cap)()
    outlen = ctypes.c_int(cap)
    inpos = (ctypes.c_int * cap)()
    outpos = (ctypes.c_int * (n + 1))()
    cursor = ctypes.c_int(-1)
    dots_io, uc_brl = 64, 128
    if not lib.lou_translate(LIBLOUIS_TABLE.encode(), inbuf, ctypes.byref(inlen), outbuf, ctypes.byref(outlen),
                             None, None, outpos, inpos, ctypes.byref(cursor), dots_io | uc_brl):
        raise Fehler('liblouis kann %r nicht übersetzen' % text)
    m = outlen.value
    return ''.join(chr(outbuf[i]) for i in range(m)), [inpos[i] for i in range(m)]


# --- what the learner knows and learns ---------------------------------------

TABLE = braille.table_cells()
CAPITAL = '⠨'
SMALL = 'abdefghijklmnoprstuvwzäöü'   # c q x y ß take the letter sign in Kurzschrift
BASE = {c: TABLE[c] for c in SMALL}
# Vollschrift letter groups: letters -> character (their cells stay in Kurzschrift).
VOLLSCHRIFT = [('au', '&'), ('eu', '%'), ('ei', '@'), ('äu', '='),
               ('ie', '<'), ('ch', '*'), ('sch', '_'), ('st', '>')]
SATZZEICHEN = {'.': 'Punkt', ',': 'Komma', '?': 'Fragezeichen', '!': 'Ausrufezeichen'}

# The steps of the course. Each contraction: character, letters, an example
# word in which liblouis writes it, and a mnemonic for the lesson texts.
STUFEN = [
    {
        'name': 'er en el ein', 'titel': 'er, en, el und ein',
        'kuerzungen': [
            ('ŕ', 'er', 'Vater', 'ein g mit Punkt 6 dazu'),
            ('ń', 'en', 'Regen', 'dieselbe Zelle wie c'),
            ('ĺ', 'el', 'Nebel', 'dieselbe Zelle wie y'),
            ('ë', 'ein', 'Stein', 'ein f mit Punkt 6 dazu'),
        ],
    },
    {
        'name': 'll mm ss ck', 'titel': 'll, mm, ss und ck',
        'kuerzungen': [
            ('ľ', 'll', 'Teller', 'dieselbe Zelle wie q'),
            ('ṁ', 'mm', 'Zimmer', 'dieselbe Zelle wie x'),
            ('š', 'ss', 'Wasser', 'dieselbe Zelle wie ß'),
            ('ķ', 'ck', 'Zucker', 'dieselbe Zelle wie das Großschreibzeichen'),
        ],
    },
    {
        'name': 'es em te ge ig ich', 'titel': 'es, em, te, ge, ig und ich',
        'kuerzungen': [
            ('ś', 'es', 'lesen', 'die volle Zelle mit allen sechs Punkten'),
            ('ḿ', 'em', 'Hemd', 'ein r mit Punkt 6 dazu'),
            ('ť', 'te', 'Tomate', 'ein h eine Reihe tiefer'),
            ('ǧ', 'ge', 'Auge', 'ein p mit Punkt 6 dazu'),
            ('ï', 'ig', 'Honig', 'nur die Punkte 4 und 5'),
            ('ì', 'ich', 'Licht', 'dieselbe Zelle wie das Zahlzeichen'),
        ],
    },
    {
        'name': 'an in un ar al or eh ach', 'titel': 'an, in, un, ar, al, or, eh und ach',
        'kuerzungen': [
            ('ā', 'an', 'Tante', 'ein f eine Reihe tiefer, wie das Ausrufezeichen'),
            ('í', 'in', 'Kinder', 'ein i eine Reihe tiefer'),
            ('ū', 'un', 'Hund', 'ein d eine Reihe tiefer'),
            ('â', 'ar', 'Garten', 'ein j eine Reihe tiefer'),
            ('à', 'al', 'kalt', 'ein c eine Reihe tiefer, wie der Doppelpunkt'),
            ('ô', 'or', 'Dorf', 'ein e eine Reihe tiefer, wie das Fragezeichen'),
            ('ê', 'eh', 'gehen', 'ein g eine Reihe tiefer, wie die Klammer'),
            ('á', 'ach', 'Dach', 'nur die Punkte 5 und 6'),
        ],
    },
    {
        'name': 'be ver ung heit keit lich', 'titel': 'be-, ver-, -ung, -heit, -keit und -lich',
        'kuerzungen': [
            ('ḃ', 'be', 'Besuch', 'ein b eine Reihe tiefer, wie das Semikolon'),
            ('ṽ', 'ver', 'verkaufen', 'dieselbe Zelle wie der Bindestrich'),
            ('ú', 'ung', 'Wohnung', 'am Wortende dieselbe Zelle wie u'),
            ('ĥ', 'heit', 'Freiheit', 'am Wortende dieselbe Zelle wie h'),
            ('ǩ', 'keit', 'Kleinigkeit', 'am Wortende dieselbe Zelle wie k'),
            ('ł', 'lich', 'fröhlich', 'die Punkte 4, 5 und 6'),
        ],
    },
]

# One-cell words (and a few two-cell words): character(s), word. A one-cell
# word is written with the letter, letter group or contraction whose cell it
# is (im with the cell of ver, dem with that of em).
KURZWOERTER_1 = [
    ('u', 'und'), ('d', 'das'), ('>', 'ist'), ('n', 'nicht'), ('t', 'mit'),
    ('<', 'die'), ('r', 'der'), ('e', 'den'), ('s', 'sie'), ('z', 'zu'),
]
KURZWOERTER_2 = [
    ('v', 'von'), ('%', 'wie'), ('w', 'was'), ('p', 'so'), ('&', 'auf'), ('=', 'auch'),
    ('f', 'für'), ('b', 'bei'), ('a', 'aber'), ('o', 'oder'), ('k', 'kann'), ('m', 'man'),
    ('c', 'sich'), ('x', 'immer'), ('_', 'schon'), ('j', 'jetzt'), ('ü', 'über'),
    ('ṽ', 'im'), ('ḿ', 'dem'),
    # two cells, made of letters the learner knows
    ('wr', 'wir'), ('sd', 'sind'), ('sr', 'sehr'), ('ht', 'hat'), ('dr', 'dir'),
]

# --- the pieces of a translation ---------------------------------------------

_STANDIN = {}    # (letters, cell) -> character, for the contractions
_STUFE_VON = {}  # (letters, cells) -> step (1-based) it is taught in
for _nr, _st in enumerate(STUFEN, 1):
    for _ch, _letters, _bsp, _merk in _st['kuerzungen']:
        _STANDIN[(_letters, TABLE[_ch])] = _ch
        _STUFE_VON[(_letters, TABLE[_ch])] = _nr
for _nr, _liste in ((len(STUFEN) + 1, KURZWOERTER_1), (len(STUFEN) + 2, KURZWOERTER_2)):
    for _ch, _wort in _liste:
        _STANDIN[(_wort, braille.cells(_ch))] = _ch
        _STUFE_VON[(_wort, braille.cells(_ch))] = _nr
ALLE_STUFEN = len(STUFEN) + 2
_VOLL = {letters: (ch, TABLE[ch]) for letters, ch in VOLLSCHRIFT}
_PUNCT = {c: TABLE[c] for c in SATZZEICHEN}


def pieces(text):
    """The pieces of liblouis's translation: (letters, cells), one per rule;
    a capital sign is its own piece ('$', '⠨'), a plain letter that a rule
    wrote together with a contraction is split off."""
    cells, pos = louis_translate(text)
    raw = []
    i = 0
    while i < len(cells):
        j = i
        while j + 1 < len(cells) and pos[j + 1] == pos[i]:
            j += 1
        end = pos[j + 1] if j + 1 < len(cells) else len(text)
        raw.append((text[pos[i]:end], cells[i:j + 1]))
        i = j + 1
    out = []
    for letters, c in raw:
        if c.startswith(CAPITAL) and letters[:1].isupper() and len(c) > 1:
            out.append(('$', CAPITAL))
            c = c[1:]
        low = letters.lower()
        if (low, c) in _STANDIN:
            out.append((low, c))
            continue
        head, tail = [], []
        while len(low) > 1 and len(c) > 1 and BASE.get(low[0]) == c[0]:
            head.append((low[0], c[0]))
            low, c = low[1:], c[1:]
        while len(low) > 1 and len(c) > 1 and BASE.get(low[-1]) == c[-1]:
            tail.insert(0, (low[-1], c[-1]))
            low, c = low[:-1], c[:-1]
        out += head + [(low, c)] + tail
    return cells, out


def stufe_und_brl(text):
    """The step from which the text can be written, its braille form and the
    contractions it uses; raises Fehler when a piece is none the course teaches."""
    cells, ps = pieces(text)
    stufe = 0
    brl = []
    used = set()
    for letters, c in ps:
        if letters == '$' or letters == ' ':
            brl.append(letters)
        elif letters in BASE and BASE[letters] == c:
            brl.append(letters)
        elif letters in _VOLL and _VOLL[letters][1] == c:
            brl.append(_VOLL[letters][0])
        elif letters in _PUNCT and _PUNCT[letters] == c:
            brl.append(letters)
        elif (letters, c) in _STANDIN:
            brl.append(_STANDIN[(letters, c)])
            stufe = max(stufe, _STUFE_VON[(letters, c)])
            used.add(_STANDIN[(letters, c)])
        else:
            raise Fehler('%r: liblouis schreibt %r als %s, das lehrt der Kurs nicht' % (text, letters, c))
    brl = ''.join(brl)
    if braille.cells(brl) != cells:
        raise Fehler('%r: %s ergibt %s, liblouis %s' % (text, brl, braille.cells(brl), cells))
    return stufe, brl, used


# --- words and sentences ------------------------------------------------------

# Words for each step: each uses at least one contraction of its step and
# none taught later. Base forms first; the generator checks every one.
WOERTER = [
    '''Vater Mutter Bruder Schwester Eltern Abend Apfel Ampel Bauer Berg Beutel
       Blumen Boden Butter Daumen Eimer Ende Engel Erde Feder Feld Fenster Ferien
       Feuer Gabel Geld Hafen Herbst Herz Hotel Igel Kabel Kerze Koffer Kuchen
       Kugel Leder Leiter Löffel Nadel Nebel Onkel Ofen Pferd Regen Schere Spiegel
       Stein Stern Vogel Wagen Welt Wetter Wolken Zelt Zwiebel Bein Zeichen Osten
       Westen Süden Telefon Brötchen Eier Nudeln Melone baden bauen denken eben
       klein mein dein kein fern gern''',
    '''Keller Teller Zimmer Wasser Zucker Brille Sommer Himmel Hammer Kissen Messer
       Tasse Jacke Decke Ecke Socke Glocke Brücke Bäcker Schnecke Rucksack Stück
       Frühstück Schlüssel Schüssel Klasse Nummer Kamm Ball Stall Welle Fell Nuss
       Fluss Schloss Kuss Block Rock Stock Blick Schmuck Summe Stimme Kasse Semmel
       Adresse dick hell schnell still toll nass wecken packen essen rollen füllen
       schwimmen lecker trocken''',
    '''Auge Ente Note Tomate Tüte Seite Kette Mitte Pfote Flöte Blüte Hefte Leute
       Hemd Dezember November September Geige Fliege Ziege Menge Geschenk Gesicht
       Gemüse Geburtstag Gewitter Gespräch Geschichte Honig König Essig Teppich
       Licht Besen Leser Thema Tiger Stempel Trompete Rakete Kröte heute gestern
       lesen geben sicher billig eilig lustig ruhig wichtig durstig dich mich''',
    '''Tante Fehler Salat Minute Stunde Karte Mehl Marmelade Banane Orange Land
       Sand Wand Bank Kanne Pfanne Tanne Anfang Antwort Garten Farbe Arm Arzt Park
       Markt Karton Kind Kinder Wind Ring Finger Insel Winter Kino Hund Mund
       Kunde Wunder Wunsch Junge Hunger Salz Wald Hals Maler Dorf Ort Sport Wort
       Korb Torte Morgen Norden Lehrer Dach Bach Nacht Sache Sprache Drache Garage
       Schrank Tanz Pinsel Spinne Schlange Pflanze Strand bunt rund alt kalt
       gehen sehen lachen machen flach''',
    '''Besuch Becher Beruf Bett Begriff Verkehr Versuch Verein Verkäufer Wohnung
       Heizung Rechnung Ordnung Lösung Kreuzung Wanderung Erinnerung Übung
       Sammlung Verpackung Beleuchtung Verabredung Freiheit Kindheit Sicherheit
       Schönheit Einheit Dunkelheit Kleinigkeit Höflichkeit Fröhlichkeit
       Sauberkeit Heiterkeit besuchen bekannt beliebt beginnen bellen verkaufen
       verlieren vergessen verstehen verstecken verreisen fröhlich täglich
       gemütlich herzlich höflich ehrlich endlich köstlich deutlich ordentlich
       sportlich''',
]

SAETZE = [
    'Meine Schwester liest ein Buch.',
    'Am Morgen trinke ich Tee.',
    'Er trinkt gern Wasser.',
    'Das Wasser ist kalt.',
    'Mein Vater kocht Kaffee und Tee.',
    'Die Sonne scheint, der Himmel ist blau.',
    'Ich esse gern Kuchen mit Sahne.',
    'Das Fenster ist nicht offen.',
    'Die Kinder lachen und singen.',
    'Der Zucker ist in der Dose.',
    'Das Zimmer ist hell und warm.',
    'Die Tasse ist aus Glas.',
    'Der Wind ist kalt.',
    'Sie kauft Brot und Butter.',
    'Das ist eine Kleinigkeit.',
    'Das Kind sucht den Ball.',
    'Der Bäcker backt Brot.',
    'Die Glocke klingt hell.',
    'Am Abend ist es still.',
    'Die Heizung ist warm.',
    'Der Koffer ist schwer.',
    'Sie vergisst nie den Geburtstag.',
    'Der Kuchen schmeckt köstlich.',
    'Heute ist das Wetter schön.',
    'Mein Onkel ist Lehrer.',
    'Das Kind ist müde.',
    'Die Katze schläft auf der Decke.',
    'Wir sind heute bei Tante Anna.',
    'Der Teller steht auf der Kiste.',
    'Mein Bruder kann schnell schwimmen.',
    'Was machst du heute Abend?',
    'Die Wohnung ist klein, aber gemütlich.',
    'Das Geschenk ist für dich.',
    'Wir gehen in den Wald.',
    'Er ist immer fröhlich.',
    'Das Licht ist schon an.',
    'Wir verkaufen den alten Schrank.',
    'Die Blumen sind bunt.',
    'Sie sind heute nicht da.',
    'Der Hund liegt im Garten.',
    'Die Katze schläft auf dem Sofa.',
    'Im Winter ist es kalt.',
    'Die Brille liegt auf dem Tisch.',
    'Im Sommer gehen wir baden.',
    'Wie geht es dir?',
    'Die Ente schwimmt auf dem See.',
    'Die Jacke hängt im Flur.',
    'Im Keller ist es dunkel.',
    'Meine Eltern wohnen auf dem Land.',
    'Er hat den Schlüssel verloren.',
    'Das Wetter ist heute sehr schön.',
]

# Connected texts: a title and its sentences; each is a text lesson and a
# text for the BraillePad.
TEXTE = [
    ('Ein Sonntag im Sommer', [
        'Heute ist das Wetter sehr schön.',
        'Die Sonne scheint, der Himmel ist blau.',
        'Am Morgen trinke ich Tee.',
        'Dann gehen wir in den Wald.',
        'Der Hund geht auch mit.',
        'Am Abend ist es still.',
    ]),
    ('Bei Tante Anna', [
        'Wir sind heute bei Tante Anna.',
        'Die Wohnung ist klein, aber gemütlich.',
        'Auf dem Tisch steht ein Kuchen.',
        'Der Kuchen schmeckt köstlich.',
        'Tante Anna hat ein Geschenk für mich.',
        'Das ist schön!',
    ]),
]

MAX_WORT = 12     # longest word, in cells (the lessons' MaxWortLen)
MAX_ZEILE = 39    # a sentence with the leading space fits 40 cells


# --- records --------------------------------------------------------------------

def dots(brl):
    """'Punkt 1' or 'Punkte 1 2 4 5 6' for a one-cell braille form."""
    cell = braille.cells(brl)
    if len(cell) != 1:
        return ', '.join(dots(c) for c in brl)
    numbers = braille.dots_of(brl).split()
    return ('Punkt ' if len(numbers) == 1 else 'Punkte ') + ' '.join(numbers)


def kuerzungen(nr):
    return STUFEN[nr - 1]['kuerzungen']


def lernzeichen_kuerzungen(nr):
    return [(ch, letters, '%s: %s, %s' % (letters, dots(ch), merk)) for ch, letters, _, merk in kuerzungen(nr)]


def lernzeichen_kurzwoerter(liste):
    return [(ch, wort, '%s: %s' % (wort, dots(ch))) for ch, wort in liste]


def lernzeichen_basisschrift():
    records = [(c, c, '%s: %s' % (c, dots(c))) for c in SMALL]
    records.append(('$', 'Großschreibzeichen', 'Großschreibzeichen: %s' % dots('$')))
    return records


def lernzeichen_vollschrift():
    return [(ch, letters, '%s: %s' % (letters, dots(ch))) for letters, ch in VOLLSCHRIFT]


def check_kuerzungen():
    """Every contraction's character has the cell liblouis writes for it in
    its example word, and every one-cell word is that cell for liblouis."""
    for st in STUFEN:
        for ch, letters, beispiel, _ in st['kuerzungen']:
            _, ps = pieces(beispiel)
            if (letters, TABLE[ch]) not in ps:
                raise Fehler('%s: liblouis schreibt in %r kein %s als %s (%s)' % (ch, beispiel, letters, TABLE[ch], ps))
    for ch, wort in KURZWOERTER_1 + KURZWOERTER_2:
        if louis_translate(wort)[0] != braille.cells(ch):
            raise Fehler('%s: liblouis schreibt %r als %s' % (ch, wort, louis_translate(wort)[0]))


def woerter(nr):
    records = []
    for w in WOERTER[nr - 1].split():
        stufe, b, used = stufe_und_brl(w)
        if stufe != nr:
            raise Fehler('%r gehört zu Stufe %d, nicht %d (%s)' % (w, stufe, nr, b))
        if len(b) < 2 or len(b) > MAX_WORT:
            raise Fehler('%r (%s) ist nicht 2 bis %d Zellen lang' % (w, b, MAX_WORT))
        records.append((b, w, ''))
    if len({p for _, p, _ in records}) != len(records):
        raise Fehler('Stufe %d: ein Wort steht doppelt' % nr)
    return records


def saetze(liste, bis_stufe):
    records = []
    for s in liste:
        stufe, b, _ = stufe_und_brl(s)
        if stufe > bis_stufe:
            continue
        if len(b) > MAX_ZEILE:
            raise Fehler('Der Satz %r ist %d Zellen lang, mehr als %d' % (s, len(b), MAX_ZEILE))
        records.append((b, s, ''))
    return records


def _erste_kuerzung(b):
    """Index of the first contraction character (of the letter-group steps)
    in a braille form, or -1."""
    chars = {ch for st in STUFEN for ch, _, _, _ in st['kuerzungen']}
    for i, c in enumerate(b):
        if c in chars:
            return i
    return -1


_BUCHSTABEN_VON = {ch: letters for st in STUFEN for ch, letters, _, _ in st['kuerzungen']}
_GRUPPE_VON = {}
for _st in STUFEN:
    for _ch, _l, _b, _m in _st['kuerzungen']:
        _GRUPPE_VON[_ch] = [c for c, _, _, _ in _st['kuerzungen'] if c != _ch]


def lueckentexte(records):
    """A gap for the first contraction of each sentence."""
    out = []
    for b, p, _ in records:
        i = _erste_kuerzung(b)
        if i < 0:
            continue
        out.append((b[:i] + '^' + b[i] + '^' + b[i + 1:], p, ''))
    return out


def fehlersuche(records):
    """The first contraction of each sentence written wrong: spelled out in
    letters, or as another contraction of its step."""
    out = []
    for n, (b, p, _) in enumerate(records):
        i = _erste_kuerzung(b)
        if i < 0:
            continue
        right = b[i]
        spelled = _BUCHSTABEN_VON[right]
        other = _GRUPPE_VON[right][n % len(_GRUPPE_VON[right])]
        wrong = [spelled, other]
        for w in wrong:
            if braille.cells(w) == braille.cells(right):
                raise Fehler('Die falsche Fassung %r in %r ist gar nicht falsch' % (w, p))
        out.append((b[:i] + '^' + '\\'.join(wrong) + '^' + b[i + 1:], p, ''))
    return out


def check_cells_apart(lernen, gelernt, name):
    """A finding lesson's fillers must not share a cell with what is looked for."""
    cells = {braille.cells(c) for c, _, _ in lernen}
    for c, _, _ in gelernt:
        if braille.cells(c) in cells:
            raise Fehler('%s: %r hat dieselbe Zelle wie ein gesuchtes Zeichen' % (name, c))


# --- files ------------------------------------------------------------------------

def text_file(lines):
    return '\ufeff' + ''.join(l + '\r\n' for l in lines)


def data_file(titel, typ, beschreibung, records):
    lines = ['[HEADER]', 'Titel=' + titel, 'Typ=' + typ, 'Beschreibung=' + beschreibung, '', '[DATA]']
    for r in records:
        b, p, z = r
        if ' ^ ' in b or not b or not p:
            raise Fehler('Ungültiger Datensatz %r' % (r,))
        lines.append(' ^ '.join([b, p] + ([z] if z else [])))
    return text_file(lines)


def lesson(titel, typ, beschreibung, punkte, keyboard, settings):
    lines = ['[HEADER]', 'Titel=' + titel, 'Typ=' + typ, 'Beschreibung=' + beschreibung, '',
             '[SETTINGS]', 'BrailleKeyboard=%d' % keyboard, 'SapiSpeech=1', 'Sounds=1', 'Punkte=%d' % punkte,
             '', '[' + typ + ']']
    lines += ['%s=%s' % kv for kv in settings]
    return text_file(lines)


def brl_text(b):
    """A braille form for a bracket markup: brackets of the text doubled."""
    return '[' + b.replace('[', '[[').replace(']', ']]') + ']'


TASTEN = {'1': 'F', '2': 'D', '3': 'S', '4': 'J', '5': 'K', '6': 'L'}
TASTEN_HILFE = ('F, D und S sind die Punkte 1, 2 und 3, J, K und L die Punkte 4, 5 und 6. '
                'Drücke die Tasten einer Zelle gleichzeitig.')


def tasten(ch):
    keys = [TASTEN[d] for d in braille.dots_of(ch).split()]
    return keys[0] if len(keys) == 1 else ', '.join(keys[:-1]) + ' und ' + keys[-1]


def aufzaehlung(items):
    return items[0] if len(items) == 1 else ', '.join(items[:-1]) + ' und ' + items[-1]


def beispiele(records, n=4):
    """'[$vatŕ] Vater, ...' for the first n records."""
    return ', '.join('%s %s' % (brl_text(b), p) for b, p, _ in records[:n])


STUFEN_ORDNER = ['02 Lautgruppen er en el ein', '03 Doppelte Mitlaute ll mm ss ck',
                 '04 Lautgruppen es em te ge ig ich', '05 Lautgruppen an in un ar al or eh ach',
                 '06 Vorsilben und Nachsilben']
STUFEN_TITEL = ['Die Lautgruppen er, en, el und ein', 'Doppelte Mitlaute: ll, mm, ss und ck',
                'Die Lautgruppen es, em, te, ge, ig und ich', 'Die Lautgruppen an, in, un, ar, al, or, eh und ach',
                'Vorsilben und Nachsilben: be-, ver-, -ung, -heit, -keit, -lich']
STUFEN_UNTERTITEL = ['Vier häufige Lautgruppen, jede in einer Zelle',
                     'Doppelte Buchstaben in einer Zelle',
                     'Sechs weitere Lautgruppen',
                     'Acht Lautgruppen, die meisten eine Reihe tiefer geschrieben',
                     'Wortanfänge und Wortenden in einer Zelle']
STUFEN_TEXT = [
    # step 1
    'Die Kurzschrift schreibt häufige Buchstabenfolgen mit einer einzigen Zelle. Die ersten vier '
    'kommen in fast jedem Satz vor: er, en, el und ein. \\{liste} \\Vater schreibst du {b1}, '
    'Regen {b2}, Nebel {b3} und Stein {b4}. \\Die Lautgruppen der Vollschrift (au, eu, ei, äu, '
    'ie, ch, sch, st) bleiben, wie du sie kennst.',
    # step 2
    'Doppelte Mitlaute schreibt die Kurzschrift mit einer Zelle: ll, mm, ss und ck. \\{liste} '
    '\\Steht die Zelle des Großschreibzeichens mitten im Wort, ist es ck. \\Teller schreibst du '
    '{b1}, Zimmer {b2}, Wasser {b3} und Zucker {b4}. \\tt, nn und ff bleiben zwei Buchstaben: '
    '{bsonne} Sonne.',
    # step 3
    'Sechs weitere Lautgruppen: es, em, te, ge, ig und ich. \\{liste} \\lesen schreibst du {b1}, '
    'Hemd {b2}, Tomate {b3}, Auge {b4}, Honig {b5} und Licht {b6}. \\Auch allein '
    'stehen ich und es für die Wörter ich und es.',
    # step 4
    'Acht Lautgruppen, die meisten eine Reihe tiefer geschrieben: Die Zelle von an ist ein f eine '
    'Reihe tiefer, in ist ein i eine Reihe tiefer, un ein d, ar ein j, al ein c, or ein e und eh '
    'ein g. Nur ach hat die Punkte 5 und 6. \\{liste} \\Kinder schreibst du {b2}, Hund {b3}, '
    'Garten {b4}, kalt {b5}, Dorf {b6}, gehen {b7} und Dach {b8}.',
    # step 5
    'Häufige Wortanfänge und Wortenden haben eine eigene Zelle. Am Wortanfang: be ist ein b eine '
    'Reihe tiefer, ver hat die Zelle des Bindestrichs. Am Wortende: ung hat die Zelle von u, heit '
    'die von h und keit die von k, lich die Punkte 4, 5 und 6. \\{liste} \\Besuch schreibst du '
    '{b1}, verkaufen {b2}, Wohnung {b3}, Freiheit {b4}, Kleinigkeit {b5} und fröhlich {b6}.',
]


def stufen_text(nr):
    ks = kuerzungen(nr)
    liste = ' \\'.join('%s [%s]: %s, %s.' % (letters, ch, dots(ch), merk) for ch, letters, _, merk in ks)
    fill = {'liste': liste}
    for i, (ch, letters, beispiel, _) in enumerate(ks, 1):
        stufe, b, _ = stufe_und_brl(beispiel)
        if stufe > nr:
            raise Fehler('Das Beispiel %r für %s braucht Stufe %d' % (beispiel, letters, stufe))
        fill['b%d' % i] = brl_text(b)
    fill['bsonne'] = brl_text(stufe_und_brl('Sonne')[1])
    return STUFEN_TEXT[nr - 1].format(**fill)


def build():
    """Relative path -> content of every file of the material, after all checks."""
    check_kuerzungen()
    files = {}
    db = {}

    def dat(name, titel, typ, beschreibung, records):
        db[name] = records
        files['Datenbanken/' + name] = data_file(titel, typ, beschreibung, records)

    basis = lernzeichen_basisschrift()
    voll = lernzeichen_vollschrift()
    dat('Basisschrift.dat', 'Buchstaben der Basisschrift', 'DT_Lernzeichen',
        'Die Buchstaben und das Großschreibzeichen, wie du sie aus der Basisschrift kennst.', basis)
    dat('Vollschrift.dat', 'Lautgruppen der Vollschrift', 'DT_Lernzeichen',
        'Die acht Lautgruppen der Vollschrift: \\au, eu, ei, äu, ie, ch, sch und st.', voll)

    k_files, w_files = [], []
    for nr, st in enumerate(STUFEN, 1):
        kname = 'Kuerzungen_%s.dat' % st['name'].replace(' ', '_')
        wname = 'Woerter_%s.dat' % st['name'].replace(' ', '_')
        dat(kname, 'Kürzungen ' + st['titel'], 'DT_Lernzeichen',
            'Die Kürzungen %s, jede in einer Zelle.' % st['titel'], lernzeichen_kuerzungen(nr))
        dat(wname, 'Wörter mit ' + st['titel'], 'DT_Woerterliste',
            'Wörter in Kurzschrift mit %s; \\sie brauchen nur, was bis hier gelernt ist.' % st['titel'], woerter(nr))
        k_files.append(kname)
        w_files.append(wname)

    dat('Satzzeichen.dat', 'Satzzeichen', 'DT_Lernzeichen',
        'Die Satzzeichen der Sätze, wie in der Basisschrift.',
        [(c, name, '%s: %s' % (name, dots(c))) for c, name in SATZZEICHEN.items()])
    alles = ' ^ '.join(['Basisschrift.dat', 'Vollschrift.dat', 'Satzzeichen.dat'] + k_files)
    kw1 = lernzeichen_kurzwoerter(KURZWOERTER_1)
    kw2 = lernzeichen_kurzwoerter(KURZWOERTER_2)
    dat('Kurzwoerter_1.dat', 'Kurzwörter und, das, ist, nicht, mit, die, der, den, sie, zu', 'DT_Lernzeichen',
        'Zehn häufige Wörter, jedes in einer Zelle.', kw1)
    dat('Kurzwoerter_2.dat', 'Weitere Kurzwörter', 'DT_Lernzeichen',
        'Weitere häufige Wörter in einer Zelle, \\dazu wir, sind, sehr, hat und dir in zwei Zellen.', kw2)

    s6 = saetze(SAETZE, len(STUFEN) + 1)
    s_alle = saetze(SAETZE, ALLE_STUFEN)
    dat('Saetze_Kurzwoerter_1.dat', 'Sätze mit den ersten Kurzwörtern', 'DT_Saetzeliste',
        'Kurze Sätze in Kurzschrift mit den ersten zehn Kurzwörtern.', s6)
    dat('Saetze.dat', 'Sätze in Kurzschrift', 'DT_Saetzeliste',
        'Kurze Sätze in Kurzschrift mit allen Kürzungen des Kurses.', s_alle)
    dat('Lueckentext.dat', 'Sätze mit fehlenden Kürzungen', 'DT_Lueckentext',
        'In jedem Satz fehlt eine Kürzung; \\getippt wird ihre Zelle.', lueckentexte(s_alle))
    dat('Fehlersuche.dat', 'Sätze mit einer falschen Kürzung', 'DT_Fehlersuche',
        'In jedem Satz ist eine Kürzung falsch geschrieben. \\Die Druckform nennt den richtigen Satz.',
        fehlersuche(s_alle))
    texte = []
    for titel, saetze_ in TEXTE:
        recs = saetze(saetze_, ALLE_STUFEN)
        if len(recs) != len(saetze_):
            raise Fehler('Der Text %r braucht Kürzungen, die der Kurs nicht lehrt' % titel)
        texte.append((titel, recs))

    # --- lessons
    lessons = []  # (folder, file) in teaching order

    def lek(ordner, datei, titel, typ, beschreibung, punkte, keyboard, settings):
        files['%s/%s.lek' % (ordner, datei)] = lesson(titel, typ, beschreibung, punkte, keyboard, settings)
        lessons.append((ordner, datei + '.lek'))

    o = '01 Einfuehrung'
    lek(o, '01 Willkommen', '01 Willkommen zur Kurzschrift', 'AT_Text',
        'Eine Einführung in den Kurs. \\Lies den Text Zeile für Zeile. Mit der Eingabetaste geht es weiter.', 1, 0,
        [('Text', 'Willkommen zur Kurzschrift! \\Die Kurzschrift ist die Blindenschrift, in der die meisten Bücher '
          'und Zeitschriften gedruckt werden. Sie spart Platz: häufige Buchstabenfolgen, Silben und Wörter '
          'stehen in einer einzigen Zelle. \\Du kennst schon die Basisschrift und die Lautgruppen der Vollschrift. '
          'Beides gilt weiter: Jeder Buchstabe hat seine Zelle, au, eu, ei, äu, ie, ch, sch und st haben ihre '
          'eigene, und vor einem Großbuchstaben steht das Großschreibzeichen. \\Dieser Kurs lehrt die häufigsten '
          'Kürzungen in kleinen Schritten: zuerst Lautgruppen wie er, en und ein, dann doppelte Mitlaute wie ll '
          'und ss, weitere Lautgruppen, Vorsilben und Nachsilben wie be- und -ung und zuletzt Wörter, die in '
          'einer Zelle stehen, wie und, das und ist. \\Jedes Wort und jeder Satz braucht nur, was du bis dahin '
          'gelernt hast. \\Viele Kürzungen haben die Zelle eines Buchstabens oder Satzzeichens. Welche Bedeutung '
          'gilt, zeigt der Platz: mitten im Wort, am Wortanfang, am Wortende oder allein.')])
    lek(o, '02 Vollschrift wiederholen', '02 Die Lautgruppen der Vollschrift wiederholen', 'AT_Schnellkurs',
        'Zur Wiederholung die acht Lautgruppen der Vollschrift: [&] au, [%] eu, [@] ei, [=] äu, [<] ie, [*] ch, '
        '[_] sch und [>] st. Sie gelten in der Kurzschrift weiter. \\Lies die Tabelle Zeile für Zeile und '
        'drücke dann die Eingabetaste.', 1, 0,
        [('Lernzeichendateien', 'Vollschrift.dat'), ('Datenzufall', '1'), ('Wiederholungen', '1')])

    finden = {1: 'AT_ZeichenFinden', 2: 'AT_WortFinden', 3: 'AT_WortFinden', 4: 'AT_ZeichenFinden',
              5: 'AT_ZeichenInWortFinden'}
    for nr, st in enumerate(STUFEN, 1):
        o = STUFEN_ORDNER[nr - 1]
        ks = kuerzungen(nr)
        kf = k_files[nr - 1]
        wf = w_files[nr - 1]
        gelernt = ' ^ '.join(['Basisschrift.dat', 'Vollschrift.dat'] + k_files[:nr - 1])
        wrecs = db[wf]
        t = st['titel']
        lek(o, '01 Einfuehrung', '01 Einführung: ' + t, 'AT_Text',
            'Was die Kurzschrift mit %s macht, und Merkhilfen für die Zellen. \\Lies den Text Zeile für Zeile. '
            'Mit der Eingabetaste geht es weiter.' % t, 2, 0, [('Text', stufen_text(nr))])
        lek(o, '02 Schnellkurs', '02 Schnellkurs: ' + t, 'AT_Schnellkurs',
            'Die Tabelle zeigt %s: zuerst die Zelle, dann ihre Punkte, dann die Kürzung. \\Lies sie Zeile für '
            'Zeile und drücke dann die Eingabetaste.' % aufzaehlung(['%s [%s]' % (l, c) for c, l, _, _ in ks]),
            2, 0, [('Lernzeichendateien', kf), ('Datenzufall', '0'), ('Wiederholungen', '1')])
        lek(o, '03 Kuerzungen und Woerter', '03 Kürzungen und Wörter: ' + t, 'AT_BuchstabenLernen',
            'Die Tabelle zeigt die Kürzungen in wechselnder Reihenfolge, darunter stehen Wörter mit ihnen, etwa '
            '%s. \\Lies Tabelle und Wörter, dann drücke die Eingabetaste.' % beispiele(wrecs), 3, 0,
            [('Lernzeichendateien', kf), ('Gelerntzeichendateien', gelernt), ('Woerterdateien', wf),
             ('Datenzufall', '1'), ('Leerzeichen', '2'), ('MaxWortAnzahl', '4'), ('MinWortLen', '2'),
             ('MaxWortLen', str(MAX_WORT)), ('Wiederholungen', '3')])
        lek(o, '04 Kuerzungen lesen', '04 Kürzungen lesen: ' + t, 'AT_ZeichenLesen',
            'Lies die Zeile Zelle für Zelle und sage dir jede Kürzung vor: %s. \\Drücke die Eingabetaste für '
            'die nächste Zeile.' % ', '.join('[%s] %s' % (c, l) for c, l, _, _ in ks), 3, 0,
            [('Lernzeichendateien', kf), ('Leerzeichen', '1'), ('Wiederholungen', '5'), ('Zeitfaktor', '0')])
        lek(o, '05 Kuerzungen tippen', '05 Kürzungen tippen: ' + t, 'AT_ZeichenTippen',
            'Tippe die genannte Kürzung mit der Brailletastatur so oft, wie die Aufgabe sagt. \\%s \\%s. '
            '\\Drücke zum Prüfen die Eingabetaste.'
            % (TASTEN_HILFE, '. '.join('%s [%s]: %s' % (l, c, tasten(c)) for c, l, _, _ in ks)), 4, 1,
            [('Lernzeichendateien', kf), ('MaxLernzeichenAnzahl', '3'), ('ZeigeNormaltext', '1'),
             ('Wiederholungen', '8'), ('Zeitfaktor', '0')])
        lek(o, '06 Woerter lesen', '06 Wörter lesen: ' + t, 'AT_WortLesen',
            'Lies die Wörter der Zeile in Kurzschrift, zum Beispiel %s. \\Drücke die Eingabetaste für die '
            'nächste Zeile.' % beispiele(wrecs[4:], 3), 4, 0,
            [('Lernzeichendateien', kf), ('Gelerntzeichendateien', gelernt), ('Woerterdateien', wf),
             ('Sperrdruck', '0'), ('Leerzeichen', '2'), ('MinWortLen', '2'), ('MaxWortLen', str(MAX_WORT)),
             ('Wiederholungen', '6'), ('Zeitfaktor', '0')])
        lek(o, '07 Woerter tippen', '07 Wörter tippen: ' + t, 'AT_WortTippen',
            'Tippe das genannte Wort in Kurzschrift, mit dem Großschreibzeichen vor einem Großbuchstaben: %s '
            'schreibst du %s. \\Soll das Wort mehrmals dastehen, trenne es jedes Mal mit der Leertaste. \\%s '
            '\\Drücke zum Prüfen die Eingabetaste.' % (wrecs[1][1], brl_text(wrecs[1][0]), TASTEN_HILFE), 5, 1,
            [('Lernzeichendateien', kf), ('Gelerntzeichendateien', gelernt), ('Woerterdateien', wf),
             ('MaxWortAnzahl', '2'), ('MinWortLen', '2'), ('MaxWortLen', str(MAX_WORT)), ('ZeigeNormaltext', '1'),
             ('Wiederholungen', '8'), ('Zeitfaktor', '0')])
        typ = finden[nr]
        if typ == 'AT_ZeichenFinden':
            fueller = basis + voll
            check_cells_apart(db[kf], fueller, kf)
            lek(o, '08 Kuerzung finden', '08 Kürzung finden: ' + t, typ,
                'Die Aufgabe nennt eine Kürzung, die Zeile darunter mischt sie unter Buchstaben und Lautgruppen. '
                '\\Gehe mit den Pfeiltasten auf jede Zelle der gesuchten Kürzung und drücke dort die Leertaste.',
                4, 0, [('Lernzeichendateien', kf), ('Gelerntzeichendateien', 'Basisschrift.dat ^ Vollschrift.dat'),
                       ('Leerzeichen', '1.1'), ('MaxLernzeichenAnzahl', '3'), ('ZeigeNormaltext', '1'),
                       ('Wiederholungen', '8'), ('Zeitfaktor', '0')])
        elif typ == 'AT_WortFinden':
            lek(o, '08 Woerter finden', '08 Wörter finden: ' + t, typ,
                'Die Aufgabe nennt ein Wort in Druckschrift. Suche es in der Zeile darunter, die in Kurzschrift '
                'geschrieben ist. \\Gehe auf jedes Vorkommen des Wortes und drücke die Leertaste.', 5, 0,
                [('Lernzeichendateien', kf), ('Gelerntzeichendateien', gelernt), ('Woerterdateien', wf),
                 ('Sperrdruck', '0'), ('Leerzeichen', '1.1'), ('MaxWortAnzahl', '3'), ('MinWortLen', '2'),
                 ('MaxWortLen', str(MAX_WORT)), ('ZeigeNormaltext', '1'), ('Wiederholungen', '8'),
                 ('Zeitfaktor', '0')])
        else:
            ende = [r for r in wrecs if r[0].endswith('ú')][0]
            lek(o, '08 Kuerzung im Wort', '08 Vorsilbe oder Nachsilbe im Wort finden', typ,
                'Die Aufgabe nennt eine Kürzung und ihren Platz im Wort: am Beginn, in der Mitte oder am Ende. '
                'Heißt es ung am Ende, suchst du Wörter wie %s %s. \\Gehe auf jedes passende Wort und drücke die '
                'Leertaste.' % (brl_text(ende[0]), ende[1]), 5, 0,
                [('Lernzeichendateien', kf), ('Gelerntzeichendateien', gelernt), ('Woerterdateien', wf),
                 ('Leerzeichen', '1'), ('MaxWortAnzahl', '3'), ('MinWortLen', '2'), ('MaxWortLen', str(MAX_WORT)),
                 ('ZeigeNormaltext', '0'), ('Wiederholungen', '8'), ('Zeitfaktor', '0')])

    # --- one-cell words
    for nr, (o, kwf, kw, liste) in enumerate(
            [('07 Kurzwoerter 1', 'Kurzwoerter_1.dat', kw1, KURZWOERTER_1),
             ('08 Kurzwoerter 2', 'Kurzwoerter_2.dat', kw2, KURZWOERTER_2)], 1):
        einzeln = [(c, w) for c, w in liste if len(c) == 1]
        zwei = [(c, w) for c, w in liste if len(c) > 1]
        text = ('Viele häufige Wörter schreibt die Kurzschrift mit einer einzigen Zelle, wenn sie allein stehen. '
                'Meist ist es die Zelle ihres ersten Buchstabens oder einer Lautgruppe, die du kennst. \\%s.'
                % ' \\'.join('[%s] %s' % (c, w) for c, w in einzeln))
        if zwei:
            text += (' \\Einige Wörter stehen in zwei Zellen: %s.' % ', '.join('[%s] %s' % (c, w) for c, w in zwei))
        text += (' \\Dieselbe Zelle mitten in einem Wort ist ein Buchstabe oder eine Kürzung: [u] allein heißt und, '
                 '[$hūd] ist Hund.')
        lek(o, '01 Einfuehrung', '01 Einführung: Kurzwörter' + (' 1' if nr == 1 else ' 2'), 'AT_Text',
            'Wörter in einer Zelle. \\Lies den Text Zeile für Zeile. Mit der Eingabetaste geht es weiter.', 3, 0,
            [('Text', text)])
        lek(o, '02 Schnellkurs', '02 Schnellkurs: Kurzwörter' + (' 1' if nr == 1 else ' 2'), 'AT_Schnellkurs',
            'Die Tabelle zeigt jedes Kurzwort mit seiner Zelle, zum Beispiel [%s] %s. \\Lies sie Zeile für Zeile '
            'und drücke dann die Eingabetaste.' % liste[0], 3, 0,
            [('Lernzeichendateien', kwf), ('Datenzufall', '0'), ('Wiederholungen', '1')])
        lek(o, '03 Kurzwoerter lesen', '03 Kurzwörter lesen' + (' 1' if nr == 1 else ' 2'), 'AT_ZeichenLesen',
            'Jede Zelle der Zeile steht allein, also ist sie ein ganzes Wort. Lies sie und sage dir das Wort vor: '
            '[%s] %s, [%s] %s. \\Drücke die Eingabetaste für die nächste Zeile.'
            % (liste[0] + liste[1]), 4, 0,
            [('Lernzeichendateien', kwf), ('Leerzeichen', '2'), ('Wiederholungen', '5'), ('Zeitfaktor', '0')])
        lek(o, '04 Kurzwoerter tippen', '04 Kurzwörter tippen' + (' 1' if nr == 1 else ' 2'), 'AT_ZeichenTippen',
            'Tippe das genannte Wort als Kurzwort so oft, wie die Aufgabe sagt, mit der Leertaste dazwischen: '
            '%s ist %s. \\%s \\Drücke zum Prüfen die Eingabetaste.'
            % (liste[0][1], brl_text(liste[0][0]), TASTEN_HILFE), 5, 1,
            [('Lernzeichendateien', kwf), ('MaxLernzeichenAnzahl', '3'), ('ZeigeNormaltext', '1'),
             ('Wiederholungen', '8'), ('Zeitfaktor', '0')])
        satzdatei = 'Saetze_Kurzwoerter_1.dat' if nr == 1 else 'Saetze.dat'
        bsp = db[satzdatei][0]
        lek(o, '05 Saetze lesen', '05 Sätze lesen' + (' 1' if nr == 1 else ' 2'), 'AT_SatzLesen',
            'Lies den Satz in Kurzschrift, zum Beispiel %s %s \\Drücke die Eingabetaste für den nächsten Satz.'
            % (brl_text(bsp[0]), bsp[1]), 5, 0,
            [('Lernzeichendateien', ' ^ '.join([kwf] + (['Kurzwoerter_1.dat'] if nr == 2 else []) + [alles])),
             ('Saetzedateien', satzdatei), ('CheckBraillezeilenbreite', '1'),
             ('Wiederholungen', '6'), ('Zeitfaktor', '0')])

    # --- sentences and texts
    o = '09 Saetze und Texte'
    bsp = db['Saetze.dat'][2]
    lek(o, '01 Saetze lesen', '01 Sätze lesen', 'AT_SatzLesen',
        'Lies den Satz in Kurzschrift, zum Beispiel %s %s \\Drücke die Eingabetaste für den nächsten Satz.'
        % (brl_text(bsp[0]), bsp[1]), 6, 0,
        [('Lernzeichendateien', 'Kurzwoerter_1.dat ^ Kurzwoerter_2.dat ^ ' + alles), ('Saetzedateien', 'Saetze.dat'),
         ('CheckBraillezeilenbreite', '1'), ('Wiederholungen', '8'), ('Zeitfaktor', '0')])
    lek(o, '02 Saetze tippen', '02 Sätze tippen', 'AT_SatzTippen',
        'Tippe den genannten Satz in Kurzschrift, mit der Leertaste zwischen den Wörtern und mit dem '
        'Satzzeichen am Ende. Vor einen Großbuchstaben setzt du das Großschreibzeichen: J und L. \\Punkt: S. '
        'Komma: D. Fragezeichen: D und L. \\%s \\Drücke zum Prüfen die Eingabetaste.' % TASTEN_HILFE, 6, 1,
        [('Lernzeichendateien', 'Kurzwoerter_1.dat ^ Kurzwoerter_2.dat ^ ' + alles), ('Saetzedateien', 'Saetze.dat'),
         ('CheckBraillezeilenbreite', '1'), ('ZeigeNormaltext', '1'), ('Wiederholungen', '5'),
         ('Zeitfaktor', '0')])
    lt = db['Lueckentext.dat'][3]
    lek(o, '03 Luecken fuellen', '03 Lücken füllen', 'AT_Lueckentext',
        'In jedem Satz fehlt eine Kürzung; die Lücke steht zwischen eckigen Klammern. \\Tippe mit der '
        'Brailletastatur die Zelle der fehlenden Kürzung hinein: fehlt in Wasser das ss, tippst du [š] mit D, '
        'S, J und L. \\Mit Steuerung und Pfeil nach rechts kommst du zur nächsten Lücke. Drücke zum Prüfen die '
        'Eingabetaste.', 6, 1,
        [('Lueckentextdateien', 'Lueckentext.dat'), ('Wiederholungen', '6'), ('Zeitfaktor', '0')])
    lek(o, '04 Fehler finden', '04 Fehler finden', 'AT_Fehlersuche',
        'In jedem Satz ist eine Kürzung falsch geschrieben: eine andere Kürzung steht an ihrer Stelle, oder '
        'die Buchstaben sind ausgeschrieben, wie in [$wassŕ] statt [$wašŕ] Wasser. \\Gehe auf die falsche '
        'Stelle und drücke die Leertaste.', 6, 0,
        [('Fehlersuchedateien', 'Fehlersuche.dat'), ('Wiederholungen', '8'), ('Zeitfaktor', '0')])
    for i, (titel, recs) in enumerate(texte):
        lek(o, '%02d Text %s' % (5 + i, umlaute_weg(titel)), '%02d Text: %s' % (5 + i, titel), 'AT_Text',
            'Ein kurzer Text in Kurzschrift. \\Lies ihn Zeile für Zeile. Mit der Eingabetaste geht es weiter.',
            7, 0, [('Text', ' \\'.join(brl_text(b) for b, _, _ in recs))])
        files['Texte/%s.brl' % titel] = '\ufeff' + ''.join(
            braille.cells(b).replace('\u2800', ' ') + '\r\n' for b in [stufe_und_brl(titel)[1]] + [r[0] for r in recs])
    lek(o, '%02d Geschafft' % (5 + len(texte)), '%02d Geschafft!' % (5 + len(texte)), 'AT_Text',
        'Der Abschluss des Kurses. \\Lies den Text. Mit der Eingabetaste geht es weiter.', 8, 0,
        [('Text', '[$gut gemacht!] \\Du kennst jetzt die häufigsten Kürzungen der Kurzschrift: Lautgruppen, '
          'doppelte Mitlaute, Vorsilben, Nachsilben und Kurzwörter. \\Die Kurzschrift hat noch viele weitere '
          'Kürzungen. Lies jeden Tag ein wenig, zum Beispiel die Texte im BraillePad, und wiederhole die '
          'Lektionen, so oft du möchtest.')])

    # --- the material, its areas and the collective lesson
    bereiche = [('01 Einfuehrung', 'Einführung', 'Was die Kurzschrift ist, und die Lautgruppen der Vollschrift')]
    for nr in range(len(STUFEN)):
        bereiche.append((STUFEN_ORDNER[nr], STUFEN_TITEL[nr], STUFEN_UNTERTITEL[nr]))
    bereiche += [('07 Kurzwoerter 1', 'Kurzwörter: und, das, ist, nicht, mit, die, der, den, sie, zu',
                  'Zehn häufige Wörter in einer Zelle'),
                 ('08 Kurzwoerter 2', 'Weitere Kurzwörter', 'Von, wie, was, auf, auch und andere'),
                 ('09 Saetze und Texte', 'Sätze und Texte in Kurzschrift',
                  'Sätze lesen und tippen, Lücken füllen, Fehler finden, Texte lesen')]
    ini = ['[HEADER]', 'Titel=Kurzschrift: erste Kürzungen', 'Reihenfolge=3',
           'Beschreibung=Ein Aufbaukurs nach der Basisschrift und der Vollschrift. \\Du lernst die häufigsten '
           'Kürzungen der Kurzschrift: Lautgruppen wie er, en und ein, doppelte Mitlaute wie ll und ss, Vorsilben '
           'und Nachsilben wie be-, ver-, -ung und -keit und Wörter in einer Zelle wie und, das und ist. '
           '\\Großbuchstaben bekommen wie in der Basisschrift das Großschreibzeichen.', '', '[DIRECTORIES]']
    for i, (ordner, titel, unter) in enumerate(bereiche, 1):
        ini.append('%s=%02d %s ^ %s' % (ordner, i, titel, unter))
    files['Lernmaterial.ini'] = text_file(ini)
    sam = ['[HEADER]', 'Titel=Kurzschrift: erste Kürzungen erlernen',
           'Beschreibung=Der ganze Kurs zu den ersten Kürzungen der Kurzschrift in der richtigen Reihenfolge.', '',
           '[FILES]']
    sam += ['File=%s\\%s' % (o, f) for o, f in lessons]
    files['Sammellektionen/Kurzschrift_erste_Kuerzungen.sam'] = text_file(sam)
    return files, db


def umlaute_weg(t):
    for a, b in (('ä', 'ae'), ('ö', 'oe'), ('ü', 'ue'), ('ß', 'ss'), ('Ä', 'Ae'), ('Ö', 'Oe'), ('Ü', 'Ue')):
        t = t.replace(a, b)
    return t


def check_liblouis(db):
    """Every word and sentence, gap text and error-search line (through its
    right form) once more through lou_translate, the program liblouis ships."""
    pairs = []
    for name, recs in db.items():
        for b, p, _ in recs:
            if name.startswith(('Woerter', 'Saetze')):
                pairs.append((b, p))
            elif name.startswith('Lueckentext'):
                pairs.append((b.replace('^', ''), p))
            elif name.startswith('Fehlersuche'):
                pairs.append((stufe_und_brl(p)[1], p))
    louis = braille.liblouis([p for _, p in pairs], LIBLOUIS_TABLE)
    bad = ['%s ^ %s: %s / %s' % (b, p, braille.cells(b), l) for (b, p), l in zip(pairs, louis) if braille.cells(b) != l]
    if bad:
        raise Fehler('Brailleformen weichen von liblouis ab:\n' + '\n'.join(bad))
    return len(pairs)


def main(argv):
    pruefen = '--pruefen' in argv[1:]
    try:
        files, db = build()
        n = check_liblouis(db)
    except (Fehler, braille.BrailleError) as e:
        print('Fehler: %s' % e, file=sys.stderr)
        return 1
    differ = []
    for rel, content in sorted(files.items()):
        path = os.path.join(ZIEL, rel)
        data = content.encode('utf-8')
        if pruefen:
            try:
                with open(path, 'rb') as f:
                    if f.read() != data:
                        differ.append(rel)
            except FileNotFoundError:
                differ.append(rel)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, 'wb') as f:
                f.write(data)
    if differ:
        print('Anders als auf der Platte: %s' % ', '.join(differ), file=sys.stderr)
        return 1
    lek = sum(1 for r in files if r.endswith('.lek'))
    w = sum(len(v) for k, v in db.items() if k.startswith('Woerter'))
    print('%d Dateien, %d Lektionen, %d Wörter, %d Sätze; %d Brailleformen wie liblouis (%s).'
          % (len(files), lek, w, len(db['Saetze.dat']), n, LIBLOUIS_TABLE))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
