#pragma once

#include <QLabel>
#include <QTimer>

// The picture shown while the program loads: borderless, centred, the size
// of the picture. A missing or unreadable picture closes it at once.
class TSplashScreenForm : public QLabel
{
    Q_OBJECT

public:
    explicit TSplashScreenForm(const QString &AFilename);
    QString Filename() const { return FFilename; }
    bool HasPicture() const { return !pixmap().isNull(); }

protected:
    void showEvent(QShowEvent *E) override;

private:
    QTimer Timer1;
    QString FFilename;
};

extern TSplashScreenForm *SplashScreenForm;
extern qint64 SplashScreenStartTick;
