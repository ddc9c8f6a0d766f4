#include "UpdaterC.h"

#include "app/IniFileC.h"

#include "content/GlobalsC.h"
#include "content/MessagesC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QThread>

#include <memory>
#include <utility>

TUpdater *Updater = nullptr;

namespace
{

const QString ZeroVersion = QStringLiteral("0.0.0.0");
const QString VersionPath = QStringLiteral("/updates/Tastwerk/Tastwerk.ver");
constexpr int TransferTimeout = 5000;
// A version file is a few bytes; anything much larger is not one.
constexpr qint64 MaxBodySize = 64 * 1024;

} // namespace

TVersion::TVersion(bool CurrentVersion)
{
#ifdef TASTWERK_VERSION
    if (CurrentVersion)
        SetData(QStringLiteral(TASTWERK_VERSION));
#else
    (void)CurrentVersion;
#endif
}

void TVersion::Clear()
{
    FMajor = FMinor = FPatch = FBuild = 0;
}

void TVersion::SetData(const QString &S)
{
    const QStringList Words = S.split(u'.', Qt::SkipEmptyParts);
    int *Fields[4] = {&FMajor, &FMinor, &FPatch, &FBuild};
    for (int I = 0; I < 4; ++I) {
        bool Ok = false;
        const int N = I < Words.size() ? Words[I].trimmed().toInt(&Ok) : 0;
        *Fields[I] = Ok ? N : 0;
    }
}

QString TVersion::ToString() const
{
    return QStringLiteral("%1.%2.%3.%4").arg(FMajor).arg(FMinor).arg(FPatch).arg(FBuild);
}

int TVersion::Compare(const TVersion &Other) const
{
    const int Mine[4] = {FMajor, FMinor, FPatch, FBuild};
    const int Theirs[4] = {Other.FMajor, Other.FMinor, Other.FPatch, Other.FBuild};
    for (int I = 0; I < 4; ++I)
        if (Mine[I] != Theirs[I])
            return Mine[I] < Theirs[I] ? -1 : 1;
    return 0;
}

TUpdater::TUpdater(QObject *AHnd, const QUrl &ABaseUrl)
    : FMainWindowHandle(AHnd)
    , FBaseUrl(ABaseUrl.isEmpty() ? ReadBaseUrl(DataPath + QStringLiteral("Updateserver.txt")) : ABaseUrl)
    , FCurrentVersion(true)
{
    FTimer.setSingleShot(true);
    QObject::connect(&FTimer, &QTimer::timeout, this, [this] { OnTimer(); });
    // Without an address the program never asks anybody.
    if (!FBaseUrl.isEmpty())
        FTimer.start(FFirstInterval);
}

TUpdater::~TUpdater()
{
    FTimer.stop();
    FAbort = true;
    if (FThread) {
        FThread->wait();
        delete FThread;
    }
    // A check that ended meanwhile has posted its end to this object; Qt
    // drops that with the object.
}

TUpdateType TUpdater::Status() const
{
    std::lock_guard Lock(FCriticalSection);
    return FStatus;
}

TVersion TUpdater::NewVersion() const
{
    std::lock_guard Lock(FCriticalSection);
    return FNewVersion;
}

QDateTime TUpdater::LastCheck() const
{
    std::lock_guard Lock(FCriticalSection);
    return FLastCheck;
}

void TUpdater::SetCurrentVersion(const QString &S)
{
    std::lock_guard Lock(FCriticalSection);
    FCurrentVersion.SetData(S);
}

void TUpdater::SetCaCertificates(const QList<QSslCertificate> &Certs)
{
    FCaCertificates = Certs;
}

void TUpdater::SetIntervals(int First, int None, int Error, int Downgrade, int Upgrade)
{
    FFirstInterval = First;
    FIntervals[utNone] = None;
    FIntervals[utError] = Error;
    FIntervals[utDowngrade] = Downgrade;
    FIntervals[utUpgrade] = Upgrade;
    // Still waiting for the first check: wait the new delay instead.
    if (FTimer.isActive() && !FThread && !LastCheck().isValid())
        FTimer.start(FFirstInterval);
}

void TUpdater::CheckNow()
{
    if (FBaseUrl.isEmpty())
        return;
    FChecking = true;
    if (!FThread)
        StartCheck();
}

namespace
{
const QString MailKey = QStringLiteral("Mail=");
const QString HomepageKey = QStringLiteral("Homepage=");

// The lines of the address file that carry something, trimmed.
QStringList ServerFileLines(const QString &FileName)
{
    QStringList Lines;
    const std::optional<QString> Text = LoadTextFile(FileName);
    if (!Text)
        return Lines;
    for (const QString &Raw : SplitLines(*Text)) {
        const QString Line = TrimCtl(Raw);
        if (!Line.isEmpty() && !Line.startsWith(u';'))
            Lines << Line;
    }
    return Lines;
}

// An HTTPS address with a host; "https://" is assumed without a scheme.
QUrl HttpsUrl(QString Text)
{
    if (!Text.contains(QStringLiteral("://")))
        Text.prepend(QStringLiteral("https://"));
    const QUrl Url(Text, QUrl::StrictMode);
    if (!Url.isValid() || Url.host().isEmpty() || Url.scheme().compare(u"https", Qt::CaseInsensitive) != 0)
        return QUrl();
    return Url;
}
} // namespace

QUrl TUpdater::ReadBaseUrl(const QString &FileName)
{
    for (const QString &Line : ServerFileLines(FileName)) {
        if (Line.startsWith(MailKey, Qt::CaseInsensitive) || Line.startsWith(HomepageKey, Qt::CaseInsensitive))
            continue;
        // Only HTTPS: the answer decides what the learner is told to install.
        return HttpsUrl(Line);
    }
    return QUrl();
}

TUpdater::TMakerLinks TUpdater::ReadMakerLinks(const QString &FileName)
{
    TMakerLinks Links;
    for (const QString &Line : ServerFileLines(FileName)) {
        if (Line.startsWith(MailKey, Qt::CaseInsensitive)) {
            QString Mail = Line.mid(MailKey.size()).trimmed();
            if (Mail.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive))
                Mail = Mail.mid(7);
            // One address: a name, an "@" and a domain, nothing to break the link.
            const qsizetype At = Mail.indexOf(u'@');
            const bool Plain = !Mail.contains(u' ') && !Mail.contains(u'?') && !Mail.contains(u',') &&
                               !Mail.contains(u'<') && !Mail.contains(u'>');
            Links.Mail = At > 0 && At < Mail.size() - 1 && Mail.count(u'@') == 1 && Plain ? Mail : QString();
        } else if (Line.startsWith(HomepageKey, Qt::CaseInsensitive)) {
            const QString Address = Line.mid(HomepageKey.size()).trimmed();
            Links.Homepage = Address.isEmpty() ? QUrl() : HttpsUrl(Address);
        }
    }
    return Links;
}

int TUpdater::IntervalFor(TUpdateType S) const
{
    return FIntervals[S];
}

void TUpdater::OnTimer()
{
    FTimer.stop();
    FChecking = true;
    if (!FThread)
        StartCheck();
}

void TUpdater::StartCheck()
{
    QUrl Url = FBaseUrl;
    QString Path = Url.path();
    while (Path.endsWith(u'/'))
        Path.chop(1);
    Url.setPath(Path + VersionPath);
    Url.setQuery(QString());
    Url.setFragment(QString());
    const QList<QSslCertificate> Ca = FCaCertificates;
    FThread = QThread::create([this, Url, Ca] {
        TFetchResult R = Fetch(Url, Ca, FAbort);
        std::lock_guard Lock(FResultMutex);
        FResult = std::move(R);
    });
    // The rest belongs to the main thread, where the timer and the main
    // window live. The result is handed over through a standard mutex, which
    // race checkers can see.
    QObject::connect(
        FThread, &QThread::finished, this, [this] { FinishCheck(); }, Qt::QueuedConnection);
    FThread->start();
}

TUpdater::TFetchResult TUpdater::Fetch(const QUrl &Url, const QList<QSslCertificate> &Ca,
                                       const std::atomic<bool> &Abort)
{
    TFetchResult R;
    if (IsProgramClosing) {
        R.Skipped = true;
        return R;
    }
    QNetworkAccessManager Manager;
    QNetworkRequest Request(Url);
    Request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Mozilla/3.0"));
    Request.setTransferTimeout(TransferTimeout);
    QSslConfiguration Ssl = QSslConfiguration::defaultConfiguration();
    if (!Ca.isEmpty())
        Ssl.addCaCertificates(Ca);
    Request.setSslConfiguration(Ssl);

    std::unique_ptr<QNetworkReply> Reply(Manager.get(Request));
    QNetworkReply *P = Reply.get();
    QEventLoop Loop;
    QObject::connect(P, &QNetworkReply::finished, &Loop, &QEventLoop::quit);
    QObject::connect(P, &QNetworkReply::downloadProgress, P, [P](qint64 Received, qint64) {
        if (Received > MaxBodySize)
            P->abort();
    });
    // Closing the program or freeing the updater cuts the request short.
    QTimer Watch;
    QObject::connect(&Watch, &QTimer::timeout, P, [P, &Abort] {
        if (Abort || IsProgramClosing)
            P->abort();
    });
    Watch.start(20);
    if (!P->isFinished())
        Loop.exec();
    Watch.stop();

    if (P->error() != QNetworkReply::NoError)
        return R;
    const QByteArray Body = P->readAll();
    if (Body.isEmpty())
        return R;
    R.Version = TIniFile::FromText(DecodeText(Body))
                    .ReadString(QStringLiteral("Tastwerk"), QStringLiteral("Version"), QString());
    R.Ok = !R.Version.isEmpty();
    return R;
}

void TUpdater::FinishCheck()
{
    if (FThread) {
        FThread->wait();
        delete FThread;
        FThread = nullptr;
    }
    TFetchResult R;
    {
        std::lock_guard Lock(FResultMutex);
        R = std::exchange(FResult, TFetchResult());
    }
    bool Hint = false;
    TUpdateType Now;
    {
        std::lock_guard Lock(FCriticalSection);
        if (!R.Skipped) {
            const TUpdateType Old = FStatus;
            TUpdateType New = utError;
            if (R.Ok) {
                FNewVersion.SetData(R.Version);
                if (FCurrentVersion.ToString() != ZeroVersion && FNewVersion.ToString() != ZeroVersion) {
                    // Number by number: 1.0.10.0 is newer than 1.0.9.0.
                    const int C = FCurrentVersion.Compare(FNewVersion);
                    New = C == 0 ? utNone : C < 0 ? utUpgrade : utDowngrade;
                }
            }
            FStatus = New;
            Hint = New == utUpgrade && Old != utUpgrade;
        }
        FLastCheck = QDateTime::currentDateTime();
        Now = FStatus;
    }
    if (Hint && !IsProgramClosing && (!IsLoaderIdle || IsLoaderIdle()))
        SendMessage(FMainWindowHandle, WM_USER_STATUS, WM_USER_REFRESH, 0);
    const int Interval = IntervalFor(Now);
    if (Interval != 0 && !IsProgramClosing)
        FTimer.start(Interval);
    FChecking = false;
}
