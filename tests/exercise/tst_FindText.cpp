#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/RandomC.h"
#include "exercise/AufgabenTypSettingsC.h"
#include "exercise/ClickPosC.h"
#include "exercise/FindTextC.h"
#include "exercise/LeerzeichenC.h"

#include "../common/Records.h"

#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Words with the places of each of their characters, as the word files give
// them.
TDatensatzDynArray Words(std::initializer_list<const char *> Lines)
{
    TDatensatzDynArray L = Records(Lines);
    for (TDatensatz &D : L) {
        QString Seen;
        for (int I = 0; I < D.Brl.size(); ++I) {
            const QChar C = D.Brl[I];
            if (Seen.contains(C))
                continue;
            Seen += C;
            D.FZeichenInWortPos.Add(C, TZeichenInWortPos::CreateFlags(I + 1, C, D.Brl));
        }
    }
    return L;
}

// A word whose only known character is C, at the places Flags.
TDatensatz WordWith(const char *Brl, QChar C, TZeichenInWortPosSet Flags)
{
    TDatensatz D = TDatensatz::Create(QString::fromUtf8(Brl), QString::fromUtf8(Brl), QString());
    D.FZeichenInWortPos.Add(C, Flags);
    return D;
}

QString Braille(const QString &S)
{
    return BrlUniChar->Translate(S, ttToUniBrl, true);
}

QString TaskLine(const QString &Result)
{
    return Result.section(QStringLiteral("\r\n"), 0, 0);
}

QString ExerciseLine(const QString &Result)
{
    const QStringList Lines = Result.split(QStringLiteral("\r\n"));
    return Lines.size() > 1 ? Lines[1] : QString();
}

QString Spaced(QString S)
{
    TDatensatz D;
    D.Brl = S;
    D.SetSperrdruck();
    return D.Brl;
}

QString CellsOf(const QString &Result, const TClickPos::TPos &P)
{
    return Result.mid(P.FromPos, P.ToPos - P.FromPos + 1);
}

// Every non-overlapping occurrence of Needle in Line, as text ranges.
QList<TClickPos::TPos> Occurrences(const QString &Line, const QString &Needle, int Offset)
{
    QList<TClickPos::TPos> Result;
    for (qsizetype I = Line.indexOf(Needle); I >= 0; I = Line.indexOf(Needle, I + Needle.size())) {
        TClickPos::TPos P;
        P.SetData(Offset + int(I), Offset + int(I + Needle.size()) - 1);
        Result.append(P);
    }
    return Result;
}

const char *PlaceFormat(TZeichenInWortPosTyp Typ)
{
    switch (Typ) {
    case ziwpBegin:
        return "Finde %1 am Beginn:";
    case ziwpMiddle:
        return "Finde %1 in der Mitte:";
    case ziwpEnd:
        return "Finde %1 am Ende:";
    default:
        return "Finde Unbekannt:";
    }
}

QChar TargetCharacter(const TDatensatz &D)
{
    const int I = D.FZeichenInWortPos.RandomIndex();
    return I >= 0 ? D.FZeichenInWortPos.GetList()[I].Character : QChar(u' ');
}

} // namespace

// The exercises of the six finding types.
class tst_FindText : public QObject
{
    Q_OBJECT

    TBrlUniChar FTable;
    QString FBlank; // a space as the learner's display shows it

    // Lessons of each finding type, built from small lists in which no
    // target can be read out of its fillers.
    TAufgabenTypSettings Lessons()
    {
        TAufgabenTypSettings S;
        S.SetStandard();

        auto &VZ = S.FAT_VerstecktesZeichen_Settings;
        VZ.Lernzeichenliste = Records({"a ^ a ^ a wie Anton", "b ^ b", "c ^ c"});
        VZ.Trennzeichenliste = Records({"%", "x"});
        VZ.Leerzeichen = TLeerzeichen::Create(ltAlways, 1);
        VZ.MaxLernzeichenAnzahl = 3;

        auto &VW = S.FAT_VerstecktesWort_Settings;
        VW.WoerterlisteLernen = Records({"haus ^ Haus", "baum ^ Baum", "tor ^ Tor"});
        VW.Trennzeichenliste = Records({"%", "-"});
        VW.Sperrdruck = true;
        VW.Leerzeichen = TLeerzeichen::Create(ltByWords, 1);
        VW.MaxWortAnzahl = 3;

        auto &ZF = S.FAT_ZeichenFinden_Settings;
        ZF.Lernzeichenliste = Records({"a ^ a", "b ^ b", "c ^ c"});
        ZF.Gelerntzeichenliste = Records({"d ^ d", "e ^ e", "f ^ f"});
        ZF.Leerzeichen = TLeerzeichen::Create(ltNone, 0);
        ZF.MaxLernzeichenAnzahl = 4;

        auto &WF = S.FAT_WortFinden_Settings;
        WF.WoerterlisteLernen = Records({"haus ^ Haus", "baum ^ Baum", "tor ^ Tor"});
        WF.WoerterlisteAlle = WF.WoerterlisteLernen + Records({"kind", "mond", "leo"});
        WF.Leerzeichen = TLeerzeichen::Create(ltRandom, 0);
        WF.MaxWortAnzahl = 3;

        auto &FF = S.FAT_FigurFinden_Settings;
        FF.Figurenliste = Records({"fgf ^ Haus", "qrq ^ Baum", "wvw ^ Tor"});
        FF.Leerzeichen = 2;
        FF.MaxFigurAnzahl = 3;

        auto &ZW = S.FAT_ZeichenInWortFinden_Settings;
        ZW.WoerterlisteLernen = Words({"haus", "hase", "rose", "tee"});
        ZW.WoerterlisteAlle = ZW.WoerterlisteLernen + Words({"kind", "mond", "esel", "leo"});
        ZW.Leerzeichen = 1;
        ZW.MaxWortAnzahl = 3;
        return S;
    }

    static QString Create(const TAufgabenTypSettings &S, int Typ, TClickPos &C, bool New)
    {
        switch (Typ) {
        case atVerstecktesZeichen:
            return S.FAT_VerstecktesZeichen_Settings.CreateText(C, New);
        case atVerstecktesWort:
            return S.FAT_VerstecktesWort_Settings.CreateText(C, New);
        case atZeichenFinden:
            return S.FAT_ZeichenFinden_Settings.CreateText(C, New);
        case atWortFinden:
            return S.FAT_WortFinden_Settings.CreateText(C, New);
        case atFigurFinden:
            return S.FAT_FigurFinden_Settings.CreateText(C, New);
        case atZeichenInWortFinden:
            return S.FAT_ZeichenInWortFinden_Settings.CreateText(C, New);
        }
        return QString();
    }

    // The exercise line's text ranges of the targets of a lesson, found
    // without the answer key.
    QList<TClickPos::TPos> ExpectedRanges(const TAufgabenTypSettings &S, int Typ, const TClickPos &C,
                                          const QString &Line)
    {
        const TDatensatz &T = C.Datensatz;
        if (Typ == atVerstecktesWort)
            return Occurrences(Line, Braille(Spaced(T.Brl)), C.FClickSelStart);
        if (Typ != atZeichenInWortFinden)
            return Occurrences(Line, Braille(T.Brl), C.FClickSelStart);
        // Words with the asked character at the asked place.
        const auto &ZW = S.FAT_ZeichenInWortFinden_Settings;
        QList<TClickPos::TPos> Result;
        int From = C.FClickSelStart + 1;
        for (const QString &Token : Line.mid(1).split(FBlank)) {
            bool Found = false;
            for (const TDatensatz &W : ZW.WoerterlisteAlle)
                if (Braille(W.Brl) == Token) {
                    Found = true;
                    if (W.FZeichenInWortPos.IsCharacterTypIdent(TargetCharacter(T), T.FZeichenInWortPos.RandomTyp())) {
                        TClickPos::TPos P;
                        P.SetData(From, From + int(Token.size()) - 1);
                        Result.append(P);
                    }
                }
            if (!Found)
                return {}; // not a word of the lesson: fails the comparison
            From += int(Token.size()) + 1;
        }
        return Result;
    }

    // The task line and spoken task of the current target.
    static QPair<QString, QString> ExpectedTask(int Typ, const TDatensatz &T, bool ZeigeNormaltext)
    {
        if (Typ == atFigurFinden)
            return {QStringLiteral("Finde %1: %2").arg(T.Text, Braille(T.Brl)), QStringLiteral("Finde %1").arg(T.Text)};
        if (Typ == atZeichenInWortFinden) {
            const QString Z = TargetCharacter(T);
            const QString F = QString::fromUtf8(PlaceFormat(T.FZeichenInWortPos.RandomTyp()));
            return {F.arg(ZeigeNormaltext ? Z : Braille(Z)), F.arg(Z)};
        }
        return {QStringLiteral("Finde: %1").arg(ZeigeNormaltext ? T.GetZusatztext() : Braille(T.Brl)),
                QStringLiteral("Finde: %1").arg(T.Text)};
    }

    static const TDatensatzDynArray &FindList(const TAufgabenTypSettings &S, int Typ)
    {
        switch (Typ) {
        case atVerstecktesZeichen:
            return S.FAT_VerstecktesZeichen_Settings.Lernzeichenliste;
        case atVerstecktesWort:
            return S.FAT_VerstecktesWort_Settings.WoerterlisteLernen;
        case atZeichenFinden:
            return S.FAT_ZeichenFinden_Settings.Lernzeichenliste;
        case atWortFinden:
            return S.FAT_WortFinden_Settings.WoerterlisteLernen;
        case atFigurFinden:
            return S.FAT_FigurFinden_Settings.Figurenliste;
        default:
            return S.FAT_ZeichenInWortFinden_Settings.WoerterlisteLernen;
        }
    }

    void SetZeigeNormaltext(TAufgabenTypSettings &S, bool On)
    {
        S.FAT_VerstecktesZeichen_Settings.ZeigeNormaltext = On;
        S.FAT_VerstecktesWort_Settings.ZeigeNormaltext = On;
        S.FAT_ZeichenFinden_Settings.ZeigeNormaltext = On;
        S.FAT_WortFinden_Settings.ZeigeNormaltext = On;
        S.FAT_ZeichenInWortFinden_Settings.ZeigeNormaltext = On;
    }

    static int Maximum(const TAufgabenTypSettings &S, int Typ)
    {
        switch (Typ) {
        case atVerstecktesZeichen:
            return S.FAT_VerstecktesZeichen_Settings.MaxLernzeichenAnzahl;
        case atZeichenFinden:
            return S.FAT_ZeichenFinden_Settings.MaxLernzeichenAnzahl;
        case atFigurFinden:
            return S.FAT_FigurFinden_Settings.MaxFigurAnzahl;
        case atVerstecktesWort:
            return S.FAT_VerstecktesWort_Settings.MaxWortAnzahl;
        case atWortFinden:
            return S.FAT_WortFinden_Settings.MaxWortAnzahl;
        default:
            return S.FAT_ZeichenInWortFinden_Settings.MaxWortAnzahl;
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")));
        BrlUniChar = &FTable;
        FBlank = Braille(QStringLiteral(" "));
    }
    void cleanupTestCase()
    {
        BrlUniChar = nullptr;
        BrailleChars = 40;
    }
    void init() { BrailleChars = 40; }

    void everyTypeFitsAndKeysItsTargets_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<int>("Width");
        const QList<QPair<const char *, int>> Types = {{"hidden character", atVerstecktesZeichen},
                                                       {"hidden word", atVerstecktesWort},
                                                       {"character", atZeichenFinden},
                                                       {"word", atWortFinden},
                                                       {"figure", atFigurFinden},
                                                       {"character in word", atZeichenInWortFinden}};
        for (const auto &[Name, Typ] : Types)
            for (int Width : {20, 40, 80})
                QTest::addRow("%s, %d", Name, Width) << Typ << Width;
    }
    void everyTypeFitsAndKeysItsTargets()
    {
        QFETCH(int, Typ);
        QFETCH(int, Width);
        BrailleChars = Width;
        TAufgabenTypSettings S = Lessons();
        QSet<QString> Targets;
        TClickPos C;
        for (quint64 Seed = 1; Seed <= 150; ++Seed) {
            const bool ZeigeNormaltext = Seed % 2 == 0;
            SetZeigeNormaltext(S, ZeigeNormaltext);
            // A new target, then a new line for it.
            for (bool New : {true, false}) {
                RandSeed(Seed);
                const TClickPos Before = C;
                const QString Result = Create(S, Typ, C, New);
                const QString Context = QStringLiteral("seed %1, %2: %3").arg(Seed).arg(New).arg(Result);

                QVERIFY2(Result.endsWith(QStringLiteral("\r\n")) && Result.count(QStringLiteral("\r\n")) == 2,
                         qPrintable(Context));
                QVERIFY(std::any_of(FindList(S, Typ).cbegin(), FindList(S, Typ).cend(),
                                    [&](const TDatensatz &D) { return D.Brl == C.Datensatz.Brl; }));
                if (!New) {
                    QCOMPARE(C.Datensatz.Brl, Before.Datensatz.Brl);
                    QCOMPARE(TargetCharacter(C.Datensatz), TargetCharacter(Before.Datensatz));
                    QCOMPARE(C.Datensatz.FZeichenInWortPos.RandomTyp(), Before.Datensatz.FZeichenInWortPos.RandomTyp());
                }
                Targets.insert(C.Datensatz.Brl);

                const auto [Task, Spoken] = ExpectedTask(Typ, C.Datensatz, ZeigeNormaltext);
                QCOMPARE(TaskLine(Result), Task);
                QCOMPARE(C.FSpeakTextString, Spoken);
                QCOMPARE(C.FClickSelStart, int(Task.size()) + 2);
                QCOMPARE(C.FSelStart, New ? 0 : C.FClickSelStart);

                const QString Line = ExerciseLine(Result);
                QVERIFY2(Line.size() <= Width, qPrintable(Context));
                QVERIFY2(Line.startsWith(FBlank), qPrintable(Context));
                QVERIFY2(C.Count() <= Maximum(S, Typ), qPrintable(Context));
                // Every range holds a target's cells, and every target shown
                // has its range.
                QCOMPARE(C.FPos, ExpectedRanges(S, Typ, C, Line));
                for (const TClickPos::TPos &P : C.FPos) {
                    const QString Cells = CellsOf(Result, P);
                    QVERIFY2(!Cells.startsWith(FBlank) && !Cells.endsWith(FBlank), qPrintable(Context));
                }

                // The same seed gives the same exercise.
                TClickPos Again = Before;
                RandSeed(Seed);
                QCOMPARE(Create(S, Typ, Again, New), Result);
                QCOMPARE(Again.FPos, C.FPos);
            }
        }
        QCOMPARE(Targets.size(), FindList(S, Typ).size()); // every target comes up
    }

    void hiddenCharacterAmongSeparators()
    {
        TAT_VerstecktesZeichen_Settings S;
        S.SetStandard();
        S.Lernzeichenliste = Records({"a ^ a"});
        S.Trennzeichen = QStringLiteral("%");
        S.Trennzeichenliste = Records({"%"});
        S.Leerzeichen = TLeerzeichen::Create(ltAlways, 1);
        S.MaxLernzeichenAnzahl = 3;
        S.ZeigeNormaltext = false;
        const QString A = Braille(QStringLiteral("a"));
        const QString Percent = Braille(QStringLiteral("%"));
        for (quint64 Seed = 1; Seed <= 50; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            const QString Result = S.CreateText(C, true);
            QCOMPARE(TaskLine(Result), QStringLiteral("Finde: ") + A);
            // Three targets take 6 of the cells they may have; separators
            // fill the line to its 34 cells (40 less the pane's name and a
            // space).
            const QString Line = ExerciseLine(Result);
            QCOMPARE(Line.size(), 34);
            QCOMPARE(Line.count(A), 3);
            QCOMPARE(Line.count(Percent), 14);
            QCOMPARE(C.Count(), 3);
            for (const TClickPos::TPos &P : C.FPos) {
                QCOMPARE(P.FromPos, P.ToPos);
                QCOMPARE(Result.at(P.FromPos), A.at(0));
            }
        }
    }

    void targetsSideBySideShareTheirSpace()
    {
        TAT_ZeichenFinden_Settings S;
        S.SetStandard();
        S.Lernzeichenliste = Records({"a ^ a"});
        S.Gelerntzeichenliste = Records({"b ^ b"});
        S.Leerzeichen = TLeerzeichen::Create(ltByWords, 1);
        S.MaxLernzeichenAnzahl = 3;
        const QString A = Braille(QStringLiteral("a"));
        const QString TwoBlanks = FBlank + FBlank;
        bool SideBySide = false;
        for (quint64 Seed = 1; Seed <= 100; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            const QString Line = ExerciseLine(S.CreateText(C, true));
            QVERIFY2(!Line.contains(TwoBlanks), qPrintable(Line));
            SideBySide = SideBySide || Line.contains(A + FBlank + A);
            QCOMPARE(C.Count(), int(Line.count(A)));
        }
        QVERIFY(SideBySide);
    }

    void fillerEqualToTargetIsNeverDrawn()
    {
        TAT_ZeichenFinden_Settings S;
        S.SetStandard();
        S.Lernzeichenliste = Records({"a ^ a"});
        S.Gelerntzeichenliste = Records({"b ^ b"}); // fillers come from a and b
        S.Leerzeichen = TLeerzeichen::Create(ltAlways, 1);
        S.MaxLernzeichenAnzahl = 2;
        const QString A = Braille(QStringLiteral("a"));
        const QString B = Braille(QStringLiteral("b"));
        for (quint64 Seed = 1; Seed <= 50; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            const QString Line = ExerciseLine(S.CreateText(C, true));
            QCOMPARE(Line.count(A), 2);
            QCOMPARE(C.Count(), 2);
            QCOMPARE(Line.count(A) + Line.count(B) + Line.count(FBlank), Line.size());
        }
    }

    void choiceBetweenTwo_data()
    {
        QTest::addColumn<QString>("Previous");
        QTest::addColumn<QString>("Chosen");
        QTest::newRow("previous was the first") << "a"
                                                << "b";
        QTest::newRow("previous was the second") << "b"
                                                 << "a";
        QTest::newRow("previous was neither") << "c"
                                              << "a";
    }
    void choiceBetweenTwo()
    {
        QFETCH(QString, Previous);
        QFETCH(QString, Chosen);
        TAT_VerstecktesZeichen_Settings S;
        S.SetStandard();
        S.Lernzeichenliste = Records({"a ^ a", "b ^ b"});
        S.Trennzeichenliste = Records({"%"});
        for (quint64 Seed = 1; Seed <= 10; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            C.Datensatz = TDatensatz::Create(Previous, Previous, QString());
            S.CreateText(C, true);
            QCOMPARE(C.Datensatz.Brl, Chosen);
        }
    }

    void firstTargetAtRandomBetweenTwo()
    {
        TAT_VerstecktesZeichen_Settings S;
        S.SetStandard();
        S.Lernzeichenliste = Records({"a ^ a", "b ^ b"});
        S.Trennzeichenliste = Records({"%"});
        QSet<QString> Chosen;
        for (quint64 Seed = 1; Seed <= 20; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            S.CreateText(C, true);
            Chosen.insert(C.Datensatz.Brl);
        }
        QCOMPARE(Chosen, (QSet<QString>{"a", "b"}));
    }

    void characterAtTheEndOfWords_data()
    {
        QTest::addColumn<bool>("ZeigeNormaltext");
        QTest::newRow("braille") << false;
        QTest::newRow("print") << true;
    }
    void characterAtTheEndOfWords()
    {
        QFETCH(bool, ZeigeNormaltext);
        TAT_ZeichenInWortFinden_Settings S;
        S.SetStandard();
        // The words to learn are known only for their final e.
        S.WoerterlisteLernen = {WordWith("hase", u'e', {ziwpEnd}), WordWith("rose", u'e', {ziwpEnd}),
                                WordWith("blume", u'e', {ziwpEnd})};
        S.WoerterlisteAlle = S.WoerterlisteLernen + Words({"tee", "esel", "leo", "kind", "elch"});
        S.Leerzeichen = 1;
        S.MaxWortAnzahl = 3;
        S.ZeigeNormaltext = ZeigeNormaltext;
        const QString E = Braille(QStringLiteral("e"));
        for (quint64 Seed = 1; Seed <= 50; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            const QString Result = S.CreateText(C, true);
            QCOMPARE(TaskLine(Result),
                     QStringLiteral("Finde %1 am Ende:").arg(ZeigeNormaltext ? QStringLiteral("e") : E));
            QCOMPARE(C.FSpeakTextString, QStringLiteral("Finde e am Ende:"));
            QCOMPARE(C.Datensatz.FZeichenInWortPos.RandomTyp(), ziwpEnd);
            QVERIFY(C.Count() >= 1);
            const QString Line = ExerciseLine(Result);
            // Every word shown that ends in e is a target, and only those;
            // "tee" ends in e, so it is no filler.
            int Ranges = 0;
            int Offset = C.FClickSelStart + 1;
            for (const QString &Word : Line.mid(1).split(FBlank)) {
                const bool InRange = C.IndexOf(Offset) >= 0;
                QCOMPARE(InRange, Word.endsWith(E));
                QVERIFY(Word != Braille(QStringLiteral("tee")));
                if (InRange) {
                    const TClickPos::TPos &P = C.FPos[C.IndexOf(Offset)];
                    QCOMPARE(CellsOf(Result, P), Word);
                    ++Ranges;
                }
                Offset += int(Word.size()) + 1;
            }
            QCOMPARE(Ranges, C.Count());
        }
    }

    // A letter group stands in the table under a character of its own; the
    // task names it by its learning-character record, as the learner hears it.
    void letterGroupIsNamedBySound_data()
    {
        QTest::addColumn<bool>("ZeigeNormaltext");
        QTest::newRow("braille") << false;
        QTest::newRow("print") << true;
    }
    void letterGroupIsNamedBySound()
    {
        QFETCH(bool, ZeigeNormaltext);
        TAT_ZeichenInWortFinden_Settings S;
        S.SetStandard();
        S.Lernzeichenliste = Records({"_ ^ sch ^ sch: Punkte 1 5 6"});
        S.Gelerntzeichenliste = Records({"e ^ e", "u ^ u", "l ^ l"});
        S.WoerterlisteLernen = {WordWith("_ule", u'_', {ziwpBegin}), WordWith("_al", u'_', {ziwpBegin})};
        S.WoerterlisteAlle = S.WoerterlisteLernen + Words({"leu", "elle"});
        S.Leerzeichen = 1;
        S.MaxWortAnzahl = 2;
        S.ZeigeNormaltext = ZeigeNormaltext;
        TClickPos C;
        const QString Result = S.CreateText(C, true);
        QCOMPARE(C.FSpeakTextString, QStringLiteral("Finde sch am Beginn:"));
        QCOMPARE(TaskLine(Result), QStringLiteral("Finde %1 am Beginn:")
                                       .arg(ZeigeNormaltext ? QStringLiteral("sch") : Braille(QStringLiteral("_"))));
    }

    // The places a learner means: the signs in front (number sign, capital
    // sign) do not push the first digit or letter into the middle; a sign in
    // front is itself at the beginning.
    void placesAfterTheSignsInFront_data()
    {
        QTest::addColumn<QString>("Word");
        QTest::addColumn<QString>("Learning");
        QTest::addColumn<QString>("Places");
        QTest::newRow("digit first") << "#29"
                                     << "2 9"
                                     << "\"2\"=Beginn; \"9\"=Ende";
        QTest::newRow("digit first and again") << "#200"
                                               << "2 0"
                                               << "\"2\"=Beginn; \"0\"=Mitte, Ende";
        QTest::newRow("digit in the middle") << "#123"
                                             << "2"
                                             << "\"2\"=Mitte";
        QTest::newRow("one digit") << "#7"
                                   << "7"
                                   << "\"7\"=Beginn, Ende";
        QTest::newRow("capital letter") << "$anna"
                                        << "a n"
                                        << "\"a\"=Beginn, Ende; \"n\"=Mitte";
        QTest::newRow("word in capitals") << "$$ufo"
                                          << "u o"
                                          << "\"u\"=Beginn; \"o\"=Ende";
        QTest::newRow("the sign itself") << "$$ufo"
                                         << "$"
                                         << "\"$\"=Beginn";
        QTest::newRow("number sign after a letter") << "a#1"
                                                    << "# 1"
                                                    << "\"#\"=Mitte; \"1\"=Ende";
        QTest::newRow("no sign") << "tee"
                                 << "e t"
                                 << "\"e\"=Mitte, Ende; \"t\"=Beginn";
    }
    void placesAfterTheSignsInFront()
    {
        QFETCH(QString, Word);
        QFETCH(QString, Learning);
        QFETCH(QString, Places);
        QTemporaryDir Dir;
        QVERIFY(Dir.isValid());
        auto Write = [&](const QString &Name, const QString &Typ, const QStringList &Data) {
            QFile F(Dir.filePath(Name));
            QVERIFY(F.open(QIODevice::WriteOnly));
            F.write(("[HEADER]\r\nTitel=t\r\nTyp=" + Typ + "\r\n\r\n[DATA]\r\n" + Data.join("\r\n") + "\r\n").toUtf8());
        };
        Write(QStringLiteral("Lernzeichen.dat"), QStringLiteral("DT_Lernzeichen"), Learning.split(u' '));
        Write(QStringLiteral("Gelernt.dat"), QStringLiteral("DT_Lernzeichen"),
              QStringList{"#", "$", "a", "f", "n", "o", "u", "e", "t", "0", "1", "2", "3", "7", "9"});
        Write(QStringLiteral("Woerter.dat"), QStringLiteral("DT_Woerterliste"), {Word});
        TDaten Daten;
        QVERIFY(Daten.LoadFiles(Dir.path()));
        TAT_ZeichenInWortFinden_Settings S;
        S.SetStandard();
        QVERIFY(S.SetData(QStringLiteral("Lernzeichendateien=Lernzeichen.dat")));
        QVERIFY(S.SetData(QStringLiteral("Gelerntzeichendateien=Gelernt.dat")));
        QVERIFY(S.SetData(QStringLiteral("Woerterdateien=Woerter.dat")));
        S.CreateLists(Daten);
        QCOMPARE(S.WoerterlisteLernen.size(), 1);
        QCOMPARE(S.WoerterlisteLernen[0].FZeichenInWortPos.ToString(), Places);
    }

    void figureIsNamedAndShown()
    {
        TAT_FigurFinden_Settings S;
        S.SetStandard();
        S.Figurenliste = Records({"fgf ^ Haus"});
        S.Leerzeichen = 1;
        S.MaxFigurAnzahl = 2;
        TClickPos C;
        const QString Result = S.CreateText(C, true);
        QCOMPARE(TaskLine(Result), QStringLiteral("Finde Haus: ") + Braille(QStringLiteral("fgf")));
        QCOMPARE(C.FSpeakTextString, QStringLiteral("Finde Haus"));
    }

    void spacedOutWords()
    {
        TAT_WortFinden_Settings S;
        S.SetStandard();
        S.WoerterlisteLernen = Records({"haus ^ Haus"});
        S.WoerterlisteAlle = Records({"haus ^ Haus", "mond ^ Mond", "ei ^ Ei"});
        S.Sperrdruck = true;
        S.Leerzeichen = TLeerzeichen::Create(ltAlways, 1);
        S.MaxWortAnzahl = 2;
        const QString Haus = Braille(Spaced(QStringLiteral("haus")));
        QCOMPARE(Haus.size(), 7);
        for (quint64 Seed = 1; Seed <= 30; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            const QString Result = S.CreateText(C, true);
            QCOMPARE(TaskLine(Result), QStringLiteral("Finde: ") + Braille(QStringLiteral("haus")));
            const QStringList Shown = ExerciseLine(Result).mid(1).split(FBlank);
            for (const QString &Word : Shown)
                QVERIFY2(Word == Haus || Word == Braille(Spaced(QStringLiteral("mond"))) ||
                             Word == Braille(Spaced(QStringLiteral("ei"))),
                         qPrintable(Word));
            QCOMPARE(C.Count(), int(Shown.count(Haus)));
            for (const TClickPos::TPos &P : C.FPos)
                QCOMPARE(CellsOf(Result, P), Haus);
        }
    }

    void sameTargetNewLine()
    {
        TAT_VerstecktesZeichen_Settings S;
        S.SetStandard();
        S.Lernzeichenliste = Records({"a ^ a", "b ^ b", "c ^ c"});
        S.Trennzeichenliste = Records({"%", "x", "-", "y"});
        S.Leerzeichen = TLeerzeichen::Create(ltAlways, 1);
        S.MaxLernzeichenAnzahl = 3;
        RandSeed(7);
        TClickPos C;
        S.CreateText(C, true);
        const QString Target = C.Datensatz.Brl;
        QSet<QString> Lines;
        for (int I = 0; I < 10; ++I) {
            const QString Result = S.CreateText(C, false);
            QCOMPARE(C.Datensatz.Brl, Target);
            QCOMPARE(C.FSelStart, C.FClickSelStart);
            Lines.insert(ExerciseLine(Result));
        }
        QVERIFY(Lines.size() > 1);
    }

    void nothingToFind_data()
    {
        QTest::addColumn<int>("Mode");
        QTest::addColumn<QString>("Result");
        QTest::addColumn<QString>("Spoken");
        const QString Percent = Braille(QStringLiteral("%"));
        QTest::newRow("character") << 0 << QStringLiteral("Finde: %1\r\n %1\r\n").arg(Percent)
                                   << QStringLiteral("Finde: ");
        QTest::newRow("word in a character")
            << 2 << QStringLiteral("Kein Wort gefunden!\r\n") << QStringLiteral("Kein Wort gefunden!");
    }
    void nothingToFind()
    {
        QFETCH(int, Mode);
        QFETCH(QString, Result);
        QFETCH(QString, Spoken);
        TClickPos C;
        C.FSelStart = 9;
        C.AddPos(3, 4);
        const QString Got = CreateFindText(C, true, {}, {}, TLeerzeichen::Create(ltAlways, 1), 1, false, Mode);
        QCOMPARE(Got, Result);
        QCOMPARE(C.FSpeakTextString, Spoken);
        QCOMPARE(C.FSelStart, 0);
        if (Mode == 2)
            QCOMPARE(C.Count(), 0);
        else
            QCOMPARE(C.FPos, (QList<TClickPos::TPos>{{C.FClickSelStart + 1, C.FClickSelStart + 1}}));
    }

    void lineOfTargetsOnly()
    {
        // The one separator is the target itself: no fillers.
        const TDatensatzDynArray A = Records({"a ^ a"});
        for (quint64 Seed = 1; Seed <= 10; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            const QString Line =
                ExerciseLine(CreateFindText(C, true, A, A, TLeerzeichen::Create(ltAlways, 1), 5, false, 0));
            QCOMPARE(Line, Braille(QStringLiteral(" a a a a a")));
            QCOMPARE(C.Count(), 5);
        }
    }

    void overlongFirstItemIsShownWhole()
    {
        BrailleChars = 20;
        const QString Long(25, u'z');
        const TDatensatzDynArray L = Records({qPrintable(Long)});
        TClickPos C;
        const QString Result = CreateFindText(C, true, L, L, TLeerzeichen::Create(ltAlways, 1), 3, false, 0);
        QCOMPARE(ExerciseLine(Result), Braille(u' ' + Long));
        QCOMPARE(C.FPos, (QList<TClickPos::TPos>{{C.FClickSelStart + 1, C.FClickSelStart + 25}}));

        // A later item that would pass the width is left out, with its range.
        const TDatensatzDynArray Find = Records({"b"});
        const TDatensatzDynArray Fill = Records({qPrintable(QString(18, u'y'))});
        for (quint64 Seed = 1; Seed <= 20; ++Seed) {
            RandSeed(Seed);
            TClickPos D;
            const QString Line =
                ExerciseLine(CreateFindText(D, true, Find, Fill, TLeerzeichen::Create(ltAlways, 1), 3, false, 0));
            QVERIFY(Line.size() <= 20);
            QCOMPARE(D.Count(), int(Line.count(Braille(QStringLiteral("b")))));
        }
    }
};

QTEST_GUILESS_MAIN(tst_FindText)
#include "tst_FindText.moc"
