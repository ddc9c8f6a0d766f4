#!/usr/bin/env python3
"""Data files of the learning material "Vollschrift: Lautgruppen"
(share/Lernmaterialien/Lernmaterial-2/Datenbanken/).

The course builds on the Basisschrift course and teaches the eight letter
groups that Vollschrift writes with one cell each. The word, sentence, gap-text
and error-search lists below are the source; this script makes the braille
form of every entry, checks it against liblouis's German Vollschrift table
(de-g1-detailed.ctb, through lou_translate) and writes the data files.

    tools/content/lautgruppen.py            check everything, then write the files
    tools/content/lautgruppen.py --pruefen  check everything and compare with the
                                            files on disk; write nothing

Braille forms are written with the text characters of the braille table
share/Data/BrlUniChar.txt: each letter group under its own character (& au,
% eu, @ ei, = äu, < ie, * ch, _ sch, > st), the other letters, ä ö ü ß and
punctuation as themselves, and the capital sign "$" before a capital letter,
as the Basisschrift course teaches it: "Haus" is $h&s. liblouis writes ie and
st as one cell only when
they are part of a longer word, and it keeps two letters apart where they
belong to two pieces of a word (Häuschen: s, then ch); such words carry
their braille form in AUSNAHMEN. Nothing is written unless every entry has
exactly the cells liblouis gives.

Every file is UTF-8 with byte-order mark and CR LF line ends.
"""

import os
import sys

import braille

HERE = os.path.dirname(os.path.abspath(__file__))
SHARE = os.path.normpath(os.path.join(HERE, '..', '..', 'share'))
OUT_DIR = os.path.join(SHARE, 'Lernmaterialien', 'Lernmaterial-2', 'Datenbanken')
LIBLOUIS_TABLE = 'unicode.dis,de-g1-detailed.ctb'

# The letter groups in teaching order: character, letters.
LAUTGRUPPEN = [
    ('&', 'au'), ('%', 'eu'), ('@', 'ei'), ('=', 'äu'),
    ('<', 'ie'), ('*', 'ch'), ('_', 'sch'), ('>', 'st'),
]
ZWIELAUTE = LAUTGRUPPEN[:4]
KONSONANTEN = LAUTGRUPPEN[4:]
# liblouis writes these two as one cell only inside a longer word.
NUR_IM_WORT = {'ie', 'st'}

BUCHSTABEN = 'abcdefghijklmnopqrstuvwxyzäöüß'
SATZZEICHEN = {'.': 'Punkt', ',': 'Komma', '?': 'Fragezeichen', '!': 'Ausrufezeichen'}

# Longest letters first, so that sch is found before ch.
_SUCHFOLGE = sorted(LAUTGRUPPEN, key=lambda g: -len(g[1]))

# Words whose braille form does not follow from the letters alone: the
# letters of a group belong to two pieces of the word.
AUSNAHMEN = {
    'Häuschen': '$h=s*en',
    'Mäuschen': '$m=s*en',
}

# Words with au, eu, ei or äu and none of the other groups.
WOERTER_ZWIELAUTE = '''
    Haus Maus Baum Raum Frau blau grau Auge Auto laut Laub Traum kaufen laufen
    Bauer Zaun Pause Daumen Raupe Taube Haut Kraut sauber Zauber Pflaume
    heute Leute neu treu Feuer teuer Freude Eule Beule Zeug Heu Euro Beutel
    Freund neun
    Eis Bein Wein klein mein Seife Reise leise Zeit Kleid Eimer Leiter Reifen
    frei drei Brei zwei Seil Teil Heim Weide Feige Geige Reihe Eier
    Häuser Mäuse Bäume Räume Träume läuft Säule Käufer Läufer Häute Fräulein
'''.split()

# Words with ie, ch, sch or st; some also hold au, eu, ei or äu.
WOERTER_KONSONANTEN = '''
    Liebe Brief Tier vier Bier Knie Wiese Riese tief Lied Dieb Ziel Spiel Sieg
    fliegen Biene Miete sie wie die nie hier Papier Sieb Tiefe
    ich mich dich Buch Dach Koch Milch Licht Nacht acht Loch Bach Kuchen lachen
    noch doch Tuch Woche Küche Bücher Kirche Mädchen
    Schule Tisch Fisch Tasche Flasche Wäsche Schaf Schuh schön Schiff Busch
    Dusche waschen Asche Schere Schnee Schal Mensch Kirsche Geschenk
    Stern Stuhl Stadt Post Fest Nest Gast Liste Kiste Kasten Stunde Osten
    Stock Stall Stift fast lustig Straße Wurst Durst gestern ist Fenster
    auch euch Eiche Bauch Rauch Strauch Schaum Schwein Schleife Stein Stiefel
    Schiene Stiel Geist Meister Leiste Schwester Schreibtisch Eichhörnchen
    Bäuche Häuschen Mäuschen
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
]

# Error search: a sentence with the letters of one group between carets, and
# the wrong braille forms the line shows there instead (one is chosen for
# each run). Spelling a group out letter by letter is wrong in Vollschrift
# too.
FEHLERSUCHE = [
    ('Die Maus l^äu^ft ins Haus.', ['&', '%']),
    ('Im B^au^m sitzt eine Eule.', ['=', 'au']),
    ('Das F^eu^er ist heiß.', ['@', '=']),
    ('Ich wasche mich mit S^ei^fe.', ['<', '%']),
    ('Vier B^ie^nen fliegen zur Blume.', ['@', 'ie']),
    ('Ich trinke gern Mil^ch^.', ['_', 'ch']),
    ('Der Fi^sch^ schwimmt im tiefen See.', ['*', 's*']),
    ('Der ^St^ein liegt im Bach.', ['st', '_']),
    ('Die B^äu^me sind schon grün.', ['&', '%']),
    ('Wir k^au^fen Brot und Käse.', ['%', '=']),
    ('H^eu^te ist das Wetter schön.', ['@', 'eu']),
    ('Die Schule beginnt um a^ch^t.', ['_', '>']),
]

MIN_WORT = 2      # shortest word, in cells (the lessons' MinWortLen)
MAX_WORT = 12     # longest word, in cells (the lessons' MaxWortLen)
MAX_ZEILE = 39    # a sentence with the leading space fits 40 cells


class Fehler(Exception):
    pass


TABLE = braille.table_cells()


def dots(ch):
    """'Punkt 1' or 'Punkte 1 6' for the cell of a table character."""
    bits = ord(TABLE[ch]) - 0x2800
    numbers = [str(d + 1) for d in range(6) if bits & (1 << d)]
    return ('Punkt ' if len(numbers) == 1 else 'Punkte ') + ' '.join(numbers)


def brl_wort(word):
    """The braille form of one word (letters, punctuation and carets): each
    letter group as its character, other characters lower-cased. A caret
    stands where it is and separates letters."""
    letters = ''.join(c for c in word.lower() if c in BUCHSTABEN)
    out = []
    i = 0
    w = word.lower()
    while i < len(w):
        if word[i].isupper():
            out.append('$')  # the capital sign, before the letter or group
        for ch, group in _SUCHFOLGE:
            if w.startswith(group, i) and (group not in NUR_IM_WORT or len(letters) > len(group)):
                out.append(ch)
                i += len(group)
                break
        else:
            c = w[i]
            if c not in BUCHSTABEN and c not in SATZZEICHEN and c != '^':
                raise Fehler('Das Zeichen %r in %r gehört nicht zu diesem Kurs' % (c, word))
            out.append(c)
            i += 1
    return ''.join(out)


def brl(text):
    """The braille form of a print text, word by word."""
    words = []
    for word in text.split(' '):
        plain = word.replace('^', '').strip('.,?!')
        if plain in AUSNAHMEN and '^' not in word:
            words.append(word.replace(plain, AUSNAHMEN[plain]))
        else:
            words.append(brl_wort(word))
    return ' '.join(words)


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


# --- the records ------------------------------------------------------------

def lernzeichen_gruppen(groups):
    return [(ch, letters, '%s: %s' % (letters, dots(ch))) for ch, letters in groups]


def lernzeichen_basisschrift(needed):
    """All letters of Basisschrift, the capital sign, then the punctuation the
    sentences need."""
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
        for gap in marked.split('^')[1::2]:
            if gap not in dict(LAUTGRUPPEN):
                raise Fehler('Die Lücke %r in %r ist keine Lautgruppe' % (gap, t))
        records.append((marked, plain, ''))
    return records


def fehlersuche(items):
    records = []
    for t, wrong in items:
        if t.count('^') != 2:
            raise Fehler('Genau eine markierte Stelle erwartet in %r' % t)
        marked = brl(t)
        plain = t.replace('^', '')
        if marked.replace('^', '') != brl(plain):
            raise Fehler('Die Marken in %r trennen Buchstaben einer Lautgruppe' % t)
        before, right, after = marked.split('^')
        for w in wrong:
            if cells(w) == cells(right):
                raise Fehler('Die falsche Fassung %r in %r ist gar nicht falsch' % (w, t))
        records.append((before + '^' + '\\'.join(wrong) + '^' + after, plain, ''))
    return records


# --- checks -----------------------------------------------------------------

def check_liblouis(pairs):
    """pairs: (braille form, print text). Raises with every entry whose cells
    differ from liblouis's."""
    louis = liblouis([p for _, p in pairs])
    bad = []
    for (b, p), l in zip(pairs, louis):
        mine = cells(b)
        if mine != l:
            bad.append('  %s ^ %s\n    Tabelle:  %s\n    liblouis: %s' % (b, p, mine, l))
    if bad:
        raise Fehler('Brailleformen weichen von liblouis (%s) ab:\n%s' % (LIBLOUIS_TABLE, '\n'.join(bad)))


def check_words(records, learning, allowed, name):
    seen = set()
    for b, p, _ in records:
        if p in seen:
            raise Fehler('%s: %r steht doppelt' % (name, p))
        seen.add(p)
        g = groups_in(b)
        if not g & {ch for ch, _ in learning}:
            raise Fehler('%s: %r (%s) hat keine der Lautgruppen dieser Liste' % (name, p, b))
        if not g <= {ch for ch, _ in allowed}:
            raise Fehler('%s: %r (%s) hat eine Lautgruppe, die hier noch nicht gelernt ist' % (name, p, b))
        if not MIN_WORT <= len(b) <= MAX_WORT:
            raise Fehler('%s: %r (%s) ist nicht %d bis %d Zellen lang' % (name, p, b, MIN_WORT, MAX_WORT))


def check_cells_apart(gelernt):
    """No learned character may share its cell with a letter group: a filler
    of a finding exercise would then look like the target."""
    group_cells = {TABLE[ch]: ch for ch, _ in LAUTGRUPPEN}
    for c, _, _ in gelernt:
        if TABLE[c] in group_cells:
            raise Fehler('%r hat dieselbe Zelle wie die Lautgruppe %r' % (c, group_cells[TABLE[c]]))


# --- the files --------------------------------------------------------------

def data_file(titel, typ, beschreibung, records):
    lines = ['[HEADER]', 'Titel=' + titel, 'Typ=' + typ, 'Beschreibung=' + beschreibung, '', '[DATA]']
    for b, p, z in records:
        if ' ^ ' in b:
            raise Fehler('In der Brailleform %r stünde " ^ " wie ein Trenner' % b)
        lines.append(' ^ '.join([b, p] + ([z] if z else [])))
    return '\ufeff' + '\r\n'.join(lines) + '\r\n'


def build():
    """File name -> content of every data file, after all checks."""
    w1 = woerter(WOERTER_ZWIELAUTE)
    w2 = woerter(WOERTER_KONSONANTEN)
    s = saetze(SAETZE)
    l = lueckentexte(LUECKENTEXTE)
    f = fehlersuche(FEHLERSUCHE)

    check_words(w1, ZWIELAUTE, ZWIELAUTE, 'Woerter_au_eu_ei_aeu.dat')
    check_words(w2, KONSONANTEN, LAUTGRUPPEN, 'Woerter_ie_ch_sch_st.dat')
    for b, p, _ in s:
        if len(b) > MAX_ZEILE:
            raise Fehler('Der Satz %r ist %d Zellen lang, mehr als %d' % (p, len(b), MAX_ZEILE))
        if not groups_in(b):
            raise Fehler('Der Satz %r hat keine Lautgruppe' % p)

    pairs = [(b, p) for b, p, _ in w1 + w2 + s]
    pairs += [(b.replace('^', ''), p) for b, p, _ in l]
    # The error-search lines are checked through their right form.
    pairs += [(brl(t.replace('^', '')), t.replace('^', '')) for t, _ in FEHLERSUCHE]
    check_liblouis(pairs)

    needed = set(''.join(b for b, _, _ in w1 + w2 + s + l)) - {' ', '^'}
    basis = lernzeichen_basisschrift(needed)
    missing = needed - {c for c, _, _ in basis} - {ch for ch, _ in LAUTGRUPPEN}
    if missing:
        raise Fehler('Zeichen ohne Lernzeichen: %s' % ' '.join(sorted(missing)))
    check_cells_apart(basis)

    return {
        'Lautgruppen.dat': data_file(
            'Alle acht Lautgruppen', 'DT_Lernzeichen',
            'Die Lautgruppen der Vollschrift, jede in einer Zelle: \\au, eu, ei, äu, ie, ch, sch und st.',
            lernzeichen_gruppen(LAUTGRUPPEN)),
        'Lautgruppen_au_eu_ei_aeu.dat': data_file(
            'Lautgruppen au, eu, ei und äu', 'DT_Lernzeichen',
            'Die vier Zwielaute der Vollschrift, jeder in einer Zelle.',
            lernzeichen_gruppen(ZWIELAUTE)),
        'Lautgruppen_ie_ch_sch_st.dat': data_file(
            'Lautgruppen ie, ch, sch und st', 'DT_Lernzeichen',
            'Vier weitere Lautgruppen der Vollschrift, jede in einer Zelle.',
            lernzeichen_gruppen(KONSONANTEN)),
        'Basisschrift.dat': data_file(
            'Buchstaben und Satzzeichen der Basisschrift', 'DT_Lernzeichen',
            'Was aus dem Grundkurs schon bekannt ist: \\alle Buchstaben, ä, ö, ü, ß und die Satzzeichen der Sätze.',
            basis),
        'Woerter_au_eu_ei_aeu.dat': data_file(
            'Wörter mit au, eu, ei und äu', 'DT_Woerterliste',
            'Wörter in Vollschrift mit den Lautgruppen au, eu, ei und äu.',
            w1),
        'Woerter_ie_ch_sch_st.dat': data_file(
            'Wörter mit ie, ch, sch und st', 'DT_Woerterliste',
            'Wörter in Vollschrift mit den Lautgruppen ie, ch, sch und st, \\manche auch mit au, eu, ei oder äu.',
            w2),
        'Saetze_Lautgruppen.dat': data_file(
            'Sätze mit Lautgruppen', 'DT_Saetzeliste',
            'Kurze Sätze in Vollschrift. \\Großbuchstaben sind nicht gekennzeichnet.',
            s),
        'Lueckentext_Lautgruppen.dat': data_file(
            'Sätze mit fehlenden Lautgruppen', 'DT_Lueckentext',
            'In jedem Satz fehlen eine oder zwei Lautgruppen; \\getippt wird die Zelle der Lautgruppe.',
            l),
        'Fehlersuche_Lautgruppen.dat': data_file(
            'Sätze mit einer falschen Lautgruppe', 'DT_Fehlersuche',
            'In jedem Satz ist eine Lautgruppe falsch geschrieben. \\Die Druckform nennt den richtigen Satz.',
            f),
    }


def main(argv):
    pruefen = '--pruefen' in argv[1:]
    try:
        files = build()
    except Fehler as e:
        print('Fehler: %s' % e, file=sys.stderr)
        return 1
    differ = []
    for name, content in files.items():
        path = os.path.join(OUT_DIR, name)
        data = content.encode('utf-8')
        if pruefen:
            try:
                with open(path, 'rb') as f:
                    if f.read() != data:
                        differ.append(name)
            except FileNotFoundError:
                differ.append(name)
        else:
            os.makedirs(OUT_DIR, exist_ok=True)
            with open(path, 'wb') as f:
                f.write(data)
    records = sum(c.count('\r\n') - 6 for c in files.values())
    if differ:
        print('Anders als auf der Platte: %s' % ', '.join(differ), file=sys.stderr)
        return 1
    print('%d Datendateien, %d Datensätze, alle Brailleformen wie liblouis (%s).'
          % (len(files), records, LIBLOUIS_TABLE))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
