#include "InstallRun.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
const QString MetaInfoFile = QStringLiteral("share/metainfo/de.tastwerk.Tastwerk.metainfo.xml");
const QString DesktopFile = QStringLiteral("share/applications/tastwerk.desktop");
const QString IconFile = QStringLiteral("share/icons/hicolor/scalable/apps/tastwerk.svg");

// The texts of every element Name in an XML file, in order.
QStringList XmlTexts(const QString &File, const QString &Name)
{
    QStringList L;
    QFile F(File);
    if (!F.open(QIODevice::ReadOnly))
        return L;
    QXmlStreamReader X(&F);
    while (!X.atEnd()) {
        X.readNext();
        if (X.isStartElement() && X.name() == Name)
            L << X.readElementText();
    }
    return L;
}

// Adds or removes the write bits of everything below Folder.
void SetWritable(const QString &Folder, bool Writable)
{
    const auto Set = [Writable](const QString &Path) {
        struct stat S;
        if (lstat(QFile::encodeName(Path).constData(), &S) != 0 || S_ISLNK(S.st_mode))
            return;
        const mode_t W = S_IWUSR | S_IWGRP | S_IWOTH;
        chmod(QFile::encodeName(Path).constData(), Writable ? (S.st_mode | S_IWUSR) : (S.st_mode & ~W));
    };
    QDirIterator It(Folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QStringList Paths{Folder};
    while (It.hasNext())
        Paths << It.next();
    for (const QString &P : Paths)
        Set(P);
}

// A local socket in Folder (the socket of a running Tastwerk), empty when none.
QString SocketIn(const QString &Folder)
{
    for (const QFileInfo &F : QDir(Folder).entryInfoList(QDir::System | QDir::Files | QDir::Hidden)) {
        struct stat S;
        if (stat(QFile::encodeName(F.filePath()).constData(), &S) == 0 && S_ISSOCK(S.st_mode))
            return F.filePath();
    }
    return QString();
}
} // namespace

// The program as cmake --install lays it out in a fresh prefix: where its
// files lie, what the desktop's validators say of them, and the installed
// programs run from there by two users at once.
class tst_Install : public QObject
{
    Q_OBJECT

    QTemporaryDir FRoot;
    QString FPrefix;

    QString Installed(const QString &Relative) const { return FPrefix + u'/' + Relative; }

private slots:
    void initTestCase()
    {
        QVERIFY(FRoot.isValid());
        // Other users of the two-user run must reach the prefix.
        QFile::setPermissions(FRoot.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        FPrefix = FRoot.path() + QStringLiteral("/prefix");
        const TRun R = RunTool(
            QStringLiteral(TASTWERK_CMAKE),
            {QStringLiteral("--install"), QStringLiteral(TASTWERK_BUILD_DIR), QStringLiteral("--prefix"), FPrefix},
            120000);
        QVERIFY2(R.Ok(), qPrintable(R.Output));
    }

    void cleanupTestCase()
    {
        if (!FPrefix.isEmpty())
            SetWritable(FPrefix, true);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("Path");
        QTest::addColumn<bool>("Executable");
        QTest::newRow("program") << QStringLiteral("bin/tastwerk") << true;
        QTest::newRow("check tool") << QStringLiteral("bin/tastwerk-check") << true;
        QTest::newRow("braille table") << QStringLiteral("share/tastwerk/Data/BrlUniChar.txt") << false;
        QTest::newRow("splash picture") << QStringLiteral("share/tastwerk/Tastwerk.ss") << false;
        QTest::newRow("desktop entry") << DesktopFile << false;
        QTest::newRow("icon") << IconFile << false;
        QTest::newRow("metainfo") << MetaInfoFile << false;
        QTest::newRow("copyright") << QStringLiteral("share/doc/tastwerk/copyright") << false;
    }
    void layout()
    {
        QFETCH(QString, Path);
        QFETCH(bool, Executable);
        const QFileInfo F(Installed(Path));
        QVERIFY2(F.isFile(), qPrintable(F.filePath()));
        QCOMPARE(F.isExecutable(), Executable);
        QVERIFY(F.permissions() & QFile::ReadOther);
    }

    void programFolder_isTheShippedTree()
    {
        const QString Shipped = QStringLiteral(TASTWERK_SOURCE_DIR "/share");
        const QStringList Files = FilesBelow(Shipped);
        QVERIFY(Files.contains(QStringLiteral("Data/BrlUniChar.txt")));
        QCOMPARE(FilesBelow(Installed(QStringLiteral("share/tastwerk"))), Files);
        for (const QString &F : Files)
            QCOMPARE(QFileInfo(Installed(QStringLiteral("share/tastwerk/") + F)).size(),
                     QFileInfo(Shipped + u'/' + F).size());
    }

    void desktopEntry_validates()
    {
        const QString Tool = FindTool(QStringLiteral("desktop-file-validate"));
        if (Tool.isEmpty())
            QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
        const TRun R = RunTool(Tool, {Installed(DesktopFile)});
        QVERIFY2(R.Ok(), qPrintable(R.Output));
        // Hints are advice; a warning or an error is a fault of ours.
        QVERIFY2(!R.Output.contains(QLatin1String("warning:")) && !R.Output.contains(QLatin1String("error:")),
                 qPrintable(R.Output));
    }

    void desktopEntry_namesWhatIsInstalled()
    {
        const QMap<QString, QString> Entry = ReadDesktopEntry(Installed(DesktopFile));
        QVERIFY(QFileInfo(Installed(QStringLiteral("bin/") + Entry.value(QStringLiteral("Exec")))).isExecutable());
        QVERIFY(QFileInfo(Installed(QStringLiteral("bin/") + Entry.value(QStringLiteral("TryExec")))).isExecutable());
        QCOMPARE(Entry.value(QStringLiteral("Icon")) + QStringLiteral(".svg"), QFileInfo(IconFile).fileName());
        QVERIFY(!Entry.value(QStringLiteral("Name[de]")).isEmpty());
        QVERIFY(!Entry.value(QStringLiteral("GenericName[de]")).isEmpty());
        QVERIFY(!Entry.value(QStringLiteral("Comment[de]")).isEmpty());
        const QStringList Categories = Entry.value(QStringLiteral("Categories")).split(u';', Qt::SkipEmptyParts);
        QVERIFY(Categories.contains(QStringLiteral("Education")));
        QVERIFY(Categories.contains(QStringLiteral("Accessibility")));

        // The AppStream file points at this entry and at the installed programs.
        QCOMPARE(XmlTexts(Installed(MetaInfoFile), QStringLiteral("launchable")),
                 QStringList{QFileInfo(DesktopFile).fileName()});
        const QStringList Binaries = XmlTexts(Installed(MetaInfoFile), QStringLiteral("binary"));
        QVERIFY(!Binaries.isEmpty());
        for (const QString &B : Binaries)
            QVERIFY2(QFileInfo(Installed(QStringLiteral("bin/") + B)).isExecutable(), qPrintable(B));
        // The icon is a picture that scales: a square SVG.
        QFile Icon(Installed(IconFile));
        QVERIFY(Icon.open(QIODevice::ReadOnly));
        QXmlStreamReader X(&Icon);
        QVERIFY(X.readNextStartElement());
        QCOMPARE(X.name(), QLatin1String("svg"));
        const QStringList Box = X.attributes().value(QLatin1String("viewBox")).toString().split(u' ');
        QCOMPARE(Box.size(), 4);
        QCOMPARE(Box[2], Box[3]);
    }

    void metainfo_validates_data()
    {
        QTest::addColumn<QString>("ScreenshotUrl");
        QTest::newRow("as installed") << QString();
        // The form it takes once the pictures have a web address.
        QTest::newRow("with screenshots") << QStringLiteral("https://tastwerk.example/screenshots");
    }
    void metainfo_validates()
    {
        QFETCH(QString, ScreenshotUrl);
        const QString Tool = FindTool(QStringLiteral("appstreamcli"));
        if (Tool.isEmpty())
            QSKIP("appstreamcli is not installed (Debian package appstream)");
        QString File = Installed(MetaInfoFile);
        QTemporaryDir Made;
        if (!ScreenshotUrl.isEmpty()) {
            File = Made.path() + QStringLiteral("/de.tastwerk.Tastwerk.metainfo.xml");
            const TRun R =
                RunTool(QStringLiteral(TASTWERK_CMAKE),
                        {QStringLiteral("-DIN=" TASTWERK_SOURCE_DIR "/data/de.tastwerk.Tastwerk.metainfo.xml.in"),
                         QStringLiteral("-DOUT=") + File, QStringLiteral("-DSCREENSHOT_URL=") + ScreenshotUrl,
                         QStringLiteral("-P"), QStringLiteral(TASTWERK_SOURCE_DIR "/data/MetaInfo.cmake")});
            QVERIFY2(R.Ok(), qPrintable(R.Output));
            // Every picture it names is one of ours.
            const QStringList Images = XmlTexts(File, QStringLiteral("image"));
            QVERIFY(!Images.isEmpty());
            for (const QString &I : Images) {
                QVERIFY(I.startsWith(ScreenshotUrl + u'/'));
                QVERIFY2(QFileInfo::exists(QStringLiteral(TASTWERK_SOURCE_DIR "/docs/screenshots/") +
                                           I.mid(ScreenshotUrl.size() + 1)),
                         qPrintable(I));
            }
        }
        const TRun R = RunTool(Tool, {QStringLiteral("validate"), QStringLiteral("--no-net"), File});
        QVERIFY2(R.Ok(), qPrintable(R.Output));
    }

    void checkTool_findsTheInstalledFolder()
    {
        const TRun R = RunTool(Installed(QStringLiteral("bin/tastwerk-check")), {});
        QVERIFY2(R.Ok(), qPrintable(R.Output));
        QVERIFY2(R.Output.contains(QLatin1String("Keine Probleme gefunden.")), qPrintable(R.Output));
    }

    // Two users start the installed program at the same time from a prefix
    // they cannot write to: each gets a profile of their own in their home,
    // and the prefix stays as it was.
    void twoUsers_getTheirOwnProfiles()
    {
        // As root a read-only prefix means nothing: the two users are then
        // two unprivileged accounts.
        const bool AsRoot = geteuid() == 0;
        const QString Setpriv = FindTool(QStringLiteral("setpriv"));
        if (AsRoot && Setpriv.isEmpty())
            QSKIP("setpriv is not installed (Debian package util-linux): cannot run as another user");

        struct TUser {
            QString Name;
            uid_t Uid;
            QString Folder;
            QString Home() const { return Folder + QStringLiteral("/home"); }
            QString Tmp() const { return Folder + QStringLiteral("/tmp"); }
            QString Profiles() const { return Home() + QStringLiteral("/.local/share/Tastwerk/Benutzer"); }
        };
        QList<TUser> Users{{QStringLiteral("lena"), AsRoot ? uid_t(64101) : getuid(), QString()},
                           {QStringLiteral("tom"), AsRoot ? uid_t(64102) : getuid(), QString()}};

        SetWritable(FPrefix, false);
        const QStringList PrefixBefore = Snapshot(FPrefix);
        std::vector<std::unique_ptr<QProcess>> Runs;
        for (TUser &U : Users) {
            U.Folder = FRoot.path() + QStringLiteral("/users/") + U.Name;
            QProcessEnvironment E = QProcessEnvironment::systemEnvironment();
            for (const QString &Key : E.keys())
                if (Key.startsWith(QLatin1String("XDG_")))
                    E.remove(Key);
            for (const char *Sub : {"", "/home", "/tmp", "/run"}) {
                const QString Path = U.Folder + QLatin1String(Sub);
                QVERIFY(QDir().mkpath(Path));
                QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                if (AsRoot)
                    QCOMPARE(chown(QFile::encodeName(Path).constData(), U.Uid, U.Uid), 0);
            }
            const QString None = QStringLiteral("/run/none");
            E.insert(QStringLiteral("HOME"), U.Home());
            E.insert(QStringLiteral("USER"), U.Name);
            E.insert(QStringLiteral("LOGNAME"), U.Name);
            E.insert(QStringLiteral("TMPDIR"), U.Tmp());
            E.insert(QStringLiteral("XDG_RUNTIME_DIR"), U.Folder + QStringLiteral("/run"));
            E.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            // No sound server, speech service or session bus of the machine.
            E.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + U.Folder + None);
            E.insert(QStringLiteral("SPEECHD_ADDRESS"), QStringLiteral("unix_socket:") + U.Folder + None);
            E.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + U.Folder + None);
            auto P = std::make_unique<QProcess>();
            P->setProcessEnvironment(E);
            P->setProcessChannelMode(QProcess::ForwardedChannels);
            const QString Program = Installed(QStringLiteral("bin/tastwerk"));
            if (AsRoot)
                P->start(Setpriv, {QStringLiteral("--reuid=%1").arg(U.Uid), QStringLiteral("--regid=%1").arg(U.Uid),
                                   QStringLiteral("--clear-groups"), QStringLiteral("--"), Program});
            else
                P->start(Program, {});
            QVERIFY(P->waitForStarted());
            Runs.push_back(std::move(P));
        }

        // Both run at once, each with its own socket and profile.
        QStringList Sockets;
        for (const TUser &U : Users) {
            QTRY_VERIFY_WITH_TIMEOUT(!SocketIn(U.Tmp()).isEmpty(), 30000);
            Sockets << SocketIn(U.Tmp());
            QTRY_VERIFY_WITH_TIMEOUT(QDir(U.Profiles()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() == 1,
                                     20000);
        }
        QTest::qWait(500);
        for (qsizetype I = 0; I < Users.size(); ++I) {
            QCOMPARE(Runs[size_t(I)]->state(), QProcess::Running);
            QLocalSocket S;
            S.connectToServer(Sockets[I]);
            QVERIFY(S.waitForConnected(2000));
            S.write("autoclose\n");
            QVERIFY(S.waitForBytesWritten(2000));
            S.disconnectFromServer();
        }
        for (auto &P : Runs) {
            QVERIFY(P->waitForFinished(30000));
            QCOMPARE(P->exitStatus(), QProcess::NormalExit);
            QCOMPARE(P->exitCode(), 0);
        }

        for (const TUser &U : Users) {
            const QStringList Profiles = QDir(U.Profiles()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            QCOMPARE(Profiles.size(), 1);
            const QString Ini = U.Profiles() + u'/' + Profiles.first() + QStringLiteral("/Tastwerk.ini");
            QVERIFY2(QFileInfo(Ini).isFile(), qPrintable(Ini));
            qInfo().noquote() << U.Name << "has" << QDir(FRoot.path()).relativeFilePath(Ini);
            if (AsRoot)
                QCOMPARE(QFileInfo(Ini).ownerId(), U.Uid);
        }
        QCOMPARE(Snapshot(FPrefix), PrefixBefore);
        QCOMPARE(QDir(FRoot.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("prefix"), QStringLiteral("users")}));
        SetWritable(FPrefix, true);
    }
};

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_Install.moc"
