#include "app/DateNamesC.h"

#include <QRegularExpression>

QString AdjustMonthName(const QString &Name, QLocale::FormatType Type)
{
    if (Type == QLocale::LongFormat)
        return Name.compare(QStringLiteral("JANUAR"), Qt::CaseInsensitive) == 0 ? QStringLiteral("Jänner") : Name;
    // Qt's German short names may end with a period ("Jan."); it stays.
    const bool Period = Name.endsWith(QLatin1Char('.'));
    const QString Bare = Period ? Name.chopped(1) : Name;
    const QString Dot = Period ? QStringLiteral(".") : QString();
    if (Bare.compare(QStringLiteral("JAN"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Jän") + Dot;
    if (Bare.compare(QStringLiteral("MRZ"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Mär") + Dot;
    return Name;
}

QString AdjustDayName(const QString &Name, QLocale::FormatType Type)
{
    if (Type != QLocale::LongFormat && Name.endsWith(QLatin1Char('.')))
        return Name.chopped(1);
    return Name;
}

namespace
{
const QLocale &German()
{
    static const QLocale L(QLocale::German, QLocale::Germany);
    return L;
}
} // namespace

QString MonthName(int Month, QLocale::FormatType Type)
{
    return AdjustMonthName(German().monthName(Month, Type), Type);
}

QString DayName(int Day, QLocale::FormatType Type)
{
    return AdjustDayName(German().dayName(Day, Type), Type);
}

QString FormatDate(const QDate &Date, const QString &Format)
{
    // Names go in as quoted text, so that the locale's own names never reach
    // the result.
    static const QRegularExpression Names(QStringLiteral("MMMM|MMM|dddd|ddd"));
    QString F;
    qsizetype Last = 0;
    for (auto It = Names.globalMatch(Format); It.hasNext();) {
        const auto M = It.next();
        F += Format.mid(Last, M.capturedStart() - Last);
        const QString Token = M.captured();
        QString Name;
        if (Token == u"MMMM")
            Name = MonthName(Date.month(), QLocale::LongFormat);
        else if (Token == u"MMM")
            Name = MonthName(Date.month(), QLocale::ShortFormat);
        else if (Token == u"dddd")
            Name = DayName(Date.dayOfWeek(), QLocale::LongFormat);
        else
            Name = DayName(Date.dayOfWeek(), QLocale::ShortFormat);
        F += QLatin1Char('\'') + Name.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
        Last = M.capturedEnd();
    }
    F += Format.mid(Last);
    return German().toString(Date, F);
}
