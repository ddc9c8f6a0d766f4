#include "help/HelpWindowC.h"

#include "app/SettingsC.h"
#include "common/DisplayHelperC.h"
#include "common/ModalC.h"
#include "log/LogC.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

std::function<void(THelpWindow *)> OnHelpWindowShown;

THelpWindow::THelpWindow(QWidget *AOwner, const QString &APath)
    : TProgramDialog(AOwner, -1)
{
    Browser = new QTextBrowser(this);
    Browser->setAccessibleName(QStringLiteral("Hilfeseite"));
    // The caret moves through the text as in every text pane; links are
    // reached with Tab and followed with Enter.
    Browser->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse |
                                     Qt::LinksAccessibleByKeyboard | Qt::LinksAccessibleByMouse);
    Browser->setOpenLinks(false);
    BtnZurueck = new QPushButton(QStringLiteral("&Zurück"), this);
    BtnSchliessen = new QPushButton(QStringLiteral("S&chließen"), this);
    for (QPushButton *B : {BtnZurueck, BtnSchliessen})
        B->setAutoDefault(false);
    setTabOrder(Browser, BtnZurueck);
    setTabOrder(BtnZurueck, BtnSchliessen);
    connect(BtnZurueck, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::accept);
    connect(Browser, &QTextBrowser::backwardAvailable, BtnZurueck, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
        ShowTitle();
        Browser->moveCursor(QTextCursor::Start);
    });
    // Pages of the help stay here; pages of other sites go to the desktop.
    connect(Browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &Url) {
        const QUrl Target = Browser->source().resolved(Url);
        if (Target.isLocalFile())
            Browser->setSource(Target);
        else
            QDesktopServices::openUrl(Target);
    });
    BtnZurueck->setEnabled(false);
    Browser->setSource(QUrl::fromLocalFile(QFileInfo(APath).absoluteFilePath()));
    ShowTitle();
}

void THelpWindow::ShowTitle()
{
    const QString Title = Browser->documentTitle().trimmed();
    setWindowTitle(Title.isEmpty() ? QStringLiteral("Hilfe") : QStringLiteral("Hilfe - ") + Title);
}

void THelpWindow::FormShow()
{
    ApplyDisplaySettings(this);
    FillWorkArea(this);
    LayoutControls();
    Browser->moveCursor(QTextCursor::Start);
    Browser->setFocus();
    CenterOnWorkArea(this);
}

void THelpWindow::resizeEvent(QResizeEvent *E)
{
    QDialog::resizeEvent(E);
    LayoutControls();
}

void THelpWindow::LayoutControls()
{
    const QFont Font = ToQFont(AktFont);
    const int BtnW = TextWidthForFont(Font, QStringLiteral("SchließenMM"));
    const int BtnH = ControlHeightForFont(Font, BtnSchliessen);
    const int Top = height() - 10 - BtnH;
    for (QPushButton *B : {BtnZurueck, BtnSchliessen})
        B->resize(BtnW, BtnH);
    const int Gap = (width() - 2 * BtnW) / 3;
    BtnZurueck->move(Gap, Top);
    BtnSchliessen->move(2 * Gap + BtnW, Top);
    Browser->setGeometry(10, 10, width() - 20, qMax(10, Top - 20));
}

namespace
{
void ShowInWindow(const QString &Path)
{
    ShowModal([&] { return new THelpWindow(nullptr, Path); },
              [](QDialog *D) {
                  if (OnHelpWindowShown)
                      OnHelpWindowShown(static_cast<THelpWindow *>(D));
              },
              nullptr, [](const QString &) { return QStringLiteral("Fehler bei HelpWindow!"); });
}
} // namespace

void OpenHelpPage(const QString &Path)
{
    // The desktop's opener: when it is missing, cannot start or reports
    // that nothing opened the page, the page opens here.
    const auto Fallback = [Path](const QString &Message) {
        LogAdd(Message + QStringLiteral(": die Seite wird in Tastwerk gezeigt."));
        ShowInWindow(Path);
    };
    const QString Opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (Opener.isEmpty()) {
        Fallback(QStringLiteral("Kein Programm zum Öffnen von \"%1\" gefunden").arg(Path));
        return;
    }
    auto *P = new QProcess;
    P->setProgram(Opener);
    P->setArguments({QUrl::fromLocalFile(Path).toString()});
    QObject::connect(P, &QProcess::finished, P, [P, Path, Fallback](int Code, QProcess::ExitStatus Status) {
        P->deleteLater();
        if (Status != QProcess::NormalExit || Code != 0)
            Fallback(QStringLiteral("\"%1\" konnte nicht geöffnet werden (xdg-open: %2)")
                         .arg(Path, QString::fromLocal8Bit(P->readAllStandardError()).trimmed()));
    });
    QObject::connect(P, &QProcess::errorOccurred, P, [P, Path, Fallback](QProcess::ProcessError E) {
        if (E != QProcess::FailedToStart)
            return;
        P->deleteLater();
        Fallback(QStringLiteral("\"%1\" konnte nicht geöffnet werden").arg(Path));
    });
    P->start();
}
