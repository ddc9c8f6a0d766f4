#!/usr/bin/env python3
"""Writes the learning material "Basisschrift" (share/Lernmaterialien/Lernmaterial-1).

    tools/content/erzeuge_lernmaterial.py             check, then write the files
    tools/content/erzeuge_lernmaterial.py --pruefen   check and compare with the files
                                                      on disk; write nothing
    tools/content/erzeuge_lernmaterial.py --ohne-liblouis   skip the liblouis check

Builds every data file, lesson, collective lesson and text from the lists in
this folder (woerter.py, saetze.py, raetsel.py, zeichen.py, lektionen.py),
then
  - checks every braille form against liblouis (de-g0-detailed.utb): the
    print text of each word, sentence, gap text, error-search line and bridge
    word is translated and compared cell by cell with our braille form;
  - works out, for every lesson, which words and sentences it will draw
    (as the program does) and stops if a list comes out empty.

The old content of the folder is replaced. Files are UTF-8 with byte-order
mark and CR LF line ends.
"""

import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import braille  # noqa: E402
import lektionen  # noqa: E402
import lesetexte  # noqa: E402
import raetsel  # noqa: E402
import saetze  # noqa: E402
import woerter  # noqa: E402
import zeichen  # noqa: E402

ZIEL_IM_BAUM = os.path.join(braille.SHARE, 'Lernmaterialien', 'Lernmaterial-1')
ZIEL = ZIEL_IM_BAUM
DATENBANKEN = os.path.join(ZIEL, 'Datenbanken')
WOERTERBUCH = '/usr/share/dict/ngerman'

fehler = []


def fehler_melden(text):
    fehler.append(text)
    print('FEHLER:', text)


# ---------------------------------------------------------------- files

def schreibe(pfad, zeilen):
    """A text file in UTF-8 with byte-order mark and CR LF."""
    os.makedirs(os.path.dirname(pfad), exist_ok=True)
    with open(pfad, 'w', encoding='utf-8-sig', newline='') as f:
        f.write(''.join(z + '\r\n' for z in zeilen))


dateien = {}  # name -> (typ, records), to look the lessons' lists up


def datendatei(name, titel, typ, beschreibung, records):
    """records: list of (brl, text[, zusatz])."""
    zeilen = ['[HEADER]', 'Titel=' + titel, 'Typ=' + typ, 'Beschreibung=' + beschreibung, '', '[DATA]']
    for r in records:
        for teil in r:
            if ' ^ ' in teil or teil != teil.strip() or not teil:
                fehler_melden('%s: ungültiger Datensatz %r' % (name, r))
        zeilen.append(' ^ '.join(r))
    schreibe(os.path.join(DATENBANKEN, name), zeilen)
    dateien[name] = (typ, records)


# ---------------------------------------------------------------- words

STUFEN = [
    ('Woerter_a-j.dat', set('abcdefghij')),
    ('Woerter_k-t.dat', set('abcdefghijklmnopqrst')),
    ('Woerter_u-z.dat', set('abcdefghijklmnopqrstuvwxyz')),
    ('Woerter_Umlaute.dat', set('abcdefghijklmnopqrstuvwxyzäöüß')),
]

# Words that are real German words but not wanted in a beginner's course.
NICHT = set('''
habest habet müssest mögest möget heißest setzest sitzest schließest gesteht gedenkt gefallt gewollt
wisse solle wolle könne müsse dürfe möge
'''.split())

# Gloomy or sensitive words (illness, death, violence, politics, religion)
# have no place in the exercises; their forms go with them.
DUESTER = set('''
sterben starb gestorben stirbt töten hassen kämpfen beten weinen fürchten leiden litt gelitten schlagen schlug
geschlagen schlägt quälen drohen opfern stehlen stahl gestohlen stiehlt lügen log gelogen schreien streiten
stritt gestritten herrschen heilen husten schimpfen
krank tot blind taub stumm schwanger politisch sozial wirtschaftlich national international regional
traurig böse dumm wütend ängstlich schrecklich furchtbar gefährlich hässlich feindlich feige
Krankheit Schmerz Fieber Medizin Krankenhaus Polizei Gericht Krieg Frieden Armee Soldat Politik Regierung
Staat Gesetz Kirche Angst Gefahr Blut
'''.split())

ERSTE_WOERTER = '''
ich die da ja ab bei dich je ach eh ehe gab gib hab habe gebe gehe geh hebe jage bade fege
biege beide dabei jede fade beige abgebe abgehe abhebe
'''
# The everyday words of the first area, drawn twice as often as the rest.
ERSTE_HAEUFIG = 'ich die da ja ab bei dich habe gebe gehe jede beide dabei'.split()

# Inflected forms are made for the most common verbs and adjectives only (the
# first ones of their lists), and only the forms that read naturally on their
# own: ich mache, du machst, er macht, gemacht; for the most common verbs also
# machte; große, großen. Rare verbs in the past tense (strahlten, heirateten)
# made whole lines read oddly.
VERBEN_MIT_FORMEN = 40
VERBEN_MIT_PRAETERITUM = 20
ADJEKTIVE_MIT_FORMEN = 40
# How many words at the head of each list (the most common) are listed twice
# in the data files: the program draws every record of a word list with the
# same chance, so a word listed twice comes twice as often.
HAEUFIG = {'KLEINWOERTER': 100, 'VERBEN': 60, 'ADJEKTIVE': 50, 'NOMEN': 120}


def woerterbuch():
    with open(WOERTERBUCH, encoding='utf-8') as f:
        return set(f.read().split('\n'))


def gueltig(wort, wb):
    return (wort in wb or (wort[0].isupper() and wort.lower() in wb)
            or wort in woerter.AUCH_GUELTIG.split())


def verbformen(inf, wb, praeteritum):
    if inf in ('sein', 'tun') or not inf.endswith('n'):
        return []
    st = inf[:-2] if inf.endswith('en') else inf[:-1]
    kand = [st + 'e', st + 'st', st + 't']
    if st[-1] in 'td':
        kand += [st + 'est', st + 'et']
    if praeteritum:
        kand += [st + 'ete'] if st[-1] in 'td' else [st + 'te']
    untrennbar = inf.startswith(('be', 'ver', 'er', 'ent', 'ge', 'zer', 'emp', 'über', 'unter'))
    if not untrennbar and not inf.endswith('ieren'):
        kand += ['ge' + st + 't'] if st[-1] not in 'td' else ['ge' + st + 'et']
    return [k for k in kand if k in wb]


def adjektivformen(adj, wb):
    basis = adj[:-1] if adj.endswith('e') else adj
    return [basis + s for s in ('e', 'en') if basis + s in wb and basis + s != adj]


def wortbestand():
    """(small words, nouns, noun forms) in order, each a list of print words;
    and the set of words to list twice."""
    wb = woerterbuch()
    klein, nomen, gesehen = [], [], set()
    haeufig = set(ERSTE_HAEUFIG)
    for liste, n in HAEUFIG.items():
        haeufig |= set(getattr(woerter, liste).split()[:n])

    def neu(w, ziel, pruefen=True):
        if w in gesehen or w in NICHT or w in DUESTER:
            return
        if pruefen and not gueltig(w, wb):
            print('  nicht im Wörterbuch, weggelassen:', w)
            return
        gesehen.add(w)
        ziel.append(w)

    for w in ERSTE_WOERTER.split():
        neu(w, klein)
    for w in woerter.KLEINWOERTER.split():
        neu(w, klein)
    for w in woerter.VERBEN.split():
        neu(w, klein)
    for w in woerter.ADJEKTIVE.split():
        neu(w, klein)
    for w in woerter.VERBFORMEN.split():
        neu(w, klein)
    for i, v in enumerate(woerter.VERBEN.split()[:VERBEN_MIT_FORMEN]):
        if v in DUESTER:
            continue
        for f in verbformen(v, wb, i < VERBEN_MIT_PRAETERITUM):
            neu(f, klein, False)
    for a in woerter.ADJEKTIVE.split()[:ADJEKTIVE_MIT_FORMEN]:
        if a in DUESTER:
            continue
        for f in adjektivformen(a, wb):
            neu(f, klein, False)
    for w in woerter.NOMEN.split():
        neu(w, nomen)
    formen = []
    for w in woerter.NOMENFORMEN.split():
        neu(w, formen)
    return klein, nomen, formen, haeufig


ZAHLEN = '''
1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 40 50 60 70 80
90 99 100 101 111 123 150 200 250 300 365 500 747 999 1000 1001 2000 5000 10000
1809 1825 1852 1900 1949 1955 1969 1975 1989 1990 1999 2000 2001 2010 2015 2020 2024 2025 2026 2030
0 42 64 77 88 66 33 44 55
0,5 1,5 2,5 3,50 1,99 9,95 7.30 8.15 12.30 18.45 24.12. 1.5. 3.10. 5b 12a 3c 1.000
'''


def mit_gewicht(woerter_, haeufig):
    """Records of a word list; the common words twice."""
    out = []
    for w in woerter_:
        out += [(braille.brl(w), w)] * (2 if w in haeufig else 1)
    return out


def woerterdateien():
    klein, n1, n2, haeufig = wortbestand()
    stufen = {name: [] for name, _ in STUFEN}
    for w in klein:
        for name, zeichen_ in STUFEN:
            if set(w) <= zeichen_:
                stufen[name].append(w)
                break
        else:
            print('  Zeichen außerhalb der Basisschrift, weggelassen:', w)
    titel = {
        'Woerter_a-j.dat': ('Wörter aus a bis j', 'Kleingeschriebene Wörter, die nur aus den Buchstaben a bis j bestehen.'),
        'Woerter_k-t.dat': ('Wörter aus a bis t', 'Kleingeschriebene Wörter mit mindestens einem der Buchstaben k bis t; '
                                                  'sie brauchen keinen Buchstaben nach t.'),
        'Woerter_u-z.dat': ('Wörter aus a bis z', 'Kleingeschriebene Wörter mit mindestens einem der Buchstaben u bis z.'),
        'Woerter_Umlaute.dat': ('Wörter mit ä, ö, ü, ß', 'Kleingeschriebene Wörter mit ä, ö, ü oder ß.'),
    }
    for name, _ in STUFEN:
        t, b = titel[name]
        datendatei(name, t, 'DT_Woerterliste', b + ' \\ Häufige Wörter stehen vorn; '
                   'die häufigsten stehen zweimal in der Liste und kommen so doppelt so oft dran.',
                   mit_gewicht([w for w in stufen[name] if 2 <= len(braille.brl(w)) <= 15], haeufig))
    datendatei('Nomen_1.dat', 'Hauptwörter', 'DT_Woerterliste',
               'Häufige Hauptwörter, groß geschrieben mit dem Großschreibzeichen. \\ Die häufigsten stehen '
               'zweimal in der Liste und kommen so doppelt so oft dran.',
               mit_gewicht([w for w in n1 if len(braille.brl(w)) <= 15], haeufig))
    datendatei('Nomen_2.dat', 'Hauptwörter in der Mehrzahl und weiteren Formen', 'DT_Woerterliste',
               'Hauptwörter in der Mehrzahl und im zweiten Fall, groß geschrieben.',
               [(braille.brl(w), w) for w in n2 if len(braille.brl(w)) <= 15])
    datendatei('Grosswoerter.dat', 'Wörter in Großbuchstaben', 'DT_Woerterliste',
               'Abkürzungen ganz in Großbuchstaben wie ICE und WC: vorn das Zeichen mit den Punkten 4 und 5, '
               'dann die Buchstaben klein.',
               [(braille.brl(w), w) for w in woerter.GROSSWOERTER.split()])
    zahlen = []
    for z in ZAHLEN.split():
        if z not in zahlen:
            zahlen.append(z)
    datendatei('Zahlen.dat', 'Zahlen', 'DT_Woerterliste',
               'Zahlen und Jahreszahlen, Preise mit Komma, Uhrzeiten, Daten und Hausnummern; jede Zahl mit dem Zahlzeichen '
               'davor. Nach dem Komma oder Punkt geht die Zahl ohne neues Zahlzeichen weiter; ein Buchstabe a bis j '
               'nach der Zahl bekommt Punkt 6 davor.',
               [(braille.brl(z), z) for z in zahlen])


# ---------------------------------------------------------------- characters

def lernzeichendateien():
    for name, titel, beschr, zeichenliste in zeichen.GRUPPEN + zeichen.PAARE + zeichen.VERWECHSLUNGEN:
        datendatei(name, titel, 'DT_Lernzeichen', beschr,
                   [(b, t, zeichen.hinweis(b, t)) for b, t in zeichenliste])
    datendatei('Figuren.dat', 'Figuren', 'DT_Figurenliste',
               'Kleine Bilder aus Braillezellen zum Ertasten.', zeichen.FIGUREN)


# ---------------------------------------------------------------- sentences

SATZDATEIEN = [
    ('Wortgruppen_a-j.dat', 'Wortgruppen aus a bis j', 'Kleine Wortgruppen, nur aus den Buchstaben a bis j.',
     saetze.WORTGRUPPEN_A_J, 'abcdefghij '),
    ('Wortgruppen_a-t.dat', 'Wortgruppen aus a bis t', 'Kleine Wortgruppen aus den Buchstaben a bis t, '
     'kleingeschrieben und ohne Satzzeichen.', saetze.WORTGRUPPEN_A_T, 'abcdefghijklmnopqrst '),
    ('Wortgruppen_a-z.dat', 'Wortgruppen aus a bis z', 'Wortgruppen aus allen Buchstaben, kleingeschrieben und '
     'ohne Satzzeichen.', saetze.WORTGRUPPEN_A_Z, 'abcdefghijklmnopqrstuvwxyz '),
    ('Wortgruppen_Umlaute.dat', 'Wortgruppen mit ä, ö, ü, ß', 'Wortgruppen mit Umlauten und Eszett, '
     'kleingeschrieben und ohne Satzzeichen.', saetze.WORTGRUPPEN_UMLAUTE, 'abcdefghijklmnopqrstuvwxyzäöüß '),
    ('Saetze_Satzzeichen.dat', 'Sätze mit Satzzeichen', 'Kurze Sätze mit Satzzeichen, noch kleingeschrieben.',
     saetze.SAETZE_SATZZEICHEN, 'abcdefghijklmnopqrstuvwxyzäöüß .,;:?!-\'()„“§'),
    ('Saetze_Zahlen.dat', 'Sätze mit Zahlen', 'Kurze Sätze und Rechnungen mit Zahlen, noch kleingeschrieben.',
     saetze.SAETZE_ZAHLEN, 'abcdefghijklmnopqrstuvwxyzäöüß .,;:?!-\'()„“§#1234567890'),
    ('Saetze_Grossschreibung.dat', 'Sätze mit großen Buchstaben', 'Kurze Sätze mit großen Buchstaben.',
     saetze.SAETZE_GROSS, None),
    ('Saetze_Grosswoerter.dat', 'Sätze mit Wörtern in Großbuchstaben',
     'Kurze Sätze mit Abkürzungen in Großbuchstaben wie ICE und WC.', saetze.SAETZE_GROSSWOERTER, None),
    ('Saetze_kurz.dat', 'Sätze aus dem Alltag', 'Sätze, die auf eine Braillezeile mit 40 Zellen passen.',
     saetze.SAETZE_KURZ, None),
    ('Saetze_lang.dat', 'Längere Sätze', 'Längere Sätze über die Blindenschrift und den Alltag.',
     saetze.SAETZE_LANG, None),
]


def satzdateien():
    for name, titel, beschr, text, erlaubt in SATZDATEIEN:
        records = []
        for satz in text.strip().split('\n'):
            satz = satz.strip()
            if not satz:
                continue
            b = braille.brl(satz)
            if erlaubt is not None and not set(b) <= set(erlaubt):
                fehler_melden('%s: "%s" braucht Zeichen, die hier noch nicht bekannt sind: %s'
                              % (name, satz, ''.join(sorted(set(b) - set(erlaubt)))))
            if name != 'Saetze_lang.dat' and len(b) > 39:
                fehler_melden('%s: "%s" ist länger als 39 Zeichen (%d)' % (name, satz, len(b)))
            records.append((b, satz))
        datendatei(name, titel, 'DT_Saetzeliste', beschr, records)


# ---------------------------------------------------------------- marked lines

def markiert_brl(zeile):
    """Braille form of a line with ^marked^ passages and \\ alternatives."""
    teile = zeile.split('^')
    if len(teile) % 2 == 0:
        fehler_melden('Marken ohne Gegenstück: %r' % zeile)
    out = []
    for i, teil in enumerate(teile):
        if i % 2 == 0:
            out.append(braille.brl(teil))
        else:
            out.append('^' + '\\'.join(braille.brl(a) for a in teil.split('\\')) + '^')
    return ''.join(out)


def erste_variante(zeile):
    teile = zeile.split('^')
    return ''.join(t if i % 2 == 0 else t.split('\\')[0] for i, t in enumerate(teile))


def raetseldateien():
    for name, titel, beschr, liste in [
        ('Fehlersuche_Satzzeichen.dat', 'Fehler suchen: Satzzeichen',
         'Kleingeschriebene Sätze mit einem falschen Satzzeichen oder Buchstaben.', raetsel.FEHLERSUCHE_SATZZEICHEN),
        ('Fehlersuche_Grossschreibung.dat', 'Fehler suchen: groß und klein',
         'Sätze mit falsch groß oder klein geschriebenen Wörtern.', raetsel.FEHLERSUCHE_GROSS),
        ('Fehlersuche.dat', 'Fehler suchen', 'Sätze mit einem Wort, das nicht passt.', raetsel.FEHLERSUCHE),
    ]:
        datendatei(name, titel, 'DT_Fehlersuche',
                   beschr + ' \\ Die Druckform zeigt den Satz, wie er in Braille erscheint; der Zusatztext '
                            'nennt den richtigen Satz.',
                   [(markiert_brl(z), erste_variante(z), 'Richtig: ' + r) for z, r in liste])
    for name, titel, beschr, liste in [
        ('Lueckentext_Umlaute.dat', 'Lückentext: Umlaute', 'Wortgruppen, in denen ä, ö, ü oder ß fehlen.',
         raetsel.LUECKENTEXT_UMLAUTE),
        ('Lueckentext_Zahlen.dat', 'Lückentext: Rechnen', 'Rechnungen und Zahlenreihen mit einer Lücke.',
         raetsel.LUECKENTEXT_ZAHLEN),
        ('Lueckentext_Grossschreibung.dat', 'Lückentext: große Buchstaben',
         'Sätze, in denen große Anfangsbuchstaben fehlen.', raetsel.LUECKENTEXT_GROSS),
        ('Lueckentext.dat', 'Lückentext', 'Sätze, in denen Wörter oder Buchstaben fehlen.', raetsel.LUECKENTEXT),
    ]:
        datendatei(name, titel, 'DT_Lueckentext', beschr + ' \\ Die Druckform zeigt den vollständigen Satz.',
                   [(markiert_brl(z), erste_variante(z)) for z in liste])
    for name, liste in [('Brueckenwoerter_1.dat', raetsel.BRUECKENWOERTER_1),
                        ('Brueckenwoerter_2.dat', raetsel.BRUECKENWOERTER_2)]:
        records = []
        for a, b, c in liste:
            zeile = '%s ^%s\\%s^ %s' % (a, b, b.lower(), c)
            records.append((markiert_brl(zeile), '%s %s %s' % (a, b, c),
                            '%s%s, %s%s' % (a, b.lower(), b, c.lower())))
        teil = name[-5]
        datendatei(name, 'Brückenwörter ' + teil, 'DT_Brueckenwoerter',
                   'Zwei Hauptwörter und dazwischen das Brückenwort, das mit beiden ein neues Wort bildet. '
                   '\\ Die Druckform nennt die drei Wörter, der Zusatztext die zwei neuen Wörter.', records)


# ---------------------------------------------------------------- lessons

STANDARD = {
    'AT_Schnellkurs': [('Lernzeichendateien', None), ('Datenzufall', 0), ('Wiederholungen', 1)],
    'AT_BuchstabenLernen': [('Lernzeichendateien', None), ('Gelerntzeichendateien', None), ('Woerterdateien', None),
                            ('Datenzufall', 0), ('Leerzeichen', 2), ('MaxWortAnzahl', 4), ('MinWortLen', 2),
                            ('MaxWortLen', 6), ('Wiederholungen', 3)],
    'AT_VerstecktesZeichen': [('Lernzeichendateien', None), ('Trennzeichen', '%'), ('Leerzeichen', '1.1'),
                              ('MaxLernzeichenAnzahl', 3), ('ZeigeNormaltext', 0), ('Wiederholungen', 5),
                              ('Zeitfaktor', 0)],
    'AT_VerstecktesWort': [('Lernzeichendateien', None), ('Gelerntzeichendateien', None), ('Woerterdateien', None),
                           ('Trennzeichen', '%'), ('Sperrdruck', 0), ('Leerzeichen', '1.1'), ('MaxWortAnzahl', 2),
                           ('MinWortLen', 2), ('MaxWortLen', 6), ('ZeigeNormaltext', 0), ('Wiederholungen', 5),
                           ('Zeitfaktor', 0)],
    'AT_ZeichenFinden': [('Lernzeichendateien', None), ('Gelerntzeichendateien', None), ('Leerzeichen', '1.1'),
                         ('MaxLernzeichenAnzahl', 3), ('ZeigeNormaltext', 0), ('Wiederholungen', 5),
                         ('Zeitfaktor', 0)],
    'AT_WortFinden': [('Lernzeichendateien', None), ('Gelerntzeichendateien', None), ('Woerterdateien', None),
                      ('Sperrdruck', 0), ('Leerzeichen', '1.1'), ('MaxWortAnzahl', 2), ('MinWortLen', 2),
                      ('MaxWortLen', 7), ('ZeigeNormaltext', 0), ('Wiederholungen', 5), ('Zeitfaktor', 0)],
    'AT_FigurFinden': [('Figurendateien', None), ('Leerzeichen', 2), ('MaxFigurAnzahl', 2), ('Wiederholungen', 5),
                       ('Zeitfaktor', 0)],
    'AT_ZeichenInWortFinden': [('Lernzeichendateien', None), ('Gelerntzeichendateien', None),
                               ('Woerterdateien', None), ('Leerzeichen', 1), ('MaxWortAnzahl', 3),
                               ('MinWortLen', 2), ('MaxWortLen', 7), ('ZeigeNormaltext', 0),
                               ('Wiederholungen', 5), ('Zeitfaktor', 0)],
    'AT_Fehlersuche': [('Fehlersuchedateien', None), ('Wiederholungen', 10), ('Zeitfaktor', 0)],
    'AT_ZeichenLesen': [('Lernzeichendateien', None), ('Leerzeichen', 1), ('Wiederholungen', 5), ('Zeitfaktor', 0)],
    'AT_WortLesen': [('Lernzeichendateien', None), ('Gelerntzeichendateien', None), ('Woerterdateien', None),
                     ('Sperrdruck', 0), ('Leerzeichen', 2), ('MinWortLen', 2), ('MaxWortLen', 7),
                     ('Wiederholungen', 5), ('Zeitfaktor', 0)],
    'AT_SatzLesen': [('Lernzeichendateien', None), ('Saetzedateien', None), ('CheckBraillezeilenbreite', 1),
                     ('Wiederholungen', 8), ('Zeitfaktor', 0)],
    'AT_ZeichenTippen': [('Lernzeichendateien', None), ('MaxLernzeichenAnzahl', 3), ('ZeigeNormaltext', 1),
                         ('Wiederholungen', 10), ('Zeitfaktor', 0)],
    'AT_WortTippen': [('Lernzeichendateien', None), ('Gelerntzeichendateien', None), ('Woerterdateien', None),
                      ('MaxWortAnzahl', 1), ('MinWortLen', 2), ('MaxWortLen', 6), ('ZeigeNormaltext', 1),
                      ('Wiederholungen', 8), ('Zeitfaktor', 0)],
    'AT_SatzTippen': [('Lernzeichendateien', None), ('Saetzedateien', None), ('CheckBraillezeilenbreite', 1),
                      ('ZeigeNormaltext', 1), ('Wiederholungen', 5), ('Zeitfaktor', 0)],
    'AT_Brueckenwoerter': [('Brueckenwoerterdateien', None), ('Wiederholungen', 8), ('Zeitfaktor', 0)],
    'AT_Lueckentext': [('Lueckentextdateien', None), ('Wiederholungen', 8), ('Zeitfaktor', 0)],
}

TIPPEN = {'AT_ZeichenTippen', 'AT_WortTippen', 'AT_SatzTippen', 'AT_Brueckenwoerter', 'AT_Lueckentext'}

GRENZEN = {'Wiederholungen': (1, 99), 'Zeitfaktor': (0, 300), 'MaxWortAnzahl': (1, 9),
           'MaxLernzeichenAnzahl': (1, 9), 'MaxFigurAnzahl': (1, 9), 'MinWortLen': (2, 9), 'MaxWortLen': (2, 15)}


def wert(v):
    if isinstance(v, list):
        return ' ^ '.join(v)
    return str(v)


def lektion_schreiben(ordner, lek):
    typ = lek['typ']
    s = dict(lek['settings'])
    zeilen = ['[HEADER]', 'Titel=' + lek['titel'], 'Typ=' + typ, 'Beschreibung=' + lek['beschreibung'], '',
              '[SETTINGS]', 'BrailleKeyboard=%d' % (1 if typ in TIPPEN else 0), 'SapiSpeech=1', 'Sounds=1',
              'Punkte=%d' % lek['punkte'], '', '[%s]' % typ]
    if not 1 <= lek['punkte'] <= 10:
        fehler_melden('%s: Punkte außerhalb 1 bis 10' % lek['datei'])
    werte = {}
    if typ == 'AT_Text':
        zeilen.append('Text=' + s.pop('Text'))
    else:
        for key, std in STANDARD[typ]:
            v = s.pop(key, std)
            if v is None:
                continue
            if key in GRENZEN:
                lo, hi = GRENZEN[key]
                if not lo <= int(v) <= hi:
                    fehler_melden('%s: %s=%s außerhalb %d bis %d' % (lek['datei'], key, v, lo, hi))
            werte[key] = v
            zeilen.append('%s=%s' % (key, wert(v)))
    if s:
        fehler_melden('%s: unbekannte Einstellungen %s' % (lek['datei'], sorted(s)))
    schreibe(os.path.join(ZIEL, ordner, lek['datei']), zeilen)
    return werte


# ---------------------------------------------------------------- what a lesson draws

def records(namen, typ):
    out = []
    for n in namen or []:
        if n not in dateien:
            fehler_melden('Datendatei %s fehlt' % n)
            continue
        if dateien[n][0] != typ:
            fehler_melden('Datendatei %s hat den Typ %s, erwartet %s' % (n, dateien[n][0], typ))
        out += dateien[n][1]
    return out


def einzelzeichen(recs):
    return [r[0] for r in recs if len(r[0]) == 1]


def lernzeichen_walk(recs):
    out = []
    for r in recs:
        if len(r[0]) != 1:
            break
        out.append(r[0])
    return out


def listengroesse(typ, w):
    """Size of the list an exercise of this lesson is drawn from, worked out as
    the program does; and for word lessons the size of all usable words."""
    lern = records(w.get('Lernzeichendateien'), 'DT_Lernzeichen')
    gelernt = records(w.get('Gelerntzeichendateien'), 'DT_Lernzeichen')
    if typ in ('AT_Schnellkurs', 'AT_ZeichenLesen', 'AT_ZeichenTippen', 'AT_VerstecktesZeichen', 'AT_ZeichenFinden'):
        return len(lern), None
    if typ == 'AT_FigurFinden':
        return len(records(w['Figurendateien'], 'DT_Figurenliste')), None
    if typ == 'AT_Fehlersuche':
        return len(records(w['Fehlersuchedateien'], 'DT_Fehlersuche')), None
    if typ == 'AT_Brueckenwoerter':
        return len(records(w['Brueckenwoerterdateien'], 'DT_Brueckenwoerter')), None
    if typ == 'AT_Lueckentext':
        return len(records(w['Lueckentextdateien'], 'DT_Lueckentext')), None
    if typ in ('AT_SatzLesen', 'AT_SatzTippen'):
        saetze_ = records(w['Saetzedateien'], 'DT_Saetzeliste')
        lz = set(einzelzeichen(lern))
        n = 0
        for b, *_ in saetze_:
            if w.get('CheckBraillezeilenbreite', 0) == 1 and len(b) > 39:
                continue
            k = sum(1 for c in b if c != ' ' and c in lz)
            u = sum(1 for c in b if c != ' ' and c not in lz)
            if k >= 1 and k >= u:
                n += 1
        return n, len(saetze_)
    # word lessons
    bekannt = set(einzelzeichen(lern) + einzelzeichen(gelernt))
    lo = int(w.get('MinWortLen', 2))
    hi = int(w.get('MaxWortLen', 9))
    alle = [r for r in records(w.get('Woerterdateien'), 'DT_Woerterliste')
            if lo <= len(r[0]) <= hi and set(r[0]) <= bekannt]
    walk = set(lernzeichen_walk(lern))
    lernen = [r for r in alle if set(r[0]) & walk]
    if typ == 'AT_ZeichenInWortFinden':
        return len(lernen), len(alle)
    return (len(lernen) if lernen else len(alle)), len(alle)


# ---------------------------------------------------------------- texts

TEXTE = {
    'Willkommen.brl': '''Willkommen bei Tastwerk!
Hier im BraillePad kannst du lesen und schreiben, so viel du magst.
Schreibe mit den sechs Tasten der Brailletastatur.
Viel Freude beim Lernen!''',
    'Das Alphabet.brl': '''Das Alphabet:
a b c d e f g h i j
k l m n o p q r s t
u v w x y z
ä ö ü ß
Die Ziffern:
1 2 3 4 5 6 7 8 9 0''',
    'Der kleine Igel.brl': '''Der kleine Igel
Im Garten wohnt ein kleiner Igel.
Am Tag schläft er unter einem Busch.
Am Abend wacht er auf und sucht Futter.
Er findet einen Wurm und zwei Schnecken.
Dann trinkt er Wasser aus einer Schale.
Im Herbst baut er sich ein Nest aus Blättern.
Dort schläft er bis zum Frühling.''',
}


# The connected reading texts, each under the name of its lesson.
for _b, _stufe, _datei, _titel, _art, _text in lesetexte.TEXTE:
    TEXTE[_datei + '.brl'] = '\n'.join(lesetexte.zeilen(_text))


def pruefe_lesetexte():
    """Every line of a reading text uses only what has been taught at its
    stage."""
    for _b, stufe, datei, _titel, _art, text in lesetexte.TEXTE:
        for z in lesetexte.zeilen(text):
            rest = set(braille.brl(z)) - stufe
            if rest:
                fehler_melden('Lesetext %s: "%s" braucht Zeichen, die hier noch nicht bekannt sind: %s'
                              % (datei, z, ''.join(sorted(rest))))


# ---------------------------------------------------------------- liblouis check

def pruefe_liblouis():
    paare = []
    for name, (typ, recs) in sorted(dateien.items()):
        if typ in ('DT_Woerterliste', 'DT_Saetzeliste', 'DT_Lueckentext', 'DT_Fehlersuche', 'DT_Brueckenwoerter'):
            for r in recs:
                b = r[0]
                if typ in ('DT_Lueckentext', 'DT_Fehlersuche', 'DT_Brueckenwoerter'):
                    b = erste_variante(b)
                paare.append((b, r[1], name))
    schlecht = braille.check_with_liblouis([(b, p) for b, p, _ in paare])
    for b, p, mine, louis in schlecht:
        fehler_melden('liblouis weicht ab: "%s" -> %s, unsere Form %s = %s' % (p, louis, b, mine))
    return len(paare)


# ---------------------------------------------------------------- German rules

def pruefe_regeln():
    """The German rules that do not rest on liblouis (quotation marks,
    capital sign, number sign), on every record with a print form and on
    every line of the BraillePad texts."""
    n = 0
    for name, (typ, recs) in sorted(dateien.items()):
        if typ not in ('DT_Woerterliste', 'DT_Saetzeliste', 'DT_Lueckentext', 'DT_Fehlersuche', 'DT_Brueckenwoerter'):
            continue
        for r in recs:
            b, p = erste_variante(r[0]), erste_variante(r[1])
            for f in braille.deutsche_regeln_pruefen(p, braille.cells(b)):
                fehler_melden('%s: "%s": %s' % (name, p, f))
            n += 1
    for name, text in TEXTE.items():
        for z in text.split('\n'):
            for f in braille.deutsche_regeln_pruefen(z, braille.cells(braille.brl(z))):
                fehler_melden('Texte/%s: "%s": %s' % (name, z, f))
            n += 1
    return n


# ---------------------------------------------------------------- main

def dateibaum(ordner):
    out = {}
    for wurzel, _, namen in os.walk(ordner):
        for n in namen:
            pfad = os.path.join(wurzel, n)
            with open(pfad, 'rb') as f:
                out[os.path.relpath(pfad, ordner)] = f.read()
    return out


def vergleiche(neu, alt):
    """Reports every difference between the freshly made folder and the one
    in the source tree."""
    a, b = dateibaum(neu), dateibaum(alt)
    for n in sorted(set(a) | set(b)):
        if n not in b:
            fehler_melden('fehlt im Quellbaum: %s' % n)
        elif n not in a:
            fehler_melden('nicht vom Skript erzeugt: %s' % n)
        elif a[n] != b[n]:
            fehler_melden('weicht ab: %s' % n)


def main():
    global ZIEL, DATENBANKEN
    mit_liblouis = '--ohne-liblouis' not in sys.argv
    pruefen = '--pruefen' in sys.argv
    if pruefen:
        import tempfile
        temp = tempfile.TemporaryDirectory()
        ZIEL = os.path.join(temp.name, 'Lernmaterial-1')
        DATENBANKEN = os.path.join(ZIEL, 'Datenbanken')
    elif os.path.isdir(ZIEL):
        shutil.rmtree(ZIEL)
    os.makedirs(DATENBANKEN)

    lernzeichendateien()
    woerterdateien()
    satzdateien()
    raetseldateien()

    # Lernmaterial.ini, areas and lessons
    ini = ['[HEADER]', 'Titel=Basisschrift', 'Reihenfolge=1',
           'Beschreibung=Ein Grundkurs der deutschen Blindenschrift für Erwachsene, die die Schwarzschrift kennen. '
           '\\ Von den ersten Buchstaben bis zu ganzen Sätzen: lesen mit den Fingern, schreiben mit sechs Tasten.',
           '', '[DIRECTORIES]']
    alle_lektionen = []
    nach_typ = {}
    print('\nLektionen (Liste, aus der die Übung gezogen wird / alle verwendbaren):')
    for bereich in lektionen.BEREICHE:
        ini.append('%s=%s ^ %s' % (bereich['ordner'], bereich['titel'], bereich['beschreibung']))
        titel_gesehen = set()
        for lek in bereich['lektionen']:
            if lek['titel'] in titel_gesehen:
                fehler_melden('Titel doppelt: %s' % lek['titel'])
            titel_gesehen.add(lek['titel'])
            w = lektion_schreiben(bereich['ordner'], lek)
            nach_typ[lek['typ']] = nach_typ.get(lek['typ'], 0) + 1
            alle_lektionen.append('%s\\%s' % (bereich['ordner'], lek['datei']))
            if lek['typ'] != 'AT_Text':
                n, gesamt = listengroesse(lek['typ'], w)
                print('  %-32s %-24s %5d %s' % (bereich['ordner'][:30], lek['datei'][:24], n,
                                                '' if gesamt is None else '/ %d' % gesamt))
                if n == 0:
                    fehler_melden('Lektion %s\\%s ergibt keine Übung' % (bereich['ordner'], lek['datei']))
    schreibe(os.path.join(ZIEL, 'Lernmaterial.ini'), ini)

    # collective lessons
    sam = os.path.join(ZIEL, 'Sammellektionen')
    schreibe(os.path.join(sam, 'Tastwerk_erlernen.sam'),
             ['[HEADER]', 'Titel=Tastwerk erlernen',
              'Beschreibung=Der ganze Kurs der Basisschrift in der richtigen Reihenfolge. \\ '
              'Vom ersten Buchstaben bis zu ganzen Sätzen.', '', '[FILES]']
             + ['File=' + f for f in alle_lektionen])
    for datei, titel, beschr, liste in lektionen.SAMMELLEKTIONEN:
        files = []
        for b, nr in liste:
            bereich = lektionen.BEREICHE[b]
            lek = [l for l in bereich['lektionen'] if l['nr'] == nr]
            if not lek:
                fehler_melden('%s: Lektion %d in Bereich %d gibt es nicht' % (datei, nr, b + 1))
                continue
            files.append('File=%s\\%s' % (bereich['ordner'], lek[0]['datei']))
        schreibe(os.path.join(sam, datei), ['[HEADER]', 'Titel=' + titel, 'Beschreibung=' + beschr, '', '[FILES]']
                 + files)

    # texts for the BraillePad
    for name, text in TEXTE.items():
        schreibe(os.path.join(ZIEL, 'Texte', name), braille.to_cells_text(text).split('\n'))

    pruefe_lesetexte()
    print('\nDeutsche Regeln: %d Datensätze und Textzeilen geprüft' % pruefe_regeln())
    if mit_liblouis:
        n = pruefe_liblouis()
        texte = [z for t in TEXTE.values() for z in t.split('\n')]
        for z, louis in zip(texte, braille.liblouis(texte)):
            if braille.cells(braille.brl(z)) != louis:
                fehler_melden('liblouis weicht im Text ab: "%s"' % z)
        print('\nliblouis: %d Druckformen und %d Textzeilen geprüft' % (n, len(texte)))

    print('\nDatendateien:')
    woerter_gesamt = set()
    for name, (typ, recs) in sorted(dateien.items()):
        print('  %-36s %-20s %5d' % (name, typ, len(recs)))
        if typ == 'DT_Woerterliste' and name != 'Zahlen.dat':
            woerter_gesamt |= {r[1] for r in recs}
    print('Verschiedene Wörter: %d' % len(woerter_gesamt))
    print('Lektionen: %d' % sum(nach_typ.values()))
    for t in sorted(nach_typ):
        print('  %-24s %d' % (t, nach_typ[t]))
    if pruefen:
        vergleiche(ZIEL, ZIEL_IM_BAUM)
        temp.cleanup()
    if fehler:
        print('\n%d Fehler' % len(fehler))
        sys.exit(1)
    print('\nAlles in Ordnung.' if pruefen else '\nGeschrieben: ' + ZIEL)


if __name__ == '__main__':
    main()
