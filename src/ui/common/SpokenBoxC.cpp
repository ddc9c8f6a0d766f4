#include "common/SpokenBoxC.h"

#include "app/SettingsC.h"
#include "speech/SpeechC.h"

#include <QTimer>

QMessageBox::StandardButton ShowSpokenBox(QMessageBox::Icon Icon, QWidget *Parent, const QString &Title,
                                          const QString &Text, QMessageBox::StandardButtons Buttons,
                                          QMessageBox::StandardButton Default)
{
    QMessageBox Box(Icon, Title, Text, Buttons, Parent);
    if (Default != QMessageBox::NoButton)
        Box.setDefaultButton(Default);
    // Once the box is up: the screen reader's announcement of it comes later
    // and waits behind the text.
    QTimer::singleShot(0, &Box, [Text] {
        if (IsSapiSpeechEnabled() && Speech)
            Speech->SpeakWhole(Text);
    });
    const auto Result = QMessageBox::StandardButton(Box.exec());
    if (IsSapiSpeechEnabled() && Speech)
        Speech->Stop();
    // Without a window manager nothing else would take the keys back.
    if (Parent && Parent->isVisible())
        Parent->window()->activateWindow();
    return Result;
}
