#include "Cp932.h"

#include <gtest/gtest.h>

using nuvari::ContainsCp932;
using nuvari::ToLowerCp932;

TEST(ContainsCp932, FindsTextsAtCharacterBoundaries) {
  EXPECT_TRUE(ContainsCp932("フリーセル ゲーム #123", "フリーセル ゲーム #"));
  EXPECT_TRUE(ContainsCp932("ﾌﾘｰｾﾙ ｹﾞｰﾑ #5", "ﾌﾘｰｾﾙ"));
  EXPECT_TRUE(ContainsCp932("abc", ""));
  EXPECT_TRUE(ContainsCp932("", ""));
  EXPECT_FALSE(ContainsCp932("", "a"));
  EXPECT_FALSE(ContainsCp932("ゲーム", "ゲーム #"));
}

TEST(ContainsCp932, NeverMatchesFromASecondByte) {
  // "ア" is 83 41: its trail byte is the letter 'A', which must not be found inside it.
  const std::string a = "ア";
  ASSERT_EQ(a, "\x83\x41");
  EXPECT_FALSE(ContainsCp932(a, "A"));
  EXPECT_TRUE(ContainsCp932(a + "A", "A"));
  // Half-width kana bytes hidden across double-byte characters: "\x88\xcc" + "\x8a\xdf"
  // holds CC 8A at offsets 1-2, which is "ﾌ" followed by a lead byte, never a real "ﾌ".
  const std::string tricky = "\x88\xcc\x8a\xdf";
  EXPECT_FALSE(ContainsCp932(tricky, "\xcc"));
  EXPECT_FALSE(ContainsCp932("\x83\xcc\xd8", "\xcc\xd8"));  // "ﾌﾘ" bytes straddling a character
  EXPECT_TRUE(ContainsCp932("\xcc\xd8", "\xcc\xd8"));
}

TEST(ToLowerCp932, LowersOnlySingleByteLetters) {
  EXPECT_EQ(ToLowerCp932("C:\\GAMES\\FreeCell.EXE"), "c:\\games\\freecell.exe");
  const std::string kana = "アZ";  // 83 41 5A: the 'A' trail byte stays, the single 'Z' is lowered
  EXPECT_EQ(ToLowerCp932(kana), "\x83\x41z");
  EXPECT_EQ(ToLowerCp932("表"), "表");
}
