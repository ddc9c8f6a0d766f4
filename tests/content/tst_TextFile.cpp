#include "content/FilesHelperC.h"
#include "content/RtfTextC.h"
#include "content/TextFileC.h"

#include "log/LogC.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// The one text reader: byte-order marks, ANSI and UTF-8 without a mark, rich
// text, line breaks; and the string helpers every content file uses.
class tst_TextFile : public QObject
{
    Q_OBJECT

    static QString Data(const QString &Name) { return QStringLiteral(TASTWERK_TEST_DATA "/text/") + Name; }

private slots:
    // An escaped carriage return in rich text leaves no stray CR in a line
    // (found by fuzzing); lines end at \par.
    void rtfEscapedCarriageReturn()
    {
        const QString Text = RtfToText(QByteArrayLiteral("{\\rtf1 a\\'0d\\'0ab\\u13 c\\par d}"));
        QVERIFY(!Text.contains(u'\r'));
        QVERIFY2(Text.startsWith(QStringLiteral("a\nb")) && Text.contains(u'd'), qPrintable(Text));
    }
    void detectType_data()
    {
        QTest::addColumn<QString>("File");
        QTest::addColumn<int>("Type");
        QTest::newRow("UTF-8 mark") << Data("utf8bom.txt") << 4;
        QTest::newRow("UTF-16 LE mark") << Data("utf16le.txt") << 2;
        QTest::newRow("UTF-16 BE mark") << Data("utf16be.txt") << 2;
        QTest::newRow("UTF-32 LE mark") << Data("utf32le.txt") << 2;
        QTest::newRow("UTF-32 BE mark") << Data("utf32be.txt") << 2;
        QTest::newRow("rich text") << Data("sample.rtf") << 3;
        QTest::newRow("ANSI") << Data("ansi.txt") << 1;
        QTest::newRow("two bytes") << Data("ab.txt") << 1;
        QTest::newRow("empty file") << Data("empty.txt") << 1;
        QTest::newRow("missing file") << Data("does-not-exist.txt") << 0;
    }
    void detectType()
    {
        QFETCH(QString, File);
        QFETCH(int, Type);
        QCOMPARE(DetectTextFileType(File), Type);
    }

    void load_data()
    {
        QTest::addColumn<QString>("File");
        QTest::addColumn<QString>("Text");
        const QString Unicode = QStringLiteral("Grüße ⠁⠃\r\nZeile 2\r\n");
        const QString Koeln = QStringLiteral("Grüße aus Köln – 5 €\r\nZeile 2\r\n");
        QTest::newRow("UTF-8 mark dropped, last line ended")
            << Data("utf8bom.txt") << QStringLiteral("Grüße\r\nZeile 2\r\n");
        QTest::newRow("UTF-16 LE") << Data("utf16le.txt") << Unicode;
        QTest::newRow("UTF-16 BE") << Data("utf16be.txt") << Unicode;
        QTest::newRow("UTF-32 LE") << Data("utf32le.txt") << Unicode;
        QTest::newRow("UTF-32 BE") << Data("utf32be.txt") << Unicode;
        QTest::newRow("Windows-1252 without mark") << Data("ansi.txt") << Koeln;
        QTest::newRow("UTF-8 without mark, LF") << Data("utf8.txt") << Koeln;
        QTest::newRow("two bytes 41 42") << Data("ab.txt") << QStringLiteral("AB\r\n");
        QTest::newRow("CR, LF and CR LF") << Data("breaks.txt") << QStringLiteral("a\r\nb\r\nc\r\n\r\nd\r\n");
        QTest::newRow("empty file") << Data("empty.txt") << QString();
        QTest::newRow("rich text gives its plain text")
            << Data("sample.rtf")
            << QStringLiteral("Grüße aus Köln\r\nFett\tund kursiv\r\nneue Zeile\r\n"
                              "Euro €, Braille ⠁⠃, geschweift {x} und \\\r\nEnde\r\n");
    }
    void load()
    {
        QFETCH(QString, File);
        QFETCH(QString, Text);
        const std::optional<QString> Loaded = LoadTextFile(File);
        QVERIFY(Loaded.has_value());
        QCOMPARE(*Loaded, Text);
    }

    void loadFailsForMissingFileAndFolder()
    {
        QVERIFY(!LoadTextFile(Data("does-not-exist.txt")).has_value());
        QVERIFY(!LoadTextFile(QStringLiteral(TASTWERK_TEST_DATA)).has_value());
    }

    // A named pipe among the content (or named like a content file) is not
    // opened: opening it waited for a writer for good. Loading goes on at
    // once with a message naming it.
    void namedPipeIsNotOpened()
    {
        QTemporaryDir Dir;
        const QString Pipe = Dir.filePath(QStringLiteral("99 Haengt.lek"));
        QCOMPARE(mkfifo(QFile::encodeName(Pipe).constData(), 0600), 0);
        // Should the reader wait after all, a writer frees it after 5 s and
        // the time shows it.
        std::thread Rescue([Pipe] {
            std::this_thread::sleep_for(std::chrono::seconds(5));
            const int Fd = ::open(QFile::encodeName(Pipe).constData(), O_WRONLY | O_NONBLOCK);
            if (Fd >= 0)
                ::close(Fd);
        });
        QElapsedTimer T;
        T.start();
        QString Error;
        QVERIFY(!ReadContentFile(Pipe, u"Lektionendatei", Error).has_value());
        QCOMPARE(Error, QStringLiteral("Die Lektionendatei \"%1\" ist keine gewöhnliche Datei und wird nicht geladen!")
                            .arg(Pipe));
        QVERIFY(!LoadTextFile(Pipe).has_value());

        TLog Log(nullptr, QString());
        InstallLog(&Log);
        const auto Found = ScanFolder(skLektionen, Dir.path());
        InstallLog(nullptr);
        QVERIFY(Found && Found->isEmpty());
        QCOMPARE(Log.Count(), 1);
        QCOMPARE(Log.Get(0).mid(16), QStringLiteral("\"%1\" ist keine gewöhnliche Datei und wird übersprungen.").arg(Pipe));
        QVERIFY2(T.elapsed() < 2000, qPrintable(QString::number(T.elapsed())));
        Rescue.join();
    }

    // A content file far beyond any course is refused with a message naming
    // it, before it is read.
    void contentFileTooLarge()
    {
        QTemporaryDir Dir;
        const QString Name = Dir.filePath(QStringLiteral("riesig.dat"));
        QFile F(Name);
        QVERIFY(F.open(QIODevice::WriteOnly));
        QVERIFY(F.resize(MaxContentFileSize + 1));
        F.close();
        QString Error;
        QVERIFY(!ReadContentFile(Name, u"Datendatei", Error).has_value());
        QCOMPARE(Error, QStringLiteral("Die Datendatei \"%1\" ist zu groß (4.0 MB, erlaubt sind 4 MB) und wird nicht "
                                       "geladen!")
                            .arg(Name));
        QVERIFY(F.resize(MaxContentFileSize));
        QVERIFY(ReadContentFile(Name, u"Datendatei", Error).has_value());
    }

    void encodeRoundTrip_data()
    {
        QTest::addColumn<int>("Encoding");
        QTest::newRow("UTF-8") << int(TTextEncoding::Utf8);
        QTest::newRow("UTF-8 mark") << int(TTextEncoding::Utf8Bom);
        QTest::newRow("UTF-16 LE") << int(TTextEncoding::Utf16LE);
        QTest::newRow("UTF-16 BE") << int(TTextEncoding::Utf16BE);
        QTest::newRow("UTF-32 LE") << int(TTextEncoding::Utf32LE);
        QTest::newRow("ANSI is written as UTF-8 with mark") << int(TTextEncoding::Ansi);
    }
    void encodeRoundTrip()
    {
        QFETCH(int, Encoding);
        const QString Text = QStringLiteral("Grüße ⠁⠃ €\r\n");
        TTextEncoding Read;
        QCOMPARE(DecodeText(EncodeText(Text, TTextEncoding(Encoding)), &Read), Text);
        if (TTextEncoding(Encoding) == TTextEncoding::Ansi)
            QCOMPARE(Read, TTextEncoding::Utf8Bom);
        else
            QCOMPARE(Read, TTextEncoding(Encoding));
    }

    // After the byte-order mark every character is text, a second U+FEFF
    // too: dropping it would let a UTF-16 text that goes on with U+0000 be
    // written back as a file that reads as UTF-32.
    void characterAfterTheMark_data()
    {
        QTest::addColumn<int>("Encoding");
        QTest::newRow("UTF-8 mark") << int(TTextEncoding::Utf8Bom);
        QTest::newRow("UTF-16 LE") << int(TTextEncoding::Utf16LE);
        QTest::newRow("UTF-16 BE") << int(TTextEncoding::Utf16BE);
        QTest::newRow("UTF-32 LE") << int(TTextEncoding::Utf32LE);
        QTest::newRow("UTF-32 BE") << int(TTextEncoding::Utf32BE);
    }
    void characterAfterTheMark()
    {
        QFETCH(int, Encoding);
        const QString Text = QStringLiteral("\uFEFF") + QChar(0) + QStringLiteral("a");
        TTextEncoding Read;
        QCOMPARE(DecodeText(EncodeText(Text, TTextEncoding(Encoding)), &Read), Text);
        QCOMPARE(Read, TTextEncoding(Encoding));
    }

    void windows1252()
    {
        // 0x80..0x9F hold the typographic characters; the rest is Latin-1.
        QCOMPARE(DecodeWindows1252(QByteArray("\x80\x84\x93\x96\xE4\xDF")), QStringLiteral("€„“–äß"));
    }

    // UTF-32 units that are no Unicode scalar value (above U+10FFFF, or a
    // surrogate) and bytes left over become U+FFFD; everything else stays.
    void utf32_invalidUnits_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QByteArray Le("\xFF\xFE\x00\x00", 4);
        const QByteArray Be("\x00\x00\xFE\xFF", 4);
        QTest::newRow("LE above U+10FFFF") << Le + QByteArray("a\0\0\0"
                                                              "\x00\x00\x11\x00"
                                                              "b\0\0\0",
                                                              12)
                                           << QStringLiteral("a\uFFFDb");
        QTest::newRow("BE far above") << Be + QByteArray("\xFF\xFF\xFF\xFF\0\0\0c", 8) << QStringLiteral("\uFFFDc");
        QTest::newRow("LE surrogate") << Le + QByteArray("\x00\xD8\x00\x00", 4) << QStringLiteral("\uFFFD");
        QTest::newRow("LE outside the BMP")
            << Le + QByteArray("\x00\xF6\x01\x00", 4) << QString::fromUcs4(U"\U0001F600", 1);
        QTest::newRow("BE bytes left over") << Be + QByteArray("\0\0\0d\0\0", 6) << QStringLiteral("d\uFFFD");
    }
    void utf32_invalidUnits()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const QString Decoded = DecodeText(bytes);
        QCOMPARE(Decoded, text);
        // Nothing the program reads holds a lone surrogate.
        for (qsizetype I = 0; I < Decoded.size(); ++I)
            if (Decoded[I].isHighSurrogate())
                QVERIFY(I + 1 < Decoded.size() && Decoded[++I].isLowSurrogate());
            else
                QVERIFY(!Decoded[I].isLowSurrogate());
    }

    void splitLines_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QStringList>("Lines");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("one line, no break") << QStringLiteral("a") << QStringList{"a"};
        QTest::newRow("break at end starts no line") << QStringLiteral("a\r\n") << QStringList{"a"};
        QTest::newRow("blank lines count") << QStringLiteral("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("CR and LF alone") << QStringLiteral("a\rb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("LF CR is two breaks") << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
    }
    void splitLines()
    {
        QFETCH(QString, Text);
        QFETCH(QStringList, Lines);
        QCOMPARE(SplitLines(Text), Lines);
    }

    void trimCtl()
    {
        // Characters up to code 32 go; a no-break space and an empty cell stay.
        QCOMPARE(TrimCtl(QStringLiteral("\t \x01 ab c\r\n")), QStringLiteral("ab c"));
        QCOMPARE(TrimCtl(QString(QChar(0xA0)) + "x" + QChar(0x2800)), QString(QChar(0xA0)) + "x" + QChar(0x2800));
        QCOMPARE(TrimCtl(QStringLiteral("   ")), QString());
    }

    void lineBreaksInDescriptions()
    {
        QCOMPARE(ConvertLineBreaks(QStringLiteral("Zeile 1 \\Zeile 2")), QStringLiteral("Zeile 1\r\nZeile 2"));
        QCOMPARE(ConvertLineBreaks(QStringLiteral("C:\\x")), QStringLiteral("C:\\x"));
    }

    void lastPathComponent_data()
    {
        QTest::addColumn<QString>("Path");
        QTest::addColumn<QString>("Name");
        QTest::newRow("Windows path with trailing backslash")
            << QStringLiteral("D:\\x\\Lernmaterial-2\\") << QStringLiteral("Lernmaterial-2");
        QTest::newRow("relative Windows path") << QStringLiteral("Teil\\Bereich 3") << QStringLiteral("Bereich 3");
        QTest::newRow("Unix path") << QStringLiteral("/a/b/") << QStringLiteral("b");
        QTest::newRow("bare name") << QStringLiteral("Name") << QStringLiteral("Name");
    }
    void lastPathComponent()
    {
        QFETCH(QString, Path);
        QFETCH(QString, Name);
        QCOMPARE(LastPathComponent(Path), Name);
    }

    void resolvePathNoCase()
    {
        // Names written on Windows: backslashes and any letter case.
        QTemporaryDir Dir;
        QVERIFY(QDir(Dir.path()).mkpath("Bereich 1"));
        QFile F(Dir.path() + "/Bereich 1/Lektion.LEK");
        QVERIFY(F.open(QIODevice::WriteOnly));
        F.close();
        QCOMPARE(ResolvePathNoCase(Dir.path(), QStringLiteral("bereich 1\\lektion.lek")),
                 Dir.path() + "/Bereich 1/Lektion.LEK");
        QCOMPARE(ResolvePathNoCase(Dir.path(), QStringLiteral("fehlt\\x.lek")), Dir.path() + "/fehlt/x.lek");
    }
};

QTEST_GUILESS_MAIN(tst_TextFile)
#include "tst_TextFile.moc"
