#include "Cp932.h"

#include <gtest/gtest.h>

using nuvari::ContainsCp932;
using nuvari::ToLowerCp932;

// Found only at character boundaries, never from a second byte: "ア" is 83 41, its trail byte the
// letter 'A'; "\x88\xcc\x8a\xdf" holds CC 8A at offsets 1-2, "ﾌ" followed by a lead byte, never a
// real "ﾌ"; in 83 CC D8 the bytes of "ﾌﾘ" straddle a character.
TEST(ContainsCp932, FindsTextsAtCharacterBoundariesOnly) {
  ASSERT_EQ(std::string("ア"), "\x83\x41");
  const struct { const char* text; const char* part; bool found; } rows[] = {
      {"フリーセル ゲーム #123", "フリーセル ゲーム #", true}, {"ﾌﾘｰｾﾙ ｹﾞｰﾑ #5", "ﾌﾘｰｾﾙ", true}, {"abc", "", true},
      {"", "", true}, {"", "a", false}, {"ゲーム", "ゲーム #", false}, {"ア", "A", false}, {"アA", "A", true},
      {"\x88\xcc\x8a\xdf", "\xcc", false}, {"\x83\xcc\xd8", "\xcc\xd8", false}, {"\xcc\xd8", "\xcc\xd8", true},
  };
  for (const auto& row : rows) EXPECT_EQ(ContainsCp932(row.text, row.part), row.found) << row.text << " / " << row.part;
}

TEST(ToLowerCp932, LowersOnlySingleByteLetters) {
  EXPECT_EQ(ToLowerCp932("C:\\GAMES\\FreeCell.EXE"), "c:\\games\\freecell.exe");
  const std::string kana = "アZ";  // 83 41 5A: the 'A' trail byte stays, the single 'Z' is lowered
  EXPECT_EQ(ToLowerCp932(kana), "\x83\x41z");
  EXPECT_EQ(ToLowerCp932("表"), "表");
}
