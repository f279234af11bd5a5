#include <gtest/gtest.h>

#include "gui/graphics/text.h"

namespace gui {
namespace {

using namespace gui::literals;

TEST(TextEncoding, EveryByteSurvivesTheRoundTripThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = AnsiToUtf8(all);
  EXPECT_EQ(Utf8ToAnsi(utf8), all);
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    EXPECT_EQ(UnicodeToAnsi(AnsiToUnicode(c)), c) << b;
  }
}

TEST(TextEncoding, KnownCodePoints) {
  EXPECT_EQ(AnsiToUnicode('\xFF'), U'я');
  EXPECT_EQ(AnsiToUnicode('\xA8'), U'Ё');
  EXPECT_EQ(UnicodeToAnsi(U'—'), '\x97');
  EXPECT_EQ(AnsiToUtf8("\xCA\xF0\xE0\xF1\xED\xEE\xE5"), "Красное");
}

TEST(TextEncoding, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(UnicodeToAnsi(U'語'), '?');
  EXPECT_EQ(UnicodeToAnsi(U'é'), '?');
  EXPECT_EQ(Utf8ToAnsi("a€b語c"),
            "a\x88"
            "b?c");
  // Malformed: a lone continuation byte, a cut-off sequence, an overlong slash, a surrogate.
  EXPECT_EQ(Utf8ToAnsi("x\x80y"), "x?y");
  EXPECT_EQ(Utf8ToAnsi("x\xD0"), "x?");
  EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");
  EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"), "???");
}

TEST(TextEncoding, CompileTimeLiteralMatchesTheRunTimeConversion) {
  constexpr const char* red = "Красное"_cp;
  static_assert(red[0] == '\xCA' && red[7] == '\0');
  EXPECT_EQ(std::string("Красное"_cp), Utf8ToAnsi("Красное"));
  EXPECT_EQ(std::string("Ёлка №5 — «да»"_cp), Utf8ToAnsi("Ёлка №5 — «да»"));
  EXPECT_EQ(std::string(""_cp), "");
  const AnsiString s = "Чёт"_cp;
  EXPECT_EQ(s.size(), 3u);
}

}  // namespace
}  // namespace gui
