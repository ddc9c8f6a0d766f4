#include "progress/FortschrittC.h"

#include "braille/BrlUniCharC.h"
#include "content/FilesHelperC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <optional>

TFortschritt *Fortschritt = nullptr;

namespace
{

const QString Kopfzeile = QStringLiteral("Tastwerk-Fortschritt");
const QString ArtZeichen = QStringLiteral("Zeichen");
const QString ArtVerwechslung = QStringLiteral("Verwechslung");
const QString ArtLektion = QStringLiteral("Lektion");
const QString KeinDatum = QStringLiteral("-");

QString Schluessel(const QString &Material, const QString &Zellen)
{
    return Material.toCaseFolded() + u'\t' + Zellen;
}

bool IstZelle(QChar C)
{
    return C.unicode() >= 0x2800 && C.unicode() <= 0x28FF;
}

bool SindZellen(const QString &S)
{
    return !S.isEmpty() && std::all_of(S.begin(), S.end(), IstZelle);
}

bool Schwaecher(const TZeichenStand &A, const TZeichenStand &B)
{
    // Ratios compared crosswise: no rounding, and every record has answers.
    const qint64 L = qint64(A.Richtig) * B.Gefragt;
    const qint64 R = qint64(B.Richtig) * A.Gefragt;
    if (L != R)
        return L < R;
    if (A.Falsch != B.Falsch)
        return A.Falsch > B.Falsch;
    if (A.Gefragt != B.Gefragt)
        return A.Gefragt < B.Gefragt;
    return A.Zellen < B.Zellen;
}

// The braille table lists the letter groups of Vollschrift under stand-in
// characters; the learner knows them by their letters.
// How each asked cell of a typed field was answered.
struct TZellenUrteil {
    qsizetype Index = 0; // position in the asked cells
    bool Richtig = false;
    QChar Gegeben; // the cell typed instead; null when none lines up
};

// Lines the typed cells up with the asked ones (both without spaces).
QList<TZellenUrteil> Vergleiche(const QString &E, const QString &T)
{
    QList<TZellenUrteil> Result;
    Result.reserve(E.size());
    if (T.isEmpty()) {
        for (qsizetype I = 0; I < E.size(); ++I)
            Result.append({I, false, QChar()});
        return Result;
    }
    if (E.size() == T.size()) {
        for (qsizetype I = 0; I < E.size(); ++I)
            Result.append({I, E[I] == T[I], E[I] == T[I] ? QChar() : T[I]});
        return Result;
    }
    // A cell left out or typed twice shifts everything after it: the common
    // start and end line up, what lies between cannot be paired sensibly.
    const qsizetype Kurz = std::min(E.size(), T.size());
    qsizetype Anfang = 0;
    while (Anfang < Kurz && E[Anfang] == T[Anfang])
        ++Anfang;
    qsizetype Ende = 0;
    while (Ende < Kurz - Anfang && E[E.size() - 1 - Ende] == T[T.size() - 1 - Ende])
        ++Ende;
    for (qsizetype I = 0; I < E.size(); ++I)
        Result.append({I, I < Anfang || I >= E.size() - Ende, QChar()});
    return Result;
}

QString OhneLeerzeichen(QString S)
{
    S.remove(u' ');
    return S;
}

std::optional<QString> Demaskiert(const QString &S)
{
    QString R;
    R.reserve(S.size());
    for (qsizetype I = 0; I < S.size(); ++I) {
        if (S[I] != u'\\') {
            R += S[I];
            continue;
        }
        if (++I == S.size())
            return std::nullopt;
        switch (S[I].unicode()) {
        case u'\\':
            R += u'\\';
            break;
        case u't':
            R += u'\t';
            break;
        case u'r':
            R += u'\r';
            break;
        case u'n':
            R += u'\n';
            break;
        default:
            return std::nullopt;
        }
    }
    return R;
}

QString Tag(QDate D)
{
    return D.isValid() ? D.toString(Qt::ISODate) : KeinDatum;
}

// Reads the fields of one record line; every failure names its reason.
class TZeilenLeser
{
public:
    explicit TZeilenLeser(const QStringList &Felder)
        : FFelder(Felder)
    {
    }

    QString Fehler;

    bool Ok() const { return Fehler.isEmpty(); }

    QString Text(int I)
    {
        const std::optional<QString> T = Demaskiert(FFelder[I]);
        if (!T)
            Fail(QStringLiteral("ungültiger Rückstrich in \"%1\"").arg(FFelder[I]));
        return T.value_or(QString());
    }

    QString Zellen(int I)
    {
        if (!SindZellen(FFelder[I]))
            Fail(QStringLiteral("\"%1\" sind keine Braillezellen").arg(FFelder[I]));
        return FFelder[I];
    }

    QString Name(int I)
    {
        const QString N = Text(I);
        if (N.isEmpty())
            Fail(QStringLiteral("leerer Name"));
        return N;
    }

    // A whole number, optionally negative, of at most nine digits.
    int Zahl(int I, int Minimum)
    {
        const QString &F = FFelder[I];
        const bool Negativ = F.startsWith(u'-');
        const qsizetype Ziffern = F.size() - (Negativ ? 1 : 0);
        bool Gut = Ziffern >= 1 && Ziffern <= 9;
        for (qsizetype K = Negativ ? 1 : 0; Gut && K < F.size(); ++K)
            Gut = F[K] >= u'0' && F[K] <= u'9';
        if (!Gut) {
            Fail(QStringLiteral("ungültige Zahl \"%1\"").arg(F));
            return 0;
        }
        const int Z = F.toInt();
        if (Z < Minimum)
            Fail(QStringLiteral("unmögliche Zahl %1").arg(Z));
        return Z;
    }

    QDate Datum(int I, bool Leer)
    {
        const QString &F = FFelder[I];
        if (Leer && F == KeinDatum)
            return QDate();
        const QDate D = F.size() == 10 ? QDate::fromString(F, Qt::ISODate) : QDate();
        if (!D.isValid())
            Fail(QStringLiteral("ungültiges Datum \"%1\"").arg(F));
        return D;
    }

    QDateTime Zeitpunkt(int I)
    {
        const QString &F = FFelder[I];
        const QDateTime T = QDateTime::fromString(F, Qt::ISODate);
        if (!T.isValid())
            Fail(QStringLiteral("ungültiger Zeitpunkt \"%1\"").arg(F));
        return T;
    }

    void Fail(const QString &Grund)
    {
        if (Fehler.isEmpty())
            Fehler = Grund;
    }

private:
    const QStringList &FFelder;
};

// Reads one record line into Zeichen or Abschluesse; a fault is left in L.
void LiesZeile(const QStringList &F, TZeilenLeser &L, QMap<QString, TZeichenStand> &Zeichen,
               QList<TLektionsAbschluss> &Abschluesse)
{
    auto FeldZahl = [&](int Soll) {
        if (F.size() != Soll)
            L.Fail(QStringLiteral("%1 statt %2 Felder").arg(F.size()).arg(Soll));
        return L.Ok();
    };
    if (F[0] == ArtZeichen) {
        if (!FeldZahl(11))
            return;
        TZeichenStand Z;
        Z.Material = L.Text(1);
        Z.Zellen = L.Zellen(2);
        Z.Name = L.Name(3);
        Z.Gefragt = L.Zahl(4, 1);
        Z.Richtig = L.Zahl(5, 0);
        Z.Falsch = L.Zahl(6, 0);
        Z.Erstmals = L.Datum(7, false);
        Z.Zuletzt = L.Datum(8, false);
        Z.Karte.Fach = L.Zahl(9, 0);
        Z.Karte.Datum = L.Datum(10, true);
        if (!L.Ok())
            return;
        if (Z.Material.isEmpty())
            L.Fail(QStringLiteral("leeres Lernmaterial"));
        else if (Z.Richtig + Z.Falsch != Z.Gefragt)
            L.Fail(QStringLiteral("Richtig und Falsch ergeben nicht Gefragt"));
        else if (Z.Erstmals > Z.Zuletzt)
            L.Fail(QStringLiteral("Erstmals liegt nach Zuletzt"));
        else if (Z.Karte.Fach > TWiederholung::Faecher)
            L.Fail(QStringLiteral("Fach %1 gibt es nicht").arg(Z.Karte.Fach));
        else if (Z.Karte.InWiederholung() != Z.Karte.Datum.isValid())
            L.Fail(QStringLiteral("Fach und Fachdatum passen nicht zusammen"));
        else if (Zeichen.contains(Schluessel(Z.Material, Z.Zellen)))
            L.Fail(QStringLiteral("Zeichen doppelt"));
        else
            Zeichen.insert(Schluessel(Z.Material, Z.Zellen), Z);
    } else if (F[0] == ArtVerwechslung) {
        if (!FeldZahl(6))
            return;
        const QString Material = L.Text(1);
        const QString Zellen = L.Zellen(2);
        const QString Eingabe = L.Zellen(3);
        TVerwechslung V;
        V.Name = L.Name(4);
        V.Anzahl = L.Zahl(5, 1);
        if (!L.Ok())
            return;
        const auto It = Zeichen.find(Schluessel(Material, Zellen));
        if (It == Zeichen.end()) {
            L.Fail(QStringLiteral("Verwechslung ohne vorangehende Zeichen-Zeile"));
            return;
        }
        if (It->Verwechslungen.contains(Eingabe)) {
            L.Fail(QStringLiteral("Verwechslung doppelt"));
            return;
        }
        int Summe = V.Anzahl;
        for (const TVerwechslung &W : std::as_const(It->Verwechslungen))
            Summe += W.Anzahl;
        if (Summe > It->Falsch)
            L.Fail(QStringLiteral("mehr Verwechslungen als falsche Antworten"));
        else
            It->Verwechslungen.insert(Eingabe, V);
    } else if (F[0] == ArtLektion) {
        if (!FeldZahl(9))
            return;
        TLektionsAbschluss A;
        A.Material = L.Text(1);
        A.Bereich = L.Text(2);
        A.Lektion = L.Text(3);
        A.Abgeschlossen = L.Zeitpunkt(4);
        A.Punkte = L.Zahl(5, -999999999);
        A.Richtig = L.Zahl(6, 0);
        A.Falsch = L.Zahl(7, 0);
        A.Sekunden = L.Zahl(8, 0);
        if (L.Ok() && (A.Material.isEmpty() || A.Lektion.isEmpty()))
            L.Fail(QStringLiteral("leeres Lernmaterial oder leere Lektion"));
        if (L.Ok())
            Abschluesse.append(A);
    } else {
        L.Fail(QStringLiteral("unbekannte Zeilenart \"%1\"").arg(F[0]));
    }
}

} // namespace

QString TZeichenStand::VerwechslungText() const
{
    const TVerwechslung *Meiste = nullptr;
    for (const TVerwechslung &V : Verwechslungen)
        if (!Meiste || V.Anzahl > Meiste->Anzahl)
            Meiste = &V;
    return Meiste ? QStringLiteral("%1 statt %2").arg(Meiste->Name, Name) : QString();
}

QString TFortschritt::DefaultFileName()
{
    return ProfilePath + QStringLiteral("Fortschritt.txt");
}

QString TFortschritt::BackupFileName(const QString &FileName)
{
    const QFileInfo Info(FileName);
    return Info.dir().filePath(Info.completeBaseName() + QStringLiteral(".bak"));
}

void TFortschritt::Clear()
{
    FZeichen.clear();
    FAbschluesse.clear();
}

QString TFortschritt::NameOf(const QString &Zellen) const
{
    if (FNamensSuche)
        return FNamensSuche(Zellen);
    if (!BrlUniChar || !SindZellen(Zellen))
        return QString();
    // By the names the voice uses: "au", "Großbuchstabe b".
    QStringList Parts;
    bool Letters = true;
    for (QChar C : Zellen) {
        TBuc Buc;
        if (!BrlUniChar->FindUniBrl(C, Buc) || Buc.AscChar.unicode() <= 32)
            return QString();
        Parts << BrlUniChar->Sprechnamen().Name(Buc.AscChar);
        Letters = Letters && (Parts.last().isLower() || Parts.last().size() == 1);
    }
    return Parts.join(Letters ? QString() : QStringLiteral(" "));
}

TZeichenStand *TFortschritt::Stand(const QString &Material, const QString &Cells, const QString &Name, QDate Day)
{
    TZeichenStand &S = FZeichen[Schluessel(Material, Cells)];
    if (S.Gefragt == 0) {
        S.Material = Material;
        S.Zellen = Cells;
        S.Erstmals = Day;
        S.Zuletzt = Day;
    }
    S.Name = Name;
    S.Erstmals = std::min(S.Erstmals, Day);
    S.Zuletzt = std::max(S.Zuletzt, Day);
    return &S;
}

void TFortschritt::Answer(const QString &Material, const QString &Cells, const QString &Name, bool Right, QDate Day,
                          const QString &GivenCells)
{
    if (Material.isEmpty() || !SindZellen(Cells) || !Day.isValid())
        return;
    const QString N = Name.isEmpty() ? NameOf(Cells) : Name;
    if (N.isEmpty())
        return;
    TZeichenStand *S = Stand(Material, Cells, N, Day);
    ++S->Gefragt;
    if (Right) {
        ++S->Richtig;
    } else {
        ++S->Falsch;
        if (SindZellen(GivenCells) && GivenCells != Cells) {
            const QString GivenName = NameOf(GivenCells);
            if (!GivenName.isEmpty()) {
                TVerwechslung &V = S->Verwechslungen[GivenCells];
                V.Name = GivenName;
                ++V.Anzahl;
            }
        }
    }
    TWiederholung::Beantwortet(S->Karte, Right, Day);
}

void TFortschritt::RecordFinding(const QString &Material, const QString &Cells, const QString &Name, bool Right,
                                 QDate Day, const QString &WrongCells)
{
    Answer(Material, Cells, Name, Right, Day, Right ? QString() : WrongCells);
}

void TFortschritt::RecordTyping(const QString &Material, const QString &Expected, const QString &Typed, QDate Day)
{
    const QString E = OhneLeerzeichen(Expected);
    for (const TZellenUrteil &U : Vergleiche(E, OhneLeerzeichen(Typed)))
        Answer(Material, QString(E[U.Index]), QString(), U.Richtig, Day,
               U.Gegeben.isNull() ? QString() : QString(U.Gegeben));
}

void TFortschritt::RecordTyping(const QString &Material, const QStringList &Accepted, const QString &Typed, QDate Day)
{
    // The answer the learner most likely meant: fewest wrong cells, then
    // most right ones, the first of equals.
    const QString T = OhneLeerzeichen(Typed);
    qsizetype Best = -1;
    qsizetype BestFalsch = 0;
    qsizetype BestRichtig = 0;
    for (qsizetype I = 0; I < Accepted.size(); ++I) {
        const QList<TZellenUrteil> Urteile = Vergleiche(OhneLeerzeichen(Accepted[I]), T);
        const qsizetype Richtig = std::count_if(Urteile.begin(), Urteile.end(), [](auto &U) { return U.Richtig; });
        const qsizetype Falsch = Urteile.size() - Richtig;
        if (Best < 0 || Falsch < BestFalsch || (Falsch == BestFalsch && Richtig > BestRichtig)) {
            Best = I;
            BestFalsch = Falsch;
            BestRichtig = Richtig;
        }
    }
    if (Best >= 0)
        RecordTyping(Material, Accepted[Best], Typed, Day);
}

void TFortschritt::RecordLesson(const QString &Material, const QString &Bereich, const QString &Lektion,
                                const QDateTime &Finished, int Points, int Right, int Wrong, int DurationSeconds)
{
    if (Material.isEmpty() || Lektion.isEmpty() || !Finished.isValid())
        return;
    TLektionsAbschluss A;
    A.Material = Material;
    A.Bereich = Bereich;
    A.Lektion = Lektion;
    // Whole seconds, as the file keeps them.
    const QDateTime Local = Finished.toLocalTime();
    A.Abgeschlossen = Local.addMSecs(-Local.time().msec());
    A.Punkte = Points;
    A.Richtig = std::max(0, Right);
    A.Falsch = std::max(0, Wrong);
    A.Sekunden = std::max(0, DurationSeconds);
    FAbschluesse.append(A);
}

QList<TZeichenStand> TFortschritt::Zeichen(const QString &Material) const
{
    const QString Prefix = Material.toCaseFolded() + u'\t';
    QList<TZeichenStand> Result;
    for (auto It = FZeichen.lowerBound(Prefix); It != FZeichen.end() && It.key().startsWith(Prefix); ++It)
        Result.append(It.value());
    std::sort(Result.begin(), Result.end(), Schwaecher);
    return Result;
}

const TZeichenStand *TFortschritt::FindZeichen(const QString &Material, const QString &Zellen) const
{
    const auto It = FZeichen.constFind(Schluessel(Material, Zellen));
    return It == FZeichen.constEnd() ? nullptr : &It.value();
}

QList<TLektionsStand> TFortschritt::Lektionen(const QString &Material) const
{
    QList<TLektionsStand> Result;
    for (const TLektionsAbschluss &A : FAbschluesse) {
        if (!SameText(A.Material, Material))
            continue;
        auto It = std::find_if(Result.begin(), Result.end(), [&](const TLektionsStand &S) {
            return SameText(S.Bereich, A.Bereich) && SameText(S.Lektion, A.Lektion);
        });
        if (It == Result.end()) {
            Result.append({A.Bereich, A.Lektion, 0, A.Punkte, A.Abgeschlossen});
            It = Result.end() - 1;
        }
        ++It->Abschluesse;
        It->BestePunkte = std::max(It->BestePunkte, A.Punkte);
        It->Zuletzt = std::max(It->Zuletzt, A.Abgeschlossen);
    }
    std::stable_sort(Result.begin(), Result.end(), [](const TLektionsStand &A, const TLektionsStand &B) {
        const int C = CompareText(A.Bereich, B.Bereich);
        return C != 0 ? C < 0 : CompareText(A.Lektion, B.Lektion) < 0;
    });
    return Result;
}

QStringList TFortschritt::Weakest(const QString &Material, int N) const
{
    QStringList Names;
    for (const TZeichenStand &Z : Zeichen(Material)) {
        if (Names.size() >= N)
            break;
        if (Z.Falsch > 0)
            Names.append(Z.Name);
    }
    return Names;
}

QString TFortschritt::WeakestText(const QString &Material, int N) const
{
    const QStringList Names = Weakest(Material, N);
    return Names.isEmpty() ? QString() : QStringLiteral("Am schwächsten: ") + Names.join(QStringLiteral(", "));
}

QString TFortschritt::ToText() const
{
    QStringList Lines;
    Lines << Kopfzeile + u'\t' + QString::number(FormatVersion)
          << QStringLiteral("; Lernfortschritt in Tastwerk. Felder durch Tabulatoren getrennt, Tage als "
                            "JJJJ-MM-TT, \"-\" für keinen Tag.")
          << QStringLiteral("; Zeichen\tLernmaterial\tZellen\tName\tGefragt\tRichtig\tFalsch\tErstmals\tZuletzt\tFach"
                            "\tFachdatum")
          << QStringLiteral("; Verwechslung\tLernmaterial\tZellen\tEingabe\tEingabe-Name\tAnzahl")
          << QStringLiteral("; Lektion\tLernmaterial\tBereich\tLektion\tAbgeschlossen\tPunkte\tRichtig\tFalsch"
                            "\tSekunden");
    for (const TZeichenStand &Z : FZeichen) {
        Lines << QStringList{ArtZeichen,
                             EscapeLineBreaks(Z.Material),
                             Z.Zellen,
                             EscapeLineBreaks(Z.Name),
                             QString::number(Z.Gefragt),
                             QString::number(Z.Richtig),
                             QString::number(Z.Falsch),
                             Tag(Z.Erstmals),
                             Tag(Z.Zuletzt),
                             QString::number(Z.Karte.Fach),
                             Tag(Z.Karte.Datum)}
                     .join(u'\t');
        for (auto It = Z.Verwechslungen.cbegin(); It != Z.Verwechslungen.cend(); ++It)
            Lines << QStringList{ArtVerwechslung, EscapeLineBreaks(Z.Material), Z.Zellen,
                                 It.key(),        EscapeLineBreaks(It->Name),   QString::number(It->Anzahl)}
                         .join(u'\t');
    }
    for (const TLektionsAbschluss &A : FAbschluesse)
        Lines << QStringList{ArtLektion,
                             EscapeLineBreaks(A.Material),
                             EscapeLineBreaks(A.Bereich),
                             EscapeLineBreaks(A.Lektion),
                             A.Abgeschlossen.toString(Qt::ISODate),
                             QString::number(A.Punkte),
                             QString::number(A.Richtig),
                             QString::number(A.Falsch),
                             QString::number(A.Sekunden)}
                     .join(u'\t');
    return JoinLines(Lines);
}

// A faulty line refuses the whole file: a record read in part would look
// whole, and the next save would make the loss lasting. The kept copy is a
// whole, earlier state instead.
bool TFortschritt::ParseText(const QString &Text, int &ErrorLine, QString &ErrorReason)
{
    const QStringList Lines = SplitLines(Text);
    ErrorLine = 1;
    if (Lines.isEmpty() || !Lines[0].startsWith(Kopfzeile + u'\t')) {
        ErrorReason = QStringLiteral("unbekannte Kopfzeile");
        return false;
    }
    if (Lines[0] != Kopfzeile + u'\t' + QString::number(FormatVersion)) {
        ErrorReason = QStringLiteral("unbekannte Version \"%1\"").arg(Lines[0].mid(Kopfzeile.size() + 1));
        return false;
    }

    QMap<QString, TZeichenStand> Zeichen;
    QList<TLektionsAbschluss> Abschluesse;
    for (qsizetype Nr = 1; Nr < Lines.size(); ++Nr) {
        const QString &Line = Lines[Nr];
        if (TrimCtl(Line).isEmpty() || Line.startsWith(u';'))
            continue;
        ErrorLine = int(Nr + 1);
        const QStringList F = Line.split(u'\t');
        TZeilenLeser L(F);
        LiesZeile(F, L, Zeichen, Abschluesse);
        if (!L.Ok()) {
            ErrorReason = L.Fehler;
            return false;
        }
    }
    FZeichen = std::move(Zeichen);
    FAbschluesse = std::move(Abschluesse);
    ErrorLine = 0;
    ErrorReason.clear();
    return true;
}

bool TFortschritt::LoadFile(const QString &FileName)
{
    FFilename = FileName;
    LastErrorString.clear();
    Clear();
    if (!QFileInfo::exists(FileName))
        return true; // a learner's first lesson

    // Reads one file whole or reports why not.
    auto Lies = [this](const QString &Name, QString &Problem) {
        const std::optional<QString> Text = LoadTextFile(Name);
        if (!Text) {
            Problem = QStringLiteral("Fortschrittsdatei konnte nicht gelesen werden: %1").arg(Name);
            return false;
        }
        int Line = 0;
        QString Reason;
        if (!ParseText(*Text, Line, Reason)) {
            Problem = QStringLiteral("Fortschrittsdatei beschädigt: %1, Zeile %2: %3").arg(Name).arg(Line).arg(Reason);
            return false;
        }
        return true;
    };

    QString Problem;
    if (Lies(FileName, Problem))
        return true;
    // The next save would replace the damaged file and the lessons still
    // readable in it: it is kept under a name of its own first.
    QString Kept;
    if (QFileInfo(FileName).isFile()) {
        const QString Name = DamagedFileName(FileName, QDate::currentDate());
        if (QFile::copy(FileName, Name))
            Kept = QStringLiteral(" Sie wurde als „%1“ aufbewahrt.").arg(QFileInfo(Name).fileName());
        else
            Kept = QStringLiteral(" Sie konnte nicht aufbewahrt werden.");
    }
    const QString Backup = BackupFileName(FileName);
    const bool HasBackup = QFileInfo::exists(Backup);
    LastErrorString = Problem + u'.' + Kept;
    Clear();
    if (HasBackup && Lies(Backup, Problem)) {
        LastErrorString += QStringLiteral(" Die gesicherte Kopie wird gelesen.");
    } else {
        if (HasBackup)
            LastErrorString += u' ' + Problem + u'.';
        Clear();
        LastErrorString += QStringLiteral(" Der Fortschritt beginnt von vorn.");
    }
    LogAdd(LastErrorString);
    return false;
}

QString TFortschritt::DamagedFileName(const QString &FileName, const QDate &Day)
{
    return ::DamagedFileName(FileName, Day);
}

bool TFortschritt::SaveFile()
{
    if (FFilename.isEmpty())
        return false;
    const QFileInfo Info(FFilename);
    QDir().mkpath(Info.absolutePath());

    // The file about to be replaced becomes the kept copy, but only when it
    // reads without fault: a damaged file must not push out a good copy.
    QFile Old(FFilename);
    if (Old.open(QIODevice::ReadOnly)) {
        const QByteArray Bytes = Old.readAll();
        Old.close();
        TFortschritt Check;
        int Line = 0;
        QString Reason;
        if (Check.ParseText(DecodeText(Bytes), Line, Reason) &&
            !WriteFileWhole(BackupFileName(FFilename), Bytes, FileWriteAttempts))
            LogAdd(QStringLiteral("Sicherungskopie der Fortschrittsdatei konnte nicht geschrieben werden: %1")
                       .arg(BackupFileName(FFilename)));
    }

    QString Why;
    if (WriteFileWhole(FFilename, ToText().toUtf8(), FileWriteAttempts, &Why))
        return true;
    LastErrorString = QStringLiteral("Fortschrittsdatei konnte nicht gespeichert werden: %1 (%2)").arg(FFilename, Why);
    LogAdd(LastErrorString);
    return false;
}
