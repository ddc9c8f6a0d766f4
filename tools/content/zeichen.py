"""The characters the course teaches, group by group, and the braille
figures."""

import braille

# (file name, title, description, [(character, print name)])
GRUPPEN = [
    ('Lernzeichen_a-e.dat', 'Buchstaben a bis e',
     'Die ersten fünf Buchstaben. \\ Sie stehen in der oberen Hälfte der Zelle, in den Punkten 1, 2, 4 und 5.',
     [(c, c) for c in 'abcde']),
    ('Lernzeichen_f-j.dat', 'Buchstaben f bis j',
     'Die Buchstaben f bis j. \\ Auch sie nutzen nur die Punkte 1, 2, 4 und 5.',
     [(c, c) for c in 'fghij']),
    ('Lernzeichen_k-o.dat', 'Buchstaben k bis o',
     'Die Buchstaben k bis o: die Buchstaben a bis e mit Punkt 3 dazu.',
     [(c, c) for c in 'klmno']),
    ('Lernzeichen_p-t.dat', 'Buchstaben p bis t',
     'Die Buchstaben p bis t: die Buchstaben f bis j mit Punkt 3 dazu.',
     [(c, c) for c in 'pqrst']),
    ('Lernzeichen_u-z.dat', 'Buchstaben u bis z',
     'Die Buchstaben u bis z: u, v, x, y, z sind a bis e mit den Punkten 3 und 6 dazu; das w ist eine Ausnahme.',
     [(c, c) for c in 'uvwxyz']),
    ('Lernzeichen_Umlaute.dat', 'Umlaute und Eszett',
     'Die Buchstaben ä, ö, ü und ß.',
     [('ä', 'ä'), ('ö', 'ö'), ('ü', 'ü'), ('ß', 'ß')]),
    ('Lernzeichen_Satzzeichen_1.dat', 'Satzzeichen, Teil 1',
     'Punkt, Komma, Fragezeichen, Ausrufezeichen, Semikolon und Doppelpunkt. \\ Sie stehen in der unteren Hälfte der Zelle.',
     [('.', 'Punkt'), (',', 'Komma'), ('?', 'Fragezeichen'), ('!', 'Ausrufezeichen'),
      (';', 'Semikolon'), (':', 'Doppelpunkt')]),
    ('Lernzeichen_Satzzeichen_2.dat', 'Satzzeichen, Teil 2',
     'Bindestrich, Apostroph, Klammern, Anführungszeichen und Paragrafzeichen. \\ Das Anführungszeichen '
     'unten öffnet mit den Punkten 2 3 6, das Anführungszeichen oben schließt mit den Punkten 3 5 6.',
     [('-', 'Bindestrich'), ("'", 'Apostroph'), ('(', 'Klammer auf'), (')', 'Klammer zu'),
      ('„', 'Anführungszeichen unten'), ('“', 'Anführungszeichen oben'), ('§', 'Paragraf')]),
    ('Lernzeichen_Zahlzeichen.dat', 'Zahlzeichen',
     'Das Zahlzeichen mit den Punkten 3, 4, 5 und 6 steht vor jeder Zahl.',
     [('#', 'Zahlzeichen')]),
    ('Lernzeichen_Ziffern.dat', 'Ziffern',
     'Die Ziffern 1 bis 0. \\ Nach dem Zahlzeichen bedeuten die Zeichen a bis j die Ziffern 1 bis 0.',
     [(d, d) for d in '1234567890']),
    ('Lernzeichen_Grossschreibung.dat', 'Großschreibzeichen',
     'Das Großschreibzeichen steht vor jedem großen Buchstaben.',
     [('$', 'Großschreibzeichen')]),
    ('Lernzeichen_Grosswort.dat', 'Zeichen für ein Wort in Großbuchstaben',
     'Ein Wort ganz in Großbuchstaben hat vorn ein eigenes Zeichen mit den Punkten 4 und 5; '
     'danach stehen die Buchstaben klein.',
     [(braille.CAPS_WORD, 'Wort in Großbuchstaben')]),
]

# Characters easily mistaken for each other, for the drills: mirror images
# (the same dots, left and right swapped) and punctuation that is a letter
# of the first row one row lower.
VERWECHSLUNGEN = [
    ('Spiegelbilder_a-j.dat', 'Spiegelbilder e/i, d/f, h/j',
     'Buchstaben, die Spiegelbilder voneinander sind: e und i, d und f, h und j.',
     [(c, c) for c in 'eidfhj']),
    ('Spiegelbilder_Alphabet.dat', 'Spiegelbilder o/ö, r/w, z/ß, t/ü',
     'Buchstaben, die Spiegelbilder voneinander sind: o und ö, r und w, z und ß, t und ü.',
     [(c, c) for c in 'oörwzßtü']),
    ('Satzzeichen_und_Buchstaben.dat', 'Satzzeichen und Buchstaben',
     'Buchstaben der ersten Reihe und die Satzzeichen, die dieselben Punkte eine Reihe tiefer haben: '
     'a und Komma, b und Semikolon, c und Doppelpunkt, e und Fragezeichen, f und Ausrufezeichen, '
     'g und Klammer, h und Anführungszeichen unten, j und Anführungszeichen oben.',
     [('a', 'a'), (',', 'Komma'), ('b', 'b'), (';', 'Semikolon'), ('c', 'c'), (':', 'Doppelpunkt'),
      ('e', 'e'), ('?', 'Fragezeichen'), ('f', 'f'), ('!', 'Ausrufezeichen'), ('g', 'g'), ('(', 'Klammer'),
      ('h', 'h'), ('„', 'Anführungszeichen unten'), ('j', 'j'), ('“', 'Anführungszeichen oben')]),
]

# The same characters that the learner reads and types as pairs of cells.
PAARE = [
    ('Ziffern_mit_Zahlzeichen.dat', 'Ziffern mit Zahlzeichen',
     'Die Ziffern 1 bis 0, jede mit dem Zahlzeichen davor, so wie sie im Text stehen.',
     [('#' + d, d) for d in '1234567890']),
    ('Grossbuchstaben.dat', 'Große Buchstaben',
     'Die großen Buchstaben A bis Z, Ä, Ö und Ü: das Großschreibzeichen und dann der Buchstabe.',
     [('$' + c, c.upper()) for c in 'abcdefghijklmnopqrstuvwxyzäöü']),
]


# Memory aids, spoken after the dots: how a character is built from one
# learned before, and the character it is easily mistaken for.
MERKHILFE = {}
for _a, _k in zip('abcdefghij', 'klmnopqrst'):
    MERKHILFE[_k] = 'wie %s, dazu Punkt 3' % _a
for _a, _u in zip('abcde', 'uvxyz'):
    MERKHILFE[_u] = 'wie %s, dazu Punkte 3 und 6' % _a
MERKHILFE['ü'] = 'wie h, dazu Punkt 6'
MERKHILFE['ö'] = 'wie i, dazu Punkt 6'
MERKHILFE['ß'] = 'wie s, dazu Punkt 6'
# Punctuation: letters of the first row one row lower.
for _z, _a in [(',', 'a'), (';', 'b'), (':', 'c'), ('?', 'e'), ('!', 'f'), ('(', 'g'), (')', 'g'),
               ('„', 'h'), ('“', 'j')]:
    MERKHILFE[_z] = 'wie %s, eine Reihe tiefer' % _a

# Mirror images: the same dots, left and right swapped.
SPIEGEL = [('e', 'i'), ('d', 'f'), ('h', 'j'), ('o', 'ö'), ('r', 'w'), ('z', 'ß'), ('t', 'ü')]
SPIEGELBILD = {}
for _x, _y in SPIEGEL:
    SPIEGELBILD[_x] = _y
    SPIEGELBILD[_y] = _x


def hinweis(brl_form, name):
    """Spoken hint of a learning character, e.g. 'p: Punkte 1 2 3 4, wie f,
    dazu Punkt 3'. The dots come first, right after the name."""
    teile = []
    for ch in brl_form:
        dots = braille.dots_of(ch)
        word = 'Punkt' if ' ' not in dots else 'Punkte'
        teile.append('%s %s' % (word, dots))
    if len(brl_form) == 1:
        if brl_form.isdigit():
            return '%s: %s, nach dem Zahlzeichen, wie %s' % (name, teile[0], 'abcdefghij'['1234567890'.index(brl_form)])
        text = '%s: %s' % (name, teile[0])
        if brl_form in MERKHILFE:
            text += ', ' + MERKHILFE[brl_form]
        if brl_form in SPIEGELBILD:
            text += '; Spiegelbild von %s' % SPIEGELBILD[brl_form]
        return text
    first = {'#': 'Zahlzeichen', '$': 'Großschreibzeichen'}[brl_form[0]]
    return '%s: %s, dann %s' % (name, first, teile[1])


# Braille figures: (cells, name). Each only a few cells wide.
FIGUREN = [
    ('⠿⠿⠿', 'Mauer'),
    ('⠤⠒⠉', 'Treppe hinauf'),
    ('⠉⠒⠤', 'Treppe hinab'),
    ('⠉⠉⠉', 'Linie oben'),
    ('⠤⠤⠤', 'Linie unten'),
    ('⠒⠒⠒', 'Linie in der Mitte'),
    ('⠒⠒⠕', 'Pfeil nach rechts'),
    ('⠪⠒⠒', 'Pfeil nach links'),
    ('⠔⠉⠢', 'Dach'),
    ('⠢⠤⠔', 'Schale'),
    ('⠔⠢⠔⠢', 'Welle'),
    ('⠑⠊⠑⠊', 'Zickzack'),
    ('⠿⠭⠭⠿', 'Kasten'),
    ('⠇⠇⠇⠇', 'Zaun'),
    ('⠶⠒⠶⠒⠶', 'Kette'),
    ('⠿⠉⠉⠿', 'Tor'),
    ('⠤⠔⠉⠢⠤', 'Brücke'),
    ('⠒⠿⠒', 'Kreuz'),
    ('⠏⠉⠹', 'Tisch'),
    ('⠕⠕⠕⠕', 'Schachbrett'),
    ('⠔⠉⠢⠔⠉⠢', 'Zwei Berge'),
    ('⠪⠕', 'Ring'),
    ('⠸⠿⠇', 'Turm'),
]
