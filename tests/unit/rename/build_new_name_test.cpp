#include "jobs/rename_name.h"

#include <gtest/gtest.h>

namespace {

// A run on 24 December 2007 at 14:05.
const QDateTime kRunTime(QDate(2007, 12, 24), QTime(14, 5, 10));

const NameCells kCanonCells{"03.05.2006", "Canon", "2304x3072", "Canon PowerShot A70"};

struct NameCase {
  const char* what;
  QString pattern;
  int counter;
  bool zeroFill;
  int width;
  bool front;
  bool upper;
  bool lower;
  int separator;  // -1 none
  NameCells cells;
  QString expected;
};

RenameOptions OptionsFor(const NameCase& c) {
  RenameOptions options;
  options.pattern = c.pattern;
  options.zeroFill = c.zeroFill;
  options.counterWidth = c.width;
  options.counterInFront = c.front;
  options.upperCase = c.upper;
  options.lowerCase = c.lower;
  options.useSeparator = c.separator >= 0;
  options.separatorIndex = c.separator;
  return options;
}

TEST(ABuildNewName, followsTheTableOfCases) {
  const NameCase cases[] = {
      {"date, zeros, separator", "Urlaub %DL", 7, true, 3, false, false, false, 1, {}, "Urlaub_24.12.2007_007"},
      {"make and capture date, counter in front", "%EXM-%EXD", 1, false, 1, true, false, false, -1, kCanonCells,
       "1 Canon-03.05.2006"},
      {"upper case", "urlaub", 1, false, 1, false, true, false, -1, {}, "URLAUB 1"},
      {"separator Punkt", "Urlaub Rom", 1, false, 1, false, false, false, 2, {}, "Urlaub.Rom.1"},
      {"separator Strich", "Urlaub Rom", 1, false, 1, false, false, false, 0, {}, "Urlaub-Rom-1"},
      {"zeros fill to the width", "a", 7, true, 3, false, false, false, -1, {}, "a 007"},
      {"a longer number is not cut", "a", 1234, true, 2, false, false, false, -1, {}, "a 1234"},
      {"without zero fill the width is ignored", "a", 7, false, 3, false, false, false, -1, {}, "a 7"},
      {"short date", "%DK", 1, false, 1, false, false, false, -1, {}, "24.12.07 1"},
      {"time brings a colon", "%Z", 1, false, 1, false, false, false, -1, {}, "14:05 1"},
      {"year", "%J", 1, false, 1, false, false, false, -1, {}, "2007 1"},
      {"resolution", "%EXA", 1, false, 1, false, false, false, -1, kCanonCells, "2304x3072 1"},
      {"model with blanks gets the separator", "%EXL", 1, false, 1, false, false, false, 1, kCanonCells,
       "Canon_PowerShot_A70_1"},
      {"every occurrence", "%EXM %EXM", 1, false, 1, false, false, false, -1, kCanonCells, "Canon Canon 1"},
      {"empty cells keep the placeholders", "%EXD %EXM %EXA %EXL", 1, false, 1, false, false, false, -1,
       NameCells{"", " ", "", ""}, "%EXD %EXM %EXA %EXL 1"},
      {"placeholders are case-sensitive", "%dl %exm", 1, false, 1, false, false, false, -1, kCanonCells,
       "%dl %exm 1"},
      {"cells are trimmed", "%EXM", 1, false, 1, false, false, false, -1, NameCells{"", " Canon ", "", ""},
       "Canon 1"},
      {"lower case with umlauts", "ÜBER %EXM", 1, false, 1, false, false, true, -1, kCanonCells, "über canon 1"},
      {"upper case with umlauts", "Größe", 2, false, 1, false, true, false, -1, {}, "GRÖSSE 2"},
  };
  for (const NameCase& c : cases)
    EXPECT_EQ(BuildNewName(OptionsFor(c), c.counter, c.cells, kRunTime), c.expected) << c.what;
}

}  // namespace
