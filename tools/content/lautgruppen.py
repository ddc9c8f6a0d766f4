#!/usr/bin/env python3
"""The learning material "Vollschrift: Lautgruppen"
(share/Lernmaterialien/Lernmaterial-2).

The course builds on the Basisschrift course and teaches the eight letter
groups that Vollschrift writes with one cell each. The word, sentence, gap-text
and error-search lists below are the source of the data files; the lessons,
collective lessons and connected texts come from vollschrift_lektionen.py.
This script makes the braille form of every entry, checks it against
liblouis's German Vollschrift table (de-g1-detailed.ctb, through
lou_translate) and writes the files.

    tools/content/lautgruppen.py            check everything, then write the files
    tools/content/lautgruppen.py --pruefen  check everything and compare with the
                                            files on disk; write nothing

Braille forms are written with the text characters of the braille table
share/Data/BrlUniChar.txt: each letter group under its own character (& au,
% eu, @ ei, = äu, < ie, * ch, _ sch, > st), the other letters, ä ö ü ß and
punctuation as themselves, and the capital sign "$" before a capital letter,
as the Basisschrift course teaches it: "Haus" is $h&s.

A letter group is never written across the parts of a word: in Haustür (Haus
and Tür) s and t stay two cells, in Häuschen (Haus and -chen) s and ch. Nor
where its letters belong to two syllables spoken apart (Mu-se-um, Fa-mi-li-e).
Such words carry their parts in AUSNAHMEN, each with its reason; liblouis
writes them the same way. Nothing is written unless every entry has exactly
the cells liblouis gives, apart from the closing quotation mark (see
check_liblouis).

Every file is UTF-8 with byte-order mark and CR LF line ends.
"""

import os
import sys

import braille

HERE = os.path.dirname(os.path.abspath(__file__))
SHARE = os.path.normpath(os.path.join(HERE, '..', '..', 'share'))
ZIEL = os.path.join(SHARE, 'Lernmaterialien', 'Lernmaterial-2')
OUT_DIR = os.path.join(ZIEL, 'Datenbanken')
LIBLOUIS_TABLE = 'unicode.dis,de-g1-detailed.ctb'

# The letter groups in teaching order: character, letters.
LAUTGRUPPEN = [
    ('&', 'au'), ('%', 'eu'), ('@', 'ei'), ('=', 'äu'),
    ('<', 'ie'), ('*', 'ch'), ('_', 'sch'), ('>', 'st'),
]
ZWIELAUTE = LAUTGRUPPEN[:4]
KONSONANTEN = LAUTGRUPPEN[4:]

# Memory aids: the group's cell is that of the letter with dot 6 added.
# check_merkhilfen() proves each one against the braille table.
MERKHILFEN = {'au': 'a', 'eu': 'b', 'ei': 'c', 'ch': 'd', 'sch': 'e', 'st': 't'}

BUCHSTABEN = 'abcdefghijklmnopqrstuvwxyzäöüß'
SATZZEICHEN = {'.': 'Punkt', ',': 'Komma', '?': 'Fragezeichen', '!': 'Ausrufezeichen',
               ':': 'Doppelpunkt', '„': 'Anführungszeichen unten', '“': 'Anführungszeichen oben'}
# Marks around a word that the braille form keeps in front of or behind it.
VORN = '„'
HINTEN = '.,?!:“'

# Longest letters first, so that sch is found before ch.
_SUCHFOLGE = sorted(LAUTGRUPPEN, key=lambda g: -len(g[1]))

# Words in which letters of a group belong to two parts of the word, or to
# two syllables spoken apart: word -> (its parts, separated by "|"; reason).
# Each part is written on its own, so no group spans a boundary.
AUSNAHMEN = {
    'Häuschen': ('Häus|chen', 'Haus und -chen: s und ch gehören zu zwei Wortteilen'),
    'Mäuschen': ('Mäus|chen', 'Maus und -chen: s und ch gehören zu zwei Wortteilen'),
    'bisschen': ('biss|chen', 'biss und -chen: ss und ch gehören zu zwei Wortteilen'),
    'Haustür': ('Haus|tür', 'Haus und Tür: s und t gehören zu zwei Wortteilen'),
    'Haustier': ('Haus|tier', 'Haus und Tier: s und t gehören zu zwei Wortteilen'),
    'Eistee': ('Eis|tee', 'Eis und Tee: s und t gehören zu zwei Wortteilen'),
    'Eistüte': ('Eis|tüte', 'Eis und Tüte: s und t gehören zu zwei Wortteilen'),
    'Maustaste': ('Maus|taste', 'Maus und Taste: s und t gehören zu zwei Wortteilen'),
    'Dienstag': ('Diens|tag', 'Dienstag und Tag: s und t gehören zu zwei Wortteilen'),
    'Samstag': ('Sams|tag', 'Samstag und Tag: s und t gehören zu zwei Wortteilen'),
    'Geburtstag': ('Geburts|tag', 'Geburt und Tag: s und t gehören zu zwei Wortteilen'),
    'Eingangstür': ('Eingangs|tür', 'Eingang und Tür: s und t gehören zu zwei Wortteilen'),
    'beinhalten': ('be|inhalten', 'be- und inhalten: e und i gehören zu zwei Wortteilen'),
    'beurteilen': ('be|urteilen', 'be- und urteilen: e und u gehören zu zwei Wortteilen'),
    'Museum': ('Muse|um', 'Mu-se-um: e und u werden getrennt gesprochen'),
    'Familie': ('Famili|e', 'Fa-mi-li-e: i und e werden getrennt gesprochen'),
    'Ferien': ('Feri|en', 'Fe-ri-en: i und e werden getrennt gesprochen'),
}

# Words with au, eu, ei or äu and none of the other groups; common words
# first.
WOERTER_ZWIELAUTE = '''
    Haus Maus Baum Frau blau grau Auge Auto laut kaufen laufen aus auf Raum
    Traum Bauer Zaun Pause Daumen Taube Haut sauber Pflaume genau bauen Laune
    Laub Raupe Zauber Kraut Pfau
    heute Leute neu Feuer teuer Freude Freund neun Eule Euro Heu Beutel euer
    freuen Feuerwehr
    Eis Bein klein mein dein Seife Reise leise Zeit Kleid Eimer Leiter Reifen
    frei drei zwei Seil Teil Heim Weide Geige Reihe Eier Preis weit breit heiß
    weiß Reis Teig Leine Kreis Kreide Zeitung Arbeit Brei Feige
    Häuser Mäuse Bäume Räume Träume läuft Kräuter träumen räumen Gebäude
    Käufer Läufer Säule
'''.split()

# Words with ie, ch, sch or st; some also hold au, eu, ei or äu.
WOERTER_KONSONANTEN = '''
    sie wie die hier vier viel Tier Brief Liebe Lied Spiel Ziel Wiese tief
    Papier Biene Knie Riese Ziege Fliege fliegen liegen spielen Sieb Miete
    ich mich dich noch doch acht Buch Dach Koch Milch Licht Nacht Loch Bach
    Kuchen lachen machen kochen suchen Tuch Woche Küche Bücher Mädchen Becher
    Teich echt leicht Sache
    Tisch Fisch Schule Tasche Flasche Wäsche Schaf Schuh schön Schiff Schere
    Schnee Schal Kirsche Geschenk Dusche waschen Busch Schrank schnell frisch
    schreiben Mensch
    ist Stern Stuhl Stadt Post Fest Nest Gast Liste Kiste Kasten Stunde
    Osten Westen Stock Stall Stift fast lustig Straße Wurst Durst gestern
    Fenster Obst Rest Ast stark still Stück Stimme
    auch euch Bauch Strauch Schaum Schwein Schleife Stein Stiefel Schiene Stiel
    Meister Schwester Schreibtisch Eichhörnchen Eiche Rauch deutsch Bleistift
    Spielzeug Kleiderschrank Schaukel Zeitschrift Taschenlampe Stadtbücherei
'''.split()

# The word-part lessons: words whose letters would make a group but belong to
# two parts of the word, next to words with the same group written as one
# cell.
WOERTER_WORTTEILE = '''
    Haustür Haustier Eistee Eistüte Maustaste Dienstag Samstag Geburtstag
    Eingangstür
    beinhalten beurteilen Museum Familie Ferien bisschen Häuschen Mäuschen
    Schwester Stein Bein Freund Leute Liebe Tisch Tasche Haus Eis Maus Tür Tee
    Hausschuh Bleistift Fischstäbchen Stadtbücherei Spielzeug
'''.split()

# Sentences to read and to type. Those of at most 19 cells still fit a
# braille display of 20 cells with the leading space.
SAETZE = [
    'Wie spät ist es?',
    'Das Eis ist kalt.',
    'Ich lese ein Buch.',
    'Die Maus ist klein.',
    'Es schneit.',
    'Der Tee ist heiß.',
    'Wer kocht heute?',
    'Euer Haus ist schön.',
    'Wo ist der Schlüssel?',
    'Die Maus läuft ins Haus.',
    'Heute ist das Wetter schön.',
    'Im Baum sitzt eine Eule.',
    'Wir lesen heute ein Buch.',
    'Der Stein liegt im Bach.',
    'Ich esse gern Kuchen.',
    'Auf dem Tisch steht eine Tasche.',
    'Im Winter fällt Schnee.',
    'Das Feuer ist heiß.',
    'Die Bäume sind schon grün.',
    'Die Kinder spielen auf der Wiese.',
    'Mein Freund schreibt einen Brief.',
    'Am Abend leuchten die Sterne.',
    'Die Katze schläft auf dem Stuhl.',
    'Wir kaufen Brot und Käse.',
    'Das Schiff fährt nach Osten.',
    'Vier Bienen fliegen zur Blume.',
    'Die Schule beginnt um acht.',
    'Im Stall steht ein Schwein.',
    'Heute Abend feiern wir ein Fest.',
    'Leise schleicht die Katze.',
    'Die Frau trägt ein blaues Kleid.',
    'Der Fisch schwimmt im tiefen See.',
    'Hast du heute Zeit?',
    'Das Eis schmeckt sehr gut!',
    'Neun Mäuse laufen durch die Küche.',
    'Ich trinke gern Milch.',
    'Der Vogel baut ein Nest.',
    'Die Tiere schlafen im Stroh.',
    'Kommst du mit, Paul?',
    'Wo ist meine Flasche?',
    'Ich wasche mich mit Seife.',
    'Der Bauer füttert die Schweine.',
    'Ich freue mich auf dich.',
    'Die Suppe ist noch heiß.',
    'Wann kommt der Bus heute?',
    'Wir gehen heute schwimmen.',
    'Das Licht ist aus.',
    'Mein Bruder spielt Geige.',
    'Leg das Buch auf den Tisch.',
    'Der Kuchen schmeckt lecker.',
    'Im Garten stehen drei Bäume.',
    'Die Post bringt einen Brief.',
    'Ich suche meine Schuhe.',
    'Es ist schon sehr spät.',
    'Heute scheint die Sonne.',
    'Wie heißt dein Hund?',
    'Die Eule schläft am Tag.',
    'Wir machen eine kleine Pause.',
    'Der Zug fährt um neun Uhr.',
    'Mach bitte das Fenster auf!',
    'Die Straße ist nass.',
    'Das Auto steht vor dem Haus.',
    'Wir bauen einen Schneemann.',
    'Am Sonntag besuchen wir Oma.',
    'Mein Freund kocht gern.',
    'Ich höre gern Musik.',
    'Im Sommer essen wir viel Eis.',
    'Das Wasser ist tief.',
    'Schreibst du mir bald?',
    'Wir treffen uns um acht.',
    'Der Schrank ist voll.',
    'Das Fest war schön.',
]

# Gap texts: the letters of a group between two carets become a gap into
# which the learner types the group's cell.
LUECKENTEXTE = [
    'Die M^au^s läuft ins Haus.',
    'Die Maus l^äu^ft ins Haus.',
    'H^eu^te ist das Wetter schön.',
    'Im Baum sitzt ^ei^ne Eule.',
    'Die B^äu^me sind schon grün.',
    'Der Stein l^ie^gt im Bach.',
    'Wir lesen heute ein Bu^ch^.',
    'Der Fi^sch^ schwimmt im tiefen See.',
    'Der Vogel baut ein Ne^st^.',
    'Auf dem Ti^sch^ ^st^eht eine Tasche.',
    'N^eu^n Mäuse laufen durch die Kü^ch^e.',
    'Vier B^ie^nen fliegen zur Blume.',
    'Das F^eu^er ist h^ei^ß.',
    'Ich wasche mich mit S^ei^fe.',
    'Das Li^ch^t ist ^au^s.',
    'Heute ^sch^eint die Sonne.',
    'Die Suppe ist no^ch^ h^ei^ß.',
    'Mein Bruder sp^ie^lt G^ei^ge.',
    'Wir gehen heute ^sch^wimmen.',
    'Im Sommer essen wir v^ie^l Eis.',
    'Der Zug fährt um n^eu^n Uhr.',
    'Ich fr^eu^e mich auf di^ch^.',
]

# Error search: a sentence with the letters of one group between carets, and
# the wrong braille forms the line shows there instead (one is chosen for
# each run). A capital sign stays in every wrong form, so that each line
# holds exactly one error. Every wrong form makes a word that does not exist,
# so the error is clear: another group in the group's place, or the group
# spelled out letter by letter, which is wrong in Vollschrift too.
FEHLERSUCHE = [
    ('Die Maus l^äu^ft ins Haus.', ['%', '@']),
    ('Im B^au^m sitzt eine Eule.', ['=', 'au']),
    ('Das F^eu^er ist heiß.', ['&', '=']),
    ('Ich wasche mich mit S^ei^fe.', ['<', '%']),
    ('Vier B^ie^nen fliegen zur Blume.', ['&', 'ie']),
    ('Ich trinke gern Mil^ch^.', ['_', 'ch']),
    ('Der Fi^sch^ schwimmt im tiefen See.', ['*', 'sch']),
    ('Der ^St^ein liegt im Bach.', ['$st', '$<']),
    ('Die B^äu^me sind schon grün.', ['%', '@']),
    ('Wir k^au^fen Brot und Käse.', ['%', '<']),
    ('H^eu^te ist das Wetter schön.', ['@', 'eu']),
    ('Die Schule beginnt um a^ch^t.', ['_', 'ch']),
    ('Das Li^ch^t ist aus.', ['_', 'ch']),
    ('Wir machen eine kleine P^au^se.', ['%', 'au']),
    ('Ich suche meine ^Sch^uhe.', ['$*', '$sch']),
]

# Error search on the word parts: a whole word between carets, and the wrong
# form that writes a group across the parts; the last lines are the
# contrast, a group inside one part spelled out.
FEHLERSUCHE_WORTTEILE = [
    ('Die ^Haustür^ ist offen.', ['$h&>ür']),
    ('Wir trinken gern ^Eistee^.', ['$@>ee']),
    ('Am ^Dienstag^ gehen wir schwimmen.', ['$d<n>ag']),
    ('Unser ^Haustier^ ist eine Katze.', ['$h&>ier']),
    ('Nur ein ^bisschen^ Zucker, bitte.', ['bis_en']),
    ('Im ^Häuschen^ wohnt eine Maus.', ['$h=_en']),
    ('Das ^Museum^ ist heute offen.', ['$mus%m']),
    ('Meine ^Familie^ wohnt in Bremen.', ['$famil<']),
    ('Im Sommer haben wir ^Ferien^.', ['$fer<n']),
    ('Am ^Samstag^ backen wir Kuchen.', ['$sam>ag']),
    ('Zum ^Geburtstag^ gibt es Kuchen.', ['$geburt>ag']),
    ('Meine ^Schwester^ liest ein Buch.', ['$_wester']),
    ('Auf dem ^Tisch^ steht eine Vase.', ['$tisch']),
]

MIN_WORT = 2      # shortest word, in cells (the lessons' MinWortLen)
MAX_WORT = 14     # longest word, in cells (the lessons' MaxWortLen)
MAX_ZEILE = 39    # a sentence with the leading space fits 40 cells


class Fehler(Exception):
    pass


TABLE = braille.table_cells()


def dots(ch):
    """'Punkt 1' or 'Punkte 1 6' for the cell of a table character."""
    bits = ord(TABLE[ch]) - 0x2800
    numbers = [str(d + 1) for d in range(6) if bits & (1 << d)]
    return ('Punkt ' if len(numbers) == 1 else 'Punkte ') + ' '.join(numbers)


def brl_teil(word):
    """The braille form of letters and carets: each letter group as its
    character, other letters lower-cased, "$" before a capital. A caret
    stands where it is and separates letters."""
    out = []
    i = 0
    w = word.lower()
    while i < len(w):
        if word[i].isupper():
            out.append('$')  # the capital sign, before the letter or group
        for ch, group in _SUCHFOLGE:
            if w.startswith(group, i):
                out.append(ch)
                i += len(group)
                break
        else:
            c = w[i]
            if c not in BUCHSTABEN and c != '^':
                raise Fehler('Das Zeichen %r in %r gehört nicht zu diesem Kurs' % (c, word))
            out.append(c)
            i += 1
    return ''.join(out)


def brl_wort(token):
    """The braille form of one word with the marks in front of and behind it."""
    start, end = 0, len(token)
    while start < end and token[start] in VORN:
        start += 1
    while end > start and token[end - 1] in HINTEN:
        end -= 1
    core = token[start:end]
    plain = core.replace('^', '')
    if plain in AUSNAHMEN:
        if core != plain and core != '^' + plain + '^':
            raise Fehler('In %r darf nur das ganze Wort markiert sein' % token)
        teile = AUSNAHMEN[plain][0]
        if teile.replace('|', '') != plain:
            raise Fehler('Die Teile %r ergeben nicht das Wort %r' % (teile, plain))
        core_brl = ''.join(brl_teil(t) for t in teile.split('|'))
        if core != plain:
            core_brl = '^' + core_brl + '^'
    else:
        core_brl = brl_teil(core)
    return token[:start] + core_brl + token[end:]


def brl(text):
    """The braille form of a print text, word by word."""
    return ' '.join(brl_wort(t) for t in text.split(' '))


def cells(brl_form):
    """The Unicode braille cells of a braille form; a space is an empty cell."""
    try:
        return braille.cells(brl_form)
    except braille.BrailleError as E:
        raise Fehler(str(E))


def liblouis(texts):
    """liblouis's Vollschrift translation of each print text, as Unicode braille."""
    return braille.liblouis(texts, LIBLOUIS_TABLE)


def groups_in(brl_form):
    return {ch for ch, _ in LAUTGRUPPEN if ch in brl_form}


def ausnahmen_in(text):
    """The words of AUSNAHMEN a print text uses."""
    words = {t.strip(VORN + HINTEN).replace('^', '') for t in text.split(' ')}
    return words & set(AUSNAHMEN)


# --- the records ------------------------------------------------------------

def hinweis(ch, letters):
    """The spoken hint of a letter group: its dots, and the memory aid where
    there is one."""
    h = '%s: %s' % (letters, dots(ch))
    if letters in MERKHILFEN:
        h += ', das %s mit Punkt 6' % MERKHILFEN[letters]
    return h


def lernzeichen_gruppen(groups):
    return [(ch, letters, hinweis(ch, letters)) for ch, letters in groups]


def lernzeichen_basisschrift(needed):
    """All letters of Basisschrift, the capital sign, then the punctuation the
    exercises need."""
    records = [(c, c, '%s: %s' % (c, dots(c))) for c in BUCHSTABEN]
    records.append(('$', 'Großschreibzeichen', 'Großschreibzeichen: %s' % dots('$')))
    for c, name in SATZZEICHEN.items():
        if c in needed:
            records.append((c, name, '%s: %s' % (name, dots(c))))
    return records


def woerter(words):
    return [(brl(w), w, '') for w in words]


def saetze(sentences):
    return [(brl(s), s, '') for s in sentences]


def lueckentexte(texts):
    records = []
    for t in texts:
        if t.count('^') % 2:
            raise Fehler('Eine Marke ohne Gegenstück in %r' % t)
        marked = brl(t)
        plain = t.replace('^', '')
        if marked.replace('^', '') != brl(plain):
            raise Fehler('Die Marken in %r trennen Buchstaben einer Lautgruppe' % t)
        gaps = marked.split('^')[1::2]
        if not gaps:
            raise Fehler('Keine Lücke in %r' % t)
        for gap in gaps:
            if gap not in dict(LAUTGRUPPEN):
                raise Fehler('Die Lücke %r in %r ist keine Lautgruppe' % (gap, t))
        records.append((marked, plain, ''))
    return records


def fehlersuche(items, ganze_woerter=False):
    records = []
    for t, wrong in items:
        if t.count('^') != 2:
            raise Fehler('Genau eine markierte Stelle erwartet in %r' % t)
        marked = brl(t)
        plain = t.replace('^', '')
        if marked.replace('^', '') != brl(plain):
            raise Fehler('Die Marken in %r trennen Buchstaben einer Lautgruppe' % t)
        before, right, after = marked.split('^')
        if not ganze_woerter and right.lstrip('$') not in dict(LAUTGRUPPEN):
            raise Fehler('Die markierte Stelle %r in %r ist keine Lautgruppe' % (right, t))
        for w in wrong:
            if cells(w) == cells(right):
                raise Fehler('Die falsche Fassung %r in %r ist gar nicht falsch' % (w, t))
            # One error only: the capital sign stays as it is.
            if right.startswith('$') != w.startswith('$'):
                raise Fehler('Die falsche Fassung %r in %r ändert das Großschreibzeichen' % (w, t))
        records.append((before + '^' + '\\'.join(wrong) + '^' + after, plain, ''))
    return records


# --- checks -----------------------------------------------------------------

def check_liblouis(pairs):
    """pairs: (braille form, print text). Raises with every entry whose cells
    differ from liblouis's, or that breaks a German rule liblouis does not
    keep (braille.deutsche_regeln_pruefen).

    liblouis's German tables take “ for the English opening quotation mark
    and write it as dots 2 3 6; the German closing “ is dots 3 5 6, as
    liblouis writes ”. So liblouis is given ” where the print text has “."""
    louis = liblouis([p.replace('“', '”') for _, p in pairs])
    bad = []
    for (b, p), l in zip(pairs, louis):
        mine = cells(b)
        if mine != l:
            bad.append('  %s ^ %s\n    Tabelle:  %s\n    liblouis: %s' % (b, p, mine, l))
        for f in braille.deutsche_regeln_pruefen(p, mine):
            bad.append('  %s ^ %s: %s' % (b, p, f))
    if bad:
        raise Fehler('Brailleformen weichen von liblouis (%s) oder den deutschen Regeln ab:\n%s'
                     % (LIBLOUIS_TABLE, '\n'.join(bad)))


def check_merkhilfen():
    """Each memory aid must be true: the group's cell is the letter's cell
    with dot 6."""
    group_char = {letters: ch for ch, letters in LAUTGRUPPEN}
    for letters, letter in MERKHILFEN.items():
        if ord(TABLE[group_char[letters]]) != ord(TABLE[letter]) | 0x20:
            raise Fehler('Merkhilfe falsch: %s ist nicht %s mit Punkt 6' % (letters, letter))


def check_words(records, learning, allowed, name, max_wort=MAX_WORT):
    seen = set()
    for b, p, _ in records:
        if p in seen:
            raise Fehler('%s: %r steht doppelt' % (name, p))
        seen.add(p)
        g = groups_in(b)
        if learning and not g & {ch for ch, _ in learning}:
            raise Fehler('%s: %r (%s) hat keine der Lautgruppen dieser Liste' % (name, p, b))
        if not g <= {ch for ch, _ in allowed}:
            raise Fehler('%s: %r (%s) hat eine Lautgruppe, die hier noch nicht gelernt ist' % (name, p, b))
        if not MIN_WORT <= len(b) <= max_wort:
            raise Fehler('%s: %r (%s) ist nicht %d bis %d Zellen lang' % (name, p, b, MIN_WORT, max_wort))


def check_cells_apart(gelernt):
    """No learned character may share its cell with a letter group: a filler
    of a finding exercise would then look like the target."""
    group_cells = {TABLE[ch]: ch for ch, _ in LAUTGRUPPEN}
    for c, _, _ in gelernt:
        if TABLE[c] in group_cells:
            raise Fehler('%r hat dieselbe Zelle wie die Lautgruppe %r' % (c, group_cells[TABLE[c]]))


# --- the files --------------------------------------------------------------

def text_file(lines):
    """UTF-8 with byte-order mark, CR LF after every line."""
    return '\ufeff' + ''.join(l + '\r\n' for l in lines)


def data_file(titel, typ, beschreibung, records):
    lines = ['[HEADER]', 'Titel=' + titel, 'Typ=' + typ, 'Beschreibung=' + beschreibung, '', '[DATA]']
    for b, p, z in records:
        if ' ^ ' in b:
            raise Fehler('In der Brailleform %r stünde " ^ " wie ein Trenner' % b)
        lines.append(' ^ '.join([b, p] + ([z] if z else [])))
    return text_file(lines)


def build_data():
    """File name -> (type, records, content) of every data file, after all
    checks of the records."""
    check_merkhilfen()
    w1 = woerter(WOERTER_ZWIELAUTE)
    w2 = woerter(WOERTER_KONSONANTEN)
    w3 = woerter(WOERTER_WORTTEILE)
    s = saetze(SAETZE)
    l = lueckentexte(LUECKENTEXTE)
    f = fehlersuche(FEHLERSUCHE)
    f2 = fehlersuche(FEHLERSUCHE_WORTTEILE, ganze_woerter=True)

    check_words(w1, ZWIELAUTE, ZWIELAUTE, 'Woerter_au_eu_ei_aeu.dat')
    check_words(w2, KONSONANTEN, LAUTGRUPPEN, 'Woerter_ie_ch_sch_st.dat')
    check_words(w3, None, LAUTGRUPPEN, 'Woerter_Wortteile.dat')
    for name, recs in (('Woerter_au_eu_ei_aeu.dat', w1), ('Woerter_ie_ch_sch_st.dat', w2)):
        for b, p, _ in recs:
            if p in AUSNAHMEN:
                raise Fehler('%s: %r gehört in die Wörter zu den Wortteilen' % (name, p))
    if not {p for _, p, _ in w3} >= set(AUSNAHMEN):
        raise Fehler('Woerter_Wortteile.dat: nicht jedes Wort aus AUSNAHMEN steht darin')
    seen = set()
    for b, p, _ in s:
        if p in seen:
            raise Fehler('Der Satz %r steht doppelt' % p)
        seen.add(p)
        if len(b) > MAX_ZEILE:
            raise Fehler('Der Satz %r ist %d Zellen lang, mehr als %d' % (p, len(b), MAX_ZEILE))
        if not groups_in(b):
            raise Fehler('Der Satz %r hat keine Lautgruppe' % p)
        if ausnahmen_in(p):
            raise Fehler('Der Satz %r braucht die Regel der Wortteile' % p)

    pairs = [(b, p) for b, p, _ in w1 + w2 + w3 + s]
    pairs += [(b.replace('^', ''), p) for b, p, _ in l]
    # The error-search lines are checked through their right form.
    pairs += [(brl(t.replace('^', '')), t.replace('^', '')) for t, _ in FEHLERSUCHE + FEHLERSUCHE_WORTTEILE]
    # The parts of every exception, as liblouis writes the whole word.
    pairs += [(brl(w), w) for w in AUSNAHMEN]
    check_liblouis(pairs)

    needed = set(''.join(b for b, _, _ in w1 + w2 + w3 + s + l + f + f2)) - {' ', '^', '\\'}
    basis = lernzeichen_basisschrift(needed)
    missing = needed - {c for c, _, _ in basis} - {ch for ch, _ in LAUTGRUPPEN}
    if missing:
        raise Fehler('Zeichen ohne Lernzeichen: %s' % ' '.join(sorted(missing)))
    check_cells_apart(basis)

    files = [
        ('Lautgruppen.dat', 'Alle acht Lautgruppen', 'DT_Lernzeichen',
         'Die Lautgruppen der Vollschrift, jede in einer Zelle: \\au, eu, ei, äu, ie, ch, sch und st.',
         lernzeichen_gruppen(LAUTGRUPPEN)),
        ('Lautgruppen_au_eu_ei_aeu.dat', 'Lautgruppen au, eu, ei und äu', 'DT_Lernzeichen',
         'Die vier Zwielaute der Vollschrift, jeder in einer Zelle. \\au, eu und ei sind a, b und c mit Punkt 6.',
         lernzeichen_gruppen(ZWIELAUTE)),
        ('Lautgruppen_ie_ch_sch_st.dat', 'Lautgruppen ie, ch, sch und st', 'DT_Lernzeichen',
         'Vier weitere Lautgruppen der Vollschrift, jede in einer Zelle. \\ch, sch und st sind d, e und t mit Punkt 6.',
         lernzeichen_gruppen(KONSONANTEN)),
        ('Basisschrift.dat', 'Buchstaben und Satzzeichen der Basisschrift', 'DT_Lernzeichen',
         'Was aus dem Grundkurs schon bekannt ist: \\alle Buchstaben, ä, ö, ü, ß, das Großschreibzeichen '
         'und die Satzzeichen der Sätze.',
         basis),
        ('Woerter_au_eu_ei_aeu.dat', 'Wörter mit au, eu, ei und äu', 'DT_Woerterliste',
         'Wörter in Vollschrift mit den Lautgruppen au, eu, ei und äu. \\Großbuchstaben haben das '
         'Großschreibzeichen: Haus ist [%s].' % brl('Haus'),
         w1),
        ('Woerter_ie_ch_sch_st.dat', 'Wörter mit ie, ch, sch und st', 'DT_Woerterliste',
         'Wörter in Vollschrift mit den Lautgruppen ie, ch, sch und st, \\manche auch mit au, eu, ei oder äu. '
         '\\Großbuchstaben haben das Großschreibzeichen: Tisch ist [%s].' % brl('Tisch'),
         w2),
        ('Woerter_Wortteile.dat', 'Wörter aus Wortteilen', 'DT_Woerterliste',
         'Wörter, in denen Buchstaben einer Lautgruppe zu zwei Wortteilen gehören, neben Wörtern mit '
         'derselben Lautgruppe: \\Haustür ist [%s], Schwester [%s].' % (brl('Haustür'), brl('Schwester')),
         w3),
        ('Saetze_Lautgruppen.dat', 'Sätze mit Lautgruppen', 'DT_Saetzeliste',
         'Kurze Sätze in Vollschrift. \\Großbuchstaben haben wie in der Basisschrift das Großschreibzeichen: '
         '[%s]' % brl('Die Maus ist klein.'),
         s),
        ('Lueckentext_Lautgruppen.dat', 'Sätze mit fehlenden Lautgruppen', 'DT_Lueckentext',
         'In jedem Satz fehlen eine oder zwei Lautgruppen; \\getippt wird die Zelle der Lautgruppe.',
         l),
        ('Fehlersuche_Lautgruppen.dat', 'Sätze mit einer falschen Lautgruppe', 'DT_Fehlersuche',
         'In jedem Satz ist eine Lautgruppe falsch geschrieben: eine andere Lautgruppe steht an ihrer Stelle, '
         'oder sie ist Buchstabe für Buchstabe ausgeschrieben. \\Die Druckform nennt den richtigen Satz.',
         f),
        ('Fehlersuche_Wortteile.dat', 'Sätze mit einer Lautgruppe über zwei Wortteile', 'DT_Fehlersuche',
         'In jedem Satz fasst ein Wort Buchstaben zweier Wortteile zu einer Lautgruppe zusammen, '
         'oder es schreibt eine Lautgruppe Buchstabe für Buchstabe aus. \\Die Druckform nennt den richtigen Satz.',
         f2),
    ]
    return {name: (typ, recs, data_file(titel, typ, beschr, recs)) for name, titel, typ, beschr, recs in files}


def main(argv):
    # The lessons module imports this one by name: let it find this run.
    sys.modules.setdefault('lautgruppen', sys.modules[__name__])
    import vollschrift_lektionen

    pruefen = '--pruefen' in argv[1:]
    try:
        data = build_data()
        files = {os.path.join('Datenbanken', n): c for n, (_, _, c) in data.items()}
        files.update(vollschrift_lektionen.build(data))
    except Fehler as e:
        print('Fehler: %s' % e, file=sys.stderr)
        return 1
    # Files of ours on disk that the course no longer has.
    stale = []
    for folder, _, names in os.walk(ZIEL):
        for n in names:
            rel = os.path.relpath(os.path.join(folder, n), ZIEL)
            if rel not in files:
                stale.append(rel)
    differ = []
    for name, content in files.items():
        path = os.path.join(ZIEL, name)
        data_bytes = content.encode('utf-8')
        if pruefen:
            try:
                with open(path, 'rb') as f:
                    if f.read() != data_bytes:
                        differ.append(name)
            except FileNotFoundError:
                differ.append(name)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, 'wb') as f:
                f.write(data_bytes)
    if pruefen:
        differ += stale
    else:
        for rel in stale:
            os.remove(os.path.join(ZIEL, rel))
        for folder, dirs, names in os.walk(ZIEL, topdown=False):
            if not os.listdir(folder):
                os.rmdir(folder)
    if differ:
        print('Anders als auf der Platte: %s' % ', '.join(sorted(differ)), file=sys.stderr)
        return 1
    counts = {n: len(recs) for n, (_, recs, _) in data.items()}
    print('%d Dateien; %d Wörter, %d Sätze, %d Lückentexte, %d Fehlersätze; '
          'alle Brailleformen wie liblouis (%s).'
          % (len(files),
             counts['Woerter_au_eu_ei_aeu.dat'] + counts['Woerter_ie_ch_sch_st.dat'] + counts['Woerter_Wortteile.dat'],
             counts['Saetze_Lautgruppen.dat'], counts['Lueckentext_Lautgruppen.dat'],
             counts['Fehlersuche_Lautgruppen.dat'] + counts['Fehlersuche_Wortteile.dat'], LIBLOUIS_TABLE))
    print(vollschrift_lektionen.summary())
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
