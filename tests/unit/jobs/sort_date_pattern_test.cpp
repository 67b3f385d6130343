#include "jobs/sort_date_pattern.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ASortDatePattern, writesChristmasEveInEachOfTheTenPatterns) {
  const struct {
    const char* pattern;
    const char* folder;
  } cases[] = {
      {"dd.mm.yyyy", "24.12.2007"}, {"dd.mm.yy", "24.12.07"},     {"ddmmyyyy", "24122007"},
      {"ddmmyy", "241207"},         {"yyyy.mm.dd", "2007.12.24"}, {"yy.mm.dd", "07.12.24"},
      {"yyyymmdd", "20071224"},     {"yymmdd", "071224"},         {"yyyyddmm", "20072412"},
      {"yyddmm", "072412"},
  };
  ASSERT_EQ(std::size(cases), kSortDatePatterns.size());
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].pattern);
    EXPECT_STREQ(kSortDatePatterns[i], cases[i].pattern);  // the dialog's list order
    EXPECT_EQ(FormatSortDate(QDate(2007, 12, 24), QLatin1String(cases[i].pattern)),
              QLatin1String(cases[i].folder));
    EXPECT_TRUE(IsSortDatePattern(QLatin1String(cases[i].pattern)));
  }
}

TEST(ASortDatePattern, padsSmallFieldsAndIgnoresBlanksAroundThePattern) {
  EXPECT_EQ(FormatSortDate(QDate(2003, 1, 5), QStringLiteral("  yymmdd ")), QStringLiteral("030105"));
  EXPECT_EQ(FormatSortDate(QDate(2003, 1, 5), QStringLiteral("dd.mm.yyyy")), QStringLiteral("05.01.2003"));
  EXPECT_TRUE(IsSortDatePattern(QStringLiteral(" yyyymmdd ")));
}

TEST(ASortDatePattern, refusesEverythingOutsideTheTen) {
  for (const char* other : {"", "DD.MM.YYYY", "yyyy-mm-dd", "dd.mm", "yyyymmdd/"}) {
    SCOPED_TRACE(other);
    EXPECT_FALSE(IsSortDatePattern(QLatin1String(other)));
  }
  std::set<std::string> unique(kSortDatePatterns.begin(), kSortDatePatterns.end());
  EXPECT_EQ(unique.size(), kSortDatePatterns.size());
}

TEST(AListDate, readsTheCataloguesDayMonthYearFormOnly) {
  EXPECT_EQ(ParseListDate(QStringLiteral("24.12.2007")), QDate(2007, 12, 24));
  EXPECT_EQ(ParseListDate(QStringLiteral(" 1.2.2008 ")), QDate(2008, 2, 1));
  for (const char* notADate : {"-", "", "..", "00.00.0000", "31.02.2007", "24.12.07", "24.12.2007x",
                               "a.b.cccc", "24-12-2007", "+1.2.2008"}) {
    SCOPED_TRACE(notADate);
    EXPECT_FALSE(ParseListDate(QLatin1String(notADate)).isValid());
  }
}

}  // namespace
