#include "HelpSystemC.h"

#include "content/FilesHelperC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#include <QDir>
#include <QFileInfo>
#include <cmark.h>

#include <array>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <new>

THelpSystem *HelpSystem = nullptr;

namespace
{

struct THelpPage {
    const char *File;
    const char16_t *Title;
};

// Index is the help id.
constexpr std::array<THelpPage, THelpSystem::HelpIdCount> HelpPages{{
    {"Einleitung.txt", u""},
    {"Hilfe.html", u"Tastwerk-Hilfe"},
    {"Kurztasten.html", u"Kurztasten"},
    {"FensterHauptfenster.html", u"Hauptfenster"},
    {"FensterLernfenster.html", u"Lernfenster"},
    {"FensterBraillePad.html", u"BraillePad"},
    {"FensterBereichUndLektionWaehlen.html", u"Bereich und Lektion wählen"},
    {"FensterBereichWaehlen.html", u"Bereich wählen"},
    {"FensterBeschreibung.html", u"Beschreibung"},
    {"FensterBrailletextLaden.html", u"Brailletext laden"},
    {"FensterBrailletextSpeichern.html", u"Brailletext speichern"},
    {"FensterBraillezeilenbreiteEingeben.html", u"Braillezeilenbreite eingeben"},
    {"FensterEinleitung.html", u"Einleitung zu Tastwerk"},
    {"FensterLektionAbgeschlossen.html", u"Lektion abgeschlossen"},
    {"FensterLektionWaehlen.html", u"Lektion wählen"},
    {"FensterLernmaterialWaehlen.html", u"Lernmaterial wählen"},
    {"FensterSammellektionWaehlen.html", u"Sammellektion wählen"},
    {"FensterSchreibergebnis.html", u"Schreibergebnis"},
    {"FensterSchrifteinstellungen.html", u"Schrifteinstellungen"},
    {"FensterSchriftgroesseErhoehen.html", u"Schriftgröße erhöhen"},
    {"FensterStimmeWaehlen.html", u"Stimme wählen"},
    {"Impressum.html", u"Impressum"},
    {"TechnischesHandbuch.html", u"Technisches Handbuch"},
    {"TH_Ordnerstruktur.html", u"Ordnerstruktur und Dateien"},
    {"TH_Aufgabentypen.html", u"Aufgabentypen"},
    {"TH_Datendateitypen.html", u"Datendateitypen"},
    {"TH_Datendateien.html", u"Datendateien"},
    {"TH_Einzellektionen.html", u"Lektionen"},
    {"TH_Sammellektionen.html", u"Sammellektionen"},
    {"TH_Lernmaterialien.html", u"Lernmaterialien"},
    {"TH_LernmaterialErstellen.html", u"Lernmaterial erstellen"},
    // Pages of the windows and files added later, with ids after the first
    // ones, so that those keep theirs.
    {"FensterFortschritt.html", u"Fortschritt"},
    {"FensterTastaturtest.html", u"Tastaturtest"},
    {"TH_Fortschritt.html", u"Fortschrittsdatei"},
}};

constexpr int IdHilfe = 1;
constexpr int IdImpressum = 21;
constexpr int IdHandbuch = 22;
constexpr int LastId = THelpSystem::HelpIdCount - 1;

// The pages each table of contents lists, in its order: the help lists the
// windows (the later ones after the first) and ends with the imprint and
// the handbook; the handbook lists its chapters.
QList<int> HilfeInhalt()
{
    QList<int> Ids;
    for (int Id = 2; Id < IdImpressum; ++Id)
        Ids << Id;
    return Ids << THelpSystem::IdFortschritt << THelpSystem::IdTastaturtest << IdImpressum << IdHandbuch;
}

QList<int> HandbuchInhalt()
{
    QList<int> Ids;
    for (int Id = IdHandbuch + 1; Id < THelpSystem::IdFortschritt; ++Id)
        Ids << Id;
    return Ids << THelpSystem::IdFortschrittsdatei;
}

bool IsHandbookChapter(int Id)
{
    return HandbuchInhalt().contains(Id);
}

// The version text of the notice line.
const QString VersionText = QStringLiteral("V1.02");

std::mutex HooksMutex;
THelpOpener Opener;
TErrorBox ErrorBox;

// Fills the "%s" of a template with Args in order; "%%" stands for "%".
// Surplus arguments are dropped and surplus placeholders kept, so that a
// template written by hand can never make the program fail.
QString FormatTemplate(const QString &Template, const QStringList &Args)
{
    QString Result;
    Result.reserve(Template.size() + 64);
    qsizetype Next = 0;
    for (qsizetype I = 0; I < Template.size(); ++I) {
        const QChar C = Template[I];
        if (C == u'%' && I + 1 < Template.size()) {
            const QChar D = Template[I + 1];
            if (D == u's' && Next < Args.size()) {
                Result += Args[Next++];
                ++I;
                continue;
            }
            if (D == u'%') {
                Result += u'%';
                ++I;
                continue;
            }
        }
        Result += C;
    }
    return Result;
}

// A template that is blank is used as it stands.
QString FormatIfNotBlank(const QString &Template, const QStringList &Args)
{
    return TrimCtl(Template).isEmpty() ? Template : FormatTemplate(Template, Args);
}

QString MarkdownToHtml(const QString &Markdown)
{
    const QByteArray Utf8 = Markdown.toUtf8();
    // The default options leave raw HTML out and empty unsafe links.
    char *Html = cmark_markdown_to_html(Utf8.constData(), size_t(Utf8.size()), CMARK_OPT_DEFAULT);
    if (!Html)
        throw std::bad_alloc();
    const QString Result = QString::fromUtf8(Html);
    std::free(Html);
    return Result;
}

// Browsers of every age show these right even when a template forgets to
// name the page's character set.
QString ReplaceUmlauts(QString S)
{
    static const std::array<std::pair<QChar, QLatin1StringView>, 7> Entities{{
        {u'Ä', QLatin1StringView("&Auml;")},
        {u'Ö', QLatin1StringView("&Ouml;")},
        {u'Ü', QLatin1StringView("&Uuml;")},
        {u'ä', QLatin1StringView("&auml;")},
        {u'ö', QLatin1StringView("&ouml;")},
        {u'ü', QLatin1StringView("&uuml;")},
        {u'ß', QLatin1StringView("&szlig;")},
    }};
    for (const auto &[Char, Entity] : Entities)
        S.replace(Char, Entity);
    return S;
}

// The help id of a page file name, without regard to case; -1 for none.
int IdOfPageFile(const QString &FileName)
{
    for (int Id = 1; Id <= LastId; ++Id)
        if (SameText(FileName, QLatin1StringView(HelpPages[Id].File)))
            return Id;
    return -1;
}

QString HtmlName(const QString &SourceName)
{
    return QFileInfo(SourceName).completeBaseName() + QStringLiteral(".html");
}

// The text after the first "# " of the first line that is not blank.
QString TitleOf(const QString &Source)
{
    for (const QString &Line : SplitLines(Source)) {
        if (TrimCtl(Line).isEmpty())
            continue;
        const qsizetype At = Line.indexOf(QStringLiteral("# "));
        return TrimCtl(At >= 0 ? Line.mid(At + 2) : Line);
    }
    return QString();
}

// A numbered list of links to the pages Ids.
QString TableOfContents(const QStringList &Titles, const QList<int> &Ids)
{
    QString List;
    int Number = 1;
    for (int Id : Ids) {
        List += QStringLiteral("%1. [%2](%3 \"%4\")\r\n")
                    .arg(QString::number(Number), Titles[Id - 1], QLatin1StringView(HelpPages[Id].File),
                         THelpSystem::ShortTitle(Id));
        ++Number;
    }
    return List;
}

// Clears a flag however the scope is left.
class TFlagGuard
{
public:
    explicit TFlagGuard(std::atomic<bool> &AFlag)
        : FFlag(AFlag)
    {
        FFlag = true;
    }
    ~TFlagGuard() { FFlag = false; }
    TFlagGuard(const TFlagGuard &) = delete;
    TFlagGuard &operator=(const TFlagGuard &) = delete;

private:
    std::atomic<bool> &FFlag;
};

} // namespace

void InstallHelpOpener(THelpOpener AOpener)
{
    std::lock_guard Lock(HooksMutex);
    Opener = std::move(AOpener);
}

void InstallErrorBox(TErrorBox Box)
{
    std::lock_guard Lock(HooksMutex);
    ErrorBox = std::move(Box);
}

THelpSystem::THelpSystem(QObject *AHnd)
    : FMainWindowHandle(AHnd)
{
}

QString THelpSystem::HelpFileName(int Id)
{
    if (Id < 0 || Id >= HelpIdCount)
        return QString();
    return QString::fromLatin1(HelpPages[Id].File);
}

QString THelpSystem::ShortTitle(int Id)
{
    if (Id < 0 || Id >= HelpIdCount)
        return QString();
    return QString::fromUtf16(HelpPages[Id].Title);
}

QString THelpSystem::YearRange(const QDate &Today)
{
    // A clock set before the first year still gives a sensible range.
    if (Today.year() <= 2022)
        return QStringLiteral("2022");
    return QStringLiteral("2022-") + QString::number(Today.year());
}

void THelpSystem::SetError(const QString &S)
{
    LastErrorString = S;
    LogAdd(S);
}

namespace
{
bool SameFileContent(const QString &FileName, const QByteArray &Data)
{
    QFile F(FileName);
    return F.size() == Data.size() && F.open(QIODevice::ReadOnly) && F.readAll() == Data;
}
} // namespace

void THelpSystem::CreateHtmlFiles(const QDate &Today)
{
    TFlagGuard Creating(FIsCreatingHtmlFiles);
    try {
        if (!QFileInfo(HilfePath).isDir()) {
            SetError(QStringLiteral("Der Hilfeordner \"%1\" existiert nicht!").arg(HilfePath));
            return;
        }
        if (!QFileInfo(HilfetextePath).isDir())
            return;

        auto ReadTemplate = [this](const char *Name) {
            const QString FileName = HilfetextePath + QLatin1StringView(Name);
            const std::optional<QString> Text = LoadTextFile(FileName);
            if (!Text)
                SetError(QStringLiteral("Die Datei \"%1\" konnte nicht geladen werden!").arg(FileName));
            return Text.value_or(QString());
        };
        const QString Oben = ReadTemplate("_oben.html");
        const QString Endlink = ReadTemplate("_endlink.html");
        const QString EndlinkTh = ReadTemplate("_endlink_th.html");
        const QString Years = YearRange(Today);
        const QString Copyright = FormatIfNotBlank(ReadTemplate("_copyright.html"), {Years, VersionText});
        const QString Unten = ReadTemplate("_unten.html");
        const QString Date = Today.toString(QStringLiteral("yyyy-MM-dd"));

        QDir Folder(HilfetextePath);
        if (!Folder.isReadable()) {
            SetError(QStringLiteral("Der Hilfe-Ordner \"%1\" konnte nicht eingelesen werden!").arg(HilfetextePath));
            return;
        }
        QStringList Sources = Folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        if (Sources.isEmpty())
            return;

        // Both tables of contents need the titles of the pages they list.
        for (int Id : {IdHandbuch, IdHilfe})
            for (qsizetype I = 0; I < Sources.size(); ++I)
                if (IdOfPageFile(HtmlName(Sources[I])) == Id) {
                    Sources.append(Sources.takeAt(I));
                    break;
                }

        QStringList Titles(LastId);
        for (const QString &Source : Sources) {
            const QString SourceFile = HilfetextePath + Source;
            std::optional<QString> Text = LoadTextFile(SourceFile);
            if (!Text) {
                SetError(QStringLiteral("Die Datei \"%1\" konnte nicht geladen werden!").arg(SourceFile));
                continue;
            }
            const int Id = IdOfPageFile(HtmlName(Source));
            // A known page is written under its own name, so that links and F1
            // find it whatever the letter case of its source.
            const QString Target = HilfePath + (Id > 0 ? HelpFileName(Id) : HtmlName(Source));

            if (Id > 0 && !Text->isEmpty())
                Titles[Id - 1] = TitleOf(*Text);
            if (Id == IdHilfe)
                Text->replace(QStringLiteral("{inhalt}"), TableOfContents(Titles, HilfeInhalt()));
            else if (Id == IdHandbuch)
                Text->replace(QStringLiteral("{inhalt}"), TableOfContents(Titles, HandbuchInhalt()));

            QString Page = Id > 0 ? FormatIfNotBlank(Oben, {ShortTitle(Id), Date, Years}) : Oben;
            Page += MarkdownToHtml(*Text);
            if (IsHandbookChapter(Id))
                Page += EndlinkTh;
            else if (Id > IdHilfe)
                Page += Endlink;
            Page += Copyright;
            Page += Unten;
            Page = JoinLines(SplitLines(ReplaceUmlauts(Page)));

            // A page that is already exactly so stays as it is: writing every
            // page whole to disk at every start holds the start up.
            const QByteArray Data = EncodeText(Page, TTextEncoding::Utf8);
            if (SameFileContent(Target, Data))
                continue;
            if (!WriteFileWhole(Target, Data, FileWriteAttempts)) {
                SetError(QStringLiteral("Die Hilfedatei \"%1\" konnte nicht gespeichert werden!").arg(Target));
                return;
            }
        }
    } catch (...) {
        SetError(QStringLiteral("Unbekannter Fehler bei der Hilfeerstellung!"));
    }
}

bool THelpSystem::LoadEinleitung()
{
    const QString FileName = ProgramPath + HelpFileName(0);
    if (!QFileInfo::exists(FileName)) {
        SetError(QStringLiteral("Die Einleitungsdatei \"%1\" existiert nicht!").arg(FileName));
        return false;
    }
    const std::optional<QString> Text = LoadTextFile(FileName);
    if (!Text) {
        SetError(QStringLiteral("Die Einleitungsdatei \"%1\" konnte nicht geladen werden!").arg(FileName));
        return false;
    }
    FEinleitungString = TrimCtl(*Text);
    return true;
}

void THelpSystem::OpenHtmlFile(int Id)
{
    if (Id < 0 || Id >= HelpIdCount)
        return;
    const QString FileName = HilfePath + HelpFileName(Id);
    THelpOpener Open;
    TErrorBox Box;
    {
        std::lock_guard Lock(HooksMutex);
        Open = Opener;
        Box = ErrorBox;
    }
    if (QFileInfo(FileName).isFile()) {
        if (Open)
            Open(FileName);
        return;
    }
    const QString Message = QStringLiteral("Die Datei \"%1\" konnte nicht gefunden werden!").arg(FileName);
    LogAdd(Message);
    if (Box)
        Box(Message);
}
