#include "InstallRun.h"

#include <QTemporaryDir>
#include <QtTest>

// The Debian package made by cpack from this build folder: its control
// fields, its files, and the program unpacked from it into a clean root.
class tst_Package : public QObject
{
    Q_OBJECT

    QTemporaryDir FRoot;
    QString FDeb;
    QString FUnpacked;
    QMap<QString, QString> FContents; // path in the package, its owner

    QString Field(const QString &Name) const
    {
        const TRun R = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), FDeb, Name});
        return R.Ok() ? R.Output.trimmed() : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FRoot.isValid());
        if (FindTool(QStringLiteral("dpkg-deb")).isEmpty())
            QSKIP("dpkg-deb is not installed (Debian package dpkg)");
        if (FindTool(QStringLiteral("dpkg-shlibdeps")).isEmpty())
            QSKIP("dpkg-shlibdeps is not installed (Debian package dpkg-dev): the package's library "
                  "dependencies cannot be found");
        const QString Out = FRoot.path() + QStringLiteral("/out");
        const TRun R = RunTool(QStringLiteral(TASTWERK_CPACK),
                               {QStringLiteral("--config"), QStringLiteral(TASTWERK_BUILD_DIR "/CPackConfig.cmake"),
                                QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), Out},
                               600000);
        QVERIFY2(R.Ok(), qPrintable(R.Output));
        const QFileInfoList Debs = QDir(Out).entryInfoList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(Debs.size(), 1);
        FDeb = Debs.first().filePath();
        qInfo().noquote() << Debs.first().fileName() << Debs.first().size() / 1024 << "KiB";

        // Mode, owner, size, date, time, then the path, which may hold spaces.
        const TRun C = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), FDeb});
        QVERIFY2(C.Ok(), qPrintable(C.Output));
        static const QRegularExpression Entry(QStringLiteral("^\\S+\\s+(\\S+)\\s+\\d+\\s+\\S+\\s+\\S+\\s(.+)$"));
        for (const QString &Line : C.Output.split(u'\n', Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch M = Entry.match(Line);
            QVERIFY2(M.hasMatch(), qPrintable(Line));
            FContents.insert(M.captured(2), M.captured(1));
        }

        FUnpacked = FRoot.path() + QStringLiteral("/root");
        const TRun X = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--extract"), FDeb, FUnpacked});
        QVERIFY2(X.Ok(), qPrintable(X.Output));
    }

    void control_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Value");
        QTest::newRow("name") << QStringLiteral("Package") << QStringLiteral("tastwerk");
        QTest::newRow("version") << QStringLiteral("Version") << QStringLiteral("1.0.2");
        QTest::newRow("section") << QStringLiteral("Section") << QStringLiteral("education");
        QTest::newRow("priority") << QStringLiteral("Priority") << QStringLiteral("optional");
    }
    void control()
    {
        QFETCH(QString, Name);
        QFETCH(QString, Value);
        QCOMPARE(Field(Name), Value);
    }

    void control_describesAndNamesItsMaker()
    {
        QVERIFY(Field(QStringLiteral("Maintainer")).contains(u'@'));
        const QStringList Description = Field(QStringLiteral("Description")).split(u'\n');
        QVERIFY(Description.size() > 2);
        QVERIFY(Description.first().contains(QLatin1String("braille")));
        // The whole information as dpkg shows it.
        const TRun Info = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--info"), FDeb});
        QVERIFY2(Info.Ok(), qPrintable(Info.Output));
        qInfo().noquote() << Info.Output;
    }

    // The libraries from dpkg-shlibdeps and what the program needs at run
    // time, each a package that this machine, where the program runs, has.
    void dependencies()
    {
        const QString Depends = Field(QStringLiteral("Depends"));
        QVERIFY(!Depends.isEmpty());
        QStringList Names;
        for (const QString &Item : Depends.split(u',')) {
            bool Have = false;
            for (QString Alternative : Item.split(u'|')) {
                Alternative = Alternative.section(u'(', 0, 0).section(u':', 0, 0).trimmed();
                Names << Alternative;
                const TRun R =
                    RunTool(QStringLiteral("dpkg-query"),
                            {QStringLiteral("--show"), QStringLiteral("--showformat=${Status}"), Alternative});
                Have = Have || R.Output.contains(QLatin1String("install ok installed"));
            }
            QVERIFY2(Have, qPrintable(Item.trimmed() + QStringLiteral(" is no installed package")));
        }
        for (const char *Needed :
             {"libqt6widgets6", "libqt6multimedia6", "libespeak-ng1", "libbrlapi0.8", "qt6-qpa-plugins",
              "qt6-translations-l10n", "fonts-dejavu-core", "speech-dispatcher"})
            QVERIFY2(Names.contains(QLatin1String(Needed)), Needed);
    }

    void contents_data()
    {
        QTest::addColumn<QString>("Path");
        QTest::newRow("program") << QStringLiteral("./usr/bin/tastwerk");
        QTest::newRow("check tool") << QStringLiteral("./usr/bin/tastwerk-check");
        QTest::newRow("braille table") << QStringLiteral("./usr/share/tastwerk/Data/BrlUniChar.txt");
        QTest::newRow("desktop entry") << QStringLiteral("./usr/share/applications/tastwerk.desktop");
        QTest::newRow("icon") << QStringLiteral("./usr/share/icons/hicolor/scalable/apps/tastwerk.svg");
        QTest::newRow("metainfo") << QStringLiteral("./usr/share/metainfo/de.tastwerk.Tastwerk.metainfo.xml");
        QTest::newRow("copyright") << QStringLiteral("./usr/share/doc/tastwerk/copyright");
    }
    void contents()
    {
        QFETCH(QString, Path);
        QVERIFY2(FContents.contains(Path), qPrintable(Path));
    }

    void contents_allBelowUsrOwnedByRoot()
    {
        QVERIFY(!FContents.isEmpty());
        for (auto It = FContents.cbegin(); It != FContents.cend(); ++It) {
            QVERIFY2(It.key().startsWith(QLatin1String("./usr/")) || It.key() == QLatin1String("./"),
                     qPrintable(It.key()));
            QVERIFY2(It.value() == QLatin1String("root/root"), qPrintable(It.key() + u' ' + It.value()));
        }
    }

    // The unpacked program checks its shipped folder without a message:
    // the one it finds beside itself and the one named.
    void unpacked_checksItsFolder_data()
    {
        QTest::addColumn<bool>("NameTheFolder");
        QTest::newRow("its own") << false;
        QTest::newRow("named") << true;
    }
    void unpacked_checksItsFolder()
    {
        QFETCH(bool, NameTheFolder);
        QStringList Arguments;
        if (NameTheFolder)
            Arguments << FUnpacked + QStringLiteral("/usr/share/tastwerk");
        const TRun R = RunTool(FUnpacked + QStringLiteral("/usr/bin/tastwerk-check"), Arguments);
        QVERIFY2(R.Ok(), qPrintable(R.Output));
        QVERIFY2(R.Output.contains(QLatin1String("Keine Probleme gefunden.")), qPrintable(R.Output));
    }
};

QTEST_GUILESS_MAIN(tst_Package)
#include "tst_Package.moc"
