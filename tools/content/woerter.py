"""Word stock of the course, in rough order of frequency (common words first).

Every word is checked against the German word list /usr/share/dict/ngerman;
a word that is not there is left out (so a typo cannot reach a data file).
The base forms dominate: the generator adds regular inflected forms only of
the most common verbs and adjectives (the first ones of their lists) when the
word list knows them, and lists the most common words twice, so that they are
drawn twice as often.

Small words (function words, verbs, adjectives, adverbs) are written in small
letters everywhere and can be used from the first area on; nouns need the
capital sign and are used from the area "Großbuchstaben" on.
"""

# Function words, pronouns, adverbs, particles, number words.
KLEINWOERTER = """
der die das und in zu den von mit sich des auf für ist im dem nicht ein eine
als auch es an er so dass sie nach wird bei einer um am sind noch wie einem
über einen zum war haben nur oder aber vor zur bis mehr durch man sein wurde
sei hat ich wir ihr du mich dich mir dir uns euch ihm ihn ihnen wer was wo
wann warum wieso woher wohin welche welcher welches welchen dieser diese
dieses diesem diesen kein keine keinen keiner keinem mein meine meinen meinem
meiner dein deine deinen deinem deiner seine seinen seinem seiner ihre ihren
ihrem ihrer unser unsere unseren unserem unserer euer eure euren alle alles
allen aller viel viele vielen wenig wenige etwas nichts jemand niemand jeder
jede jedes jeden jedem hier da dort heute morgen gestern jetzt dann schon
immer nie oft manchmal bald gleich sehr ganz gern gerne wieder doch ja nein
vielleicht wohl sogar fast kaum genug zusammen allein oben unten vorn hinten
links rechts draußen drinnen innen außen hinein heraus herein hinaus weg fort
zurück vorbei vorher nachher später früher danach dabei damit dafür dagegen
darum daran darauf darin davon dazu deshalb deswegen trotzdem also denn weil
wenn ob obwohl während bevor nachdem seit seitdem sobald solange sondern sowie
entweder weder zwar aus ohne gegen unter neben zwischen hinter außer statt
trotz wegen innerhalb außerhalb entlang gegenüber ab pro je etwa ungefähr
bereits erst endlich plötzlich sofort leider hoffentlich eigentlich wirklich
besonders ziemlich überall nirgends irgendwo irgendwie sonst ebenfalls ebenso
außerdem übrigens eben halt mal bitte danke hallo ach oh na tja nun
einmal zweimal dreimal mehrmals abends morgens mittags nachts tagsüber
anfangs zuerst zuletzt damals heutzutage neulich stets meist meistens
häufig selten ständig dauernd kürzlich zunächst schließlich mitten unterwegs
daheim nebenan nahe gerade geradeaus vorwärts rückwärts aufwärts abwärts
oft wohin hierher dorthin irgendwann jemals nirgendwo sowieso jedenfalls
immerhin ohnehin bisher bislang ebenso anders umsonst gratis beinahe
nämlich ebenfalls insgesamt vielmehr wenigstens mindestens höchstens
eins zwei drei vier fünf sechs sieben acht neun zehn elf zwölf dreizehn
zwanzig dreißig vierzig fünfzig sechzig siebzig achtzig neunzig hundert
tausend erste zweite dritte vierte fünfte sechste siebte achte neunte zehnte
ersten zweiten dritten letzten nächsten halb beide beiden beides
einander miteinander nacheinander zueinander selbst selber solche solcher
solches manche mancher manches einige einiger einiges mehrere sämtliche
derselbe dieselbe dasselbe jene jener jenes ihres seines deines meines
wessen wem wen denen deren dessen
"""

# Verbs, infinitive; common ones first.
VERBEN = """
sein haben werden können müssen sagen machen geben kommen sollen wollen gehen
wissen sehen lassen stehen finden bleiben liegen heißen denken nehmen tun
dürfen glauben halten nennen mögen zeigen führen sprechen bringen leben
fahren meinen fragen kennen gelten stellen spielen arbeiten brauchen folgen
lernen bestehen verstehen setzen bekommen beginnen erzählen versuchen
schreiben laufen erklären sitzen ziehen scheinen fallen gehören entstehen
erhalten treffen suchen legen handeln erreichen tragen schaffen lesen
verlieren erkennen entwickeln reden aussehen erscheinen bilden anfangen
erwarten wohnen warten vergehen helfen gewinnen schließen fühlen bieten
erinnern ergeben studieren verbinden fehlen bedeuten vergleichen rufen
kaufen hoffen lieben essen trinken schlafen singen tanzen lachen weinen
hören riechen schmecken malen zeichnen rechnen zählen kochen backen putzen
waschen baden duschen öffnen drücken tippen tasten greifen fassen fangen
werfen schwimmen springen rennen wandern reisen fliegen klettern schieben
bauen träumen wünschen danken grüßen bitten antworten schreien flüstern
schweigen lächeln nicken winken zahlen kosten sparen leihen schenken
verkaufen tauschen wählen wechseln ändern drehen stecken hängen heben holen
schicken senden packen räumen ordnen sortieren prüfen üben wiederholen
merken vergessen planen enden aufhören dauern passen gefallen freuen ärgern
hassen wundern staunen fürchten sorgen kümmern pflegen heilen kämpfen siegen
feiern gratulieren einladen besuchen sterben wachsen blühen regnen schneien
leuchten brennen kühlen frieren schmelzen kleben schneiden nähen stricken
füllen leeren gießen mischen rühren schälen braten grillen frühstücken
telefonieren fotografieren reparieren funktionieren probieren kontrollieren
benutzen nutzen gebrauchen verwenden erlauben verbieten
berichten beschreiben bestellen bezahlen empfehlen entdecken entscheiden
entschuldigen erfahren erfinden erleben ernähren erwähnen fordern
fördern gestalten gründen heiraten herrschen informieren klingen klopfen
lehren leiden leiten liefern lohnen löschen lösen melden
messen mieten nähern nützen opfern pflanzen raten rauchen reichen
reinigen reiten retten richten rollen sammeln schauen schätzen
schalten schenken schieben schimpfen schlagen schleichen schmücken schützen
schwitzen segeln senken sichern sinken sparen speichern sperren spüren
starten staunen stehlen steigen stimmen stoppen stören strahlen streichen
streiten stürzen suchen teilen töten trainieren trauen trennen turnen üben
überlegen überraschen übersetzen umarmen unterscheiden unterrichten
unterstützen untersuchen verändern verbessern verdienen
verhindern verlangen verlassen vermeiden vermissen verraten verreisen
versprechen verstecken vertrauen verzeihen vorbereiten wagen wecken wehren
wenden wiegen wischen zaubern zielen zittern
zögern zwingen atmen bellen beten biegen binden blasen blicken borgen
buchen bücken dienen donnern drängen drohen duften eilen einkaufen
erben ernten fegen frieren gähnen gleiten glühen graben
grinsen hüpfen husten jagen jammern jubeln kauen kehren kitzeln
klatschen kleiden klettern knallen knurren kratzen kriegen küssen landen
lauschen lenken locken loben lügen mähen naschen
niesen parken pfeifen platzen plaudern polieren quälen rasen
rascheln rauschen reiben reißen rutschen schaukeln schimmern
schleppen schmieren schnarchen schnüffeln schreiben schütteln
schwanken schweben seufzen spazieren spenden spritzen stapeln
sticken stolpern streicheln summen surfen tauchen toben trösten
tropfen tuscheln wackeln wandern wehen wickeln wiehern zelten zupfen
abholen anrufen aufmachen aufstehen ausgehen aussteigen einsteigen umsteigen
mitkommen mitnehmen zuhören zumachen ankommen abfahren anziehen ausziehen
aufräumen einschlafen aufwachen vorlesen nachsehen weitergehen
"""

# Irregular forms that the regular rules do not make.
VERBFORMEN = """
bin bist ist sind seid war waren gewesen habe hast hat habt hatte hatten
gehabt werde wirst wird werdet wurde wurden geworden kann kannst konnte
könnte muss musst musste soll sollst sollte will willst wollte darf darfst
durfte mag magst mochte möchte möchtest möchten weiß weißt wusste gibst gibt
gab gegeben kam gekommen ging gegangen sah gesehen siehst sieht lässt ließ
stand fand gefunden blieb geblieben lag hieß dachte gedacht nimmst nimmt nahm
genommen tut tat getan hält hielt nannte sprichst spricht sprach gesprochen
brachte gebracht fährst fährt fuhr gefahren kannte begann begonnen schrieb
geschrieben läuft lief gelaufen saß zog schien fällt fiel trifft traf
getroffen trägt trug liest las gelesen sprang schwamm flog rannte half hilft
geholfen rief gerufen isst aß gegessen trank getrunken schläft schlief
geschlafen sang gesungen wusch warf wirft fing fängt hob stieg wächst wuchs
vergaß vergessen vergisst bat bot roch schnitt verstand verstanden bekam
"""

ADJEKTIVE = """
gut groß neu klein alt lang hoch jung schön schnell langsam leicht schwer
warm kalt heiß kühl hell dunkel laut leise früh spät weit nah kurz breit
schmal dick dünn voll leer reich arm stark schwach krank gesund müde wach
froh traurig glücklich lustig ernst klug dumm richtig falsch wahr sicher
frei offen still ruhig nett lieb böse freundlich höflich ehrlich fleißig
faul wichtig einfach schwierig möglich nötig fertig bereit klar rund spitz
weich hart glatt rau nass trocken sauber schmutzig frisch süß sauer salzig
bitter scharf rot blau grün gelb weiß schwarz grau braun rosa lila bunt
billig teuer günstig modern gleich ähnlich anders eigen letzte nächste
bekannt berühmt fremd deutsch schlecht echt gemeinsam bestimmt tief flach
dicht fern gerade schief eng genau ganz wild zahm treu tapfer mutig feige
stolz bescheiden geduldig ungeduldig zufrieden wütend ängstlich neugierig
hungrig durstig satt sauber pünktlich ordentlich vorsichtig aufmerksam
beliebt berühmt bequem gemütlich herrlich prima toll super wunderbar
schrecklich furchtbar komisch seltsam merkwürdig interessant langweilig
spannend gefährlich harmlos praktisch nützlich teuer wertvoll selten
häufig üblich normal besonders allgemein öffentlich privat persönlich
politisch sozial wirtschaftlich international national regional
natürlich künstlich echt einzig ewig
jährlich täglich wöchentlich monatlich sanft zart mild heftig
riesig winzig hübsch hässlich sympathisch charmant
witzig fröhlich heiter munter lebendig tot blind taub stumm schlau weise
klug gescheit erfahren geschickt begabt fähig bereit
schwanger gesund fit stabil locker fest lose knapp
reif roh gar lecker köstlich saftig knusprig zäh weich fett
schlank schwer leicht eilig flink rasch fix ruhig unruhig
nervös entspannt locker streng lieblich friedlich feindlich
"""

# Nouns, common ones first (they need the capital sign).
NOMEN = """
Zeit Jahr Mensch Tag Mann Frau Kind Haus Hand Welt Leben Land Stadt Auge
Frage Arbeit Weg Teil Ende Geld Kopf Wort Seite Name Platz Fall Schule
Freund Familie Vater Mutter Bruder Schwester Sohn Tochter Eltern Oma Opa
Tante Onkel Baby Junge Mädchen Herr Dame Nachbar Gast Chef Lehrer Arzt
Woche Monat Stunde Minute Sekunde Morgen Abend Nacht Mittag Sonntag Montag
Dienstag Mittwoch Donnerstag Freitag Samstag Januar Februar März April Mai
Juni Juli August September Oktober November Dezember Frühling Sommer Herbst
Winter Wetter Sonne Mond Stern Himmel Wolke Regen Schnee Wind Sturm Eis
Wasser Feuer Erde Luft Licht Baum Blume Gras Blatt Wald Wiese Feld Berg Tal
Fluss See Meer Insel Strand Sand Stein Garten Park Weg Straße Dorf Markt
Kirche Brücke Bahnhof Hafen Schiff Boot Auto Bus Zug Bahn Rad Fahrrad Taxi
Flugzeug Ticket Reise Urlaub Hotel Zimmer Tür Fenster Wand Boden Dach Treppe
Küche Bad Keller Flur Tisch Stuhl Bett Sofa Schrank Lampe Uhr Bild Buch Brief
Karte Zeitung Heft Stift Papier Telefon Handy Computer Tastatur Maus Radio
Fernseher Musik Lied Film Spiel Ball Sport Hund Katze Pferd Kuh Schwein
Schaf Ziege Huhn Ente Gans Vogel Fisch Maus Hase Igel Fuchs Wolf Bär Löwe
Tiger Affe Elefant Biene Fliege Spinne Schnecke Frosch Schlange Essen Brot
Butter Käse Wurst Fleisch Ei Milch Kaffee Tee Saft Wein Bier Zucker Salz
Pfeffer Suppe Salat Obst Apfel Birne Banane Kirsche Erdbeere Traube Zitrone
Orange Gemüse Kartoffel Tomate Gurke Möhre Zwiebel Kuchen Keks Honig Reis
Nudel Pizza Frühstück Mittagessen Abendessen Hunger Durst Teller Tasse Glas
Gabel Messer Löffel Topf Pfanne Flasche Kleid Hose Hemd Jacke Mantel Schuh
Socke Hut Mütze Schal Rock Pullover Tasche Koffer Brille Ring Kette Körper
Gesicht Nase Mund Ohr Haar Zahn Hals Arm Bein Fuß Finger Rücken Bauch Herz
Blut Haut Stimme Gesundheit Krankheit Schmerz Fieber Medizin Apotheke
Krankenhaus Praxis Termin Büro Firma Beruf Geschäft Laden Kasse Preis Euro
Cent Bank Konto Post Paket Adresse Nummer Zahl Punkt Linie Kreis Ecke Mitte
Anfang Schluss Ziel Grund Sache Ding Idee Plan Problem Antwort Beispiel
Geschichte Text Satz Buchstabe Zeichen Zeile Sprache Deutsch Englisch
Unterricht Klasse Lehrerin Schüler Schülerin Student Prüfung Aufgabe Übung
Fehler Note Ferien Pause Feier Fest Party Geburtstag Geschenk Weihnachten
Ostern Hochzeit Liebe Glück Freude Angst Mut Ruhe Lärm Krach Spaß Witz
Gefühl Gedanke Traum Wunsch Hoffnung Erfolg Gefahr Hilfe Dank Bitte Gruß
Kuss Leute Volk Staat Regierung Politik Gesetz Recht Polizei Gericht Krieg
Frieden Armee Soldat König Königin Prinz Prinzessin Ritter Burg Schloss
Turm Mauer Tor Zaun Hof Stall Scheune Bauer Bäuerin Hirte Jäger Fischer
Bäcker Metzger Koch Köchin Kellner Fahrer Pilot Maler Musiker Sänger
Tänzer Dichter Autor Leser Zuhörer Nachricht Meldung Bericht Radio Kino
Theater Museum Bibliothek Konzert Oper Ausstellung Kunst Farbe Form Größe
Länge Breite Höhe Tiefe Gewicht Menge Stück Paar Hälfte Drittel Viertel
Meter Kilometer Gramm Kilo Liter Grad Mal Art Weise Richtung Norden Süden
Osten Westen Heimat Ausland Grenze Gegend Ort Stelle Raum Fläche Gebiet
Loch Spur Weg Pfad Kurve Ufer Quelle Bach Teich Welle Küste Hügel Gipfel
Felsen Höhle Wüste Dschungel Natur Umwelt Klima Tier Pflanze Wurzel Ast
Zweig Rinde Blüte Frucht Samen Kern Schale Rose Tulpe Eiche Tanne Linde
Birke Busch Hecke Moos Pilz Nest Feder Flügel Schwanz Pfote Kralle Horn
Fell Nase Schnabel Glocke Kerze Ofen Heizung Strom Kabel Schalter Stecker
Taste Knopf Schlüssel Schloss Kiste Dose Korb Sack Eimer Besen Werkzeug
Hammer Nagel Schraube Säge Zange Leiter Seil Faden Nadel Schere Kleber
Farbe Pinsel Decke Kissen Teppich Vorhang Spiegel Regal Kasten Kühlschrank
Herd Spüle Waschmaschine Dusche Seife Handtuch Zahnbürste Kamm Besuch
Gespräch Stimme Ruf Lied Ton Klang Geräusch Sinn Geruch Geschmack Blick
Schritt Sprung Lauf Fahrt Flug Ankunft Abfahrt Eingang Ausgang Halt
Haltestelle Gleis Kreuzung Ampel Schild Parkplatz Garage Tankstelle Motor
Reifen Lenkrad Bremse Unfall Verkehr Stau Panne Kunde Kundin Verkäufer
Verkäuferin Angebot Rechnung Quittung Vertrag Miete Wohnung Nachbarin
Vermieter Umzug Kiste Möbel Küche Alltag Pflicht Regel Ordnung Sicherheit
Freiheit Wahrheit Lüge Schuld Strafe Lohn Gehalt Kosten Steuer Zins Wert
Ware Handel Industrie Fabrik Maschine Technik Energie Öl Gas Kohle Holz
Metall Eisen Gold Silber Kupfer Glas Stoff Wolle Seide Leder Plastik
Gummi Papier Pappe Wissen Schrift Braille Blindenschrift Punktschrift
Zelle Muster Tastsinn Gedächtnis Verstand Geist Seele Gott Himmel Hölle
Engel Teufel Wunder Zauber Hexe Riese Zwerg Drache Märchen Sage Rätsel
Spielzeug Puppe Würfel Karte Schach Kugel Drachen Schaukel Rutsche Sandkasten
Kindergarten Kinder Zukunft Vergangenheit Gegenwart Jahrhundert Datum
Kalender Feiertag Wochenende Alter Jugend Kindheit Geburt Tod Grab Friedhof
Erinnerung Foto Kamera Album Brief Umschlag Marke Stempel Karton Ordner
Akte Liste Seite Kapitel Titel Thema Inhalt Ausdruck Begriff Bedeutung
Lösung Ergebnis Wirkung Ursache Folge Zweck Absicht Mittel Methode Weise
Versuch Test Probe Tabelle Grafik Bildschirm Lautsprecher Kopfhörer Mikrofon
Internet Netz Seite Datei Ordner Programm Taste Zeile Wortschatz Lesen
Schreiben Rechnen Bruch Summe Rest Nummer Null Million Milliarde Dutzend
Zucker Mehl Sahne Quark Joghurt Marmelade Senf Essig Kräuter Knoblauch
Paprika Bohne Erbse Linse Kohl Spinat Mais Pflaume Pfirsich Melone Nuss
Mandel Rosine Schokolade Bonbon Eis Torte Brötchen Semmel Scheibe Krümel
Gabel Schüssel Kanne Becher Krug Serviette Tischdecke Kellner Speise Gericht
Rezept Mahlzeit Imbiss Restaurant Kneipe Gasthaus Wirt Bäckerei
Metzgerei Supermarkt Kaufhaus Markt Stand Tüte Korb Liste Geldbeutel
Portemonnaie Münze Schein Karte Ausweis Pass Führerschein Visum Zoll
Flughafen Koffer Gepäck Landkarte Kompass Zelt Rucksack Schlafsack Feuer
Lager Wanderung Ausflug Strandkorb Badehose Handtuch Sonnenbrille Muschel
Möwe Hafen Leuchtturm Segel Anker Kapitän Matrose Welle Ebbe Flut Sturm
Gewitter Blitz Donner Nebel Tau Frost Hagel Regenbogen Sonnenschein
Schatten Morgenrot Dämmerung Mitternacht Uhrzeit Wecker Tagebuch Kissen
Schlaf Traum Decke Pyjama Nachthemd Bademantel Pantoffel Stiefel Sandale
Handschuh Gürtel Knopf Tasche Reißverschluss Ärmel Kragen Schmuck Perle
Uhr Armband Brosche Hochzeit Braut Bräutigam Ehe Ehemann Ehefrau Partner
Partnerin Kollege Kollegin Freundin Bekannte Feind Gegner Sieger Verlierer
Mannschaft Spieler Spielerin Trainer Tor Sieg Niederlage Meister Pokal
Rennen Lauf Turnier Spielfeld Halle Turnhalle Schwimmbad Becken Sauna
Fitness Gymnastik Tanz Ballett Gitarre Klavier Geige Flöte Trommel
Trompete Orgel Chor Orchester Band Melodie Rhythmus Takt Note Konzert
"""

# Common plural and other forms of nouns, written out.
NOMENFORMEN = """
Jahre Jahren Menschen Tage Tagen Männer Frauen Kinder Kindern Häuser Hände
Länder Städte Augen Fragen Wege Teile Köpfe Wörter Worte Seiten Namen Plätze
Fälle Schulen Freunde Freunden Familien Väter Mütter Brüder Schwestern Söhne
Töchter Herren Damen Nachbarn Gäste Lehrer Ärzte Wochen Monate Stunden
Minuten Sekunden Abende Nächte Sterne Wolken Bäume Blumen Blätter Wälder
Wiesen Felder Berge Flüsse Seen Meere Inseln Steine Gärten Straßen Dörfer
Brücken Schiffe Boote Autos Busse Züge Räder Reisen Zimmer Türen Fenster
Wände Tische Stühle Betten Schränke Lampen Uhren Bilder Bücher Briefe
Karten Zeitungen Hefte Stifte Lieder Filme Spiele Bälle Hunde Katzen Pferde
Kühe Schweine Schafe Hühner Enten Vögel Fische Mäuse Hasen Igel Füchse
Wölfe Bären Löwen Affen Bienen Fliegen Spinnen Schnecken Frösche Brote Eier
Äpfel Birnen Bananen Kirschen Erdbeeren Trauben Kartoffeln Tomaten Gurken
Zwiebeln Kuchen Kekse Nudeln Teller Tassen Gläser Gabeln Messer Löffel
Töpfe Flaschen Kleider Hosen Hemden Jacken Mäntel Schuhe Socken Hüte
Taschen Koffer Ringe Nasen Ohren Haare Zähne Arme Beine Füße Finger Stimmen
Schmerzen Termine Preise Zahlen Punkte Ideen Pläne Probleme Antworten
Beispiele Geschichten Texte Sätze Buchstaben Zeichen Zeilen Sprachen Klassen
Schüler Aufgaben Übungen Fehler Noten Feste Geschenke Gefühle Gedanken
Träume Wünsche Leuten Gesetze Soldaten Könige Burgen Türme Mauern Bauern
Musiker Farben Formen Stücke Meter Kilometer Orte Stellen Räume Pflanzen
Wurzeln Äste Zweige Rosen Federn Flügel Kerzen Schlüssel Kisten Körbe
Nägel Decken Kissen Spiegel Schritte Kunden Wohnungen Regeln Maschinen
Zellen Punktes Hauses Kindes Mannes Tages Jahres Buches Hundes Landes
Wortes Weges Kopfes Baumes Tisches Stuhles Schiffes Freundes Geldes
"""

# Real words that the word list /usr/share/dict/ngerman lacks.
AUCH_GUELTIG = """
Zahnbürste Braille Punktschrift Morgenrot Braillezeile Braillezelle
"""

# Words written in capitals (ICE, WC): dots 4 5 in front, then the small
# letters. Short everyday abbreviations a learner knows.
GROSSWOERTER = """
ICE WC SMS WLAN CD ADAC PC DVD LKW PKW PIN ABC USB UFO
"""
