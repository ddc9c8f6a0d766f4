#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The names of months and days in the dates the program writes itself, as
// learners in Austria know them as well: "Jän" and "Jänner" for January,
// "Mär" for March, short day names without their period.

// Adapts a locale's names: an abbreviated month "JAN" (any case) becomes
// "Jän", "MRZ" becomes "Mär", the full month "JANUAR" becomes "Jänner", an
// abbreviated day name loses a trailing ".".
QString AdjustMonthName(const QString &Name, QLocale::FormatType Type);
QString AdjustDayName(const QString &Name, QLocale::FormatType Type);
// The month's or day's name in the program's language (German), adapted.
QString MonthName(int Month, QLocale::FormatType Type = QLocale::LongFormat);
QString DayName(int Day, QLocale::FormatType Type = QLocale::LongFormat);
// "dd.MM.yyyy" by default; "MMM", "MMMM", "ddd" and "dddd" take the adapted names.
QString FormatDate(const QDate &Date, const QString &Format = QStringLiteral("dd.MM.yyyy"));
