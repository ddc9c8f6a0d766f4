"""Lessons, areas, collective lessons and texts of the learning material
"Vollschrift: Lautgruppen" (share/Lernmaterialien/Lernmaterial-2).

Called by lautgruppen.py, which makes and checks the data files first. Every
braille example in a description or text is made here from its print form
(B), checked against liblouis with the records, and, where it names a word
of a lesson's list or a wrong form of an error-search file, checked to be
exactly the record the exercise uses. Each connected text is checked to use
only what is taught before it: stage 1 only au, eu, ei and äu, stage 2 all
eight groups but no word whose letters belong to two word parts, stage 3
everything.
"""

import os

import braille
import lautgruppen as lg

TASTEN = ('F, D und S sind die Punkte 1, 2 und 3, J, K und L die Punkte 4, 5 und 6. '
          'Drücke die Tasten einer Zelle gleichzeitig.')
PRUEFEN = 'Drücke zum Prüfen die Eingabetaste.'
NAECHSTE_ZEILE = 'Drücke die Eingabetaste für die nächste Zeile.'
TEXT_LESEN = 'Lies den Text Zeile für Zeile. Mit der Eingabetaste geht es weiter.'
FINDEN = 'Gehe mit den Pfeiltasten oder der Routingtaste auf jede Stelle und drücke dort die Leertaste.'

L1 = 'Lautgruppen_au_eu_ei_aeu.dat'
L2 = 'Lautgruppen_ie_ch_sch_st.dat'
LA = 'Lautgruppen.dat'
BS = 'Basisschrift.dat'
W1 = 'Woerter_au_eu_ei_aeu.dat'
W2 = 'Woerter_ie_ch_sch_st.dat'
WT = 'Woerter_Wortteile.dat'
ST = 'Saetze_Lautgruppen.dat'
LT = 'Lueckentext_Lautgruppen.dat'
FS = 'Fehlersuche_Lautgruppen.dat'
FW = 'Fehlersuche_Wortteile.dat'

KEYS = {1: 'F', 2: 'D', 3: 'S', 4: 'J', 5: 'K', 6: 'L'}
TYPING = {'AT_ZeichenTippen', 'AT_WortTippen', 'AT_SatzTippen', 'AT_Lueckentext'}

# (file name, title, stage, what kind of text, lines; the first line is the
# heading). The print is the source; the braille is made from it.
TEXTE = [
    ('01 Paulas Traum', 'Paulas Traum', 1, 'Eine kleine Geschichte', [
        'Paulas Traum',
        'Paula träumt von einem kleinen Haus.',
        'Vor dem Haus gibt es einen Baum voller Pflaumen.',
        'Am Zaun blühen Kräuter, und im Baum wohnt eine graue Eule.',
        'Heute wird der Traum wahr: Paula kauft das Haus.',
        'Neun Freunde kommen und feiern mit ihr.',
        'Eine kleine Maus läuft leise um das Haus.',
        'Das freut Paula sehr.',
    ]),
    ('02 Ein Brief aus dem Urlaub', 'Ein Brief aus dem Urlaub', 2, 'Ein Brief', [
        'Liebe Oma,',
        'heute schreibe ich dir aus dem Urlaub.',
        'Wir wohnen in einem kleinen Haus am See.',
        'Jeden Morgen schwimmen wir im kühlen Wasser.',
        'Am Abend kochen wir zusammen und essen draußen.',
        'Gestern waren wir auf einem hohen Berg.',
        'Von oben konnten wir weit über den See schauen.',
        'Die Luft war dort ganz frisch.',
        'Ich schicke dir viele liebe Grüße!',
        'Deine Lisa',
    ]),
    ('03 Pfannkuchen', 'Pfannkuchen', 3, 'Ein Rezept', [
        'Pfannkuchen für vier Personen',
        'Du brauchst: zwei Eier, einen halben Liter Milch, zweihundert Gramm Mehl und eine Prise Salz.',
        'Verrühre Mehl, Milch und Eier zu einem glatten Teig.',
        'Gib das Salz dazu und lass den Teig eine halbe Stunde ruhen.',
        'Erhitze etwas Butter in einer Pfanne.',
        'Gieße eine Kelle Teig hinein und backe den Pfannkuchen von beiden Seiten goldbraun.',
        'Dazu schmecken Apfelmus oder Zucker und Zimt.',
        'Guten Appetit!',
    ]),
    ('04 Ein Fest in der Bibliothek', 'Ein Fest in der Bibliothek', 3, 'Eine Nachricht', [
        'Ein Fest in der Bibliothek',
        'Die Stadtbücherei lädt am Samstag zu einem Fest ein.',
        'Von zehn bis vier Uhr gibt es Musik, Kuchen und Spiele für Kinder.',
        'Neu im Regal sind viele Hörbücher und Bücher in Punktschrift.',
        'Am Nachmittag liest eine Autorin aus ihrem neuen Buch vor.',
        'Der Eintritt ist frei, alle sind herzlich eingeladen.',
    ]),
    ('05 Auf dem Flohmarkt', 'Auf dem Flohmarkt', 3, 'Eine Geschichte mit wörtlicher Rede', [
        'Auf dem Flohmarkt',
        'Am Sonntag gehen Ben und seine Schwester Mia auf den Flohmarkt.',
        'Überall stehen Tische mit Büchern, Spielzeug und alten Schallplatten.',
        'Mia entdeckt eine blaue Tasse mit weißen Punkten.',
        '„Was kostet die Tasse?“, fragt sie.',
        '„Zwei Euro“, sagt die Frau am Stand.',
        'Ben findet ein Hörspiel über Piraten.',
        'Am Ende tragen beide eine volle Tasche nach Hause.',
        '„Nächsten Monat kommen wir wieder“, sagt Mia.',
    ]),
    ('06 Eine Einladung', 'Eine Einladung', 3, 'Eine Einladung', [
        'Hallo Jonas,',
        'am Freitag feiere ich meinen Geburtstag.',
        'Ich lade dich herzlich ein!',
        'Wir treffen uns um vier Uhr bei mir zu Hause.',
        'Es gibt Eistee, Kuchen und eine Schatzsuche im Garten.',
        'Bring gern deine Hausschuhe mit.',
        'Ich freue mich auf dich!',
        'Deine Lea',
    ]),
    ('07 Ein Tag im Museum', 'Ein Tag im Museum', 3, 'Ein Bericht', [
        'Ein Tag im Museum',
        'Am Dienstag besucht die Klasse das Museum für Naturkunde.',
        'An der Eingangstür wartet schon eine Führerin.',
        'Hier darf man vieles anfassen: das Fell eines Bären, eine große Muschel und einen Haifischzahn.',
        'Besonders beliebt ist ein riesiges Ei aus Stein.',
        'Zum Schluss erzählt jeder, was ihm am besten gefallen hat.',
        'Alle sind sich einig: Das war ein schöner Ausflug!',
    ]),
]


class Kurs:
    """Collects the braille examples of the descriptions for the checks."""

    def __init__(self, data):
        self.data = data
        self.beispiele = []   # (braille form, print text) for liblouis

    def B(self, text, datei=None):
        """A braille example in brackets, made from its print form. With a
        data file, the example must be one of its records, as it stands."""
        b = lg.brl(text)
        self.beispiele.append((b, text))
        if datei is not None:
            recs = self.data[datei][1]
            if (b, text) not in {(r[0], r[1]) for r in recs}:
                raise lg.Fehler('Beispiel %r [%s] steht nicht so in %s' % (text, b, datei))
        return '[%s]' % b

    def falsch(self, text, datei):
        """The first wrong form of the error-search line with the print form
        text, and the right form: '[wrong] statt [right]'."""
        for b, p, _ in self.data[datei][1]:
            if p == text:
                before, wrong, after = b.split('^')
                right = lg.brl(p).split(' ')[len(before.split(' ')) - 1]
                wrong_word = (before.split(' ')[-1] + wrong.split('\\')[0] + after.split(' ')[0]).strip('.,?!')
                return '[%s] statt [%s]' % (wrong_word, right.strip('.,?!'))
        raise lg.Fehler('Kein Fehlersatz %r in %s' % (text, datei))


def dots_keys(ch):
    bits = ord(lg.TABLE[ch]) - 0x2800
    keys = [KEYS[d + 1] for d in range(6) if bits & (1 << d)]
    return keys[0] if len(keys) == 1 else ', '.join(keys[:-1]) + ' und ' + keys[-1]


def L(datei, titel, typ, punkte, beschreibung, **settings):
    return dict(datei=datei, titel=titel, typ=typ, punkte=punkte, beschreibung=beschreibung, settings=settings)


def T(datei, titel, punkte, beschreibung, text):
    return L(datei, titel, 'AT_Text', punkte, beschreibung, Text=text)


def text_brl(lines):
    """The braille of a connected text for a text lesson: each line in
    brackets, one line of the lesson's text each. The lesson puts a line of
    print in front, as its first line is what the task speaks."""
    return ' \\'.join('[%s]' % lg.brl(z) for z in lines)


def stufe_pruefen(datei, stufe, lines):
    for z in lines:
        b = lg.brl(z)
        if stufe == 1 and not lg.groups_in(b) <= {ch for ch, _ in lg.ZWIELAUTE}:
            raise lg.Fehler('Text %s, Stufe 1: %r hat eine Lautgruppe, die noch nicht gelernt ist' % (datei, z))
        if stufe <= 2 and lg.ausnahmen_in(z):
            raise lg.Fehler('Text %s, Stufe %d: %r braucht die Regel der Wortteile' % (datei, stufe, z))


def gruppen_tasten(groups):
    return ' '.join('%s [%s]: %s.' % (letters, ch, dots_keys(ch)) for ch, letters in groups)


def bereiche(k):
    B = k.B
    texte = {t[0]: t for t in TEXTE}

    def text_lektion(datei, punkte=1):
        _, titel, _, art, lines = texte[datei]
        return T('Text ' + datei[3:], 'Text: ' + titel, punkte,
                 '%s in Vollschrift. Den Text findest du auch im BraillePad unter dem Namen „%s“. \\%s'
                 % (art, datei, TEXT_LESEN),
                 '%s in Vollschrift: \\%s' % (art, text_brl(lines)))

    b1 = dict(ordner='01 Zwielaute au eu ei aeu', titel='01 Die Lautgruppen au, eu, ei und äu',
              beschreibung='Was Vollschrift ist, und die vier Zwielaute, jeder mit einer eigenen Zelle', lektionen=[
        T('Was ist Vollschrift', 'Was ist Vollschrift?', 1,
          'Worum es in diesem Kurs geht. \\' + TEXT_LESEN,
          'Die Vollschrift baut auf der Basisschrift auf. Alles, was du dort gelernt hast, gilt weiter: '
          'die Buchstaben, die Satzzeichen und das Großschreibzeichen [$]. \\'
          'Neu sind acht Lautgruppen: au, eu, ei, äu, ie, ch, sch und st. Die Vollschrift schreibt jede von '
          'ihnen mit einer einzigen Zelle statt mit zwei oder drei Buchstaben. So werden die Wörter kürzer, '
          'und du liest schneller. \\'
          'Ein Beispiel: Haus hat in der Basisschrift fünf Zellen, [%s], in der Vollschrift nur vier, %s. \\'
          'Eine Merkhilfe: au, eu und ei sind die Buchstaben a, b und c mit Punkt 6 dazu. '
          '[a] ist a, [&] ist au. [b] ist b, [%%] ist eu. [c] ist c, [@] ist ei. '
          'Später kommen ch und sch dazu: d und e mit Punkt 6. \\'
          'Der Kurs hat sechs Bereiche: zuerst die Zwielaute au, eu, ei und äu, dann ie, ch, sch und st, '
          'danach alle acht gemischt, dann die Regel der Wortteile, Sätze und zum Schluss kleine Texte.'
          % (braille.brl('Haus'), B('Haus', W1))),
        L('Schnellkurs', 'Schnellkurs: au, eu, ei und äu', 'AT_Schnellkurs', 2,
          'Die Vollschrift schreibt die Lautgruppen au [&], eu [%], ei [@] und äu [=] mit einer einzigen Zelle '
          'statt mit zwei Buchstaben. \\Merkhilfe: au, eu und ei sind a, b und c mit Punkt 6. äu hat die Punkte 3 '
          'und 4. \\Lies die Tabelle Zeile für Zeile: zuerst die Zelle, dann ihre Punkte, dann die Lautgruppe. '
          '\\Drücke danach die Eingabetaste.',
          Lernzeichendateien=[L1], Datenzufall=0, Wiederholungen=1),
        L('Lautgruppen und Woerter', 'Lautgruppen und Wörter: au, eu, ei und äu', 'AT_BuchstabenLernen', 3,
          'Die Tabelle zeigt die vier Lautgruppen in wechselnder Reihenfolge, darunter stehen Wörter mit ihnen, '
          'etwa %s Haus, %s neu, %s klein und %s Bäume. \\Vor einem Großbuchstaben steht wie in der Basisschrift '
          'das Großschreibzeichen. \\Lies Tabelle und Wörter, dann drücke die Eingabetaste.'
          % (B('Haus', W1), B('neu', W1), B('klein', W1), B('Bäume', W1)),
          Lernzeichendateien=[L1], Gelerntzeichendateien=[BS], Woerterdateien=[W1], Datenzufall=1,
          Leerzeichen=2, MaxWortAnzahl=4, MinWortLen=2, MaxWortLen=12, Wiederholungen=3),
        L('Lautgruppen lesen', 'Lautgruppen lesen: au, eu, ei und äu', 'AT_ZeichenLesen', 3,
          'Lies die Zeile Zelle für Zelle und sage dir jede Lautgruppe vor: [&] au, [%] eu, [@] ei, [=] äu. '
          '\\Denk an die Merkhilfe: au, eu und ei sind a, b und c mit Punkt 6. \\' + NAECHSTE_ZEILE,
          Lernzeichendateien=[L1], Leerzeichen=1, Wiederholungen=5, Zeitfaktor=0),
        L('Lautgruppen tippen', 'Lautgruppen tippen: au, eu, ei und äu', 'AT_ZeichenTippen', 4,
          'Tippe die genannte Lautgruppe mit der Brailletastatur so oft, wie die Aufgabe sagt. \\' + TASTEN +
          ' \\' + gruppen_tasten(lg.ZWIELAUTE) + ' \\' + PRUEFEN,
          Lernzeichendateien=[L1], MaxLernzeichenAnzahl=3, ZeigeNormaltext=1, Wiederholungen=8, Zeitfaktor=0),
        L('Woerter lesen', 'Wörter lesen: au, eu, ei und äu', 'AT_WortLesen', 4,
          'Lies die Wörter der Zeile, zum Beispiel %s Haus, %s neu, %s klein und %s Bäume. \\%s'
          % (B('Haus', W1), B('neu', W1), B('klein', W1), B('Bäume', W1), NAECHSTE_ZEILE),
          Lernzeichendateien=[L1], Gelerntzeichendateien=[BS], Woerterdateien=[W1], Sperrdruck=0,
          Leerzeichen=2, MinWortLen=2, MaxWortLen=12, Wiederholungen=6, Zeitfaktor=0),
        L('Woerter tippen', 'Wörter tippen: au, eu, ei und äu', 'AT_WortTippen', 5,
          'Tippe das genannte Wort in Vollschrift, jede Lautgruppe mit ihrer eigenen Zelle: Haus schreibst du '
          '%s, Leute %s, neu %s. \\Vor einem Großbuchstaben tippst du zuerst das Großschreibzeichen, '
          'die Punkte 4 und 6: J und L. \\Soll das Wort mehrmals dastehen, trenne es jedes Mal mit der '
          'Leertaste. \\%s \\%s' % (B('Haus', W1), B('Leute', W1), B('neu', W1), TASTEN, PRUEFEN),
          Lernzeichendateien=[L1], Gelerntzeichendateien=[BS], Woerterdateien=[W1], MaxWortAnzahl=2,
          MinWortLen=2, MaxWortLen=12, ZeigeNormaltext=1, Wiederholungen=8, Zeitfaktor=0),
        L('Lautgruppe finden', 'Lautgruppe finden: au, eu, ei und äu', 'AT_ZeichenFinden', 4,
          'Die Aufgabe nennt eine Lautgruppe, die Zeile darunter mischt sie unter Buchstaben und Satzzeichen. '
          'Verwechsle au nicht mit a, eu nicht mit b und ei nicht mit c: die Lautgruppe hat Punkt 6 dazu. '
          '\\' + FINDEN,
          Lernzeichendateien=[L1], Gelerntzeichendateien=[BS], Leerzeichen='1.1', MaxLernzeichenAnzahl=3,
          ZeigeNormaltext=1, Wiederholungen=8, Zeitfaktor=0),
        text_lektion('01 Paulas Traum'),
    ])

    b2 = dict(ordner='02 Lautgruppen ie ch sch st', titel='02 Die Lautgruppen ie, ch, sch und st',
              beschreibung='Vier weitere Lautgruppen, jede mit einer eigenen Zelle', lektionen=[
        L('Schnellkurs', 'Schnellkurs: ie, ch, sch und st', 'AT_Schnellkurs', 2,
          'Auch ie [<], ch [*], sch [_] und st [>] schreibt die Vollschrift mit einer einzigen Zelle. '
          '\\Merkhilfe: ch und sch sind d und e mit Punkt 6, so wie au, eu und ei die Buchstaben a, b und c '
          'mit Punkt 6 sind. '
          'st ist t mit Punkt 6, ie hat die Punkte 3, 4 und 6. '
          '\\Die Lautgruppen stehen am Anfang, in der Mitte und am Ende eines Wortes: %s Stein, %s Tisch, '
          '%s wie, %s ist. \\Lies die Tabelle Zeile für Zeile: zuerst die Zelle, dann ihre Punkte, dann die '
          'Lautgruppe. \\Drücke danach die Eingabetaste.'
          % (B('Stein', W2), B('Tisch', W2), B('wie', W2), B('ist', W2)),
          Lernzeichendateien=[L2], Datenzufall=0, Wiederholungen=1),
        L('Lautgruppen und Woerter', 'Lautgruppen und Wörter: ie, ch, sch und st', 'AT_BuchstabenLernen', 3,
          'Die Tabelle zeigt die vier Lautgruppen in wechselnder Reihenfolge, darunter stehen Wörter mit ihnen, '
          'etwa %s Brief, %s Buch, %s Tisch und %s Stein. \\Lies Tabelle und Wörter, dann drücke die '
          'Eingabetaste.' % (B('Brief', W2), B('Buch', W2), B('Tisch', W2), B('Stein', W2)),
          Lernzeichendateien=[L2], Gelerntzeichendateien=[BS, L1], Woerterdateien=[W2], Datenzufall=1,
          Leerzeichen=2, MaxWortAnzahl=4, MinWortLen=2, MaxWortLen=12, Wiederholungen=3),
        L('Lautgruppen lesen', 'Lautgruppen lesen: ie, ch, sch und st', 'AT_ZeichenLesen', 3,
          'Lies die Zeile Zelle für Zelle und sage dir jede Lautgruppe vor: [<] ie, [*] ch, [_] sch, [>] st. '
          '\\Denk an die Merkhilfe: ch und sch sind d und e mit Punkt 6, st ist t mit Punkt 6. \\'
          + NAECHSTE_ZEILE,
          Lernzeichendateien=[L2], Leerzeichen=1, Wiederholungen=5, Zeitfaktor=0),
        L('Lautgruppen tippen', 'Lautgruppen tippen: ie, ch, sch und st', 'AT_ZeichenTippen', 4,
          'Tippe die genannte Lautgruppe mit der Brailletastatur so oft, wie die Aufgabe sagt. \\' + TASTEN +
          ' \\' + gruppen_tasten(lg.KONSONANTEN) + ' \\' + PRUEFEN,
          Lernzeichendateien=[L2], MaxLernzeichenAnzahl=3, ZeigeNormaltext=1, Wiederholungen=8, Zeitfaktor=0),
        L('Woerter lesen', 'Wörter lesen: ie, ch, sch und st', 'AT_WortLesen', 4,
          'Lies die Wörter der Zeile, zum Beispiel %s Brief, %s Buch, %s Tisch und %s Stein. \\%s'
          % (B('Brief', W2), B('Buch', W2), B('Tisch', W2), B('Stein', W2), NAECHSTE_ZEILE),
          Lernzeichendateien=[L2], Gelerntzeichendateien=[BS, L1], Woerterdateien=[W2], Sperrdruck=0,
          Leerzeichen=2, MinWortLen=2, MaxWortLen=12, Wiederholungen=6, Zeitfaktor=0),
        L('Woerter tippen', 'Wörter tippen: ie, ch, sch und st', 'AT_WortTippen', 5,
          'Tippe das genannte Wort in Vollschrift, jede Lautgruppe mit ihrer eigenen Zelle: Fisch schreibst du '
          '%s, Stein %s, ich %s. \\Vor einem Großbuchstaben tippst du zuerst das Großschreibzeichen, '
          'die Punkte 4 und 6: J und L. \\Soll das Wort mehrmals dastehen, trenne es jedes Mal mit der '
          'Leertaste. \\%s \\%s' % (B('Fisch', W2), B('Stein', W2), B('ich', W2), TASTEN, PRUEFEN),
          Lernzeichendateien=[L2], Gelerntzeichendateien=[BS, L1], Woerterdateien=[W2], MaxWortAnzahl=2,
          MinWortLen=2, MaxWortLen=12, ZeigeNormaltext=1, Wiederholungen=8, Zeitfaktor=0),
        L('Lautgruppe finden', 'Lautgruppe finden: ie, ch, sch und st', 'AT_ZeichenFinden', 4,
          'Die Aufgabe nennt eine Lautgruppe, die Zeile darunter mischt sie unter Buchstaben und Satzzeichen. '
          'Verwechsle ch nicht mit d, sch nicht mit e und st nicht mit t: die Lautgruppe hat Punkt 6 dazu. '
          '\\' + FINDEN,
          Lernzeichendateien=[L2], Gelerntzeichendateien=[BS, L1], Leerzeichen='1.1', MaxLernzeichenAnzahl=3,
          ZeigeNormaltext=1, Wiederholungen=8, Zeitfaktor=0),
        text_lektion('02 Ein Brief aus dem Urlaub'),
    ])

    b3 = dict(ordner='03 Alle Lautgruppen', titel='03 Alle acht Lautgruppen üben',
              beschreibung='Lautgruppen und Wörter lesen, tippen und finden', lektionen=[
        L('Schnellkurs', 'Schnellkurs: alle acht Lautgruppen', 'AT_Schnellkurs', 2,
          'Zur Wiederholung alle acht Lautgruppen: [&] au, [%] eu, [@] ei, [=] äu, [<] ie, [*] ch, [_] sch und '
          '[>] st. \\Die Tabelle kommt zweimal, jedes Mal anders gemischt. Lies sie Zeile für Zeile und drücke '
          'dann die Eingabetaste.',
          Lernzeichendateien=[LA], Datenzufall=1, Wiederholungen=2),
        L('Lautgruppen lesen', 'Lautgruppen lesen: alle acht', 'AT_ZeichenLesen', 3,
          'Lies die Lautgruppen der Zeile und sage dir jede vor; zwischen zwei Lautgruppen steht eine '
          'Leerzelle. \\' + NAECHSTE_ZEILE,
          Lernzeichendateien=[LA], Leerzeichen=1, Wiederholungen=6, Zeitfaktor=0),
        L('Versteckte Lautgruppe', 'Versteckte Lautgruppe', 'AT_VerstecktesZeichen', 5,
          'Die gesuchte Lautgruppe versteckt sich ohne Abstand zwischen einzelnen Buchstaben. In [au&ie] ist '
          'nur die dritte Zelle die Lautgruppe au, davor stehen a und u als zwei Zellen. \\' + FINDEN,
          Lernzeichendateien=[LA], Trennzeichen='aeiuchst', Leerzeichen='0', MaxLernzeichenAnzahl=3,
          ZeigeNormaltext=1, Wiederholungen=8, Zeitfaktor=0),
        L('Woerter finden', 'Wörter finden', 'AT_WortFinden', 5,
          'Die Aufgabe nennt ein Wort in Druckschrift. Suche es in der Zeile darunter, die in Vollschrift '
          'geschrieben ist. \\' + FINDEN,
          Lernzeichendateien=[LA], Gelerntzeichendateien=[BS], Woerterdateien=[W1, W2], Sperrdruck=0,
          Leerzeichen='1.1', MaxWortAnzahl=3, MinWortLen=2, MaxWortLen=12, ZeigeNormaltext=1, Wiederholungen=8,
          Zeitfaktor=0),
        L('Lautgruppe im Wort', 'Lautgruppe im Wort finden', 'AT_ZeichenInWortFinden', 5,
          'Die Aufgabe nennt eine Lautgruppe und ihren Platz im Wort: am Beginn, in der Mitte oder am Ende. '
          'Heißt es au am Ende, suchst du Wörter wie %s blau. \\Gehe auf jedes passende Wort und drücke die '
          'Leertaste.' % B('blau', W1),
          Lernzeichendateien=[LA], Gelerntzeichendateien=[BS], Woerterdateien=[W1, W2], Leerzeichen=1,
          MaxWortAnzahl=3, MinWortLen=2, MaxWortLen=12, ZeigeNormaltext=0, Wiederholungen=8, Zeitfaktor=0),
        L('Verstecktes Wort', 'Verstecktes Wort', 'AT_VerstecktesWort', 5,
          'Ein Wort hat sich in einer Reihe aus dem Buchstaben x versteckt, etwa Haus in [xxx%sxxxx]. '
          '\\Gehe auf jedes Vorkommen des genannten Wortes und drücke die Leertaste.' % B('Haus', W1)[1:-1],
          Lernzeichendateien=[LA], Gelerntzeichendateien=[BS], Woerterdateien=[W1, W2], Trennzeichen='x',
          Sperrdruck=0, Leerzeichen='0', MaxWortAnzahl=2, MinWortLen=2, MaxWortLen=6, ZeigeNormaltext=1,
          Wiederholungen=6, Zeitfaktor=0),
        L('Woerter lesen', 'Wörter lesen mit Zeitgrenze', 'AT_WortLesen', 5,
          'Lies die Wörter der Zeile. Für jede Zeile hast du 40 Sekunden, danach kommt die nächste von selbst. '
          '\\Bist du früher fertig, drücke die Eingabetaste.',
          Lernzeichendateien=[LA], Gelerntzeichendateien=[BS], Woerterdateien=[W1, W2], Sperrdruck=0,
          Leerzeichen=2, MinWortLen=2, MaxWortLen=12, Wiederholungen=6, Zeitfaktor=40),
        L('Woerter tippen', 'Wörter tippen: alle acht Lautgruppen', 'AT_WortTippen', 6,
          'Tippe das genannte Wort in Vollschrift, jede Lautgruppe mit ihrer Zelle: Schwein schreibst du %s, '
          'euch %s. \\%s \\%s' % (B('Schwein', W2), B('euch', W2), TASTEN, PRUEFEN),
          Lernzeichendateien=[LA], Gelerntzeichendateien=[BS], Woerterdateien=[W1, W2], MaxWortAnzahl=1,
          MinWortLen=2, MaxWortLen=12, ZeigeNormaltext=1, Wiederholungen=10, Zeitfaktor=0),
    ])

    b4 = dict(ordner='04 Wortteile', titel='04 Lautgruppen und Wortteile',
              beschreibung='Wann Buchstaben keine Lautgruppe bilden: Haustür, Eistee, Museum', lektionen=[
        T('Die Regel der Wortteile', 'Die Regel der Wortteile', 1,
          'Wann zwei Buchstaben keine Lautgruppe bilden. \\' + TEXT_LESEN,
          'Eine Lautgruppe fasst nur Buchstaben zusammen, die zum selben Teil eines Wortes gehören. Viele '
          'Wörter sind aus Teilen zusammengesetzt: Haus und Tür ergeben Haustür. An der Grenze zweier Teile '
          'bleiben die Buchstaben einzeln. \\'
          'Haustür besteht aus Haus und Tür: s und t bleiben zwei Zellen, %s. In Schwester gehört st zusammen: %s. \\'
          'Eistee besteht aus Eis und Tee: %s. Dagegen Stein: %s. \\'
          'Das Wort beinhalten besteht aus be und inhalten: %s. Dagegen Bein: %s. \\'
          'Das Wort beurteilen besteht aus be und urteilen: %s. Dagegen Freund: %s. \\'
          'Das Wort bisschen besteht aus biss und chen: %s. Dagegen Tisch: %s. Auch in Häuschen gehört das s zu Haus: %s. \\'
          'Dasselbe gilt, wenn zwei Buchstaben zu zwei Silben gehören und getrennt gesprochen werden: '
          'Museum, Mu-se-um: %s. Familie, Fa-mi-li-e: %s. Ferien, Fe-ri-en: %s. Dagegen Liebe: %s. \\'
          'Frage dich also bei einem langen Wort: Aus welchen Teilen besteht es?'
          % (B('Haustür', WT), B('Schwester', WT), B('Eistee', WT), B('Stein', WT), B('beinhalten', WT),
             B('Bein', WT), B('beurteilen', WT), B('Freund', WT), B('bisschen', WT), B('Tisch', WT),
             B('Häuschen', WT), B('Museum', WT), B('Familie', WT), B('Ferien', WT), B('Liebe', WT))),
        L('Woerter lesen', 'Wörter lesen: Wortteile', 'AT_WortLesen', 4,
          'Lies die Wörter der Zeile und achte auf die Grenzen der Wortteile: %s Haustür, aber %s Schwester; '
          '%s Eistee, aber %s Stein. \\%s'
          % (B('Haustür', WT), B('Schwester', WT), B('Eistee', WT), B('Stein', WT), NAECHSTE_ZEILE),
          Lernzeichendateien=[LA], Gelerntzeichendateien=[BS], Woerterdateien=[WT], Sperrdruck=0,
          Leerzeichen=2, MinWortLen=2, MaxWortLen=14, Wiederholungen=6, Zeitfaktor=0),
        L('Woerter finden', 'Wörter finden: Wortteile', 'AT_WortFinden', 5,
          'Die Aufgabe nennt ein Wort in Druckschrift. Suche es in der Zeile darunter. Achte auf die Wortteile: '
          'in %s Haustier bleiben s und t einzeln, in %s Tasche steht sch in einer Zelle. \\' % (
              B('Haustier', WT), B('Tasche', WT)) + FINDEN,
          Lernzeichendateien=[LA], Gelerntzeichendateien=[BS], Woerterdateien=[WT], Sperrdruck=0,
          Leerzeichen='1.1', MaxWortAnzahl=3, MinWortLen=2, MaxWortLen=14, ZeigeNormaltext=1, Wiederholungen=8,
          Zeitfaktor=0),
        L('Woerter tippen', 'Wörter tippen: Wortteile', 'AT_WortTippen', 6,
          'Tippe das genannte Wort in Vollschrift. Denk an die Wortteile: Eistee schreibst du %s, Stein %s, '
          'Museum %s. \\%s \\%s' % (B('Eistee', WT), B('Stein', WT), B('Museum', WT), TASTEN, PRUEFEN),
          Lernzeichendateien=[LA], Gelerntzeichendateien=[BS], Woerterdateien=[WT], MaxWortAnzahl=1,
          MinWortLen=2, MaxWortLen=14, ZeigeNormaltext=1, Wiederholungen=10, Zeitfaktor=0),
        L('Fehler finden', 'Fehler finden: Wortteile', 'AT_Fehlersuche', 5,
          'In jedem Satz ist ein Wort falsch geschrieben: Es fasst Buchstaben zweier Wortteile zu einer '
          'Lautgruppe zusammen, wie %s Haustür, oder es schreibt eine Lautgruppe innerhalb eines '
          'Wortteils Buchstabe für Buchstabe aus. \\Gehe auf das falsche Wort und drücke die Leertaste.'
          % k.falsch('Die Haustür ist offen.', FW),
          Fehlersuchedateien=[FW], Wiederholungen=8, Zeitfaktor=0),
    ])

    b5 = dict(ordner='05 Saetze', titel='05 Sätze in Vollschrift',
              beschreibung='Sätze lesen und tippen, Lücken füllen, Fehler finden', lektionen=[
        L('Saetze lesen', 'Sätze lesen', 'AT_SatzLesen', 4,
          'Lies den Satz in Vollschrift, zum Beispiel %s Die Maus läuft ins Haus. \\Drücke die Eingabetaste '
          'für den nächsten Satz.' % B('Die Maus läuft ins Haus.', ST),
          Lernzeichendateien=[LA, BS], Saetzedateien=[ST], CheckBraillezeilenbreite=1, Wiederholungen=6,
          Zeitfaktor=0),
        L('Saetze tippen', 'Sätze tippen', 'AT_SatzTippen', 6,
          'Tippe den genannten Satz in Vollschrift, mit der Leertaste zwischen den Wörtern und mit dem '
          'Satzzeichen am Ende: aus „Das Eis ist kalt.“ wird %s. Vor einen Großbuchstaben setzt du das '
          'Großschreibzeichen, die Punkte 4 und 6: J und L. \\Punkt: %s. Komma: %s. Fragezeichen: %s. '
          'Ausrufezeichen: %s. \\%s \\%s'
          % (B('Das Eis ist kalt.', ST), dots_keys('.'), dots_keys(','), dots_keys('?'), dots_keys('!'),
             TASTEN, PRUEFEN),
          Lernzeichendateien=[LA, BS], Saetzedateien=[ST], CheckBraillezeilenbreite=1, ZeigeNormaltext=1,
          Wiederholungen=5, Zeitfaktor=0),
        L('Luecken fuellen', 'Lücken füllen', 'AT_Lueckentext', 5,
          'In jedem Satz fehlt eine Lautgruppe, manchmal auch zwei; jede Lücke steht zwischen eckigen '
          'Klammern. \\Tippe mit der Brailletastatur die Zelle der fehlenden Lautgruppe hinein: fehlt in Maus '
          'das au, tippst du [&] mit %s. \\Mit Steuerung und Pfeil nach rechts kommst du zur nächsten Lücke. '
          '%s' % (dots_keys('&'), PRUEFEN),
          Lueckentextdateien=[LT], Wiederholungen=6, Zeitfaktor=0),
        L('Fehler finden', 'Fehler finden', 'AT_Fehlersuche', 5,
          'In jedem Satz ist eine Lautgruppe falsch geschrieben: eine andere Lautgruppe steht an ihrer Stelle, '
          'wie in %s läuft, oder sie ist mit einzelnen Buchstaben ausgeschrieben. \\Gehe auf die falsche '
          'Stelle und drücke die Leertaste.' % k.falsch('Die Maus läuft ins Haus.', FS),
          Fehlersuchedateien=[FS], Wiederholungen=8, Zeitfaktor=0),
    ])

    b6 = dict(ordner='06 Texte', titel='06 Texte in Vollschrift',
              beschreibung='Ein Rezept, eine Nachricht, Geschichten und eine Einladung', lektionen=[
        text_lektion(t[0]) for t in TEXTE if t[2] == 3
    ] + [
        T('Geschafft', 'Geschafft!', 5,
          'Der Abschluss des Kurses. \\' + TEXT_LESEN,
          'Herzlichen Glückwunsch! \\Du kennst jetzt alle acht Lautgruppen der Vollschrift und weißt, wann '
          'Buchstaben keine Lautgruppe bilden. \\Lies weiter, so oft du magst: alle Texte dieses Kurses findest '
          'du auch im BraillePad. \\%s' % B('Viel Freude beim Lesen!')),
    ])
    return [b1, b2, b3, b4, b5, b6]


def lesson_file(lek):
    s = lek['settings']
    lines = ['[HEADER]', 'Titel=' + lek['titel'], 'Typ=' + lek['typ'], 'Beschreibung=' + lek['beschreibung'], '',
             '[SETTINGS]', 'BrailleKeyboard=%d' % (lek['typ'] in TYPING), 'SapiSpeech=1', 'Sounds=1',
             'Punkte=%d' % lek['punkte'], '', '[%s]' % lek['typ']]
    for key, value in s.items():
        if isinstance(value, list):
            value = ' ^ '.join(value)
        lines.append('%s=%s' % (key, value))
    return lg.text_file(lines)


_summary = []


def build(data):
    """Relative path -> content of the learning material's ini, lessons,
    collective lessons and texts."""
    for datei, _, stufe, _, lines in TEXTE:
        stufe_pruefen(datei, stufe, lines)
    k = Kurs(data)
    areas = bereiche(k)
    files = {}
    order = []
    ini = ['[HEADER]', 'Titel=Vollschrift: Lautgruppen', 'Reihenfolge=2',
           'Beschreibung=Ein Aufbaukurs nach der Basisschrift. \\Du lernst die acht Lautgruppen au, eu, ei, äu, '
           'ie, ch, sch und st, die die Vollschrift mit einer einzigen Zelle schreibt, und wann Buchstaben keine '
           'Lautgruppe bilden. \\Großbuchstaben bekommen wie in der Basisschrift das Großschreibzeichen. '
           '\\Zum Schluss liest du kleine Texte in Vollschrift.',
           '', '[DIRECTORIES]']
    nach_typ = {}
    for area in areas:
        ini.append('%s=%s ^ %s' % (area['ordner'], area['titel'], area['beschreibung']))
        for nr, lek in enumerate(area['lektionen'], 1):
            lek['titel'] = '%02d %s' % (nr, lek['titel'])
            name = '%02d %s.lek' % (nr, lek['datei'])
            for f in sum((v for v in lek['settings'].values() if isinstance(v, list)), []):
                if f not in data:
                    raise lg.Fehler('%s: die Datendatei %s gibt es nicht' % (name, f))
            files[os.path.join(area['ordner'], name)] = lesson_file(lek)
            order.append((area, name, lek))
            nach_typ[lek['typ']] = nach_typ.get(lek['typ'], 0) + 1
    files['Lernmaterial.ini'] = lg.text_file(ini)

    def sam(titel, beschreibung, items):
        return lg.text_file(['[HEADER]', 'Titel=' + titel, 'Beschreibung=' + beschreibung, '', '[FILES]']
                            + ['File=%s\\%s' % (a['ordner'], n) for a, n, _ in items])

    files[os.path.join('Sammellektionen', 'Vollschrift_Lautgruppen.sam')] = sam(
        'Vollschrift: Lautgruppen erlernen',
        'Der ganze Kurs der Vollschrift in der richtigen Reihenfolge: \\die acht Lautgruppen, die Regel der '
        'Wortteile, Sätze und Texte.', order)
    files[os.path.join('Sammellektionen', 'Vollschrift_Texte.sam')] = sam(
        'Vollschrift: Texte lesen',
        'Alle Texte des Kurses nacheinander, vom ersten mit au, eu, ei und äu bis zur Geschichte mit '
        'wörtlicher Rede.', [o for o in order if o[2]['typ'] == 'AT_Text' and o[2]['datei'].startswith('Text ')])

    # Connected texts for the BraillePad: Unicode braille cells, a space
    # between the words.
    for datei, _, _, _, lines in TEXTE:
        files[os.path.join('Texte', datei + '.brl')] = lg.text_file(
            [lg.cells(lg.brl(z)).replace('\u2800', ' ') for z in lines])

    # Every example and every text line against liblouis.
    pairs = list(k.beispiele)
    pairs += [(lg.brl(z), z) for t in TEXTE for z in t[4]]
    lg.check_liblouis(pairs)

    _summary[:] = ['Lektionen: %d (%s); Texte: %d; Sammellektionen: 2'
                   % (len(order), ', '.join('%s %d' % kv for kv in sorted(nach_typ.items())), len(TEXTE))]
    return files


def summary():
    return '\n'.join(_summary)
