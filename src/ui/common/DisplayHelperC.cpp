#include "common/DisplayHelperC.h"

#include "app/SettingsC.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>
#include <QWidget>

QColor ToQColor(unsigned WinColor)
{
    return QColor(int(WinColor & 0xFF), int((WinColor >> 8) & 0xFF), int((WinColor >> 16) & 0xFF));
}

unsigned ToWinColor(const QColor &Color)
{
    return unsigned(Color.red()) | unsigned(Color.green()) << 8 | unsigned(Color.blue()) << 16;
}

namespace
{
QString DesktopFamily(const QString &Name)
{
    if (QFontDatabase::hasFamily(Name))
        return Name;
    // Settings files written on Windows name its fonts; the nearest ones
    // every Linux desktop has.
    static const struct {
        const char16_t *Windows;
        const char16_t *Linux;
    } Map[] = {
        {u"Courier New", u"DejaVu Sans Mono"}, {u"Courier", u"DejaVu Sans Mono"},
        {u"Consolas", u"DejaVu Sans Mono"},    {u"Lucida Console", u"DejaVu Sans Mono"},
        {u"Times New Roman", u"DejaVu Serif"}, {u"Georgia", u"DejaVu Serif"},
    };
    for (const auto &M : Map)
        if (Name.compare(QStringView(M.Windows), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(M.Linux);
    return QStringLiteral("DejaVu Sans");
}
} // namespace

QFont ToQFont(const TAktFont &Font)
{
    QFont F(DesktopFamily(Font.Name));
    F.setPointSize(qMax(1, Font.Size));
    F.setBold(Font.Bold);
    return F;
}

QFont PaneFont()
{
    QFont F = ToQFont(AktFont);
    F.setPointSize(F.pointSize() + BrailleSize);
    return F;
}

QString StripAmpersands(const QString &Caption)
{
    QString S = Caption;
    S.remove(QLatin1Char('&'));
    return S;
}

int ControlHeightForFont(const QFont &Font, const QWidget *Control)
{
    const int H = QFontMetrics(Font).height();
    if (qobject_cast<const QAbstractButton *>(Control) && !qobject_cast<const QCheckBox *>(Control))
        return H + 12;
    if (qobject_cast<const QCheckBox *>(Control) || qobject_cast<const QLineEdit *>(Control) ||
        qobject_cast<const QAbstractSpinBox *>(Control) || qobject_cast<const QComboBox *>(Control))
        return H + 8;
    if (qobject_cast<const QStatusBar *>(Control))
        return H + 6;
    return H;
}

int TextWidthForFont(const QFont &Font, const QString &Text)
{
    return QFontMetrics(Font).horizontalAdvance(Text + QLatin1Char(' '));
}

namespace
{
void SetColours(QWidget *W, const QColor &Back, const QColor &Fore)
{
    QPalette P = W->palette();
    for (auto Role : {QPalette::Base, QPalette::Window})
        P.setColor(Role, Back);
    for (auto Role : {QPalette::Text, QPalette::WindowText})
        P.setColor(Role, Fore);
    W->setPalette(P);
    W->setAutoFillBackground(true);
}
} // namespace

void ApplyDisplaySettings(QWidget *Root)
{
    const QColor Back = ToQColor(AktBackColor);
    const QColor Fore = ToQColor(AktFont.Color);
    const QFont Font = ToQFont(AktFont);
    QList<QWidget *> All = Root->findChildren<QWidget *>();
    All.prepend(Root);
    for (QWidget *W : All) {
        if (qobject_cast<QPlainTextEdit *>(W) || qobject_cast<QTextEdit *>(W)) {
            SetColours(W, Back, Fore);
            W->setFont(PaneFont());
        } else if (qobject_cast<QPushButton *>(W)) {
            // Buttons keep the desktop's colours, so they still look like buttons.
            W->setFont(Font);
        } else if (qobject_cast<QLabel *>(W) || qobject_cast<QLineEdit *>(W) || qobject_cast<QCheckBox *>(W) ||
                   qobject_cast<QComboBox *>(W) || qobject_cast<QStatusBar *>(W) ||
                   qobject_cast<QAbstractItemView *>(W) || qobject_cast<QAbstractSpinBox *>(W)) {
            SetColours(W, Back, Fore);
            W->setFont(Font);
        }
    }
    if (Root->isWindow())
        SetColours(Root, Back, Fore);
}

QRect WorkArea(const QWidget *W)
{
    QScreen *S = W && W->screen() ? W->screen() : QGuiApplication::primaryScreen();
    return S ? S->availableGeometry() : QRect(0, 0, 1024, 768);
}

void FillWorkArea(QWidget *W)
{
    const QRect A = WorkArea(W);
    W->resize(A.size());
}

void CenterOnWorkArea(QWidget *W)
{
    const QRect A = WorkArea(W);
    if (W->isMaximized()) {
        W->move(A.topLeft());
        return;
    }
    const QSize Frame = W->frameGeometry().size();
    W->move(A.left() + qMax(0, (A.width() - Frame.width()) / 2), A.top() + qMax(0, (A.height() - Frame.height()) / 2));
}

QString ShortCutToText(const QKeySequence &Shortcut)
{
    if (Shortcut.isEmpty())
        return QString();
    static const struct {
        const char16_t *From;
        const char16_t *To;
    } Names[] = {
        {u"Ctrl", u"Strg"},  {u"Shift", u"Umsch"},    {u"Meta", u"Meta"},      {u"Alt", u"Alt"},
        {u"Down", u"Ab"},    {u"Up", u"Auf"},         {u"Left", u"Links"},     {u"Right", u"Rechts"},
        {u"Del", u"Entf"},   {u"Ins", u"Einfg"},      {u"PgUp", u"Bild auf"},  {u"PgDown", u"Bild ab"},
        {u"Home", u"Pos1"},  {u"End", u"Ende"},       {u"Return", u"Eingabe"}, {u"Enter", u"Eingabe"},
        {u"Space", u"Leer"}, {u"Backspace", u"Rück"}, {u"Esc", u"Esc"},
    };
    // The portable text is the same on every desktop and language; its
    // parts are translated one by one.
    QStringList Keys;
    for (const QString &Combination : Shortcut.toString(QKeySequence::PortableText).split(QStringLiteral(", "))) {
        QStringList Parts = Combination.split(QLatin1Char('+'));
        for (QString &P : Parts)
            for (const auto &N : Names)
                if (P == QStringView(N.From)) {
                    P = QString::fromUtf16(N.To);
                    break;
                }
        Keys.append(Parts.join(QLatin1Char('+')));
    }
    return Keys.join(QStringLiteral(", "));
}
