#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

using pelbrix::formatGeneral;
using pelbrix::parseLeadingInteger;
using pelbrix::parseNumber;

TEST(ParseNumber, ReadsTheNumericPrefix) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"1.5", 1.5},     {"  \t42", 42}, {"-3", -3},       {"+7", 7},     {"2.", 2},
      {".5", 0.5},      {"1e3", 1000},  {"1E-2", 0.01},   {"2e+2", 200}, {"12abc", 12},
      {"1.2.3", 1.2},   {"3e", 3},      {"3e+", 3},       {"5 6", 5},    {"1,5", 1},
      {"-.25x", -0.25}, {"", 0},        {" ", 0},         {"abc", 0},    {"-", 0},
      {".", 0},         {"+.", 0},      {"e5", 0},        {"inf", 0},    {"-infinity", 0},
      {"nan", 0},       {"0x1A", 0},    {"\n\v\f\r8", 8},
  };
  for (const auto& c : cases) EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseNumber, TheDesktopsSeparatorCountsAsThePointToo) {
  struct Case {
    const char* text;
    const char* separator;
    double value;
  } cases[] = {
      {"1,5", ",", 1.5},
      {"1.5", ",", 1.5},
      {"-,25e2x", ",", -25},
      {"1,5,3", ",", 1.5},
      {"1.5,3", ",", 1.5},
      {"1,5.3", ",", 1.5},
      {",", ",", 0},
      {"1,5", ".", 1},
      {"1\xD9\xAB"
       "5",
       "\xD9\xAB", 1.5},
      {"1\xD9"
       "5",
       "\xD9\xAB", 1},    // half of a two-byte separator is no point
      {"1e5", "e", 1e5},  // a separator that is part of a number's grammar is ignored
      {"1 5", " ", 1},
      {"1-5", "-", 1},
      {"1,5", "", 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(parseNumber(c.text, c.separator), c.value) << c.text << " with " << c.separator;
  // Whatever the program writes with a separator reads back as the value written.
  for (long double v : {1.5L, -0.333333L, 2.5e-8L, 6.02214e23L, 298.149993896484L})
    EXPECT_EQ(parseNumber(formatGeneral(v, 15, 4, ","), ","), parseNumber(formatGeneral(v, 15, 4)));
}

TEST(ParseNumber, OutOfRangeExponentsSaturateOrVanish) {
  EXPECT_EQ(parseNumber("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(parseNumber("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(parseNumber("1e-999"), 0.0);
  EXPECT_EQ(parseNumber("0e999999"), 0.0);
}

TEST(ParseNumber, LongAndOddTextStaysSafe) {
  EXPECT_EQ(parseNumber("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(parseNumber("0." + std::string(100000, '0') + "1"), 0.0);
  EXPECT_EQ(parseNumber(std::string("7\0"
                                    "9",
                                    3)),
            7);
  EXPECT_EQ(parseNumber("\xC2\xA0"
                        "5"),
            0);                               // a no-break space is not a blank
  EXPECT_EQ(parseNumber("\xEF\xBC\x95"), 0);  // a full-width digit is not a digit
}

TEST(ParseNumber, IgnoresTheProcessLocale) {
  // A German locale makes the C library read "1.5" as 1; ours must not.
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  // The name differs between C libraries; without any, the test says so rather than passes.
  bool german = false;
  for (const char* name : {"de_DE.UTF-8", "de-DE", "German_Germany.1252"})
    if (!german) german = std::setlocale(LC_NUMERIC, name) != nullptr;
  if (!german) GTEST_SKIP() << "no German locale installed";
  EXPECT_EQ(std::strtod("1.5", nullptr), 1.0) << "the C library should stop at the point";
  EXPECT_EQ(parseNumber("1.5"), 1.5);
  EXPECT_EQ(parseNumber("1,5"), 1.0);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseLeadingInteger, ReadsLikeAtol) {
  EXPECT_EQ(parseLeadingInteger("3"), 3);
  EXPECT_EQ(parseLeadingInteger(" 12ab"), 12);
  EXPECT_EQ(parseLeadingInteger("-4"), -4);
  EXPECT_EQ(parseLeadingInteger("+9"), 9);
  EXPECT_EQ(parseLeadingInteger(""), 0);
  EXPECT_EQ(parseLeadingInteger("x1"), 0);
  EXPECT_EQ(parseLeadingInteger("1.9"), 1);
  EXPECT_EQ(parseLeadingInteger("99999999999999999999999"), std::numeric_limits<long>::max());
}

TEST(FormatGeneral, LawPagePrecision) {
  struct Case {
    long double value;
    const char* text;
  } cases[] = {
      {1.5L, "1.5"},
      {2.0L, "2"},
      {600.0L, "600"},
      {1.0L / 3.0L, "0.33333"},
      {-1.5L, "-1.5"},
      {12345.0L, "12345"},
      {123456.0L, "1.2346E0005"},
      {12345678901.0L, "1.2346E0010"},
      {99999.4L, "99999"},
      {99999.5L, "1E0005"},
      {0.0001L, "0.0001"},
      {0.00001L, "0.00001"},
      {0.0000099999L, "9.9999E-0006"},
      {-0.0000012345L, "-1.2345E-0006"},
      {1e-300L, "1E-0300"},
      {1e300L, "1E0300"},
      {0.0L, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatGeneral(c.value, 5, 4), c.text) << double(c.value);
}

TEST(FormatGeneral, TiesRoundAwayFromZeroOnTheExactBinaryValue) {
  EXPECT_EQ(formatGeneral(1.03125L, 5, 4), "1.0313");  // exactly representable tie
  EXPECT_EQ(formatGeneral(-1.03125L, 5, 4), "-1.0313");
  EXPECT_EQ(formatGeneral(2.5L, 1, 0), "3");
  // 1.0005 as a double lies just below the tie, so it rounds down.
  EXPECT_EQ(formatGeneral(static_cast<double>(1.0005), 4, 4), "1");
  // 0.15 as a double lies just below 0.15.
  EXPECT_EQ(formatGeneral(static_cast<double>(0.15), 1, 0), "0.1");
}

TEST(FormatGeneral, OtherPrecisionsAndSeparators) {
  EXPECT_EQ(formatGeneral(-1.0L / 3.0L, 6, 4), "-0.333333");
  EXPECT_EQ(formatGeneral(1234567.0L, 6, 4), "1.23457E0006");
  EXPECT_EQ(formatGeneral(1.5L, 5, 4, ","), "1,5");
  EXPECT_EQ(formatGeneral(123456.0L, 5, 4, ","), "1,2346E0005");
  EXPECT_EQ(formatGeneral(static_cast<float>(25.0f + 273.15), 15, 0), "298.149993896484");
  EXPECT_EQ(formatGeneral(6.1035157159494701e-06L, 15, 0), "6.10351571594947E-6");
}

TEST(FormatGeneral, NonFiniteValues) {
  EXPECT_EQ(formatGeneral(std::numeric_limits<double>::infinity(), 5, 4), "INF");
  EXPECT_EQ(formatGeneral(-std::numeric_limits<double>::infinity(), 5, 4), "-INF");
  EXPECT_EQ(formatGeneral(std::nan(""), 5, 4), "NAN");
}
