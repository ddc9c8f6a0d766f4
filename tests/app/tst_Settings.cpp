#include "app/IniFileC.h"
#include "app/SettingsC.h"
#include "content/FilesHelperC.h"
#include "content/PathsC.h"
#include "log/LogC.h"
#include "sound/SoundsHelperC.h"

#include <QTemporaryDir>
#include <QtTest>

// The settings file: every key's default and read rule, the written form,
// and keys of others that survive a save.
class tst_Settings : public QObject
{
    Q_OBJECT

    QTemporaryDir FDir;

    QString Write(const QString &Text)
    {
        const QString Name = FDir.path() + "/Tastwerk.ini";
        QFile F(Name);
        F.open(QIODevice::WriteOnly | QIODevice::Truncate);
        F.write(Text.toUtf8());
        return Name;
    }

private slots:
    void init()
    {
        InitPaths(QStringLiteral("/p/"), QStringLiteral("test"), QStringLiteral("/u/"));
        FindRandomVoiceDescription = nullptr;
        SetDefaultSettings();
        AktFont = TAktFont();
        AktBackColor = 0xFFFFFF;
    }

    void noFileGivesTheDefaults()
    {
        FindRandomVoiceDescription = [](const QString &Search) { return "eSpeak " + Search; };
        QVERIFY(LoadSettingsFile(FDir.path() + "/fehlt.ini"));
        QCOMPARE(BrailleChars, 40);
        QCOMPARE(BrailleSize, 3);
        QCOMPARE(HighScore, 0);
        QCOMPARE(SammelNameIndex, -1);
        QCOMPARE(GetAktLernmaterialName(), QStringLiteral("Lernmaterial-1"));
        QCOMPARE(GetAktBereichName(), QString());
        QCOMPARE(LektionName, QString());
        QCOMPARE(AktFont, TAktFont());
        QCOMPARE(AktBackColor, 0xFFFFFFu);
        QCOMPARE(MainWindowState, 2);
        QVERIFY(SoundsEnabled);
        QCOMPARE(SapiSpeechStimme, QStringLiteral("eSpeak German")); // the key is absent
    }

    void readRules_data()
    {
        QTest::addColumn<QString>("Line");
        QTest::addColumn<int>("BrailleChars");
        QTest::addColumn<int>("BrailleSize");
        QTest::addColumn<qint64>("HighScore");
        QTest::newRow("negative width") << "BrailleChars=-30" << 30 << 3 << qint64(0);
        QTest::newRow("width 19") << "BrailleChars=19" << 40 << 3 << qint64(0);
        QTest::newRow("width 81") << "BrailleChars=81" << 40 << 3 << qint64(0);
        QTest::newRow("size -9") << "BrailleSize=-9" << 40 << 9 << qint64(0);
        QTest::newRow("size 10") << "BrailleSize=10" << 40 << 3 << qint64(0);
        QTest::newRow("size 0") << "BrailleSize=0" << 40 << 0 << qint64(0);
        QTest::newRow("size smallest integer") << "BrailleSize=-2147483648" << 40 << 3 << qint64(0);
        QTest::newRow("negative score") << "HighScore=-17" << 40 << 3 << qint64(17);
        QTest::newRow("no number") << "BrailleChars=viele" << 40 << 3 << qint64(0);
    }
    void readRules()
    {
        QFETCH(QString, Line);
        QFETCH(int, BrailleChars);
        QFETCH(int, BrailleSize);
        QFETCH(qint64, HighScore);
        QVERIFY(LoadSettingsFile(Write("[Settings]\r\n" + Line + "\r\n")));
        QCOMPARE(::BrailleChars, BrailleChars);
        QCOMPARE(::BrailleSize, BrailleSize);
        QCOMPARE(::HighScore, HighScore);
    }

    // The score: a value no lifetime of lessons reaches, what is read set
    // within bounds and every change logged; a lesson past the largest
    // 32-bit value goes on counting and comes back the same.
    void scoreEdges_data()
    {
        QTest::addColumn<QString>("Stored");
        QTest::addColumn<qint64>("Score");
        QTest::addColumn<QString>("Logged");
        QTest::newRow("largest 32-bit") << "2147483647" << qint64(2147483647) << QString();
        QTest::newRow("beyond 32 bits") << "2147483657" << qint64(2147483657) << QString();
        QTest::newRow("negative") << "-5" << qint64(5) << "Punktestand \"-5\" in der Einstellungsdatei ist negativ; er "
                                                        "wird auf 5 gesetzt.";
        QTest::newRow("20 digits") << "12345678901234567890" << MaxHighScore
                                   << "Punktestand \"12345678901234567890\" in der Einstellungsdatei ist zu groß; er "
                                      "wird auf 999999999999999 gesetzt.";
        QTest::newRow("the largest") << "999999999999999" << MaxHighScore << QString();
        QTest::newRow("one more") << "1000000000000000" << MaxHighScore
                                  << "Punktestand \"1000000000000000\" in der Einstellungsdatei ist zu groß; er wird "
                                     "auf 999999999999999 gesetzt.";
        QTest::newRow("no number") << "viele" << qint64(0)
                                   << "Punktestand \"viele\" in der Einstellungsdatei ist keine Zahl; er wird auf 0 "
                                      "gesetzt.";
        QTest::newRow("empty") << "" << qint64(0) << QString();
    }
    void scoreEdges()
    {
        QFETCH(QString, Stored);
        QFETCH(qint64, Score);
        QFETCH(QString, Logged);
        TLog Log(nullptr, QString());
        InstallLog(&Log);
        const QString File = Write("[Settings]\r\nHighScore=" + Stored + "\r\n");
        QVERIFY(LoadSettingsFile(File));
        InstallLog(nullptr);
        QCOMPARE(HighScore, Score);
        QCOMPARE(Log.Count() ? Log.Get(0).mid(16) : QString(), Logged);

        // A lesson's points on top, saved and read back.
        AddToHighScore(10);
        const qint64 After = qMin(Score + 10, MaxHighScore);
        QCOMPARE(HighScore, After);
        QVERIFY(SaveSettingsFile(File));
        HighScore = -1;
        QVERIFY(LoadSettingsFile(File));
        QCOMPARE(HighScore, After);
    }

    // A settings file of random bytes: the defaults, a line in the log, and
    // the file kept, since closing writes the settings over it.
    void damagedFileKeptAndLogged()
    {
        QByteArray Junk;
        for (int I = 0; I < 2000; ++I)
            Junk += char((I * 73 + 11) % 256);
        const QString File = FDir.filePath(QStringLiteral("Tastwerk.ini"));
        {
            QFile F(File);
            QVERIFY(F.open(QIODevice::WriteOnly | QIODevice::Truncate));
            F.write(Junk);
        }
        const QString Kept = DamagedFileName(File, QDate::currentDate());
        TLog Log(nullptr, QString());
        InstallLog(&Log);
        QVERIFY(LoadSettingsFile(File));
        InstallLog(nullptr);
        QCOMPARE(BrailleChars, 40);
        QCOMPARE(HighScore, 0);
        QCOMPARE(Log.Count(), 1);
        QCOMPARE(Log.Get(0).mid(16), QStringLiteral("Die Einstellungsdatei \"%1\" enthält keine Einstellungen; es gelten "
                                                    "die Voreinstellungen. Sie wurde als \"%2\" aufbewahrt.")
                                         .arg(File, QFileInfo(Kept).fileName()));
        QFile K(Kept);
        QVERIFY(K.open(QIODevice::ReadOnly));
        QCOMPARE(K.readAll(), Junk);
    }

    // Names of a material or an area that are not there: nothing is made of
    // them, the log says so.
    void missingMaterialAndArea()
    {
        QTemporaryDir Program;
        QVERIFY(QDir().mkpath(Program.filePath(QStringLiteral("Lernmaterialien/Lernmaterial-1/01 Anfang"))));
        InitPaths(Program.path(), QStringLiteral("anna"));
        TLog Log(nullptr, QString());
        InstallLog(&Log);
        QVERIFY(LoadSettingsFile(Write("[Settings]\r\nLernmaterial=Lernmaterial-1\r\nBereich=Auchnicht\r\n")));
        QCOMPARE(GetAktBereichName(), QStringLiteral("Auchnicht")); // shown as not there
        QVERIFY(LoadSettingsFile(Write("[Settings]\r\nLernmaterial=Lernmaterial-1\r\nBereich=01 anfang\r\n")));
        QVERIFY(LoadSettingsFile(Write("[Settings]\r\nLernmaterial=Gibtsnicht\r\n")));
        QCOMPARE(GetAktLernmaterialName(), QStringLiteral("Gibtsnicht"));
        InstallLog(nullptr);
        CreateFolders();
        QCOMPARE(Log.Count(), 2); // "01 anfang" is there, in another letter case
        QCOMPARE(Log.Get(1).mid(16), QStringLiteral("Den Bereich \"Auchnicht\" aus der Einstellungsdatei gibt es nicht."));
        QCOMPARE(Log.Get(0).mid(16), QStringLiteral("Das Lernmaterial \"Gibtsnicht\" aus der Einstellungsdatei gibt es "
                                                    "nicht."));
        QVERIFY(!QFileInfo::exists(Program.filePath(QStringLiteral("Lernmaterialien/Gibtsnicht"))));
        QVERIFY(!QFileInfo::exists(Program.filePath(QStringLiteral("Lernmaterialien/Lernmaterial-1/Auchnicht"))));
        QVERIFY(QFileInfo::exists(ProfilePath));
    }

    void positionInTheContent_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Material");
        QTest::addColumn<QString>("Bereich");
        QTest::addColumn<QString>("Lektion");
        QTest::addColumn<int>("Index");
        QTest::newRow("blank material") << "Lernmaterial=   \r\nBereich=B\r\nLektionName= L.lek "
                                        << "Lernmaterial-1"
                                        << "B"
                                        << "L.lek" << -1;
        QTest::newRow("full path") << "Lernmaterial=C:\\x\\Kurs 2\\\r\n"
                                   << "Kurs 2"
                                   << ""
                                   << "" << -1;
        QTest::newRow("no area, no lesson") << "Bereich=\r\nLektionName=L.lek"
                                            << "Lernmaterial-1"
                                            << ""
                                            << "" << -1;
        QTest::newRow("no collective lesson, no index") << "SammelNameIndex=4"
                                                        << "Lernmaterial-1"
                                                        << ""
                                                        << "" << -1;
        QTest::newRow("collective lesson with index") << "SammelName=Kurs.sam\r\nSammelNameIndex=4"
                                                      << "Lernmaterial-1"
                                                      << ""
                                                      << "" << 4;
    }
    void positionInTheContent()
    {
        QFETCH(QString, Text);
        QFETCH(QString, Material);
        QFETCH(QString, Bereich);
        QFETCH(QString, Lektion);
        QFETCH(int, Index);
        QVERIFY(LoadSettingsFile(Write("[Settings]\r\n" + Text + "\r\n")));
        QCOMPARE(GetAktLernmaterialName(), Material);
        QCOMPARE(GetAktBereichName(), Bereich);
        QCOMPARE(LektionName, Lektion);
        QCOMPARE(SammelNameIndex, Index);
    }

    // The place in the collective lessons is kept per learning material,
    // across a switch of material and a restart.
    void collectivePlacePerMaterial()
    {
        const QString Name = FDir.path() + "/Tastwerk.ini";
        QFile::remove(Name);
        SammelName = QStringLiteral("Tastwerk_erlernen.sam");
        SammelNameIndex = 2; // lessons 1 to 3 done
        WechsleLernmaterial(QStringLiteral("Lernmaterial-2"));
        QCOMPARE(GetAktLernmaterialName(), QStringLiteral("Lernmaterial-2"));
        QCOMPARE(SammelName, QString());
        QCOMPARE(SammelNameIndex, -1);
        SammelName = QStringLiteral("Vollschrift.sam");
        SammelNameIndex = 0;
        WechsleLernmaterial(QStringLiteral("lernmaterial-1")); // any letter case
        QCOMPARE(SammelName, QStringLiteral("Tastwerk_erlernen.sam"));
        QCOMPARE(SammelNameIndex, 2);

        QVERIFY(SaveSettingsFile(Name));
        SetDefaultSettings();
        QVERIFY(LoadSettingsFile(Name));
        QCOMPARE(SammelName, QStringLiteral("Tastwerk_erlernen.sam"));
        QCOMPARE(SammelNameIndex, 2);
        WechsleLernmaterial(QStringLiteral("Lernmaterial-2"));
        QCOMPARE(SammelName, QStringLiteral("Vollschrift.sam"));
        QCOMPARE(SammelNameIndex, 0);
        // A material never opened starts with no collective lesson.
        WechsleLernmaterial(QStringLiteral("Lernmaterial-3"));
        QCOMPARE(SammelName, QString());
        QCOMPARE(SammelNameIndex, -1);
    }

    void voiceKeyPresentButEmptyMeansSpeechOff()
    {
        FindRandomVoiceDescription = [](const QString &) { return QStringLiteral("irgendeine"); };
        QVERIFY(LoadSettingsFile(Write("[Settings]\r\nSapiSpeech.Stimme=\r\n")));
        QVERIFY(!IsSapiSpeechEnabled());
    }

    void mainForm()
    {
        QVERIFY(LoadSettingsFile(Write("[MainForm]\r\nWindowState=1\r\nFontStyle=3\r\nFontName=DejaVu Sans\r\n"
                                       "FontSize=14\r\nBackColor=$00FFFF\r\nFontCharSet=256\r\n")));
        QCOMPARE(MainWindowState, 0); // minimised when saved: opens normal
        QVERIFY(!AktFont.Bold);       // only exactly 1 is bold
        QCOMPARE(AktFont.Name, QStringLiteral("DejaVu Sans"));
        QCOMPARE(AktFont.Size, 14);
        QCOMPARE(AktBackColor, 0x00FFFFu);
        QCOMPARE(AktFont.CharSet, 0);
        AktFont.Bold = true;
        const QString Name = FDir.path() + "/neu.ini";
        QVERIFY(SaveSettingsFile(Name));
        QCOMPARE(TIniFile(Name).ReadInteger("MainForm", "FontStyle", -1), 1);
    }

    void writtenFormAndForeignKeysSurvive()
    {
        const QString Name = Write("; von Hand\r\n[Fremd]\r\nA=1\r\n\r\n[settings]\r\nunbekannt=x\r\nhighscore=5\r\n");
        QVERIFY(LoadSettingsFile(Name));
        QCOMPARE(HighScore, 5); // names without regard to case
        HighScore = 12;
        SetAktBereichName(QStringLiteral("Bereich 1"));
        QVERIFY(SaveSettingsFile(Name));
        const std::optional<QString> Text = LoadTextFile(Name);
        QVERIFY(Text);
        QVERIFY(Text->startsWith(QStringLiteral("; von Hand\r\n[Fremd]\r\nA=1\r\n")));
        QVERIFY(Text->contains(QStringLiteral("unbekannt=x\r\n")));
        QVERIFY(Text->contains(QStringLiteral("highscore=12\r\n")));
        QVERIFY(Text->contains(QStringLiteral("Lernmaterial=Lernmaterial-1\r\nBereich=Bereich 1\r\n")));
        // In a new file, the keys come in their written order, [MainForm] first.
        const QString New = FDir.path() + "/leer.ini";
        QVERIFY(SaveSettingsFile(New));
        const QStringList Lines = SplitLines(*LoadTextFile(New));
        QCOMPARE(Lines.first(), QStringLiteral("[MainForm]"));
        QStringList Keys;
        bool InSettings = false;
        for (const QString &L : Lines) {
            if (L.startsWith(u'['))
                InSettings = L == u"[Settings]";
            else if (InSettings)
                Keys << L.left(L.indexOf(u'='));
        }
        QCOMPARE(Keys,
                 (QStringList{"ShowEinleitung", "ShowSplashScreen", "Lernmaterial", "Bereich", "LektionName",
                              "BrailleChars", "BrailleSize", "CloseCheck", "HighScore", "Querztastatur", "SammelName",
                              "SammelNameIndex", "SapiSpeech.Stimme", "SapiSpeech.Rate", "SapiSpeech.Volume",
                              "SoundsEnabled", "EineTasteNachDerAnderen", "ZeichenAnsagen"}));
    }

    void splashScreenAlone()
    {
        QVERIFY(!ReadShowSplashScreen(Write("[Settings]\r\nShowSplashScreen=0\r\nHighScore=9\r\n")));
        QCOMPARE(HighScore, 0); // nothing else read
        QVERIFY(ReadShowSplashScreen(FDir.path() + "/fehlt.ini"));
    }

    void unwritableFileFailsAfterRetries()
    {
        // A folder where the file should be cannot be replaced, also not as root.
        const QString Name = FDir.path() + "/ordner.ini";
        QVERIFY(QDir().mkpath(Name + "/x"));
        QElapsedTimer T;
        T.start();
        QVERIFY(!SaveSettingsFile(Name));
        QVERIFY(T.elapsed() >= 900); // 101 attempts, 10 ms apart
    }
};

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
