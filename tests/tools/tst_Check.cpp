#include <QDirIterator>
#include <QProcess>
#include <QtTest>

// tastwerk-check as a teacher runs it: its report lines and exit status.
class tst_Check : public QObject
{
    Q_OBJECT

    static QString Program() { return QStringLiteral(TASTWERK_TEST_DATA "/programm/"); }

    struct TRun {
        int Status = -1;
        QStringList Lines;
    };

    static TRun Run(const QStringList &Arguments)
    {
        QProcess P;
        P.start(QStringLiteral(TASTWERK_CHECK), Arguments);
        TRun R;
        if (!P.waitForFinished(60000))
            return R;
        R.Status = P.exitStatus() == QProcess::NormalExit ? P.exitCode() : -1;
        R.Lines = QString::fromUtf8(P.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        return R;
    }

    // Every file of a folder with its size and last write time.
    static QStringList Snapshot(const QString &Folder)
    {
        QStringList S;
        QDirIterator It(Folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (It.hasNext()) {
            const QFileInfo Info(It.next());
            S << QStringLiteral("%1 %2 %3").arg(Info.filePath()).arg(Info.size()).arg(Info.lastModified().toMSecsSinceEpoch());
        }
        S.sort();
        return S;
    }

private slots:
    void reportsEveryProblemOfAFolder()
    {
        const QStringList Before = Snapshot(Program());
        const TRun R = Run({Program()});
        QCOMPARE(R.Status, 1);
        const QString M1 = Program() + "Lernmaterialien/Lernmaterial-1/";
        const QStringList Expected = {
            "Die Lektionendatei \"" + M1 + "Bereich 1/04 Kopf falsch.lek\" ist fehlerhaft!",
            "Der Typ der Lektionendatei \"" + M1 + "Bereich 1/06 Unsinn.lek\" ist unbekannt!",
            "Der Bereicheordner \"" + M1 + "Bereich 3/\" existiert nicht!",
            "Die Bereichedatei \"" + M1 + "Lernmaterial.ini\" ist fehlerhaft in Zeile 10 (\"Bereich ohne Gleichheitszeichen\")!",
            "Die Sammeldatei \"" + M1 + "Sammellektionen/Kurs.sam\" ist fehlerhaft in Zeile 9 (\"Lektion 1.lek\")!",
            "Die Lektionendatei \"" + M1 + "Bereich 1/99 Gibt es nicht.lek\" existiert nicht!",
            "Die Lektionendatei \"" + M1 + "Bereich 1/02 Text.lek\", Zeile 14: unbekannter Eintrag \"Farbe=rot\"",
            "Die Lektionendatei \"" + M1 + "Bereich 1/07 Datei fehlt.lek\" nennt die Datendatei \"Fehlt.dat\", die es in der Datenbank nicht gibt.",
            "Die Lektionendatei \"" + M1 + "Bereich 1/03 Grenzwerte.lek\", Zeile 20: \"Wiederholungen=250\" wird nur als \"25\" gelesen, es gilt 25",
            "Die Lektionendatei \"" + M1 + "Bereich 1/03 Grenzwerte.lek\", Zeile 21: \"Zeitfaktor=1000\" wird nur als \"100\" gelesen, es gilt 100",
            "Die Lektionendatei \"" + M1 + "Bereich 1/05 Reihenfolge.lek\" ergibt keine Übung: Lernzeichenliste ist leer.",
            "Die Lektionendatei \"" + M1 + "Bereich 2/04 Katalog.lek\" hat den Aufgabentyp at2A, zu dem es noch keine Übung gibt.",
            "Die Sammeldatei \"" + M1 + "Sammellektionen/Leer.sam\" nennt keine Lektion.",
            "Der Ordner \"" + Program() + "Lernmaterialien/Ohne-Ini/\" ist kein Lernmaterial: seine Lernmaterial.ini fehlt oder beginnt nicht mit [HEADER].",
        };
        for (const QString &Line : Expected)
            QVERIFY2(R.Lines.contains(Line), qPrintable(Line));
        // The loaders' message without the lesson is replaced by the one with it.
        QVERIFY(!R.Lines.contains("Die Datendatei \"Fehlt.dat\" konnte nicht in der Datenbank gefunden werden!"));
        QVERIFY(R.Lines.contains("Lernmaterialien: 2; Bereiche: 3; Lektionen: 17; Sammellektionen: 3; Datendateien: 10; Datensätze: 32"));
        QVERIFY(R.Lines.last().endsWith(" Meldungen."));
        // It only reads.
        QCOMPARE(Snapshot(Program()), Before);
        QVERIFY(!QFileInfo::exists(Program() + "Benutzer"));
    }

    void cleanMaterial()
    {
        const TRun R = Run({Program(), "--material", "Lernmaterial-2"});
        QCOMPARE(R.Status, 0);
        QCOMPARE(R.Lines.last(), QStringLiteral("Keine Probleme gefunden."));
        QVERIFY(R.Lines.contains("Lernmaterial \"Lernmaterial-2\" (anfängerkurs): 1 Bereiche, 2 Lektionen, 1 Sammellektionen, 1 Datendateien, 3 Datensätze"));
    }

    void folderThatIsNoLearningMaterial()
    {
        const TRun R = Run({Program(), "--material", "Kopf-mit-Leerzeichen"});
        QCOMPARE(R.Status, 1);
        QVERIFY(R.Lines.first().endsWith("ist kein Lernmaterial: seine Lernmaterial.ini fehlt oder beginnt nicht mit [HEADER]."));
    }

    void unreadableFolder()
    {
        const TRun R = Run({Program() + "gibt-es-nicht"});
        QCOMPARE(R.Status, 2);
        QCOMPARE(R.Lines.size(), 1);
        QVERIFY(R.Lines.first().startsWith("Der Ordner \""));
    }

    void previewOfALesson()
    {
        const QString Lesson = Program() + "Lernmaterialien/Lernmaterial-1/Bereich 2/08 Verstecktes Zeichen.lek";
        const TRun A = Run({Program(), "--preview", Lesson, "--seed", "7", "--count", "3", "--width", "20"});
        QCOMPARE(A.Status, 0);
        // The same seed gives the same exercises.
        QCOMPARE(Run({Program(), "--preview", Lesson, "--seed", "7", "--count", "3", "--width", "20"}).Lines, A.Lines);
        QVERIFY(Run({Program(), "--preview", Lesson, "--seed", "8", "--count", "3", "--width", "20"}).Lines != A.Lines);
        QCOMPARE(A.Lines.filter(QRegularExpression("^Übung \\d von 3: ")).size(), 3);
        QCOMPARE(A.Lines.filter(QRegularExpression("^Aufgabe \\(gesprochen\\): Finde: ")).size(), 3);
        QVERIFY(!A.Lines.filter(QRegularExpression("^  Ziel 1: Position \\d+ bis \\d+: [⠀-⣿]+$")).isEmpty());
        for (const QString &Line : A.Lines.filter(QRegularExpression("^\\| ")))
            QVERIFY2(Line.size() - 2 <= 20 || Line.startsWith("| Finde"), qPrintable(Line));
    }

    void previewOfAReadingLessonAndAMissingOne()
    {
        const QString Lesson = Program() + "Lernmaterialien/Lernmaterial-2/Kapitel/02 Zeichen lesen.lek";
        const TRun R = Run({Program(), "--preview", Lesson});
        QCOMPARE(R.Status, 0);
        QVERIFY(R.Lines.contains("Lösung:"));
        QCOMPARE(Run({Program(), "--preview", Program() + "gibt-es-nicht.lek"}).Status, 1);
    }

    void wrongArguments()
    {
        QCOMPARE(Run({Program(), "--unsinn"}).Status, 2);
        QCOMPARE(Run({"--help"}).Status, 0);
    }
};

QTEST_GUILESS_MAIN(tst_Check)
#include "tst_Check.moc"
