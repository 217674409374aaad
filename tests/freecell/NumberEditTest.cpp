// Edit 203 as the supervisor types into it: refused, mangled and delayed numbers for testing its
// read-back, and the numbers OK must refuse with FreeCell's own message box.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "StandIn.h"

namespace freecell::test {
namespace {

using namespace nuvari::test;

TEST(NumberEdit, RefuseKeepsTheOldTextAndReportsFalse) {
  StandIn freeCell("/refuse");
  HWND dialog = freeCell.OpenSelectGame(kFull);
  ASSERT_NE(dialog, nullptr);
  const std::string before = freeCell.ReadNumber(dialog);
  EXPECT_EQ(freeCell.SetNumber(dialog, "617"), FALSE);
  EXPECT_EQ(freeCell.ReadNumber(dialog), before);
  EXPECT_NE(before, "617");
  EXPECT_TRUE(freeCell.Log().Contains("number-refused 617"));
}

TEST(NumberEdit, MangleKeepsAnotherText) {
  StandIn freeCell("/mangle /edition=half");
  HWND dialog = freeCell.OpenSelectGame(kHalf);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(freeCell.SetNumber(dialog, "617"), TRUE);
  EXPECT_EQ(freeCell.ReadNumber(dialog), "61");
  EXPECT_TRUE(freeCell.Log().Contains("number-mangled 617 61"));
  EXPECT_TRUE(freeCell.Log().Contains("number-read 61"));
}

TEST(NumberEdit, HangBlocksTheSenderAndThenTakesTheNumber) {
  StandIn freeCell("/hang=1500");
  HWND dialog = freeCell.OpenSelectGame(kFull);
  ASSERT_NE(dialog, nullptr);
  DWORD_PTR result = 0;
  const LRESULT answered = SendMessageTimeoutA(GetDlgItem(dialog, 203), WM_SETTEXT, 0,
                                               reinterpret_cast<LPARAM>("42"), SMTO_NORMAL, 200, &result);
  EXPECT_EQ(answered, 0) << "the stand-in answered within 200 ms although it should hang";
  EXPECT_TRUE(freeCell.Log().WaitForLine("number-set 42", kWaitMs));
  // Once the hang is over the number is there (the read waits for the stand-in to answer).
  EXPECT_EQ(freeCell.ReadNumber(dialog), "42");
}

TEST(NumberEdit, ReadBackIsCutToTheSupervisorsBufferAndOkRefusesEverythingButANumberFrom1To32000) {
  StandIn freeCell("");
  HWND dialog = freeCell.OpenSelectGame(kFull);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(freeCell.SetNumber(dialog, "12345678901"), TRUE);
  EXPECT_EQ(freeCell.ReadNumber(dialog), "123456789");
  const char* rows[] = {"0", "32001", "", "abc", "12a", "-5", "99999999999", "１２"};
  for (const char* text : rows) {
    SCOPED_TRACE(std::string("text '") + text + "'");
    ASSERT_EQ(freeCell.SetNumber(dialog, text), TRUE);
    ASSERT_TRUE(ClickButton(dialog, "OK"));
    HWND message = freeCell.WaitForBox(kFull.freeCell);
    ASSERT_NE(message, nullptr);
    EXPECT_NE(FindChildByText(message, "1 から 32000 までの番号を入力してください。", Match::Equals), nullptr);
    // While FreeCell's message is open, OK of the dialog below must not act a second time.
    ASSERT_TRUE(ClickButton(dialog, "OK"));
    ASSERT_TRUE(ClickButton(message, "OK"));
    ASSERT_TRUE(WaitUntilGone(message, kWaitMs));
    EXPECT_TRUE(freeCell.Log().Contains(std::string("number-bad ") + text));
    EXPECT_TRUE(IsWindowVisible(dialog));
  }
  ASSERT_EQ(freeCell.SetNumber(dialog, "32000"), TRUE);
  ASSERT_TRUE(ClickButton(dialog, "OK"));
  EXPECT_TRUE(freeCell.Log().WaitForLine("deal-start 32000", kWaitMs));
  EXPECT_EQ(std::ranges::count(freeCell.Log().Lines(), "open message"), 8);
}

TEST(CommandLine, UnknownSwitchIsShownAndTheOthersStillWork) {
  StandIn freeCell("/edition=half /bogus");
  HWND message = freeCell.WaitForBox(kHalf.freeCell);
  ASSERT_NE(message, nullptr);
  EXPECT_NE(FindChildByText(message, "/bogus", Match::Contains), nullptr);
  ASSERT_TRUE(ClickButton(message, "OK"));
  ASSERT_TRUE(WaitUntilGone(message, kWaitMs));
  EXPECT_TRUE(freeCell.Log().Contains("bad-switch /bogus"));
  EXPECT_TRUE(freeCell.Log().Contains("started half nt"));
}

}  // namespace
}  // namespace freecell::test
