"""Word groups and sentences of the course, in print; the generator makes their
braille forms.

Until the area "Großbuchstaben" the learner knows no capital sign, so the
word groups and sentences of the first six areas are written in small letters
only, and those of the first four areas without punctuation. Every list may
only use the characters known at its place in the course; the generator
checks that.
"""

# Area 1: only a to j.
WORTGRUPPEN_A_J = """
ich gehe
ich gebe
ich habe
ich bade
ich fege
ich gab
ich gehe ab
ich hebe ab
ich biege ab
ich gebe ab
ich habe dich
hab dich
gib ab
geh ab
ach je
ach ja
die idee
die fee
die eiche
die heide
jede idee
ich habe beide
ich gab die feige ab
die geige
"""

# Area 2: a to t (no u, v, w, x, y, z yet).
WORTGRUPPEN_A_T = """
ich lese
ich lerne
ich lerne lesen
sie lernt lesen
er liest
ich schreibe
ich lese gern
das ist leicht
das ist nicht schlimm
ich komme morgen
er kommt heim
ich bin so froh
sie ist nett
er ist lieb
ich kenne sie
ich mag dich
sie ist klein
es ist hell
es ist kalt
ich bin satt
ich bin bereit
sie ist fertig
es ist so still
er ist nicht hier
ich bleibe hier
sie bleibt da
ich liebe dich
ich denke nach
ich spiele mit
er spricht leise
ich spreche langsam
es regnet
es schneit
ich esse gern
es geht los
ich gehe heim
ich rechne
ich male
sie singt
er lacht
sie lacht oft
das ist richtig
das ist falsch
ich bin nicht allein
sie sind da
sie sind nett
ich finde es
ich finde es toll
er hilft mir
ich frage dich
ich helfe dir
hilf mir
komm mit
komm her
sieh hin
lies es
lies mit
lerne mit mir
spiel mit mir
bleib bei mir
ich bin bei dir
ich denke an dich
ich bin froh
sie ist schlank
es ist spannend
ich denke schon
sie lernt schnell
morgen kommt sie
"""

# Area 3: a to z.
WORTGRUPPEN_A_Z = """
wir sind zu zweit
du bist gut
wir lernen zusammen
wer ist das
was ist das
wo bist du
wie geht es dir
mir geht es gut
wir sehen uns
bis morgen
bis bald
ich warte auf dich
er wohnt hier
wir wohnen zusammen
das ist zu viel
das ist genug
es ist warm
es ist windig
wir fahren weg
du liest gut
du lernst schnell
wir lesen zusammen
wir schreiben viel
du schreibst schnell
ich verstehe dich
verstehst du mich
ich zeige es dir
zeig es mir
wir gewinnen
wir gehen spazieren
er schwimmt gut
sie tanzt gut
wir tanzen zusammen
wir sind bereit
du bist dran
jetzt bist du dran
wir warten
das war gut
das war super
es war schwer
es war leicht
ich war da
wir waren dort
wo warst du
ich vermisse dich
wir versuchen es
versuch es noch einmal
du schaffst das
ich schaffe das
wir schaffen das
es wird gut
alles wird gut
ich suche etwas
wir haben viel gelernt
du hast recht
wir kommen gleich
wann kommst du
wohin gehst du
warum nicht
ganz genau
so ist es
zwei und zwei sind vier
wir sind zu viert
"""

# Area 4: with ä, ö, ü, ß.
WORTGRUPPEN_UMLAUTE = """
ich höre gut zu
das ist schön
es ist spät
es ist heiß
ich weiß es
ich weiß es nicht
für dich
das ist für dich
wir müssen los
du bist müde
ich bin müde
wir sind fröhlich
grüß dich
ich möchte lesen
möchtest du mitkommen
ich würde gern kommen
wir würden gern kommen
das ist süß
es ist kühl
es ist nötig
das ist möglich
das ist unmöglich
wir hören zu
hör gut zu
du fährst gut
er fährt schnell
sie läuft weg
er schläft
sie schläft schon
das wäre schön
ich übe gern
wir üben zusammen
öffne die tür
ich schließe ab
ich grüße dich
mir ist heiß
mir ist übel
ich fühle mich wohl
wir fühlen uns wohl
ich zähle bis drei
du zählst gut
ich bin so glücklich
wir sind glücklich
das gefällt mir
das hört sich gut an
ich spüre es
es tut mir leid
draußen ist es kalt
ich weiß schon
wir müssen üben
du musst nicht gehen
ich möchte es wissen
später vielleicht
wir lösen es
"""

# Area 5: punctuation, still in small letters.
SAETZE_SATZZEICHEN = """
ja, gern!
nein, danke.
wer ist da?
wie geht es dir?
mir geht es gut.
komm schnell!
hallo, wie geht es?
bist du müde?
ich bin müde; du auch?
hör zu: das ist wichtig.
eins, zwei, drei!
bitte warte!
warum nicht?
was ist los?
wo bist du?
ich komme gleich!
danke, das ist nett.
ach so!
also, los geht es!
es regnet; wir bleiben drinnen.
ich weiß: es ist spät.
schön, dass du da bist!
wann kommst du?
komm, wir gehen!
ja, ich komme mit.
sag mal, wo warst du?
sie sagt: „ja.“
er ruft: „hallo!“
„komm!“, ruft sie.
„wer ist da?“, fragt er.
(das ist wichtig.)
wie geht's?
ich hab's!
schwarz-weiß ist schön.
rot, gelb, grün: alles ist bunt.
bist du bereit? dann los!
hilfe! wo seid ihr?
leise, bitte!
wer, wie, was?
heute nicht, morgen vielleicht.
langsam, ganz langsam.
ja oder nein?
ich lese; du schreibst.
„danke!“, sagt sie leise.
zuerst lesen, dann schreiben.
gut gemacht!
nicht so schnell!
kommst du mit? ja!
"""

# Area 6: numbers, still in small letters.
SAETZE_ZAHLEN = """
1, 2, 3, los!
4 und 5 sind 9.
2 mal 3 ist 6.
10 minus 4 ist 6.
3 und 3 sind 6.
von 8 bis 12
seit 1989
ab 18
bis 2030
wir sind zu 4.
ich bin 35.
er wird 40.
sie ist 7.
zähle laut bis 10.
es ist 12.
100 ist mehr als 10.
ich zähle: 1, 2, 3.
1000 ist viel.
7 und 8 sind 15.
20 minus 5 ist 15.
5 mal 5 ist 25.
wir waren 12.
sie wird 18.
er ist 90.
von 1 bis 100
ich komme um 8.
von 2010 bis 2020
seit 2015 lerne ich.
9 und 1 sind 10.
6 mal 7 ist 42.
50 und 50 sind 100.
11, 12, 13, 14
3 ist weniger als 5.
8 ist mehr als 6.
es ist 7.30 uhr.
der bus kommt um 8.15 uhr.
wir essen um 12.30 uhr.
das brot kostet 2,50 euro.
die milch kostet 1,19 euro.
das macht 4,80 euro.
ein kaffee kostet 3 euro.
heute ist der 3. mai.
mein geburtstag ist am 14.7.
am 24.12. ist heiligabend.
ich bin am 2.4.1990 geboren.
meine nummer ist 0711 234567.
ruf mich an: 030 987654.
ich wohne in nummer 5b.
das zimmer ist 12a.
der zug fährt von gleis 3.
es sind 21,5 grad.
ich laufe 2,5 kilometer.
"""

# Area 7: capital letters, full sentences.
SAETZE_GROSS = """
Das ist mein Haus.
Der Hund bellt.
Die Katze schläft.
Ich heiße Anna.
Mein Name ist Peter.
Wir wohnen in Berlin.
Das Kind spielt.
Die Sonne scheint.
Es regnet heute.
Der Tee ist heiß.
Die Suppe ist kalt.
Ich trinke Kaffee.
Wir essen Brot.
Das Buch ist neu.
Der Garten ist groß.
Die Blume ist rot.
Mein Vater kocht.
Meine Mutter liest.
Der Zug kommt.
Das Auto ist alt.
Ich lerne Braille.
Heute ist Montag.
Morgen ist Dienstag.
Im Mai blüht der Baum.
Anna und Tom lachen.
Wo ist der Schlüssel?
Wie heißt du?
Hast du Hunger?
Ich habe Durst.
Das Wasser ist klar.
Der Winter ist kalt.
Im Sommer ist es warm.
Wir fahren nach Hamburg.
Die Tür ist offen.
Das Fenster ist zu.
Ich höre Musik.
Der Vogel singt.
Am Abend lese ich.
Die Uhr tickt.
Mein Bruder heißt Max.
Meine Schwester heißt Lea.
Der Apfel ist süß.
Die Zitrone ist sauer.
Das Brot ist frisch.
Die Milch ist kalt.
Ich mag Schokolade.
Der Ball ist rund.
Guten Morgen, Anna!
Gute Nacht, Tom!
Herzlich willkommen!
Frohe Weihnachten!
Viel Glück!
Alles Gute!
"""

# Area 7, at its end: words in capitals (dots 4 5 in front), in everyday
# sentences.
SAETZE_GROSSWOERTER = """
Der ICE fährt nach Berlin.
Der ICE kommt um 9 Uhr.
Ich fahre gern mit dem ICE.
Ich schreibe dir eine SMS.
Danke für deine SMS!
Wo ist hier das WC?
Das WC ist links.
Gibt es hier WLAN?
Das WLAN geht wieder.
Wir sind Mitglied im ADAC.
Ich höre eine CD.
Die CD liegt im Auto.
Wir schauen eine DVD.
Der PC ist neu.
Der LKW ist sehr lang.
Die Kinder lernen das ABC.
Gib deine PIN ein.
"""

# Area 8: sentences of every kind, short ones (they fit a braille line of 40
# cells) and longer ones.
SAETZE_KURZ = """
Ich lese jeden Tag ein wenig.
Die Punktschrift hat sechs Punkte.
Wir lesen mit den Fingern.
Louis Braille lebte in Frankreich.
Er erfand die Punktschrift.
Jede Zelle hat zwei Spalten.
Der Buchstabe a hat Punkt 1.
Mein Tag beginnt früh.
Ich stehe um 7 Uhr auf.
Zum Frühstück esse ich Brot.
Dann trinke ich eine Tasse Tee.
Um 8 Uhr fährt mein Bus.
Der Bus ist heute voll.
Im Büro ist es ruhig.
Mittags gehe ich essen.
Am Nachmittag habe ich frei.
Ich gehe gern spazieren.
Der Park ist nicht weit.
Dort singen die Vögel.
Am Abend koche ich Suppe.
Mein Freund kommt zu Besuch.
Wir spielen Karten.
Um 10 Uhr gehe ich schlafen.
Das Wetter ist heute schön.
Morgen soll es regnen.
Im Herbst fallen die Blätter.
Im Winter liegt Schnee.
Im Frühling blühen die Blumen.
Ich mag den Sommer am liebsten.
Wir fahren ans Meer.
Am Strand ist es warm.
Das Wasser ist klar und kühl.
Ich kaufe Äpfel und Birnen.
Die Äpfel kosten 3 Euro.
Der Bäcker hat frisches Brot.
Ich brauche noch Milch.
Die Kasse ist dort vorne.
Haben Sie eine Tüte?
Danke, das ist alles.
Wie spät ist es?
Es ist 12 Uhr.
Wann fährt der Zug?
Der Zug fährt um 9 Uhr.
Wo ist der Bahnhof?
Gehen Sie geradeaus!
Dann biegen Sie links ab.
Wie viel kostet das?
Das kostet 5 Euro.
Kann ich Ihnen helfen?
Ja, bitte.
Nein, danke.
Ich rufe dich morgen an.
Mein Akku ist leer.
Hast du meine Nummer?
Meine Oma wird 80 Jahre alt.
Wir feiern im Garten.
Es gibt Kuchen und Kaffee.
Alle singen ein Lied.
Das Fest war sehr schön.
Ich übe jeden Tag.
Übung macht den Meister.
Lesen macht mir Spaß.
Ich schreibe einen Brief.
Der Brief ist für Oma.
Die Post kommt um 10 Uhr.
Unser Hund heißt Bello.
Er spielt gern mit dem Ball.
Die Katze sitzt am Fenster.
Sie schaut den Vögeln zu.
Im Wald ist es still.
Der Fuchs schläft im Bau.
Ein Igel sucht Futter.
Die Kinder spielen draußen.
Sie bauen einen Schneemann.
Ist das dein Schal?
Nein, das ist nicht meiner.
Wo hast du das gekauft?
Das weiß ich nicht mehr.
Mein Zimmer ist klein.
Es hat ein großes Fenster.
Ich höre gern Radio.
Heute läuft ein gutes Hörspiel.
Die Nachrichten beginnen gleich.
Es ist Zeit für eine Pause.
Ich bin müde und gehe schlafen.
Gute Nacht und schlaf gut!
"""

SAETZE_LANG = """
Die Punktschrift wurde vor rund 200 Jahren erfunden.
Louis Braille war erst 15 Jahre alt, als er sie erfand.
Jedes Zeichen besteht aus bis zu sechs Punkten.
Die Punkte 1, 2 und 3 stehen links, die Punkte 4, 5 und 6 rechts.
Die Buchstaben a bis j stehen in der oberen Hälfte der Zelle.
Für k bis t kommt zu a bis j der Punkt 3 dazu.
Für u, v, x, y und z kommen die Punkte 3 und 6 dazu.
Das w ist anders, weil es im Französischen fehlte.
Vor einer Zahl steht das Zahlzeichen mit den Punkten 3, 4, 5 und 6.
Vor einem großen Buchstaben steht das Großschreibzeichen.
Am Anfang liest man langsam, aber das ändert sich bald.
Wer jeden Tag ein wenig übt, liest bald viel schneller.
Am besten liest man mit beiden Händen.
Die rechte Hand liest vor, die linke hält die Zeile.
Auf der Braillezeile erscheint der Text als Punkte.
Am Sonntag fahren wir mit dem Zug zu meiner Tante.
Sie wohnt in einem kleinen Dorf am Rand des Waldes.
In ihrem Garten wachsen Äpfel, Birnen und Kirschen.
Nach dem Essen gehen wir gemeinsam im Wald spazieren.
Am Abend bringt uns mein Onkel wieder zum Bahnhof.
Im Sommer waren wir zwei Wochen an der Nordsee.
Jeden Morgen sind wir am Strand entlanggelaufen.
Das Wasser war kalt, aber wir sind trotzdem geschwommen.
Meine Nachbarin hat mir gestern einen Kuchen gebracht.
Ich habe mich sehr über die Überraschung gefreut.
Morgen lade ich sie zu einer Tasse Kaffee ein.
Wenn es regnet, bleiben wir zu Hause und lesen.
Mein Lieblingsbuch handelt von einer langen Reise.
Ein Junge fährt mit einem Schiff über das Meer.
Unterwegs erlebt er viele spannende Abenteuer.
Zum Geburtstag wünsche ich dir alles Gute.
Bleib gesund und hab ein schönes neues Lebensjahr!
Kannst du mir bitte sagen, wie spät es ist?
Entschuldigung, wo finde ich die nächste Haltestelle?
Der Bus Nummer 12 fährt alle 10 Minuten.
Bitte steigen Sie hinten ein und vorne aus.
In der Bücherei leihe ich mir zwei Hörbücher aus.
Die Bäckerin sagt, das Brot ist noch warm.
Das Konzert beginnt heute Abend um 20 Uhr.
Wir treffen uns eine halbe Stunde vorher am Eingang.
"""
