#include "content/PathsC.h"
#include "help/HelpSystemC.h"
#include "log/LogC.h"

#include <QDir>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <thread>

namespace
{

const QString Fixture = QStringLiteral(TASTWERK_TEST_DATA "/help/Hilfetexte/");

QByteArray ReadBytes(const QString &FileName)
{
    QFile F(FileName);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}

// One link of a generated table of contents.
struct TEntry {
    QString File, Title, Text;
    bool operator==(const TEntry &O) const { return File == O.File && Title == O.Title && Text == O.Text; }
};

QList<TEntry> TableOfContents(const QString &Html)
{
    static const QRegularExpression Link(
        QStringLiteral("<li><a href=\"([^\"]*)\" title=\"([^\"]*)\">([^<]*)</a></li>"));
    QList<TEntry> R;
    for (auto It = Link.globalMatch(Html); It.hasNext();) {
        const auto M = It.next();
        R.append({M.captured(1), M.captured(2), M.captured(3)});
    }
    return R;
}

QString Entities(QString S)
{
    return S.replace(u'ä', QStringLiteral("&auml;"))
        .replace(u'ö', QStringLiteral("&ouml;"))
        .replace(u'ü', QStringLiteral("&uuml;"))
        .replace(u'ß', QStringLiteral("&szlig;"));
}

// A program folder holding a copy of the fixture help texts, and a separate
// writable folder for the pages.
struct TProgram {
    QTemporaryDir Program;
    QTemporaryDir User;

    explicit TProgram(const QString &Texts = Fixture, bool MakeHelpFolder = true)
    {
        InitPaths(Program.path(), QStringLiteral("test"), User.path());
        QDir().mkpath(HilfetextePath);
        for (const QString &Name : QDir(Texts).entryList(QDir::Files))
            QFile::copy(Texts + u'/' + Name, HilfetextePath + Name);
        if (MakeHelpFolder)
            QDir().mkpath(HilfePath);
    }
    QString Page(const QString &Name) const { return QString::fromUtf8(ReadBytes(HilfePath + Name)); }
    QStringList Pages() const { return QDir(HilfePath).entryList({QStringLiteral("*.html")}, QDir::Files); }
};

} // namespace

// The help pages built from Markdown texts and templates, opened by help id,
// and the introduction text.
// The pages the two tables of contents list: the windows (those added
// later after the first ones), the imprint and the handbook; the handbook's
// chapters with the progress file last.
QList<int> HilfeIds()
{
    QList<int> Ids;
    for (int Id = 2; Id <= 20; ++Id)
        Ids << Id;
    return Ids << THelpSystem::IdFortschritt << THelpSystem::IdTastaturtest << 21 << 22;
}

QList<int> HandbuchIds()
{
    QList<int> Ids;
    for (int Id = 23; Id <= 30; ++Id)
        Ids << Id;
    return Ids << THelpSystem::IdFortschrittsdatei;
}

class tst_HelpSystem : public QObject
{
    Q_OBJECT

    TLog FLog{nullptr, QString()};

private slots:
    void initTestCase() { InstallLog(&FLog); }
    void cleanupTestCase() { InstallLog(nullptr); }
    void init() { FLog.Clear(); }
    void cleanup()
    {
        InstallHelpOpener(nullptr);
        InstallErrorBox(nullptr);
    }

    void everyPageIsWritten()
    {
        TProgram P;
        THelpSystem Help;
        Help.CreateHtmlFiles(QDate(2024, 3, 5));
        QCOMPARE(Help.LastErrorString, QString());
        QCOMPARE(FLog.Count(), 0);
        QVERIFY(!Help.IsCreatingHtmlFiles());
        // kurztasten.txt is the page Kurztasten.html: written under the
        // table's name, so that links and F1 find it.
        QStringList Expected{
            "Extra.html", "FensterHauptfenster.html", "FensterLernfenster.html",  "FensterStimmeWaehlen.html",
            "Hilfe.html", "Kurztasten.html",          "TechnischesHandbuch.html", "TH_Aufgabentypen.html"};
        QStringList Written = P.Pages();
        Written.sort(Qt::CaseInsensitive);
        QCOMPARE(Written, Expected);
        for (const QString &Name : Written)
            QVERIFY2(P.Page(Name).endsWith(QStringLiteral("</html>\r\n")), qPrintable(Name));
    }

    void utf8WithEntitiesForUmlauts()
    {
        TProgram P;
        THelpSystem Help;
        Help.CreateHtmlFiles(QDate(2024, 3, 5));
        for (const QString &Name : P.Pages()) {
            const QByteArray Bytes = ReadBytes(HilfePath + Name);
            QVERIFY2(!Bytes.startsWith("\xEF\xBB\xBF"), qPrintable(Name));
            QStringDecoder Utf8(QStringDecoder::Utf8);
            const QString Text = Utf8.decode(Bytes);
            QVERIFY2(!Utf8.hasError(), qPrintable(Name));
            static const QRegularExpression Umlaut(QStringLiteral("[ÄÖÜäöüß]"));
            QVERIFY2(!Text.contains(Umlaut), qPrintable(Name));
            // Head and notice line come from the templates.
            QVERIFY2(Text.contains(QStringLiteral("Schriftgr&ouml;&szlig;e")), qPrintable(Name));
        }
        const QString Lern = P.Page(QStringLiteral("FensterLernfenster.html"));
        QVERIFY(Lern.contains(QStringLiteral("Gr&ouml;&szlig;e „Ma&szlig;“ – &Auml;&Ouml;&Uuml; &auml;&ouml;&uuml; "
                                             "&szlig; €.")));
        QVERIFY(P.Page(QStringLiteral("Kurztasten.html")).contains(QStringLiteral("Zur&uuml;ck zum Inhalt")));
        // A short title from the table, in the head.
        QVERIFY(P.Page(QStringLiteral("FensterStimmeWaehlen.html"))
                    .contains(QStringLiteral("<title>Stimme w&auml;hlen</title>")));
        // An old text in Windows-1252 reads right.
        QVERIFY(P.Page(QStringLiteral("FensterHauptfenster.html"))
                    .contains(QStringLiteral("<h1>Das Hauptfenster – &Uuml;bersicht</h1>")));
    }

    void tablesOfContents()
    {
        TProgram P;
        THelpSystem Help;
        Help.CreateHtmlFiles(QDate(2024, 3, 5));
        // Titles from the first "# " line; pages without a source are listed
        // with an empty link text.
        const QMap<int, QString> Titles{
            {2, QStringLiteral("Tasten&uuml;bersicht")},     {3, QStringLiteral("Das Hauptfenster – &Uuml;bersicht")},
            {4, QStringLiteral("Das Lernfenster")},          {20, QStringLiteral("Stimme w&auml;hlen")},
            {22, QStringLiteral("Das technische Handbuch")}, {24, QStringLiteral("Alle Aufgabentypen")}};
        auto ExpectedList = [&](const QList<int> &Ids) {
            QList<TEntry> R;
            for (int Id : Ids)
                R.append({THelpSystem::HelpFileName(Id), Entities(THelpSystem::ShortTitle(Id)), Titles.value(Id)});
            return R;
        };
        const QString Hilfe = P.Page(QStringLiteral("Hilfe.html"));
        const QString Handbuch = P.Page(QStringLiteral("TechnischesHandbuch.html"));
        QCOMPARE(TableOfContents(Hilfe), ExpectedList(HilfeIds()));
        QCOMPARE(TableOfContents(Handbuch), ExpectedList(HandbuchIds()));
        QVERIFY(Hilfe.contains(QStringLiteral("<ol>")));
        QVERIFY(!Hilfe.contains(QStringLiteral("{inhalt}")));
        QVERIFY(!Handbuch.contains(QStringLiteral("{inhalt}")));
    }

    void headsAndBackLinks()
    {
        TProgram P;
        THelpSystem Help;
        Help.CreateHtmlFiles(QDate(2024, 3, 5));
        const QString Notice = QStringLiteral("<p>© 2022-2024 Tastwerk V1.02</p>");
        const QString Back = QStringLiteral("Zur&uuml;ck zum Inhalt");
        const QString BackTh = QStringLiteral("Zur&uuml;ck zum Handbuch");

        const QString Hilfe = P.Page(QStringLiteral("Hilfe.html"));
        QVERIFY(Hilfe.contains(QStringLiteral("<title>Tastwerk-Hilfe</title>")));
        QVERIFY(!Hilfe.contains(Back) && !Hilfe.contains(BackTh));

        const QString Kurz = P.Page(QStringLiteral("Kurztasten.html"));
        QVERIFY(Kurz.contains(QStringLiteral("<title>Kurztasten</title>")));
        QVERIFY(Kurz.contains(Back) && !Kurz.contains(BackTh));
        // Filling in the placeholders leaves other percent signs alone.
        QVERIFY(Kurz.contains(QStringLiteral("<div style=\"width:100%\">Stand 2024-03-05, Jahre 2022-2024,")));
        QVERIFY(Kurz.contains(Notice));

        QVERIFY(P.Page(QStringLiteral("TechnischesHandbuch.html")).contains(Back));
        const QString Th = P.Page(QStringLiteral("TH_Aufgabentypen.html"));
        QVERIFY(Th.contains(QStringLiteral("<title>Aufgabentypen</title>")));
        QVERIFY(Th.contains(BackTh) && !Th.contains(Back));

        // A page outside the table: the head as it stands, no back link, no
        // list; the notice line all the same.
        const QString Extra = P.Page(QStringLiteral("Extra.html"));
        QVERIFY(Extra.contains(QStringLiteral("<title>%s</title>")));
        QVERIFY(Extra.contains(QStringLiteral("Stand %s, Jahre %s")));
        QVERIFY(!Extra.contains(Back) && !Extra.contains(BackTh));
        QVERIFY(Extra.contains(QStringLiteral("<h1>Eine Zusatzseite</h1>")));
        QVERIFY(Extra.contains(Notice));
    }

    void rawHtmlDoesNotPass()
    {
        TProgram P;
        THelpSystem Help;
        Help.CreateHtmlFiles(QDate(2024, 3, 5));
        const QString Lern = P.Page(QStringLiteral("FensterLernfenster.html"));
        QVERIFY(!Lern.contains(QStringLiteral("<script")));
        QVERIFY(!Lern.contains(QStringLiteral("<b>")));
        QVERIFY(!Lern.contains(QStringLiteral("javascript:")));
        QVERIFY(Lern.contains(QStringLiteral("<!-- raw HTML omitted -->")));
        QVERIFY(Lern.contains(QStringLiteral("fetter")));
    }

    void yearRange_data()
    {
        QTest::addColumn<QDate>("Today");
        QTest::addColumn<QString>("Years");
        QTest::newRow("2022") << QDate(2022, 6, 1) << QStringLiteral("2022");
        QTest::newRow("2025") << QDate(2025, 1, 15) << QStringLiteral("2022-2025");
    }
    void yearRange()
    {
        QFETCH(QDate, Today);
        QFETCH(QString, Years);
        QCOMPARE(THelpSystem::YearRange(Today), Years);
        TProgram P;
        THelpSystem Help;
        Help.CreateHtmlFiles(Today);
        const QString Date = Today.toString(QStringLiteral("yyyy-MM-dd"));
        for (const QString &Name : {QStringLiteral("Hilfe.html"), QStringLiteral("TH_Aufgabentypen.html")}) {
            const QString Page = P.Page(Name);
            QVERIFY2(Page.contains(QStringLiteral("Stand %1, Jahre %2,").arg(Date, Years)), qPrintable(Name));
            QVERIFY2(Page.contains(QStringLiteral("<p>© %1 Tastwerk V1.02</p>").arg(Years)), qPrintable(Name));
        }
    }

    void missingHelpFolder()
    {
        TProgram P(Fixture, false);
        THelpSystem Help;
        Help.CreateHtmlFiles();
        const QString Message = QStringLiteral("Der Hilfeordner \"%1\" existiert nicht!").arg(HilfePath);
        QCOMPARE(Help.LastErrorString, Message);
        QCOMPARE(FLog.Count(), 1);
        QVERIFY(FLog.Get(0).endsWith(Message));
        QVERIFY(!Help.IsCreatingHtmlFiles());
        QVERIFY(!QFileInfo::exists(HilfePath));
    }

    void missingHelpTextFolderIsSilent()
    {
        TProgram P;
        QVERIFY(QDir(HilfetextePath).removeRecursively());
        THelpSystem Help;
        Help.CreateHtmlFiles();
        QCOMPARE(Help.LastErrorString, QString());
        QCOMPARE(FLog.Count(), 0);
        QVERIFY(P.Pages().isEmpty());
    }

    void unreadableTemplateIsReported()
    {
        TProgram P;
        // A folder in the template's place cannot be read, not even by root.
        const QString Endlink = HilfetextePath + QStringLiteral("_endlink.html");
        QVERIFY(QFile::remove(Endlink));
        QVERIFY(QDir().mkpath(Endlink));
        THelpSystem Help;
        Help.CreateHtmlFiles(QDate(2024, 3, 5));
        const QString Message = QStringLiteral("Die Datei \"%1\" konnte nicht geladen werden!").arg(Endlink);
        QCOMPARE(Help.LastErrorString, Message);
        QCOMPARE(FLog.Count(), 1);
        QVERIFY(FLog.Get(0).endsWith(Message));
        // The pages are built all the same, without that part.
        QCOMPARE(P.Pages().size(), 8);
        const QString Kurz = P.Page(QStringLiteral("Kurztasten.html"));
        QVERIFY(Kurz.contains(QStringLiteral("<title>Kurztasten</title>")));
        QVERIFY(!Kurz.contains(QStringLiteral("Zur&uuml;ck")));
    }

    void failedWriteStopsTheBuild()
    {
        TProgram P;
        // Extra.txt comes first; a folder where its page goes cannot be
        // replaced by a file.
        const QString Target = HilfePath + QStringLiteral("Extra.html");
        QVERIFY(QDir().mkpath(Target));
        THelpSystem Help;
        // Every attempt is retried for about a second: long enough to see the
        // flag from outside.
        std::thread Build([&Help] { Help.CreateHtmlFiles(); });
        bool SeenCreating = false;
        QDeadlineTimer Deadline(800);
        while (!SeenCreating && !Deadline.hasExpired()) {
            SeenCreating = Help.IsCreatingHtmlFiles();
            QThread::msleep(1);
        }
        Build.join();
        QVERIFY(SeenCreating);
        QVERIFY(!Help.IsCreatingHtmlFiles());
        const QString Message = QStringLiteral("Die Hilfedatei \"%1\" konnte nicht gespeichert werden!").arg(Target);
        QCOMPARE(Help.LastErrorString, Message);
        QVERIFY(FLog.Get(0).endsWith(Message));
        QVERIFY(P.Pages().isEmpty());
        QVERIFY(QFileInfo(Target).isDir());
    }

    void openHtmlFile()
    {
        TProgram P;
        THelpSystem Help;
        Help.CreateHtmlFiles();
        QStringList Opened, Boxes;
        InstallHelpOpener([&Opened](const QString &Path) {
            Opened.append(Path);
            return true;
        });
        InstallErrorBox([&Boxes](const QString &Text) { Boxes.append(Text); });

        QCOMPARE(Help.HelpId(), 1);
        Help.OpenHtmlFile(3);
        Help.SetHelpId(2);
        Help.OpenHtmlFile();
        QCOMPARE(Opened, (QStringList{HilfePath + "FensterHauptfenster.html", HilfePath + "Kurztasten.html"}));
        QVERIFY(Boxes.isEmpty());

        // No source, no page: the learner is told which file is missing.
        Help.SetHelpId(18);
        Help.OpenHtmlFile();
        const QString Message = QStringLiteral("Die Datei \"%1FensterSchrifteinstellungen.html\" konnte nicht "
                                               "gefunden werden!")
                                    .arg(HilfePath);
        QCOMPARE(Boxes, QStringList{Message});
        QCOMPARE(Opened.size(), 2);
        QVERIFY(FLog.Get(0).endsWith(Message));
    }

    void loadEinleitung_data()
    {
        QTest::addColumn<QString>("Kind");
        QTest::addColumn<bool>("Result");
        QTest::addColumn<QString>("Error");
        QTest::newRow("present") << QStringLiteral("file") << true << QString();
        QTest::newRow("missing") << QStringLiteral("none") << false
                                 << QStringLiteral("Die Einleitungsdatei \"%1\" existiert nicht!");
        QTest::newRow("unreadable") << QStringLiteral("folder") << false
                                    << QStringLiteral("Die Einleitungsdatei \"%1\" konnte nicht geladen werden!");
    }
    void loadEinleitung()
    {
        QFETCH(QString, Kind);
        QFETCH(bool, Result);
        QFETCH(QString, Error);
        TProgram P;
        const QString FileName = ProgramPath + QStringLiteral("Einleitung.txt");
        if (Kind == "file") {
            QFile F(FileName);
            QVERIFY(F.open(QIODevice::WriteOnly));
            F.write("\r\n  Willkommen bei Tastwerk!\r\nZweite Zeile.\r\n\r\n");
        } else if (Kind == "folder") {
            QVERIFY(QDir().mkpath(FileName));
        }
        THelpSystem Help;
        QCOMPARE(Help.LoadEinleitung(), Result);
        if (Result) {
            QCOMPARE(Help.EinleitungString(), QStringLiteral("Willkommen bei Tastwerk!\r\nZweite Zeile."));
            QCOMPARE(FLog.Count(), 0);
        } else {
            QCOMPARE(Help.LastErrorString, Error.arg(FileName));
            QVERIFY(FLog.Get(0).endsWith(Error.arg(FileName)));
        }
    }

    void shippedHelpTexts()
    {
        const QString Shipped = QStringLiteral(TASTWERK_SHARE "/Hilfetexte");
        if (!QFileInfo(Shipped).isDir())
            QSKIP("The shipped help texts (share/Hilfetexte) are not there yet.");
        QTemporaryDir User;
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("test"), User.path());
        QVERIFY(QDir().mkpath(HilfePath));
        THelpSystem Help;
        Help.CreateHtmlFiles();
        QCOMPARE(Help.LastErrorString, QString());

        for (int Id = 1; Id < THelpSystem::HelpIdCount; ++Id) {
            const QString Name = THelpSystem::HelpFileName(Id);
            const QByteArray Bytes = ReadBytes(HilfePath + Name);
            QVERIFY2(!Bytes.isEmpty(), qPrintable(Name + " fehlt"));
            const QString Page = QString::fromUtf8(Bytes);
            QVERIFY2(!Page.contains(QStringLiteral("raw HTML omitted")), qPrintable(Name));
            static const QRegularExpression Charset(QStringLiteral("<meta[^>]*charset=\"?utf-8"),
                                                    QRegularExpression::CaseInsensitiveOption);
            QVERIFY2(Page.contains(Charset), qPrintable(Name + ": no charset declared"));
        }
        auto CheckList = [](const QString &Html, const QList<int> &Ids) {
            const QList<TEntry> List = TableOfContents(Html);
            QCOMPARE(List.size(), Ids.size());
            for (qsizetype I = 0; I < Ids.size(); ++I) {
                const TEntry &E = List[I];
                QCOMPARE(E.File, THelpSystem::HelpFileName(Ids[I]));
                QVERIFY2(!E.Text.trimmed().isEmpty(), qPrintable(E.File + ": no title"));
            }
        };
        CheckList(QString::fromUtf8(ReadBytes(HilfePath + "Hilfe.html")), HilfeIds());
        CheckList(QString::fromUtf8(ReadBytes(HilfePath + "TechnischesHandbuch.html")), HandbuchIds());
    }
};

QTEST_GUILESS_MAIN(tst_HelpSystem)
#include "tst_HelpSystem.moc"
