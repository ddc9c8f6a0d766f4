"""Areas and lessons of the learning material "Basisschrift".

Each area is a folder with its lessons; each lesson names its task type, its
points, a description for the learner and the settings of its type. Settings
not given take the beginner's values of STANDARD in erzeuge_lernmaterial.py.
In descriptions and texts, " \\ " starts a new line and braille stands in
square brackets.
"""

# Learning characters
AE = 'Lernzeichen_a-e.dat'
FJ = 'Lernzeichen_f-j.dat'
KO = 'Lernzeichen_k-o.dat'
PT = 'Lernzeichen_p-t.dat'
UZ = 'Lernzeichen_u-z.dat'
UML = 'Lernzeichen_Umlaute.dat'
SZ1 = 'Lernzeichen_Satzzeichen_1.dat'
SZ2 = 'Lernzeichen_Satzzeichen_2.dat'
ZZ = 'Lernzeichen_Zahlzeichen.dat'
ZIF = 'Lernzeichen_Ziffern.dat'
GS = 'Lernzeichen_Grossschreibung.dat'
ZMZ = 'Ziffern_mit_Zahlzeichen.dat'
GB = 'Grossbuchstaben.dat'
GW = 'Lernzeichen_Grosswort.dat'

A_J = [AE, FJ]
A_T = [AE, FJ, KO, PT]
A_Z = [AE, FJ, KO, PT, UZ]
BUCHSTABEN = A_Z + [UML]
SATZZEICHEN = [SZ1, SZ2]
VOR_GROSS = BUCHSTABEN + SATZZEICHEN + [ZZ, ZIF]
ALLES = VOR_GROSS + [GS]
# After the sign for a word in capitals, at the end of the capitals area.
ALLES_GW = ALLES + [GW]

# Words
W1 = 'Woerter_a-j.dat'
W2 = 'Woerter_k-t.dat'
W3 = 'Woerter_u-z.dat'
W4 = 'Woerter_Umlaute.dat'
WZ = 'Zahlen.dat'
N1 = 'Nomen_1.dat'
N2 = 'Nomen_2.dat'
GWW = 'Grosswoerter.dat'
KLEIN = [W1, W2, W3, W4]

# Sentences
S1 = 'Wortgruppen_a-j.dat'
S2 = 'Wortgruppen_a-t.dat'
S3 = 'Wortgruppen_a-z.dat'
S4 = 'Wortgruppen_Umlaute.dat'
S5 = 'Saetze_Satzzeichen.dat'
S6 = 'Saetze_Zahlen.dat'
S7 = 'Saetze_Grossschreibung.dat'
S8 = 'Saetze_kurz.dat'
S9 = 'Saetze_lang.dat'
SGW = 'Saetze_Grosswoerter.dat'

FIG = 'Figuren.dat'

# Recurring pieces of descriptions
TASTEN = ('Schreibe mit den Tasten F, D, S für die Punkte 1, 2, 3 und J, K, L für die Punkte 4, 5, 6: '
          'drücke die Tasten eines Zeichens zusammen und lass sie dann los.')
PRUEFEN = 'Die Eingabetaste prüft deine Eingabe.'
WEITER = 'Mit der Eingabetaste kommt die nächste Zeile.'
ROUTING = ('Führe den Cursor darauf, zum Beispiel mit der Routingtaste über dem Zeichen, '
           'und drücke die Leertaste.')


def L(nr, datei, titel, typ, punkte, beschreibung, **settings):
    return dict(nr=nr, datei='%02d %s.lek' % (nr, datei), titel='%02d %s' % (nr, titel), typ=typ,
                punkte=punkte, beschreibung=beschreibung, settings=settings)


def T(nr, datei, titel, punkte, beschreibung, text):
    return dict(nr=nr, datei='%02d %s.lek' % (nr, datei), titel='%02d %s' % (nr, titel), typ='AT_Text',
                punkte=punkte, beschreibung=beschreibung, settings=dict(Text=text))


BEREICH_1 = dict(
    ordner='01 Buchstaben a bis j',
    titel='01 Die Buchstaben a bis j',
    beschreibung='Die Braillezelle, die ersten zehn Buchstaben und die ersten Wörter. \\ '
                 'Die Buchstaben a bis j stehen in der oberen Hälfte der Zelle.',
    lektionen=[
        T(1, 'Willkommen', 'Willkommen bei Tastwerk', 1,
          'Eine Einführung in den Kurs. \\ Lies den Text mit den Pfeiltasten Zeile für Zeile. '
          'Mit der Eingabetaste geht es weiter.',
          'Willkommen bei Tastwerk! \\ '
          'In diesem Kurs lernst du die deutsche Blindenschrift in der Basisschrift: '
          'jedes Zeichen der Schwarzschrift hat sein eigenes Braillezeichen. \\ '
          'Ein Braillezeichen steht in einer Zelle mit sechs Punkten in zwei Spalten. '
          'Links stehen von oben nach unten die Punkte 1, 2 und 3, rechts die Punkte 4, 5 und 6. \\ '
          'Du liest mit den Fingern auf deiner Braillezeile. '
          'Du schreibst mit sechs Tasten: F, D und S sind die Punkte 1, 2 und 3, '
          'J, K und L sind die Punkte 4, 5 und 6. '
          'Drücke alle Tasten eines Zeichens zusammen und lass sie gemeinsam los. '
          'Die Leertaste macht ein Leerzeichen. \\ '
          'Der Kurs geht Schritt für Schritt: die Buchstaben a bis j, k bis t, u bis z, '
          'dann ä, ö, ü und ß, die Satzzeichen, die Zahlen und die großen Buchstaben. '
          'Am Ende liest und schreibst du ganze Sätze. \\ '
          'Bis du das Großschreibzeichen kennst, sind alle Wörter und Sätze kleingeschrieben. \\ '
          'Nimm dir Zeit und wiederhole eine Lektion, so oft du möchtest.'),
        T(2, 'Die Braillezelle', 'Die Braillezelle', 1,
          'So sind die Punkte der Zelle angeordnet. \\ Lies den Text Zeile für Zeile. '
          'Mit der Eingabetaste geht es weiter.',
          'Die Braillezelle hat sechs Punkte: \\ '
          'Punkt 1 oben links, Punkt 2 in der Mitte links, Punkt 3 unten links. \\ '
          'Punkt 4 oben rechts, Punkt 5 in der Mitte rechts, Punkt 6 unten rechts. \\ '
          'Eine Zelle mit allen sechs Punkten fühlt sich so an: ⠿ \\ '
          'Punkt 1 allein ist der Buchstabe a: [a] \\ '
          'Die Punkte 1 und 2 sind der Buchstabe b: [b] \\ '
          'Die Punkte 1 und 4 sind der Buchstabe c: [c] \\ '
          'Taste die Zellen in Ruhe ab. Der Finger liegt locker auf und gleitet ohne Druck nach rechts.'),
        L(3, 'Figuren ertasten', 'Figuren ertasten', 'AT_FigurFinden', 2,
          'Zum Aufwärmen: Die Aufgabenzeile nennt und zeigt eine Figur aus Braillezellen. '
          'Suche sie in der Zeile darunter. \\ ' + ROUTING + ' \\ Wenn alle gefunden sind, geht es weiter.',
          Figurendateien=[FIG], MaxFigurAnzahl=2, Leerzeichen=2, Wiederholungen=5),
        L(4, 'Schnellkurs a bis e', 'Schnellkurs: a bis e', 'AT_Schnellkurs', 2,
          'Die ersten fünf Buchstaben: [a] Punkt 1, [b] Punkte 1 2, [c] Punkte 1 4, [d] Punkte 1 4 5, '
          '[e] Punkte 1 5. \\ Geh mit den Pfeiltasten durch die Tabelle; zu jeder Zeile werden die Punkte '
          'angesagt. Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[AE]),
        L(5, 'Zeichen lesen a bis e', 'Zeichen lesen: a bis e', 'AT_ZeichenLesen', 2,
          'Lies die Buchstaben [a b c d e] in der Zeile von links nach rechts und sprich sie leise mit. \\ '
          + WEITER,
          Lernzeichendateien=[AE], Leerzeichen=1, Wiederholungen=5),
        L(6, 'Zeichen tippen a bis e', 'Zeichen tippen: a bis e', 'AT_ZeichenTippen', 3,
          'Tippe den genannten Buchstaben so oft wie verlangt, mit einem Leerzeichen dazwischen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[AE], MaxLernzeichenAnzahl=2, Wiederholungen=10),
        L(7, 'Verstecktes Zeichen a bis e', 'Verstecktes Zeichen: a bis e', 'AT_VerstecktesZeichen', 3,
          'Ein Buchstabe ist zwischen Füllzeichen versteckt. Finde jedes Vorkommen. \\ ' + ROUTING,
          Lernzeichendateien=[AE], Leerzeichen='1.1', Wiederholungen=5),
        L(8, 'Buchstaben f bis j', 'Die Buchstaben f bis j', 'AT_BuchstabenLernen', 2,
          'Fünf neue Buchstaben: [f] Punkte 1 2 4, [g] Punkte 1 2 4 5, [h] Punkte 1 2 5, [i] Punkte 2 4, '
          '[j] Punkte 2 4 5. \\ Lerne die Zeichen, lies dann die Wörter darunter, zum Beispiel [ich]. '
          'Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[FJ], Gelerntzeichendateien=[AE], Woerterdateien=[W1], Wiederholungen=3),
        L(9, 'Zeichen lesen f bis j', 'Zeichen lesen: f bis j', 'AT_ZeichenLesen', 2,
          'Lies die Buchstaben [f g h i j] von links nach rechts. Achte auf [e] und [i]: '
          'sie sind Spiegelbilder. \\ ' + WEITER,
          Lernzeichendateien=[FJ], Leerzeichen=1, Wiederholungen=5),
        L(10, 'Zeichen tippen f bis j', 'Zeichen tippen: f bis j', 'AT_ZeichenTippen', 3,
          'Tippe den genannten Buchstaben so oft wie verlangt, mit einem Leerzeichen dazwischen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[FJ], MaxLernzeichenAnzahl=2, Wiederholungen=10),
        L(11, 'Zeichen finden a bis j', 'Zeichen finden: a bis j', 'AT_ZeichenFinden', 3,
          'In der Zeile stehen die Buchstaben a bis j gemischt. Finde jedes Vorkommen des genannten '
          'Buchstabens. \\ ' + ROUTING,
          Lernzeichendateien=[FJ], Gelerntzeichendateien=[AE], Leerzeichen='1.1', Wiederholungen=6),
        L(12, 'Woerter lesen gesperrt', 'Wörter lesen, gesperrt', 'AT_WortLesen', 3,
          'Die ersten Wörter, mit einer leeren Zelle zwischen den Buchstaben, zum Beispiel [a c h]. '
          'Lies sie langsam Buchstabe für Buchstabe. \\ ' + WEITER,
          Lernzeichendateien=A_J, Woerterdateien=[W1], Sperrdruck=1, Leerzeichen=3, Wiederholungen=5),
        L(13, 'Woerter lesen', 'Wörter lesen', 'AT_WortLesen', 3,
          'Lies die Wörter aus den Buchstaben a bis j, zum Beispiel [habe] und [dich]. \\ ' + WEITER,
          Lernzeichendateien=A_J, Woerterdateien=[W1], Wiederholungen=6),
        L(14, 'Woerter tippen', 'Wörter tippen', 'AT_WortTippen', 4,
          'Das genannte Wort, zum Beispiel [gehe], tippst du Buchstabe für Buchstabe. '
          'Soll es mehrmals geschrieben werden, kommt ein Leerzeichen dazwischen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=A_J, Woerterdateien=[W1], Wiederholungen=8),
        L(15, 'Wort finden', 'Wort finden', 'AT_WortFinden', 3,
          'Die Aufgabenzeile zeigt ein Wort. Finde es zwischen den anderen Wörtern der Zeile. \\ '
          + ROUTING,
          Lernzeichendateien=A_J, Woerterdateien=[W1], Wiederholungen=5),
        L(16, 'Verstecktes Wort', 'Verstecktes Wort', 'AT_VerstecktesWort', 3,
          'Ein Wort ist zwischen Füllzeichen versteckt. Finde jedes Vorkommen. \\ ' + ROUTING,
          Lernzeichendateien=A_J, Woerterdateien=[W1], Wiederholungen=5),
        L(17, 'Zeichen im Wort', 'Buchstaben im Wort finden', 'AT_ZeichenInWortFinden', 4,
          'Die Aufgabe nennt einen Buchstaben und seine Stelle: am Beginn, in der Mitte oder am Ende. '
          'Finde alle Wörter, in denen er genau dort steht. \\ ' + ROUTING,
          Lernzeichendateien=A_J, Woerterdateien=[W1], MinWortLen=3, Wiederholungen=5),
        L(18, 'Wortgruppen lesen', 'Wortgruppen lesen', 'AT_SatzLesen', 3,
          'Lies kleine Wortgruppen wie [ich gebe dich ab]. Zwischen den Wörtern steht eine leere Zelle. \\ '
          + WEITER,
          Lernzeichendateien=A_J, Saetzedateien=[S1], Wiederholungen=6),
        L(19, 'Wortgruppen tippen', 'Wortgruppen tippen', 'AT_SatzTippen', 5,
          'Die Wortgruppe wird angesagt und gezeigt. Tippe sie, zwischen den Wörtern mit der Leertaste. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=A_J, Saetzedateien=[S1], Wiederholungen=5),
    ])

BEREICH_2 = dict(
    ordner='02 Buchstaben k bis t',
    titel='02 Die Buchstaben k bis t',
    beschreibung='Die Buchstaben k bis t: die Buchstaben a bis j mit Punkt 3 dazu. \\ '
                 'Damit kommen viele neue Wörter.',
    lektionen=[
        T(1, 'k bis t', 'Die Buchstaben k bis t', 1,
          'Wie die Buchstaben k bis t gebaut sind. \\ Lies den Text Zeile für Zeile. '
          'Mit der Eingabetaste geht es weiter.',
          'Die Buchstaben k bis t sind die Buchstaben a bis j mit Punkt 3 dazu. \\ '
          'a [a] wird zu k [k], b [b] zu l [l], c [c] zu m [m], d [d] zu n [n], e [e] zu o [o]. \\ '
          'f [f] wird zu p [p], g [g] zu q [q], h [h] zu r [r], i [i] zu s [s], j [j] zu t [t]. \\ '
          'Merke dir: Punkt 3 liegt unten links. Wenn du ihn fühlst, ist der Buchstabe aus der zweiten Reihe. \\ '
          'Mit k bis t kannst du schon viele Wörter lesen, zum Beispiel [nicht], [lesen] und [schreiben].'),
        L(2, 'Buchstaben k bis o', 'Die Buchstaben k bis o', 'AT_BuchstabenLernen', 2,
          'Neu: [k] Punkte 1 3, [l] Punkte 1 2 3, [m] Punkte 1 3 4, [n] Punkte 1 3 4 5, [o] Punkte 1 3 5. \\ '
          'Lerne die Zeichen, lies dann die Wörter darunter. Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[KO], Gelerntzeichendateien=A_J, Woerterdateien=[W1, W2], Wiederholungen=3),
        L(3, 'Zeichen lesen k bis o', 'Zeichen lesen: k bis o', 'AT_ZeichenLesen', 2,
          'Lies die Buchstaben [k l m n o] von links nach rechts. \\ ' + WEITER,
          Lernzeichendateien=[KO], Leerzeichen=1, Wiederholungen=5),
        L(4, 'Zeichen tippen k bis o', 'Zeichen tippen: k bis o', 'AT_ZeichenTippen', 3,
          'Tippe den genannten Buchstaben so oft wie verlangt, mit einem Leerzeichen dazwischen. '
          'Denk an Punkt 3, die Taste S. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[KO], MaxLernzeichenAnzahl=2, Wiederholungen=10),
        L(5, 'Buchstaben p bis t', 'Die Buchstaben p bis t', 'AT_BuchstabenLernen', 2,
          'Neu: [p] Punkte 1 2 3 4, [q] Punkte 1 2 3 4 5, [r] Punkte 1 2 3 5, [s] Punkte 2 3 4, '
          '[t] Punkte 2 3 4 5. \\ Lerne die Zeichen, lies dann die Wörter darunter. '
          'Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[PT], Gelerntzeichendateien=A_J + [KO], Woerterdateien=[W1, W2], Wiederholungen=3),
        L(6, 'Zeichen lesen p bis t', 'Zeichen lesen: p bis t', 'AT_ZeichenLesen', 2,
          'Lies die Buchstaben [p q r s t] von links nach rechts. \\ ' + WEITER,
          Lernzeichendateien=[PT], Leerzeichen=1, Wiederholungen=5),
        L(7, 'Zeichen tippen p bis t', 'Zeichen tippen: p bis t', 'AT_ZeichenTippen', 3,
          'Tippe den genannten Buchstaben so oft wie verlangt, mit einem Leerzeichen dazwischen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[PT], MaxLernzeichenAnzahl=2, Wiederholungen=10),
        L(8, 'Zeichen finden k bis t', 'Zeichen finden: a bis t', 'AT_ZeichenFinden', 3,
          'Die Buchstaben a bis t stehen gemischt in der Zeile. Finde jedes Vorkommen des genannten '
          'Buchstabens; achte auf Punkt 3. \\ ' + ROUTING,
          Lernzeichendateien=[KO, PT], Gelerntzeichendateien=A_J, Leerzeichen='1.1', Wiederholungen=6),
        L(9, 'Verstecktes Zeichen k bis t', 'Verstecktes Zeichen: k bis t', 'AT_VerstecktesZeichen', 3,
          'Ein Buchstabe ist zwischen Füllzeichen versteckt, diesmal ohne Abstand. Finde jedes Vorkommen. \\ '
          + ROUTING,
          Lernzeichendateien=[KO, PT], Leerzeichen='0', Wiederholungen=5),
        L(10, 'Woerter lesen gesperrt', 'Wörter lesen, gesperrt', 'AT_WortLesen', 3,
          'Wörter aus den Buchstaben a bis t, mit einer leeren Zelle zwischen den Buchstaben. \\ ' + WEITER,
          Lernzeichendateien=[KO, PT], Gelerntzeichendateien=A_J, Woerterdateien=[W1, W2], Sperrdruck=1,
          Wiederholungen=5),
        L(11, 'Woerter lesen', 'Wörter lesen', 'AT_WortLesen', 3,
          'Lies die Wörter aus den Buchstaben a bis t, zum Beispiel [nicht] und [immer]. \\ ' + WEITER,
          Lernzeichendateien=[KO, PT], Gelerntzeichendateien=A_J, Woerterdateien=[W1, W2], MaxWortLen=8,
          Wiederholungen=8),
        L(12, 'Woerter tippen', 'Wörter tippen', 'AT_WortTippen', 4,
          'Tippe das genannte Wort so oft wie verlangt, mit einem Leerzeichen dazwischen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[KO, PT], Gelerntzeichendateien=A_J, Woerterdateien=[W1, W2], MaxWortAnzahl=2,
          Wiederholungen=8),
        L(13, 'Wort finden', 'Wort finden', 'AT_WortFinden', 3,
          'Finde das Wort der Aufgabenzeile zwischen den anderen Wörtern. \\ ' + ROUTING,
          Lernzeichendateien=[KO, PT], Gelerntzeichendateien=A_J, Woerterdateien=[W1, W2], Wiederholungen=5),
        L(14, 'Verstecktes Wort', 'Verstecktes Wort', 'AT_VerstecktesWort', 3,
          'Ein Wort ist zwischen Füllzeichen versteckt. Finde jedes Vorkommen. \\ ' + ROUTING,
          Lernzeichendateien=[KO, PT], Gelerntzeichendateien=A_J, Woerterdateien=[W1, W2], Wiederholungen=5),
        L(15, 'Zeichen im Wort', 'Buchstaben im Wort finden', 'AT_ZeichenInWortFinden', 4,
          'Finde alle Wörter, in denen der genannte Buchstabe an der genannten Stelle steht: am Beginn, '
          'in der Mitte oder am Ende. \\ ' + ROUTING,
          Lernzeichendateien=[KO, PT], Gelerntzeichendateien=A_J, Woerterdateien=[W1, W2], MinWortLen=3,
          Wiederholungen=5),
        L(16, 'Wortgruppen lesen', 'Wortgruppen lesen', 'AT_SatzLesen', 3,
          'Lies Wortgruppen wie [ich lerne lesen]. \\ ' + WEITER,
          Lernzeichendateien=A_T, Saetzedateien=[S2], Wiederholungen=8),
        L(17, 'Wortgruppen tippen', 'Wortgruppen tippen', 'AT_SatzTippen', 5,
          'Die Wortgruppe wird angesagt und gezeigt. Tippe sie, zwischen den Wörtern mit der Leertaste. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=A_T, Saetzedateien=[S2], Wiederholungen=5),
    ])

BEREICH_3 = dict(
    ordner='03 Buchstaben u bis z',
    titel='03 Die Buchstaben u bis z',
    beschreibung='Die letzten Buchstaben des Alphabets: u, v, x, y und z mit Punkt 6, '
                 'dazu das w. \\ Danach kennst du das ganze Alphabet.',
    lektionen=[
        T(1, 'u bis z', 'Die Buchstaben u bis z', 1,
          'Wie die Buchstaben u bis z gebaut sind. \\ Lies den Text Zeile für Zeile. '
          'Mit der Eingabetaste geht es weiter.',
          'Die Buchstaben u, v, x, y und z sind k, l, m, n und o mit Punkt 6 dazu. \\ '
          'k [k] wird zu u [u], l [l] zu v [v], m [m] zu x [x], n [n] zu y [y], o [o] zu z [z]. \\ '
          'Das w [w] ist anders: es hat die Punkte 2, 4, 5 und 6. Als die Blindenschrift in Frankreich '
          'entstand, brauchte das Französische kein w, darum kam es erst später dazu. \\ '
          'Jetzt kannst du Wörter wie [du], [wir], [und] und [zusammen] lesen.'),
        L(2, 'Buchstaben u bis z', 'Die Buchstaben u bis z', 'AT_BuchstabenLernen', 2,
          'Neu: [u] Punkte 1 3 6, [v] Punkte 1 2 3 6, [w] Punkte 2 4 5 6, [x] Punkte 1 3 4 6, '
          '[y] Punkte 1 3 4 5 6, [z] Punkte 1 3 5 6. \\ Lerne die Zeichen, lies dann die Wörter darunter. '
          'Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[UZ], Gelerntzeichendateien=A_T, Woerterdateien=[W1, W2, W3], Wiederholungen=3),
        L(3, 'Zeichen lesen u bis z', 'Zeichen lesen: u bis z', 'AT_ZeichenLesen', 2,
          'Lies die Buchstaben [u v w x y z] von links nach rechts. \\ ' + WEITER,
          Lernzeichendateien=[UZ], Leerzeichen=1, Wiederholungen=5),
        L(4, 'Zeichen tippen u bis z', 'Zeichen tippen: u bis z', 'AT_ZeichenTippen', 3,
          'Tippe den genannten Buchstaben so oft wie verlangt, mit einem Leerzeichen dazwischen. '
          'Punkt 6 ist die Taste L. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[UZ], MaxLernzeichenAnzahl=2, Wiederholungen=10),
        L(5, 'Zeichen finden u bis z', 'Zeichen finden: das ganze Alphabet', 'AT_ZeichenFinden', 3,
          'Alle Buchstaben stehen gemischt in der Zeile. Finde jedes Vorkommen des genannten Buchstabens. \\ '
          + ROUTING,
          Lernzeichendateien=[UZ], Gelerntzeichendateien=A_T, Leerzeichen='1.1', Wiederholungen=6),
        L(6, 'Verstecktes Zeichen u bis z', 'Verstecktes Zeichen: u bis z', 'AT_VerstecktesZeichen', 3,
          'Ein Buchstabe ist ohne Abstand zwischen Füllzeichen versteckt. Finde jedes Vorkommen. \\ '
          + ROUTING,
          Lernzeichendateien=[UZ], Trennzeichen='%=', Leerzeichen='0', Wiederholungen=5),
        L(7, 'Schnellkurs Alphabet', 'Schnellkurs: das ganze Alphabet', 'AT_Schnellkurs', 3,
          'Alle Buchstaben von a bis z in einer Tabelle. \\ Geh mit den Pfeiltasten durch die Tabelle; '
          'zu jeder Zeile werden die Punkte angesagt. Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=A_Z),
        L(8, 'Alphabet lesen', 'Das Alphabet lesen', 'AT_ZeichenLesen', 3,
          'Lies die Buchstaben des ganzen Alphabets, die Abstände wechseln. \\ ' + WEITER,
          Lernzeichendateien=A_Z, Leerzeichen=-1, Wiederholungen=8),
        L(9, 'Woerter lesen', 'Wörter lesen', 'AT_WortLesen', 3,
          'Lies die Wörter mit u bis z, zum Beispiel [zwei] und [wir]. \\ ' + WEITER,
          Lernzeichendateien=[UZ], Gelerntzeichendateien=A_T, Woerterdateien=[W1, W2, W3], MaxWortLen=8,
          Wiederholungen=8),
        L(10, 'Woerter tippen', 'Wörter tippen', 'AT_WortTippen', 4,
          'Tippe das genannte Wort so oft wie verlangt, mit einem Leerzeichen dazwischen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[UZ], Gelerntzeichendateien=A_T, Woerterdateien=[W1, W2, W3], MaxWortAnzahl=2,
          MaxWortLen=7, Wiederholungen=8),
        L(11, 'Wort finden gesperrt', 'Wort finden, gesperrt', 'AT_WortFinden', 4,
          'Die Wörter der Zeile sind gesperrt geschrieben, mit einer leeren Zelle zwischen den Buchstaben. '
          'Finde das Wort der Aufgabenzeile. \\ ' + ROUTING,
          Lernzeichendateien=[UZ], Gelerntzeichendateien=A_T, Woerterdateien=[W1, W2, W3], Sperrdruck=1,
          MaxWortLen=5, Leerzeichen='1.2', Wiederholungen=5),
        L(12, 'Verstecktes Wort', 'Verstecktes Wort', 'AT_VerstecktesWort', 3,
          'Ein Wort ist ohne Abstand zwischen Füllzeichen versteckt. Finde jedes Vorkommen. \\ ' + ROUTING,
          Lernzeichendateien=[UZ], Gelerntzeichendateien=A_T, Woerterdateien=[W1, W2, W3], Leerzeichen='0',
          Wiederholungen=5),
        L(13, 'Zeichen im Wort', 'Buchstaben im Wort finden', 'AT_ZeichenInWortFinden', 4,
          'Finde alle Wörter, in denen der genannte Buchstabe an der genannten Stelle steht. \\ ' + ROUTING,
          Lernzeichendateien=[UZ], Gelerntzeichendateien=A_T, Woerterdateien=[W1, W2, W3], MinWortLen=3,
          Wiederholungen=5),
        L(14, 'Wortgruppen lesen', 'Wortgruppen lesen', 'AT_SatzLesen', 3,
          'Lies Wortgruppen wie [wir lernen zusammen]. \\ ' + WEITER,
          Lernzeichendateien=A_Z, Saetzedateien=[S3], Wiederholungen=8),
        L(15, 'Wortgruppen tippen', 'Wortgruppen tippen', 'AT_SatzTippen', 5,
          'Die Wortgruppe wird angesagt und gezeigt. Tippe sie, zwischen den Wörtern mit der Leertaste. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=A_Z, Saetzedateien=[S3], Wiederholungen=5),
        L(16, 'Figuren finden', 'Figuren finden', 'AT_FigurFinden', 3,
          'Finde die genannte Figur zwischen den anderen Figuren; sie kommt bis zu dreimal vor. \\ ' + ROUTING,
          Figurendateien=[FIG], MaxFigurAnzahl=3, Leerzeichen=1, Wiederholungen=5),
    ])

BEREICH_4 = dict(
    ordner='04 Umlaute und Eszett',
    titel='04 Die Buchstaben ä, ö, ü und ß',
    beschreibung='Die Umlaute ä, ö, ü und das Eszett ß. \\ Jeder hat ein eigenes Zeichen.',
    lektionen=[
        T(1, 'Umlaute', 'Umlaute und Eszett', 1,
          'Die Zeichen für ä, ö, ü und ß. \\ Lies den Text Zeile für Zeile. Mit der Eingabetaste geht es weiter.',
          'In der deutschen Blindenschrift hat jeder Umlaut ein eigenes Zeichen: \\ '
          'ä [ä] hat die Punkte 3, 4 und 5. \\ '
          'ö [ö] hat die Punkte 2, 4 und 6. \\ '
          'ü [ü] hat die Punkte 1, 2, 5 und 6. \\ '
          'ß [ß] hat die Punkte 2, 3, 4 und 6. \\ '
          'Jetzt kannst du Wörter wie [schön], [für], [weiß] und [später] lesen.'),
        L(2, 'Umlaute lernen', 'ä, ö, ü und ß', 'AT_BuchstabenLernen', 2,
          'Neu: [ä] Punkte 3 4 5, [ö] Punkte 2 4 6, [ü] Punkte 1 2 5 6, [ß] Punkte 2 3 4 6. \\ '
          'Lerne die Zeichen, lies dann die Wörter darunter. Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[UML], Gelerntzeichendateien=A_Z, Woerterdateien=[W4], Wiederholungen=3),
        L(3, 'Zeichen lesen Umlaute', 'Zeichen lesen: ä, ö, ü, ß', 'AT_ZeichenLesen', 2,
          'Lies die Zeichen [ä ö ü ß] von links nach rechts. \\ ' + WEITER,
          Lernzeichendateien=[UML], Leerzeichen=1, Wiederholungen=5),
        L(4, 'Zeichen tippen Umlaute', 'Zeichen tippen: ä, ö, ü, ß', 'AT_ZeichenTippen', 3,
          'Tippe das genannte Zeichen so oft wie verlangt, mit einem Leerzeichen dazwischen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[UML], MaxLernzeichenAnzahl=2, Wiederholungen=10),
        L(5, 'Zeichen finden Umlaute', 'Zeichen finden: ä, ö, ü, ß', 'AT_ZeichenFinden', 3,
          'Die Umlaute stehen zwischen allen anderen Buchstaben. Finde jedes Vorkommen des genannten '
          'Zeichens. \\ ' + ROUTING,
          Lernzeichendateien=[UML], Gelerntzeichendateien=A_Z, Leerzeichen='1.1', Wiederholungen=6),
        L(6, 'Woerter lesen', 'Wörter lesen', 'AT_WortLesen', 3,
          'Lies die Wörter mit ä, ö, ü und ß, zum Beispiel [schön] und [weiß]. \\ ' + WEITER,
          Lernzeichendateien=[UML], Gelerntzeichendateien=A_Z, Woerterdateien=[W4], MaxWortLen=8,
          Wiederholungen=8),
        L(7, 'Woerter tippen', 'Wörter tippen', 'AT_WortTippen', 4,
          'Tippe das genannte Wort so oft wie verlangt, mit einem Leerzeichen dazwischen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[UML], Gelerntzeichendateien=A_Z, Woerterdateien=[W4], MaxWortAnzahl=2,
          MaxWortLen=7, Wiederholungen=8),
        L(8, 'Wort finden', 'Wort finden', 'AT_WortFinden', 3,
          'Finde das Wort der Aufgabenzeile zwischen den anderen Wörtern. \\ ' + ROUTING,
          Lernzeichendateien=[UML], Gelerntzeichendateien=A_Z, Woerterdateien=[W3, W4], Wiederholungen=5),
        L(9, 'Verstecktes Wort', 'Verstecktes Wort', 'AT_VerstecktesWort', 3,
          'Ein Wort ist zwischen Füllzeichen versteckt. Finde jedes Vorkommen. \\ ' + ROUTING,
          Lernzeichendateien=[UML], Gelerntzeichendateien=A_Z, Woerterdateien=[W4], Leerzeichen='0',
          Wiederholungen=5),
        L(10, 'Zeichen im Wort', 'Umlaute im Wort finden', 'AT_ZeichenInWortFinden', 4,
          'Finde alle Wörter, in denen das genannte Zeichen an der genannten Stelle steht. \\ ' + ROUTING,
          Lernzeichendateien=[UML], Gelerntzeichendateien=A_Z, Woerterdateien=[W3, W4], MinWortLen=3,
          Wiederholungen=5),
        L(11, 'Wortgruppen lesen', 'Wortgruppen lesen', 'AT_SatzLesen', 3,
          'Lies Wortgruppen wie [das ist schön]. \\ ' + WEITER,
          Lernzeichendateien=BUCHSTABEN, Saetzedateien=[S4], Wiederholungen=8),
        L(12, 'Wortgruppen tippen', 'Wortgruppen tippen', 'AT_SatzTippen', 5,
          'Die Wortgruppe wird angesagt und gezeigt. Tippe sie, zwischen den Wörtern mit der Leertaste. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=BUCHSTABEN, Saetzedateien=[S4], Wiederholungen=5),
        L(13, 'Lueckentext Umlaute', 'Lückentext: fehlende Umlaute', 'AT_Lueckentext', 5,
          'In jeder Wortgruppe fehlen ein oder zwei Zeichen wie [ä] oder [ß]: jede Lücke steht für ein Zeichen. '
          'Der Cursor steht in der ersten Lücke; tippe das fehlende Zeichen. Mit Steuerung und Pfeil rechts '
          'kommst du zur nächsten Lücke. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lueckentextdateien=['Lueckentext_Umlaute.dat'], Wiederholungen=8),
    ])

BEREICH_5 = dict(
    ordner='05 Satzzeichen',
    titel='05 Satzzeichen',
    beschreibung='Punkt, Komma, Fragezeichen und die anderen Satzzeichen. \\ '
                 'Sie stehen meist in der unteren Hälfte der Zelle.',
    lektionen=[
        T(1, 'Satzzeichen', 'Die Satzzeichen', 1,
          'Wie die Satzzeichen gebaut sind. \\ Lies den Text Zeile für Zeile. Mit der Eingabetaste geht es weiter.',
          'Die meisten Satzzeichen stehen tief in der Zelle, in den Punkten 2, 3, 5 und 6: \\ '
          'Punkt [.] ist Punkt 3. Komma [,] ist Punkt 2. \\ '
          'Fragezeichen [?] hat die Punkte 2 und 6, Ausrufezeichen [!] die Punkte 2, 3 und 5. \\ '
          'Semikolon [;] hat die Punkte 2 und 3, Doppelpunkt [:] die Punkte 2 und 5. \\ '
          'Bindestrich [-] hat die Punkte 3 und 6, Apostroph [\'] den Punkt 6. \\ '
          'Die runden Klammern haben beide die Punkte 2, 3, 5 und 6: [(]. \\ '
          'Das Anführungszeichen unten öffnet die wörtliche Rede: [„] hat die Punkte 2, 3 und 6. '
          'Das Anführungszeichen oben schließt sie: [“] hat die Punkte 3, 5 und 6. \\ '
          'Eine Merkhilfe: Komma, Semikolon und Doppelpunkt sind a, b und c eine Reihe tiefer; '
          'Fragezeichen, Ausrufezeichen und Klammer sind e, f und g eine Reihe tiefer; '
          'die Anführungszeichen sind h und j eine Reihe tiefer. \\ '
          'So sieht eine wörtliche Rede aus: [er ruft: „hallo!“] \\ '
          'Das Paragrafzeichen [§] hat die Punkte 3, 4 und 6. \\ '
          'Die Sätze schreiben wir noch klein, bis du das Großschreibzeichen kennst.'),
        L(2, 'Schnellkurs Satzzeichen 1', 'Schnellkurs: Punkt, Komma, Fragezeichen', 'AT_Schnellkurs', 2,
          'Sechs Satzzeichen: [.] Punkt, [,] Komma, [?] Fragezeichen, [!] Ausrufezeichen, [;] Semikolon, '
          '[:] Doppelpunkt. \\ Geh mit den Pfeiltasten durch die Tabelle. Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[SZ1]),
        L(3, 'Zeichen lesen Satzzeichen', 'Zeichen lesen: Satzzeichen', 'AT_ZeichenLesen', 2,
          'Lies die Satzzeichen von links nach rechts und nenne sie leise. \\ ' + WEITER,
          Lernzeichendateien=[SZ1], Leerzeichen=1, Wiederholungen=5),
        L(4, 'Zeichen tippen Satzzeichen', 'Zeichen tippen: Satzzeichen', 'AT_ZeichenTippen', 3,
          'Tippe das genannte Satzzeichen so oft wie verlangt, mit einem Leerzeichen dazwischen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[SZ1], MaxLernzeichenAnzahl=2, Wiederholungen=10),
        L(5, 'Zeichen finden Satzzeichen', 'Zeichen finden: Satzzeichen und Buchstaben', 'AT_ZeichenFinden', 3,
          'Satzzeichen und Buchstaben stehen gemischt. Vorsicht: [,] sieht aus wie [a], nur eine Reihe '
          'tiefer. \\ ' + ROUTING,
          Lernzeichendateien=[SZ1], Gelerntzeichendateien=BUCHSTABEN, Leerzeichen='1.1', Wiederholungen=6),
        L(6, 'Schnellkurs Satzzeichen 2', 'Schnellkurs: Bindestrich, Klammern, Anführungszeichen',
          'AT_Schnellkurs', 2,
          'Weitere Zeichen: [-] Bindestrich, [\'] Apostroph, [(] Klammern, [„] Anführungszeichen unten, '
          '[“] Anführungszeichen oben, [§] Paragraf. \\ Geh mit den Pfeiltasten durch die Tabelle. Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[SZ2]),
        L(7, 'Zeichen tippen Satzzeichen 2', 'Zeichen tippen: Bindestrich, Klammern, Anführungszeichen',
          'AT_ZeichenTippen', 3,
          'Tippe das genannte Zeichen so oft wie verlangt, mit einem Leerzeichen dazwischen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[SZ2], MaxLernzeichenAnzahl=2, Wiederholungen=10),
        L(8, 'Verstecktes Zeichen Satzzeichen', 'Verstecktes Satzzeichen', 'AT_VerstecktesZeichen', 3,
          'Ein Satzzeichen ist zwischen Füllzeichen versteckt. Finde jedes Vorkommen. \\ ' + ROUTING,
          Lernzeichendateien=[SZ1, SZ2], Trennzeichen='%', Leerzeichen='1.1', Wiederholungen=6),
        L(9, 'Saetze lesen', 'Sätze mit Satzzeichen lesen', 'AT_SatzLesen', 3,
          'Lies kurze Sätze wie [ja, gern!] oder [wo bist du?]. \\ ' + WEITER,
          Lernzeichendateien=BUCHSTABEN + SATZZEICHEN, Saetzedateien=[S5], Wiederholungen=8),
        L(10, 'Saetze tippen', 'Sätze mit Satzzeichen tippen', 'AT_SatzTippen', 5,
          'Der Satz wird angesagt und gezeigt. Tippe ihn mit allen Satzzeichen; das Satzzeichen folgt '
          'ohne Leerzeichen auf das Wort. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=BUCHSTABEN + SATZZEICHEN, Saetzedateien=[S5], Wiederholungen=5),
        L(11, 'Fehler suchen', 'Fehler suchen: Satzzeichen', 'AT_Fehlersuche', 5,
          'In jedem Satz steht ein falsches Zeichen, meistens ein falsches Satzzeichen. Finde es. \\ '
          + ROUTING,
          Fehlersuchedateien=['Fehlersuche_Satzzeichen.dat'], Wiederholungen=10),
    ])

BEREICH_6 = dict(
    ordner='06 Zahlen',
    titel='06 Zahlen',
    beschreibung='Das Zahlzeichen und die Ziffern. \\ Die Ziffern 1 bis 0 sind die Zeichen a bis j '
                 'mit dem Zahlzeichen davor.',
    lektionen=[
        T(1, 'Zahlen', 'Zahlen in Blindenschrift', 1,
          'Wie Zahlen geschrieben werden. \\ Lies den Text Zeile für Zeile. Mit der Eingabetaste geht es weiter.',
          'Vor jeder Zahl steht das Zahlzeichen [#] mit den Punkten 3, 4, 5 und 6. \\ '
          'Danach bedeuten die Zeichen a bis j die Ziffern: a ist 1, b ist 2, c ist 3 und so weiter, '
          'i ist 9 und j ist 0. \\ '
          'So ist [#1] die Zahl 1, [#12] die Zahl 12 und [#2025] die Zahl 2025. \\ '
          'Das Zahlzeichen gilt für alle Ziffern, die direkt folgen. Ein Leerzeichen beendet die Zahl.'),
        L(2, 'Zahlzeichen und Ziffern', 'Zahlzeichen und Ziffern', 'AT_BuchstabenLernen', 2,
          'Das Zahlzeichen [#] und die Ziffern. Darunter stehen Zahlen zum Lesen, zum Beispiel [#10]. \\ '
          'Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[ZZ, ZIF], Gelerntzeichendateien=BUCHSTABEN + SATZZEICHEN,
          Woerterdateien=[WZ], MaxWortAnzahl=5, Wiederholungen=3),
        L(3, 'Schnellkurs Ziffern', 'Schnellkurs: Ziffern mit Zahlzeichen', 'AT_Schnellkurs', 2,
          'Die Ziffern 1 bis 0, jede mit dem Zahlzeichen davor. \\ Geh mit den Pfeiltasten durch die Tabelle. '
          'Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[ZMZ]),
        L(4, 'Ziffern lesen', 'Ziffern lesen', 'AT_ZeichenLesen', 2,
          'Lies die Ziffern, jede mit dem Zahlzeichen davor. \\ ' + WEITER,
          Lernzeichendateien=[ZMZ], Leerzeichen=1, Wiederholungen=5),
        L(5, 'Ziffern tippen', 'Ziffern tippen', 'AT_ZeichenTippen', 3,
          'Tippe die genannte Ziffer mit dem Zahlzeichen davor, so oft wie verlangt, mit einem Leerzeichen '
          'dazwischen. Das Zahlzeichen hat die Punkte 3 4 5 6: die Tasten S, J, K, L. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[ZMZ], MaxLernzeichenAnzahl=2, Wiederholungen=10),
        L(6, 'Zahlen lesen', 'Zahlen lesen', 'AT_WortLesen', 3,
          'Lies die Zahlen, zum Beispiel [#7] und [#1989]. \\ ' + WEITER,
          Lernzeichendateien=[ZZ, ZIF], Gelerntzeichendateien=BUCHSTABEN + SATZZEICHEN, Woerterdateien=[WZ],
          MaxWortLen=5, Wiederholungen=8),
        L(7, 'Zahlen tippen', 'Zahlen tippen', 'AT_WortTippen', 4,
          'Tippe die genannte Zahl: zuerst das Zahlzeichen, dann die Ziffern. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[ZZ, ZIF], Gelerntzeichendateien=BUCHSTABEN + SATZZEICHEN, Woerterdateien=[WZ],
          MaxWortAnzahl=1, MaxWortLen=5, Wiederholungen=8),
        L(8, 'Zahlen finden', 'Zahlen finden', 'AT_WortFinden', 3,
          'Finde die Zahl der Aufgabenzeile zwischen den anderen Zahlen. \\ ' + ROUTING,
          Lernzeichendateien=[ZZ, ZIF], Gelerntzeichendateien=BUCHSTABEN + SATZZEICHEN, Woerterdateien=[WZ],
          MaxWortLen=5, Wiederholungen=5),
        L(9, 'Versteckte Zahl', 'Versteckte Zahl', 'AT_VerstecktesWort', 3,
          'Eine Zahl ist zwischen Füllzeichen versteckt. Finde jedes Vorkommen. \\ ' + ROUTING,
          Lernzeichendateien=[ZZ, ZIF], Gelerntzeichendateien=BUCHSTABEN + SATZZEICHEN, Woerterdateien=[WZ],
          MaxWortLen=5, Wiederholungen=5),
        L(10, 'Ziffer in der Zahl', 'Ziffern in Zahlen finden', 'AT_ZeichenInWortFinden', 4,
          'Die Aufgabe nennt eine Ziffer und ihre Stelle in der Zahl, zum Beispiel: 1 am Ende. '
          'Finde alle Zahlen, in denen sie genau dort steht; das Zahlzeichen zählt nicht mit. \\ ' + ROUTING,
          Lernzeichendateien=[ZIF], Gelerntzeichendateien=[ZZ] + BUCHSTABEN + SATZZEICHEN, Woerterdateien=[WZ], MinWortLen=3,
          MaxWortLen=5, ZeigeNormaltext=1, Wiederholungen=5),
        L(11, 'Saetze mit Zahlen lesen', 'Sätze mit Zahlen lesen', 'AT_SatzLesen', 3,
          'Lies kurze Sätze mit Zahlen, zum Beispiel [#4 und #5 sind #9.] \\ ' + WEITER,
          Lernzeichendateien=BUCHSTABEN + SATZZEICHEN + [ZZ, ZIF], Saetzedateien=[S6], Wiederholungen=8),
        L(12, 'Saetze mit Zahlen tippen', 'Sätze mit Zahlen tippen', 'AT_SatzTippen', 5,
          'Der Satz wird angesagt und gezeigt. Tippe ihn; vor jeder Zahl steht das Zahlzeichen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=BUCHSTABEN + SATZZEICHEN + [ZZ, ZIF], Saetzedateien=[S6], Wiederholungen=5),
        L(13, 'Rechnen', 'Lückentext: Rechnen', 'AT_Lueckentext', 6,
          'Rechenaufgaben und Zahlenreihen mit einer Lücke. Tippe die fehlende Zahl mit dem Zahlzeichen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lueckentextdateien=['Lueckentext_Zahlen.dat'], Wiederholungen=8),
    ])

BEREICH_7 = dict(
    ordner='07 Grossbuchstaben',
    titel='07 Große Buchstaben',
    beschreibung='Das Großschreibzeichen vor großen Buchstaben. \\ Jetzt kommen Namen, Hauptwörter '
                 'und richtige Sätze.',
    lektionen=[
        T(1, 'Grossschreibung', 'Große Buchstaben', 1,
          'Wie große Buchstaben geschrieben werden. \\ Lies den Text Zeile für Zeile. '
          'Mit der Eingabetaste geht es weiter.',
          'Ein großer Buchstabe wird mit dem Großschreibzeichen [$] geschrieben: '
          'es hat die Punkte 4 und 6 und steht direkt vor dem Buchstaben. \\ '
          'So ist [$a] ein großes A, [$haus] das Wort Haus und [$anna] der Name Anna. \\ '
          'Am Satzanfang, bei Namen und bei Hauptwörtern steht jetzt immer das Großschreibzeichen: '
          '[$der $hund bellt.] \\ '
          'Steht ein ganzes Wort in Großbuchstaben, wie bei vielen Abkürzungen, kommt ein anderes Zeichen '
          'davor: [↑] mit den Punkten 4 und 5. Es gilt für das ganze Wort, die Buchstaben danach stehen klein. \\ '
          'So ist [↑ice] der ICE, [↑adac] der ADAC und [↑wc] das WC. \\ '
          'Ein einzelner großer Buchstabe hat immer das Großschreibzeichen [$] mit den Punkten 4 und 6: '
          '[$a] ist ein großes A.'),
        L(2, 'Grossschreibzeichen', 'Das Großschreibzeichen', 'AT_BuchstabenLernen', 2,
          'Das Großschreibzeichen [$] mit den Punkten 4 und 6. Darunter stehen Hauptwörter wie [$haus]. \\ '
          'Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[GS], Gelerntzeichendateien=VOR_GROSS, Woerterdateien=[N1], MaxWortLen=6,
          Wiederholungen=3),
        L(3, 'Schnellkurs grosse Buchstaben', 'Schnellkurs: große Buchstaben', 'AT_Schnellkurs', 2,
          'Alle großen Buchstaben, jeder mit dem Großschreibzeichen davor. \\ Geh mit den Pfeiltasten durch '
          'die Tabelle. Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[GB]),
        L(4, 'Grosse Buchstaben lesen', 'Große Buchstaben lesen', 'AT_ZeichenLesen', 2,
          'Lies die großen Buchstaben: zuerst das Großschreibzeichen, dann den Buchstaben. \\ ' + WEITER,
          Lernzeichendateien=[GB], Leerzeichen=1, Wiederholungen=5),
        L(5, 'Grosse Buchstaben tippen', 'Große Buchstaben tippen', 'AT_ZeichenTippen', 3,
          'Tippe den genannten großen Buchstaben: erst das Großschreibzeichen mit den Tasten J und L, '
          'dann den Buchstaben. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[GB], MaxLernzeichenAnzahl=2, Wiederholungen=10),
        L(6, 'Hauptwoerter lesen', 'Hauptwörter lesen', 'AT_WortLesen', 3,
          'Lies Hauptwörter mit großem Anfangsbuchstaben, zum Beispiel [$hand] und [$zeit]. \\ ' + WEITER,
          Lernzeichendateien=[GS], Gelerntzeichendateien=VOR_GROSS, Woerterdateien=[N1], MaxWortLen=8,
          Wiederholungen=8),
        L(7, 'Hauptwoerter tippen', 'Hauptwörter tippen', 'AT_WortTippen', 4,
          'Tippe das genannte Hauptwort mit dem Großschreibzeichen am Anfang. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[GS], Gelerntzeichendateien=VOR_GROSS, Woerterdateien=[N1], MaxWortLen=7,
          Wiederholungen=8),
        L(8, 'Wort finden', 'Wort finden', 'AT_WortFinden', 3,
          'Finde das Hauptwort der Aufgabenzeile zwischen den anderen Wörtern. \\ ' + ROUTING,
          Lernzeichendateien=[GS], Gelerntzeichendateien=VOR_GROSS, Woerterdateien=[N1], Wiederholungen=5),
        L(9, 'Verstecktes Wort', 'Verstecktes Wort', 'AT_VerstecktesWort', 3,
          'Ein Hauptwort ist zwischen Füllzeichen versteckt. Finde jedes Vorkommen. \\ ' + ROUTING,
          Lernzeichendateien=[GS], Gelerntzeichendateien=VOR_GROSS, Woerterdateien=[N1], Leerzeichen='0',
          Wiederholungen=5),
        L(10, 'Grosse Woerter finden', 'Großgeschriebene Wörter finden', 'AT_ZeichenInWortFinden', 4,
          'In der Zeile stehen große und kleine Wörter. Finde alle Wörter mit dem Großschreibzeichen am '
          'Beginn. \\ ' + ROUTING,
          Lernzeichendateien=[GS], Gelerntzeichendateien=VOR_GROSS, Woerterdateien=[N1, W2, W3],
          MaxWortLen=7, Wiederholungen=5),
        L(11, 'Saetze lesen', 'Sätze lesen', 'AT_SatzLesen', 3,
          'Lies Sätze mit großen Buchstaben, zum Beispiel [$der $hund bellt.] \\ ' + WEITER,
          Lernzeichendateien=ALLES, Saetzedateien=[S7], Wiederholungen=8),
        L(12, 'Saetze tippen', 'Sätze tippen', 'AT_SatzTippen', 5,
          'Der Satz wird angesagt und gezeigt. Tippe ihn mit Großschreibzeichen und Satzzeichen. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=ALLES, Saetzedateien=[S7], Wiederholungen=5),
        L(13, 'Fehler suchen', 'Fehler suchen: groß oder klein', 'AT_Fehlersuche', 5,
          'In jedem Satz ist ein Wort falsch groß oder falsch klein geschrieben, manchmal auch zwei. '
          'Finde sie. \\ ' + ROUTING,
          Fehlersuchedateien=['Fehlersuche_Grossschreibung.dat'], Wiederholungen=10),
        L(14, 'Lueckentext', 'Lückentext: große Anfangsbuchstaben', 'AT_Lueckentext', 5,
          'In jeder Lücke fehlt ein großer Anfangsbuchstabe. Tippe ihn mit dem Großschreibzeichen, '
          'zum Beispiel [$d]. Mit Steuerung und Pfeil rechts kommst du zur nächsten Lücke. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lueckentextdateien=['Lueckentext_Grossschreibung.dat'], Wiederholungen=8),
        L(15, 'Brueckenwoerter', 'Brückenwörter', 'AT_Brueckenwoerter', 6,
          'Zwischen zwei Wörtern fehlt ein Wort, das mit beiden ein neues Wort bildet: zwischen '
          '[$fenster] und [$konto] fehlt [$bank], denn es gibt Fensterbank und Bankkonto. '
          'Tippe das fehlende Wort. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Brueckenwoerterdateien=['Brueckenwoerter_1.dat'], Wiederholungen=8),
        L(16, 'Woerter in Grossbuchstaben', 'Wörter in Großbuchstaben', 'AT_BuchstabenLernen', 2,
          'Ein Wort ganz in Großbuchstaben hat vorn das Zeichen [↑] mit den Punkten 4 und 5, danach die '
          'Buchstaben klein: [↑ice] ist der ICE, [↑wc] das WC. \\ Lerne das Zeichen, lies dann die Wörter '
          'darunter. Mit der Eingabetaste geht es weiter.',
          Lernzeichendateien=[GW], Gelerntzeichendateien=VOR_GROSS + [GS], Woerterdateien=[GWW],
          Wiederholungen=3),
        L(17, 'Saetze mit Grosswoertern lesen', 'Sätze mit Wörtern in Großbuchstaben lesen', 'AT_SatzLesen', 3,
          'Lies Sätze mit Wörtern in Großbuchstaben, zum Beispiel [$wo ist hier das ↑wc?] Vor dem Wort in '
          'Großbuchstaben stehen die Punkte 4 und 5. \\ ' + WEITER,
          Lernzeichendateien=ALLES_GW, Saetzedateien=[SGW], Wiederholungen=6),
        L(18, 'Grosswoerter tippen', 'Wörter in Großbuchstaben tippen', 'AT_WortTippen', 4,
          'Tippe das genannte Wort in Großbuchstaben: zuerst die Punkte 4 und 5 mit den Tasten J und K, '
          'dann die Buchstaben, zum Beispiel [↑wc] für WC. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=[GW], Gelerntzeichendateien=VOR_GROSS + [GS], Woerterdateien=[GWW],
          Wiederholungen=8),
    ])

BEREICH_8 = dict(
    ordner='08 Saetze lesen und schreiben',
    titel='08 Sätze lesen und schreiben',
    beschreibung='Alles zusammen: Sätze und kleine Texte lesen, schreiben, ergänzen und prüfen.',
    lektionen=[
        T(1, 'Tipps', 'Tipps zum Lesen', 1,
          'Ratschläge für flüssiges Lesen. \\ Lies den Text Zeile für Zeile. Mit der Eingabetaste geht es weiter.',
          'Du kennst jetzt alle Zeichen der Basisschrift. Ein paar Tipps für das weitere Üben: \\ '
          'Lies mit leichtem Druck und gleichmäßig von links nach rechts, ohne auf und ab zu reiben. \\ '
          'Lies mit beiden Zeigefingern: der rechte liest vor, der linke hält die Zeile. \\ '
          'Übe lieber jeden Tag kurz als einmal in der Woche lange. \\ '
          'Wenn ein Wort schwierig ist, lies es noch einmal langsam Buchstabe für Buchstabe.'),
        L(2, 'Saetze lesen', 'Sätze lesen', 'AT_SatzLesen', 4,
          'Lies Sätze aus dem Alltag, die auf eine Braillezeile passen. \\ ' + WEITER,
          Lernzeichendateien=ALLES, Saetzedateien=[S8], Wiederholungen=10),
        L(3, 'Lange Saetze lesen', 'Längere Sätze lesen', 'AT_SatzLesen', 5,
          'Lies längere Sätze. Reicht deine Braillezeile nicht, schalte mit den Tasten deiner Braillezeile '
          'weiter, bis der Satz zu Ende ist. \\ ' + WEITER,
          Lernzeichendateien=ALLES, Saetzedateien=[S9], CheckBraillezeilenbreite=0, Wiederholungen=8),
        L(4, 'Saetze tippen', 'Sätze nach Ansage tippen', 'AT_SatzTippen', 6,
          'Der Satz wird angesagt und in Schwarzschrift gezeigt. Tippe ihn in Blindenschrift, mit '
          'Großschreibzeichen, Zahlzeichen und Satzzeichen. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=ALLES, Saetzedateien=[S8], Wiederholungen=8),
        L(5, 'Saetze abschreiben', 'Sätze abschreiben', 'AT_SatzTippen', 6,
          'Der Satz steht in Blindenschrift in der Aufgabenzeile. Lies ihn und schreibe ihn genau ab. \\ '
          + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=ALLES_GW, Saetzedateien=[S7, S8, SGW], ZeigeNormaltext=0, Wiederholungen=8),
        L(6, 'Woerter lesen gemischt', 'Wörter lesen: alles gemischt', 'AT_WortLesen', 4,
          'Lies große und kleine Wörter aus dem ganzen Kurs, mit einer leeren Zelle dazwischen. \\ ' + WEITER,
          Lernzeichendateien=BUCHSTABEN + [GS], Gelerntzeichendateien=SATZZEICHEN + [ZZ, ZIF], Woerterdateien=KLEIN + [N1, N2], Leerzeichen=1,
          MaxWortLen=10, Wiederholungen=10),
        L(7, 'Woerter tippen gemischt', 'Wörter tippen: alles gemischt', 'AT_WortTippen', 6,
          'Tippe das genannte Wort, Hauptwörter mit dem Großschreibzeichen. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Lernzeichendateien=BUCHSTABEN + [GS], Gelerntzeichendateien=SATZZEICHEN + [ZZ, ZIF], Woerterdateien=KLEIN + [N1, N2], MaxWortLen=9,
          Wiederholungen=10),
        L(8, 'Wort finden gesperrt', 'Wort finden: gesperrt', 'AT_WortFinden', 5,
          'Alle Wörter sind gesperrt geschrieben. Finde das Wort der Aufgabenzeile. \\ ' + ROUTING,
          Lernzeichendateien=BUCHSTABEN + [GS], Gelerntzeichendateien=SATZZEICHEN + [ZZ, ZIF], Woerterdateien=KLEIN + [N1], Sperrdruck=1, MaxWortLen=5,
          Leerzeichen='1.2', Wiederholungen=5),
        L(9, 'Lueckentext', 'Lückentext', 'AT_Lueckentext', 7,
          'In jedem Satz fehlen Wörter oder Buchstaben. Was fehlt, ergibt sich aus dem Satz. Tippe es in die '
          'Lücken; mit Steuerung und Pfeil rechts kommst du zur nächsten. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Lueckentextdateien=['Lueckentext.dat'], Wiederholungen=10),
        L(10, 'Fehler suchen', 'Fehler suchen', 'AT_Fehlersuche', 7,
          'In jedem Satz steht ein falsches Wort. Lies genau und finde es. \\ ' + ROUTING,
          Fehlersuchedateien=['Fehlersuche.dat'], Wiederholungen=10),
        L(11, 'Brueckenwoerter', 'Brückenwörter', 'AT_Brueckenwoerter', 8,
          'Zwischen zwei Wörtern fehlt das Brückenwort, das mit beiden ein neues Wort bildet. '
          'Tippe es. \\ ' + TASTEN + ' \\ ' + PRUEFEN,
          Brueckenwoerterdateien=['Brueckenwoerter_2.dat'], Wiederholungen=10),
        L(12, 'Figuren finden auf Zeit', 'Figuren finden auf Zeit', 'AT_FigurFinden', 5,
          'Finde die genannte Figur; du hast zwei Minuten Zeit für jede Zeile. \\ ' + ROUTING,
          Figurendateien=[FIG], MaxFigurAnzahl=3, Leerzeichen=1, Wiederholungen=5, Zeitfaktor=120),
        L(13, 'Lesen auf Zeit', 'Wörter lesen auf Zeit', 'AT_WortLesen', 6,
          'Lies die Zeile, bevor die Zeit abläuft: eine Minute für jede Zeile. \\ ' + WEITER,
          Lernzeichendateien=BUCHSTABEN + [GS], Gelerntzeichendateien=SATZZEICHEN + [ZZ, ZIF], Woerterdateien=KLEIN + [N1], MaxWortLen=8,
          Wiederholungen=10, Zeitfaktor=60),
        T(14, 'Geschafft', 'Geschafft!', 10,
          'Der Abschluss des Kurses. \\ Lies den Text. Mit der Eingabetaste geht es weiter.',
          '[$herzlichen $glückwunsch!] \\ '
          'Du hast den ganzen Kurs der Basisschrift geschafft. \\ '
          'Übe weiter: lies jeden Tag ein wenig, zum Beispiel die Texte im BraillePad, und schreibe '
          'kleine Notizen in Blindenschrift. \\ '
          'Jede Lektion kannst du jederzeit wiederholen, auch einzeln aus den Bereichen.'),
    ])

BEREICHE = [BEREICH_1, BEREICH_2, BEREICH_3, BEREICH_4, BEREICH_5, BEREICH_6, BEREICH_7, BEREICH_8]

# Drills on characters that are easily mistaken for each other, at the end of
# the area that completes each set.
SP1 = 'Spiegelbilder_a-j.dat'
SP2 = 'Spiegelbilder_Alphabet.dat'
SZB = 'Satzzeichen_und_Buchstaben.dat'


def _drills(bereich, datei, titel, was, merk):
    n = len(bereich['lektionen'])
    bereich['lektionen'] += [
        L(n + 1, datei + ' finden', titel + ' finden', 'AT_ZeichenFinden', 3,
          'In der Zeile stehen nur ' + was + '. Finde jedes Vorkommen des genannten Zeichens. ' + merk + ' \\ '
          + ROUTING,
          Lernzeichendateien=[bereich['_drill']], Leerzeichen='1.1', MaxLernzeichenAnzahl=3, Wiederholungen=8),
        L(n + 2, datei + ' lesen', titel + ' lesen', 'AT_ZeichenLesen', 2,
          'Lies ' + was + ' von links nach rechts und nenne jedes Zeichen leise. ' + merk + ' \\ ' + WEITER,
          Lernzeichendateien=[bereich['_drill']], Leerzeichen=1, Wiederholungen=6),
    ]


BEREICH_1['_drill'] = SP1
_drills(BEREICH_1, 'Spiegelbilder', 'Spiegelbilder e/i, d/f, h/j',
        'die Buchstaben e, i, d, f, h und j',
        'Je zwei sind Spiegelbilder: [e] und [i], [d] und [f], [h] und [j]. Die Punkte sind links und rechts '
        'vertauscht; taste genau, welche Spalte mehr Punkte hat.')
BEREICH_4['_drill'] = SP2
_drills(BEREICH_4, 'Spiegelbilder', 'Spiegelbilder o/ö, r/w, z/ß, t/ü',
        'die Buchstaben o, ö, r, w, z, ß, t und ü',
        'Je zwei sind Spiegelbilder: [o] und [ö], [r] und [w], [z] und [ß], [t] und [ü]. Merkhilfe: ü, ö und ß '
        'sind h, i und s mit Punkt 6 dazu.')
BEREICH_5['_drill'] = SZB
_drills(BEREICH_5, 'Satzzeichen oder Buchstabe', 'Satzzeichen oder Buchstabe',
        'Buchstaben a bis j und Satzzeichen',
        'Viele Satzzeichen sind Buchstaben der ersten Reihe, eine Reihe tiefer: [a] wird zu [,], [b] zu [;], '
        '[c] zu [:], [e] zu [?], [f] zu [!], [g] zu [(], [h] zu [„] und [j] zu [“]. Fühle, ob oben ein Punkt ist.')
for _b in BEREICHE:
    _b.pop('_drill', None)

# The connected reading texts, at the end of their areas.
import braille  # noqa: E402
import lesetexte  # noqa: E402

LESETEXT_LEKTIONEN = []
for _b, _stufe, _datei, _titel, _art, _text in lesetexte.TEXTE:
    _bereich = BEREICHE[_b]
    _n = len(_bereich['lektionen']) + 1
    _zeilen = lesetexte.zeilen(_text)
    _bereich['lektionen'].append(
        T(_n, 'Lesetext ' + _datei, 'Lesetext: ' + _titel, 2,
          'Ein zusammenhängender Text zum Lesen, ' + _art + '. Er braucht nur Zeichen, die du schon kennst. \\ '
          'Lies ihn Zeile für Zeile mit den Fingern. Mit der Eingabetaste geht es weiter.',
          ' \\ '.join('[' + braille.brl(z) + ']' for z in _zeilen)))
    LESETEXT_LEKTIONEN.append((_b, _n))

# Collective lessons besides the whole course: (file, title, description,
# [(area index, lesson number)])
def _alle(bereich, ohne_text=True):
    return [(bereich, l['nr']) for l in BEREICHE[bereich]['lektionen']
            if not (ohne_text and l['typ'] == 'AT_Text')]


SAMMELLEKTIONEN = [
    ('Wiederholung_01_a-j.sam', 'Wiederholung: Buchstaben a bis j',
     'Alle Übungen zu den Buchstaben a bis j, ohne die Einführungstexte.', _alle(0)),
    ('Wiederholung_02_k-t.sam', 'Wiederholung: Buchstaben k bis t',
     'Alle Übungen zu den Buchstaben k bis t, ohne die Einführungstexte.', _alle(1)),
    ('Wiederholung_03_u-z.sam', 'Wiederholung: Buchstaben u bis z',
     'Alle Übungen zu den Buchstaben u bis z, ohne die Einführungstexte.', _alle(2)),
    ('Wiederholung_04_Umlaute.sam', 'Wiederholung: ä, ö, ü und ß',
     'Alle Übungen zu den Umlauten und dem Eszett.', _alle(3)),
    ('Wiederholung_05_Satzzeichen.sam', 'Wiederholung: Satzzeichen',
     'Alle Übungen zu den Satzzeichen.', _alle(4)),
    ('Wiederholung_06_Zahlen.sam', 'Wiederholung: Zahlen', 'Alle Übungen zu den Zahlen.', _alle(5)),
    ('Wiederholung_07_Grossbuchstaben.sam', 'Wiederholung: große Buchstaben',
     'Alle Übungen zu den großen Buchstaben.', _alle(6)),
    ('Lesetraining.sam', 'Lesetraining',
     'Nur Lesen: Zeichen, Wörter und Sätze aus allen Bereichen, vom Leichten zum Schweren.',
     [(0, 5), (0, 9), (0, 13), (1, 3), (1, 6), (1, 11), (2, 8), (2, 9), (2, 14), (3, 6), (3, 11),
      (4, 9), (5, 6), (5, 11), (6, 6), (6, 11), (6, 17), (7, 2), (7, 3)]),
    ('Schreibtraining.sam', 'Schreibtraining',
     'Nur Schreiben mit der Brailletastatur: Zeichen, Wörter und Sätze aus allen Bereichen.',
     [(0, 6), (0, 10), (0, 14), (0, 19), (1, 4), (1, 7), (1, 12), (1, 17), (2, 4), (2, 10), (2, 15),
      (3, 4), (3, 7), (3, 12), (4, 4), (4, 10), (5, 5), (5, 7), (5, 12), (6, 5), (6, 7), (6, 12),
      (6, 18), (7, 4), (7, 5), (7, 7)]),
    ('Lesetexte.sam', 'Lesetexte',
     'Alle zusammenhängenden Texte des Kurses, vom ersten bis zum letzten Bereich: Geschichten, Briefe, '
     'Rezepte und Nachrichten.', LESETEXT_LEKTIONEN),
    ('Raetsel.sam', 'Rätsel und Spiele',
     'Figuren, Fehlersuche, Lückentexte und Brückenwörter aus dem ganzen Kurs.',
     [(0, 3), (2, 16), (3, 13), (4, 11), (5, 13), (6, 13), (6, 14), (6, 15), (7, 9), (7, 10), (7, 11),
      (7, 12)]),
]
