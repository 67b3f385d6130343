// Generic value rendering: integers in both byte orders, value lists, format patterns.

#include <gtest/gtest.h>

#include "metadata/value_rendering.h"

TEST(AValueRendering, readsIntegersInTheHeldByteOrderWithoutSignExtension) {
  EXPECT_EQ(BytesToInteger(std::string("\x01\x02", 2), true), 0x0102);
  EXPECT_EQ(BytesToInteger(std::string("\x01\x02", 2), false), 0x0201);
  EXPECT_EQ(BytesToInteger(std::string("\xFF\xFF", 2), false), 65535);
  EXPECT_EQ(BytesToInteger(std::string("\xFF\xFF\xFF\xFF", 4), true), -1);
  EXPECT_EQ(BytesToInteger(std::string("\x01\x00\x00\x00\x02", 5), true), 2);  // modulo 2^32
  EXPECT_EQ(BytesToInteger("", true), 0);
}

TEST(AValueRendering, looksUpValueLists) {
  const char* list = "1:None Specified,2:Inch,3:Centimeter";
  EXPECT_EQ(LookupValueText(list, "2"), "Inch");
  EXPECT_EQ(LookupValueText(list, " 3 "), "Centimeter");
  EXPECT_EQ(LookupValueText(list, "1"), "None Specified");
  EXPECT_EQ(LookupValueText(list, "4"), "");
  EXPECT_EQ(LookupValueText(list, ""), "");
}

TEST(AValueRendering, rendersComponentsWithPatterns) {
  const std::string rational("\x00\x00\x00\x1C\x00\x00\x00\x0A", 8);
  EXPECT_EQ(ValueToText(rational, 5, "", "", true), "28/10");
  EXPECT_EQ(ValueToText(rational, 5, "", "F%0.1f", true), "F2.8");
  EXPECT_EQ(ValueToText(rational, 5, "", "%s sec", true), "28/10 sec");
  EXPECT_EQ(ValueToText(rational, 5, "28/10:exact", "", true), "28/10exact");
  EXPECT_EQ(ValueToText(rational, 0, "", "", true), "0");
  EXPECT_EQ(ValueToText(std::string("\x02\x00\x05\x00", 4), 3, "2:two,5:five", "", false), "two, five");
  EXPECT_EQ(ValueToText("abc", 2, "", "", false), "?, ?, ?");
  EXPECT_EQ(ValueToText(std::string("\x01\x00\x00", 3), 3, "", "", false), "1");  // partial component dropped
}

TEST(AValueRendering, convertsValuesToNumbers) {
  EXPECT_DOUBLE_EQ(ValueToNumber(std::string("\x00\x00\x00\x03\x00\x00\x00\x02", 8), 5, true), 1.5);
  EXPECT_DOUBLE_EQ(ValueToNumber(std::string("\x00\x00\x00\x03\x00\x00\x00\x00", 8), 10, true), 0);
  EXPECT_DOUBLE_EQ(ValueToNumber(std::string("\x00\x00\x00", 3), 5, true), 0);
  EXPECT_DOUBLE_EQ(ValueToNumber("abc", 2, true), 0);
  EXPECT_DOUBLE_EQ(ValueToNumber(std::string("\x00\x00\xC0\x3F", 4), 11, false), 1.5);
  EXPECT_DOUBLE_EQ(ValueToNumber(std::string("\x40\x04\x00\x00\x00\x00\x00\x00", 8), 12, true), 2.5);
}

TEST(AValueRendering, makesPrintableTexts) {
  EXPECT_EQ(PrintableText(std::string("a\0b\x1F\x7F\xE9", 6)), std::string("a.b.\x7F\xE9"));
  EXPECT_EQ(PrintableText(std::string(80, 'x')).size(), 50u);
}

TEST(AValueRendering, formatsNumbersLikeThePatterns) {
  EXPECT_EQ(FormatNumber("%5.2f mm", 5.8), " 5.80 mm");
  EXPECT_EQ(FormatNumber("%5.2f", 72), "72.00");
  EXPECT_EQ(FormatNumber("F%0.1f", 2.8), "F2.8");
  EXPECT_EQ(FormatNumber("no pattern", 1), "no pattern");
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(1e300), 2147483647);
}
