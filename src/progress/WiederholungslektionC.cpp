#include "progress/WiederholungslektionC.h"

#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/LektionenC.h"
#include "progress/FortschrittC.h"
#include "progress/WiederholungC.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>

namespace
{
// Characters among which the due ones are to be found.
constexpr int MinDistractors = 5;

// The lesson files as a teacher would write them; their lists are filled
// here, not from data files.
QString LessonText(const QString &Titel, const QString &Typ, const QString &Beschreibung, bool BrailleKeyboard,
                   const QString &Settings)
{
    return QStringLiteral("[HEADER]\r\nTitel=%1\r\nTyp=%2\r\nBeschreibung=%3\r\n\r\n[SETTINGS]\r\n"
                          "BrailleKeyboard=%4\r\nSapiSpeech=1\r\nSounds=1\r\nPunkte=3\r\n\r\n[%2]\r\n%5")
        .arg(Titel, Typ, Beschreibung, BrailleKeyboard ? QStringLiteral("1") : QStringLiteral("0"), Settings);
}

std::unique_ptr<TLektionendatei> Load(const QTemporaryDir &Dir, const QString &Name, const QString &Text)
{
    const QString Path = Dir.filePath(Name);
    QFile F(Path);
    if (!F.open(QIODevice::WriteOnly) || F.write(Text.toUtf8()) < 0)
        return nullptr;
    F.close();
    auto L = std::make_unique<TLektionendatei>(nullptr, TFileInfo::Create(Path), nullptr);
    if (L->Typ() == atNone)
        return nullptr;
    return L;
}

// The material's character records by their cells.
QHash<QString, TDatensatz> Records(const TDaten *Daten)
{
    QHash<QString, TDatensatz> Result;
    if (!Daten)
        return Result;
    for (const TDatendatei *D : Daten->FindDatenWithTypSet({dtLernzeichen}, true))
        for (const TDatensatz &R : D->List()) {
            const QString Cells = ShowAsBraille(R.Brl);
            if (!Cells.isEmpty() && !Result.contains(Cells))
                Result.insert(Cells, R);
        }
    return Result;
}

TDatensatz RecordOf(const QHash<QString, TDatensatz> &Records, const TZeichenStand &Z)
{
    if (const auto It = Records.constFind(Z.Zellen); It != Records.constEnd())
        return *It;
    const QString Brl = BrlUniChar ? BrlUniChar->Translate(Z.Zellen, ttToAscChar, true) : Z.Zellen;
    return TDatensatz::Create(Brl, Z.Name, Z.Name);
}
} // namespace

QStringList TWiederholungslektion::DueNames(const TFortschritt &Fortschritt, const QString &Material, QDate Today)
{
    QStringList Names;
    for (const TZeichenStand &Z : TWiederholung(Fortschritt).Due(Material, Today))
        Names << Z.Name;
    return Names;
}

QString TWiederholungslektion::NothingDueText(const TFortschritt &Fortschritt, const QString &Material, QDate Today)
{
    const QDate Next = TWiederholung(Fortschritt).NextDue(Material);
    if (!Next.isValid())
        return QStringLiteral("Es gibt noch keine schwachen Zeichen zu wiederholen: in diesem Lernmaterial wurde "
                              "noch kein Zeichen falsch beantwortet.");
    const int Days = int(Today.daysTo(Next));
    const QString When = Days == 1 ? QStringLiteral("morgen, am %1").arg(Next.toString(QStringLiteral("dd.MM.yyyy")))
                                   : QStringLiteral("am %1").arg(Next.toString(QStringLiteral("dd.MM.yyyy")));
    return QStringLiteral("Heute ist nichts zu wiederholen.\r\nDie nächste Wiederholung ist %1 fällig.").arg(When);
}

std::vector<std::unique_ptr<TLektionendatei>> TWiederholungslektion::Create(const TFortschritt &Fortschritt,
                                                                            const QString &Material,
                                                                            const TDaten *Daten, QDate Today)
{
    std::vector<std::unique_ptr<TLektionendatei>> Result;
    const QList<TZeichenStand> Due = TWiederholung(Fortschritt).Due(Material, Today);
    if (Due.isEmpty())
        return Result;
    const QHash<QString, TDatensatz> ByCells = Records(Daten);
    TDatensatzDynArray Targets;
    QStringList Names;
    QSet<QString> DueCells;
    for (const TZeichenStand &Z : Due) {
        Targets.append(RecordOf(ByCells, Z));
        Names << Z.Name;
        DueCells.insert(Z.Zellen);
    }
    // Among the characters practised in this material, else those of its
    // data files.
    TDatensatzDynArray Others;
    QSet<QString> Taken = DueCells;
    for (const TZeichenStand &Z : Fortschritt.Zeichen(Material))
        if (!Taken.contains(Z.Zellen) && Z.Zellen.size() == 1) {
            Taken.insert(Z.Zellen);
            Others.append(RecordOf(ByCells, Z));
        }
    for (auto It = ByCells.constBegin(); It != ByCells.constEnd() && Others.size() < MinDistractors; ++It)
        if (!Taken.contains(It.key()) && It.key().size() == 1) {
            Taken.insert(It.key());
            Others.append(*It);
        }

    QTemporaryDir Dir;
    if (!Dir.isValid())
        return Result;
    const int Repetitions = std::clamp(int(Due.size()), 3, 8);
    const QString List = Names.join(QStringLiteral(", "));
    auto Finding =
        Load(Dir, QStringLiteral("finden.lek"),
             LessonText(Titel + QStringLiteral(": finden"), QStringLiteral("AT_ZeichenFinden"),
                        QStringLiteral("Heute sind diese Zeichen zu wiederholen: %1. \\ Finde jedes Vorkommen des "
                                       "genannten Zeichens. Führe den Cursor darauf, zum Beispiel mit der Routingtaste "
                                       "über dem Zeichen, und drücke die Leertaste.")
                            .arg(List),
                        false,
                        QStringLiteral("Leerzeichen=1.1\r\nMaxLernzeichenAnzahl=3\r\nZeigeNormaltext=0\r\n"
                                       "Wiederholungen=%1\r\nZeitfaktor=0\r\n")
                            .arg(Repetitions)));
    auto Typing = Load(
        Dir, QStringLiteral("tippen.lek"),
        LessonText(Titel + QStringLiteral(": tippen"), QStringLiteral("AT_ZeichenTippen"),
                   QStringLiteral("Heute sind diese Zeichen zu wiederholen: %1. \\ Tippe das genannte Zeichen so oft "
                                  "wie verlangt, mit einem Leerzeichen dazwischen. \\ Die Eingabetaste prüft deine "
                                  "Eingabe.")
                       .arg(List),
                   true,
                   QStringLiteral("MaxLernzeichenAnzahl=2\r\nZeigeNormaltext=1\r\nWiederholungen=%1\r\n"
                                  "Zeitfaktor=0\r\n")
                       .arg(Repetitions)));
    if (!Finding || !Typing)
        return Result;
    TAT_ZeichenFinden_Settings &F = Finding->Settings().FAT_ZeichenFinden_Settings;
    F.Lernzeichendateien.clear();
    F.Gelerntzeichendateien.clear();
    F.Lernzeichenliste = Targets;
    F.Gelerntzeichenliste = Others;
    TAT_ZeichenTippen_Settings &T = Typing->Settings().FAT_ZeichenTippen_Settings;
    T.Lernzeichendateien.clear();
    T.Lernzeichenliste = Targets;
    Result.push_back(std::move(Finding));
    Result.push_back(std::move(Typing));
    return Result;
}
