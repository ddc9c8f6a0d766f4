#!/usr/bin/env python3
"""Prints a Markdown table per shipped learning material for the README:
its areas with their lessons, the task types they use, and how many
different words, sentences and connected texts the material holds.

    tools/content/statistik.py [SHARE]

Words are the different entries of the word lists (DT_Woerterliste), sentences
those of the sentence lists (DT_Saetzeliste), texts the text lessons (AT_Text)
and the BraillePad texts in Texte/.
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SHARE = sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(os.path.join(HERE, '..', '..', 'share'))

# The task types as the help pages name them.
TYPNAMEN = {
    'AT_Text': 'Text', 'AT_Schnellkurs': 'Schnellkurs', 'AT_BuchstabenLernen': 'Buchstaben lernen',
    'AT_VerstecktesZeichen': 'Verstecktes Zeichen', 'AT_VerstecktesWort': 'Verstecktes Wort',
    'AT_ZeichenFinden': 'Zeichen finden', 'AT_WortFinden': 'Wort finden',
    'AT_ZeichenInWortFinden': 'Zeichen im Wort', 'AT_FigurFinden': 'Figur finden',
    'AT_Fehlersuche': 'Fehlersuche', 'AT_ZeichenLesen': 'Zeichen lesen', 'AT_WortLesen': 'Wörter lesen',
    'AT_SatzLesen': 'Sätze lesen', 'AT_ZeichenTippen': 'Zeichen tippen', 'AT_WortTippen': 'Wörter tippen',
    'AT_SatzTippen': 'Sätze tippen', 'AT_Brueckenwoerter': 'Brückenwörter', 'AT_Lueckentext': 'Lückentext',
}


def lies(pfad):
    with open(pfad, 'rb') as f:
        roh = f.read()
    for kodierung in ('utf-8-sig', 'cp1252'):
        try:
            return roh.decode(kodierung).replace('\r\n', '\n').split('\n')
        except UnicodeDecodeError:
            continue
    return []


def kopf(zeilen, schluessel):
    for z in zeilen:
        if z.lower().startswith(schluessel.lower() + '='):
            return z.split('=', 1)[1].strip()
    return ''


def abschnitt(zeilen, name):
    drin, ergebnis = False, []
    for z in zeilen:
        s = z.strip()
        if s.startswith('['):
            drin = s.lower() == '[' + name.lower() + ']'
            continue
        if drin and s and not s.startswith(';'):
            ergebnis.append(s)
    return ergebnis


def material(ordner):
    ini = lies(os.path.join(ordner, 'Lernmaterial.ini'))
    titel = kopf(ini, 'Titel') or os.path.basename(ordner)
    bereiche = []
    for eintrag in abschnitt(ini, 'DIRECTORIES'):
        name, _, rest = eintrag.partition('=')
        bereiche.append((name.strip(), rest.split('^')[0].strip() or name.strip()))
    zeilen, alle_typen, texte = [], set(), 0
    for name, bereich_titel in bereiche:
        pfad = os.path.join(ordner, name)
        if not os.path.isdir(pfad):
            continue
        typen = []
        lektionen = sorted(f for f in os.listdir(pfad) if f.lower().endswith('.lek'))
        for lek in lektionen:
            typ = kopf(lies(os.path.join(pfad, lek)), 'Typ')
            typen.append(typ)
            texte += typ == 'AT_Text'
        alle_typen.update(typen)
        namen = sorted({TYPNAMEN.get(t, t) for t in typen})
        zeilen.append('| %s | %d | %s |' % (bereich_titel, len(lektionen), ', '.join(namen)))
    woerter, saetze = set(), set()
    datenbanken = os.path.join(ordner, 'Datenbanken')
    for dat in sorted(os.listdir(datenbanken)) if os.path.isdir(datenbanken) else []:
        z = lies(os.path.join(datenbanken, dat))
        typ = kopf(z, 'Typ')
        ziel = woerter if typ == 'DT_Woerterliste' else saetze if typ == 'DT_Saetzeliste' else None
        if ziel is not None:
            ziel.update(re.split(r'\s*\^\s*', e)[0] for e in abschnitt(z, 'DATA'))
    texte_ordner = os.path.join(ordner, 'Texte')
    pad = len(os.listdir(texte_ordner)) if os.path.isdir(texte_ordner) else 0
    ausgabe = ['**%s** (`%s`): %d Lektionen in %d Bereichen, %d Aufgabentypen; %d Wörter, %d Sätze, '
               '%d Textlektionen und %d BraillePad-Texte.' % (
                   titel, os.path.basename(ordner), sum(int(z.split('|')[2]) for z in zeilen), len(zeilen),
                   len(alle_typen), len(woerter), len(saetze), texte, pad),
               '', '| Bereich | Lektionen | Aufgabentypen |', '|---|---|---|'] + zeilen
    return ausgabe


def main():
    wurzel = os.path.join(SHARE, 'Lernmaterialien')
    for name in sorted(os.listdir(wurzel)):
        if os.path.isdir(os.path.join(wurzel, name)):
            print('\n'.join(material(os.path.join(wurzel, name))))
            print()


if __name__ == '__main__':
    main()
