#pragma once
// The date patterns of the sort job and the folder names they give.

#include <QDate>
#include <QString>
#include <array>

// The ten patterns, in the order the sort dialog lists them; the first is the default.
// "dd" day, "mm" month (both two digits), "yyyy" year, "yy" its last two digits, "." copied.
inline constexpr std::array<const char*, 10> kSortDatePatterns = {
    "dd.mm.yyyy", "dd.mm.yy", "ddmmyyyy", "ddmmyy",   "yyyy.mm.dd",
    "yy.mm.dd",   "yyyymmdd", "yymmdd",   "yyyyddmm", "yyddmm",
};

// True when the text, blanks around it ignored, is one of the ten patterns.
bool IsSortDatePattern(const QString& pattern);

// The date written in the pattern (blanks around it ignored): 24.12.2007 with "yyyymmdd" gives
// "20071224". Letters other than d, m, y and every other character are copied unchanged.
QString FormatSortDate(const QDate& date, const QString& pattern);

// Reads a date cell of the list ("Datum", "Aufnahmedatum") in its day.month.year form, blanks
// around it ignored; an invalid date for "-", an empty cell or anything that is no real date.
QDate ParseListDate(const QString& cell);
