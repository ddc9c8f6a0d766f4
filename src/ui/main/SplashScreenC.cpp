#include "main/SplashScreenC.h"

#include "common/DisplayHelperC.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

TSplashScreenForm *SplashScreenForm = nullptr;
qint64 SplashScreenStartTick = 0;

TSplashScreenForm::TSplashScreenForm(const QString &AFilename)
    : QLabel(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , FFilename(AFilename)
{
    setWindowTitle(QStringLiteral("Tastwerk"));
    setAccessibleName(QStringLiteral("Tastwerk wird geladen"));
    Timer1.setSingleShot(true);
    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        Timer1.stop();
        close();
    });
    // The picture is a JPEG under a name of its own, else a bitmap.
    if (QFileInfo::exists(FFilename)) {
        for (const char *Format : {"jpeg", "bmp"}) {
            QImageReader Reader(FFilename, Format);
            const QImage Image = Reader.read();
            if (!Image.isNull()) {
                setPixmap(QPixmap::fromImage(Image));
                resize(Image.size());
                break;
            }
        }
    }
}

void TSplashScreenForm::showEvent(QShowEvent *E)
{
    QLabel::showEvent(E);
    if (!HasPicture())
        Timer1.start();
    else
        CenterOnWorkArea(this);
}
