// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "game/backgrounds.h"
#include "menus/menu_sprites.h"
#include "tests/runner/json_reader.h"
#include "tools/sim/dump.h"

namespace zephyrant {
namespace {

std::string Str(std::string_view s) {
  std::string out;
  AppendJsonString(out, s);
  return out;
}

std::string Num(double d) {
  std::string out;
  AppendJsonNumber(out, d);
  return out;
}

TEST(DumpFormat, StringsAreEscapedAndReadBackUnchanged) {
  EXPECT_EQ(Str("say \"hi\"\\"), R"("say \"hi\"\\")");
  EXPECT_EQ(Str("a\nb\tc\rd"), R"("a\nb\tc\rd")");
  EXPECT_EQ(Str(std::string("\x01\x1f", 2)), R"("\u0001\u001f")");
  const std::string tricky = "A1u0t0o0r0 \"\\\b\x7f caf\xc3\xa9";
  EXPECT_EQ(testing::JsonReader::Read(Str(tricky)).String(), tricky);
}

TEST(DumpFormat, NumbersAreShortestAndReadBackExactly) {
  EXPECT_EQ(Num(20), "20");
  EXPECT_EQ(Num(-2000), "-2000");
  EXPECT_EQ(Num(0.1), "0.1");
  EXPECT_EQ(Num(3.8), "3.8");
  const double logo_x = 800 / 3.0 - 268 / 2.0;
  EXPECT_EQ(std::strtod(Num(logo_x).c_str(), nullptr), logo_x);
  EXPECT_EQ(std::strtod(Num(1e-300).c_str(), nullptr), 1e-300);
  // JSON has no NaN or infinity.
  EXPECT_EQ(Num(std::numeric_limits<double>::quiet_NaN()), "null");
  EXPECT_EQ(Num(-std::numeric_limits<double>::infinity()), "null");
}

TEST(DumpFormat, ClassNamesAreTheGamesOwn) {
  EXPECT_EQ(ClassName(typeid(MenuItem)), "MenuItem");
  EXPECT_EQ(ClassName(typeid(CloudLayer)), "CloudLayer");
  EXPECT_EQ(ClassName(typeid(SpriteEngine)), "SpriteEngine");
}

}  // namespace
}  // namespace zephyrant
