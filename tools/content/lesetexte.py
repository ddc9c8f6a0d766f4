"""Connected reading texts of the course: short stories, letters, recipes and
news, graded by what has been taught.

Each text belongs to an area (index into lektionen.BEREICHE) and a stage: the
characters it may use. The generator checks every line against its stage,
against liblouis and against the German rules, then writes each text as a
text lesson at the end of its area and as a BraillePad text in Texte/.
"""

KLEIN_A_J = set('abcdefghij ')
KLEIN_A_T = set('abcdefghijklmnopqrst ')
KLEIN_A_Z = set('abcdefghijklmnopqrstuvwxyz ')
UMLAUTE = KLEIN_A_Z | set('äöüß')
SATZZEICHEN = UMLAUTE | set('.,;:?!-\'()„“§')
ZAHLEN = SATZZEICHEN | set('#1234567890')
ALLES = ZAHLEN | {'$'}

# (area index, stage, file name, title, kind, lines)
TEXTE = [
    (0, KLEIN_A_J, 'Die Feige', 'Die Feige', 'eine kleine Szene', '''
gib die feige
ach je
ich habe beide
ich gebe beide ab
'''),
    (1, KLEIN_A_T, 'Im Garten', 'Im Garten', 'eine kleine Geschichte', '''
im garten ist es hell
die sonne scheint
ein igel liegt im gras
die kinder spielen fangen
dann kommt ein regen
alle rennen heim
der igel bleibt liegen
er mag regen
'''),
    (1, KLEIN_A_T, 'Liebe Oma', 'Liebe Oma', 'ein Brief', '''
liebe oma
ich lerne lesen
ich lese schon gern
ich lese jeden tag ein bisschen
am abend lese ich mit tante lisa
bis bald
deine anna
'''),
    (2, KLEIN_A_Z, 'Am See', 'Am See', 'eine kleine Geschichte', '''
am sonntag fahren wir an den see
wir nehmen brot und wasser mit
das wasser ist klar und kalt
wir schwimmen ein wenig
dann essen wir zusammen
am abend sind wir satt und zufrieden
'''),
    (2, KLEIN_A_Z, 'Tee kochen', 'Tee kochen', 'ein Rezept', '''
tee kochen
nimm einen topf mit wasser
koche das wasser
gib den tee in eine kanne
gib das wasser dazu
warte drei minuten
dann ist der tee fertig
trink ihn langsam
'''),
    (3, UMLAUTE, 'Unser Hund', 'Unser Hund', 'eine kleine Geschichte', '''
unser hund heißt bello
er ist klein und fröhlich
jeden morgen gehen wir zum see
er läuft schnell und bellt laut
am see trinkt er wasser
danach schläft er müde in seinem korb
'''),
    (3, UMLAUTE, 'Fruehstueck', 'Frühstück', 'eine kleine Geschichte', '''
am morgen frühstücken wir zusammen
es gibt brötchen mit käse und honig
ich trinke süßen tee
mein bruder möchte müsli
danach räumen wir die küche auf
das frühstück ist schön
'''),
    (4, SATZZEICHEN, 'Am Telefon', 'Am Telefon', 'ein Gespräch', '''
„hallo, hier ist tom.“
„hallo, tom! wie geht es dir?“
„gut, danke. hast du heute zeit?“
„ja, am nachmittag.“
„prima! dann gehen wir ins kino.“
„gern, bis später!“
'''),
    (4, SATZZEICHEN, 'Einkaufszettel', 'Der Einkaufszettel', 'eine Liste', '''
mein einkaufszettel:
brot, butter, käse;
äpfel, birnen, bananen;
milch und saft.
nicht vergessen: kaffee!
'''),
    (5, ZAHLEN, 'Pfannkuchen', 'Pfannkuchen', 'ein Rezept', '''
pfannkuchen für 4 personen
250 gramm mehl, 3 eier, 500 milliliter milch und 1 prise salz.
alles gut verrühren und 30 minuten ruhen lassen.
dann in einer pfanne mit etwas butter backen.
guten appetit!
'''),
    (5, ZAHLEN, 'Auf dem Markt', 'Auf dem Markt', 'eine kleine Geschichte', '''
auf dem markt ist viel los.
1 kilo äpfel kostet 2,50 euro.
die erdbeeren kosten 3,99 euro.
der markt ist von 8 bis 13 uhr offen.
wir kaufen ein und zahlen 8,49 euro.
'''),
    (6, ALLES, 'Neue Buecherei', 'Neue Bücherei in der Altstadt', 'eine Nachricht', '''
Neue Bücherei in der Altstadt
Am Samstag öffnet in der Altstadt eine neue Bücherei.
Dort gibt es viele Bücher in Blindenschrift und Hörbücher.
Die Bücherei ist von Montag bis Freitag von 10 bis 18 Uhr geöffnet.
Der Eintritt ist frei.
'''),
    (6, ALLES, 'Liebe Marie', 'Liebe Marie', 'ein Brief', '''
Liebe Marie,
vielen Dank für deinen Brief! Ich habe mich sehr gefreut.
Jetzt kann ich schon Blindenschrift lesen und schreiben.
Am Wochenende besuche ich dich in Hamburg.
Bis bald und viele Grüße,
deine Lena
'''),
    (7, ALLES, 'Ein Tag am Meer', 'Ein Tag am Meer', 'eine Geschichte', '''
Ein Tag am Meer
Am Morgen packen wir unsere Taschen: Handtücher, Wasser und Brote.
Um 9 Uhr fahren wir mit dem Zug los.
Nach 2 Stunden sind wir am Meer. Der Wind ist frisch, die Wellen sind hoch.
Wir laufen barfuß durch den Sand und sammeln Muscheln.
Zum Mittag essen wir Fischbrötchen.
„Das war ein schöner Tag!“, sagt meine Schwester am Abend.
'''),
    (7, ALLES, 'Das Wetter', 'Das Wetter für morgen', 'ein Wetterbericht', '''
Das Wetter für morgen
Im Norden scheint die Sonne, es wird bis zu 24 Grad warm.
Im Süden gibt es am Nachmittag Regen und Gewitter.
In der Nacht kühlt es auf 12 Grad ab.
Am Wochenende bleibt es freundlich.
'''),
    (7, ALLES, 'Apfelkuchen', 'Apfelkuchen', 'ein Rezept', '''
Apfelkuchen
Du brauchst 4 Äpfel, 200 Gramm Mehl, 100 Gramm Zucker, 125 Gramm Butter und 2 Eier.
Schäle die Äpfel und schneide sie in kleine Stücke.
Verrühre Mehl, Zucker, Butter und Eier zu einem Teig.
Gib den Teig in eine Form und lege die Äpfel darauf.
Backe den Kuchen 45 Minuten bei 180 Grad.
'''),
]


def zeilen(text):
    return [z.strip() for z in text.strip().split('\n') if z.strip()]
