#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;
struct TAktFont;

// What every window does alike with the learner's display settings: the
// font and background colour of the main window for labels, fields and
// lists, the same font a few points larger (BrailleSize) for text panes,
// only the font for buttons; sizes of controls from the font; centring on
// the screen's work area.

// A Windows colour value (0x00BBGGRR, as the settings file keeps it).
QColor ToQColor(unsigned WinColor);
unsigned ToWinColor(const QColor &Color);
// The settings' font as a Qt font. Windows font names the desktop lacks
// ("Arial", "Courier New", ...) fall back to the DejaVu families.
QFont ToQFont(const TAktFont &Font);
// The font of text panes: the settings' font, BrailleSize points larger.
QFont PaneFont();

// Removes every "&" from a caption ("&&" disappears as well).
QString StripAmpersands(const QString &Caption);
// The height of "M" in Font plus room for the kind of Control: 8 for an
// edit or a check box, 12 for a button, 6 for a status bar, 0 otherwise.
int ControlHeightForFont(const QFont &Font, const QWidget *Control);
// The width of Text followed by one blank in Font.
int TextWidthForFont(const QFont &Font, const QString &Text);

// Colours and fonts by kind of control, for Root and every widget in it.
void ApplyDisplaySettings(QWidget *Root);
// The screen's work area for a window (the primary screen's without one).
QRect WorkArea(const QWidget *W);
// Sets the window to the size of the work area of its screen.
void FillWorkArea(QWidget *W);
// A maximised window goes to the work area's top left corner; any other is
// centred on it.
void CenterOnWorkArea(QWidget *W);

class QKeySequence;
// A shortcut as the status bar and the menus name it, with German key
// names: "F4", "Strg+M", "Umsch+F1", "Strg+Ab".
QString ShortCutToText(const QKeySequence &Shortcut);
