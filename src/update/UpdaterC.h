#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <functional>
#include <mutex>

class QThread;

enum TUpdateType { utNone, utError, utDowngrade, utUpgrade };

// A program version: four numbers.
class TVersion
{
public:
    // With CurrentVersion the running program's own version.
    explicit TVersion(bool CurrentVersion = false);
    void Clear();
    // The first four dot-separated words of S, each 0 when missing or not a
    // number; runs of dots count as one separator.
    void SetData(const QString &S);
    QString ToString() const;
    // Number by number: <0, 0, >0.
    int Compare(const TVersion &Other) const;

    int FMajor = 0, FMinor = 0, FPatch = 0, FBuild = 0;
};

// Asks the update server in the background, one second after start and then
// every one or two minutes, which version is current. The server's base
// address is read from Data/Updateserver.txt; when that is empty or missing
// nothing is ever sent and the status stays utNone.
class TUpdater : public QObject
{
public:
    // Create on the main thread. ABaseUrl empty: read the address file.
    explicit TUpdater(QObject *AHnd, const QUrl &ABaseUrl = QUrl());
    // Cancels a running check and waits for its thread to end.
    ~TUpdater() override;

    TUpdateType Status() const;
    TVersion NewVersion() const;
    TVersion CurrentVersion() const { return FCurrentVersion; }
    QDateTime LastCheck() const;
    bool Checking() const { return FChecking.load(); }
    QUrl BaseUrl() const { return FBaseUrl; }

    // For tests: the running version, extra trusted certificates, and the
    // check intervals (milliseconds, by status; the first check's delay).
    void SetCurrentVersion(const QString &S);
    void SetCaCertificates(const QList<QSslCertificate> &Certs);
    void SetIntervals(int First, int None, int Error, int Downgrade, int Upgrade);
    // Runs one check now on a background thread unless one runs.
    void CheckNow();

    // The address file: the first line that is neither blank nor a comment
    // (";") nor a link line (Mail=, Homepage=), trimmed; "https://" is
    // assumed when no scheme is given. Empty when the file is missing, holds
    // no address or names another scheme than HTTPS.
    static QUrl ReadBaseUrl(const QString &FileName);

    // The maker's links from the same file: "Mail=" with a mail address,
    // "Homepage=" with a web address (HTTPS only, "https://" assumed). A
    // link that is missing or not valid stays empty.
    struct TMakerLinks {
        QString Mail;
        QUrl Homepage;
    };
    static TMakerLinks ReadMakerLinks(const QString &FileName);

    // Asked on the main thread before the update hint is sent: the hint goes
    // out only while the loader is idle. The main window sets it; without it
    // the loader counts as idle.
    std::function<bool()> IsLoaderIdle;

private:
    struct TFetchResult {
        bool Skipped = false; // the program was closing: nothing was asked
        bool Ok = false;
        QString Version; // the server's version text when Ok
    };

    void OnTimer();
    void StartCheck();
    // The end of a check, on the main thread: status, hint and next check.
    void FinishCheck();
    int IntervalFor(TUpdateType S) const;
    static TFetchResult Fetch(const QUrl &Url, const QList<QSslCertificate> &Ca, const std::atomic<bool> &Abort);

    QObject *FMainWindowHandle;
    QUrl FBaseUrl;
    std::atomic<bool> FChecking{false};
    // Set when the updater goes: a running request is cancelled.
    std::atomic<bool> FAbort{false};
    mutable std::mutex FCriticalSection;
    TVersion FCurrentVersion;
    TVersion FNewVersion;
    QDateTime FLastCheck;
    TUpdateType FStatus = utNone;
    QThread *FThread = nullptr;
    std::mutex FResultMutex;
    TFetchResult FResult; // written by the check thread at its end
    QTimer FTimer;
    QList<QSslCertificate> FCaCertificates;
    int FFirstInterval = 1000;
    int FIntervals[4] = {120000, 60000, 60000, 120000}; // by TUpdateType
};

// The program's updater, created and freed by the main window; null before.
extern TUpdater *Updater;
