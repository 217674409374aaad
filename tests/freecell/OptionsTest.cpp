// The switches a supervisor's Path setting carries, and what happens to words the stand-in does not know.
#include "Options.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using freecell::Edition;
using freecell::Family;
using freecell::Options;

TEST(Options, EmptyCommandLineKeepsDefaults) {
  Options options = Options::Parse("");
  EXPECT_EQ(options.edition, Edition::Full);
  EXPECT_EQ(options.family, Family::Nt);
  EXPECT_FALSE(options.autoWinMs.has_value());
  EXPECT_FALSE(options.askMoveMs.has_value());
  EXPECT_FALSE(options.askResign || options.askOnClose || options.refuse || options.mangle);
  EXPECT_EQ(options.hangMs, 0);
  EXPECT_TRUE(options.logPath.empty());
  EXPECT_TRUE(options.rejected.empty());
}

TEST(Options, EverySwitchTakesEffect) {
  Options options = Options::Parse(
      " /edition=half\t/family=95 /autowin=300 /lose=5,617 /lose=9 /autoplay=250 /askmove=100 /askresign /askonclose"
      " /refuse /mangle /hang=2500 /log=C:\\logs\\fc.log /x=-10 /y=20 ");
  EXPECT_EQ(options.edition, Edition::Half);
  EXPECT_EQ(options.family, Family::Win95);
  EXPECT_EQ(options.autoWinMs, 300);
  EXPECT_EQ(options.losingDeals, (std::set<int>{5, 9, 617}));
  EXPECT_EQ(options.autoPlayMs, 250);
  EXPECT_EQ(options.askMoveMs, 100);
  EXPECT_TRUE(options.askResign && options.askOnClose && options.refuse && options.mangle);
  EXPECT_EQ(options.hangMs, 2500);
  EXPECT_EQ(options.logPath, "C:\\logs\\fc.log");
  EXPECT_EQ(options.x, -10);
  EXPECT_EQ(options.y, 20);
  EXPECT_TRUE(options.rejected.empty());
}

TEST(Options, QuotedValueKeepsBlanksAndCase) {
  EXPECT_EQ(Options::Parse("/log=\"C:\\My Logs\\Fc.LOG\" /AUTOWIN=5").logPath, "C:\\My Logs\\Fc.LOG");
  EXPECT_EQ(Options::Parse("\"/log=Z:\\tmp\\a b.log\"").logPath, "Z:\\tmp\\a b.log");
  EXPECT_EQ(Options::Parse("/Edition=HALF").edition, Edition::Half);
}

TEST(Options, BadWordsAreRejectedAndChangeNothing) {
  struct Row { const char* line; } rows[] = {
      {"/edition=wide"}, {"/family=31"}, {"/autowin="}, {"/autowin=-5"}, {"/autowin=fast"}, {"/autoplay=-1"}, {"/lose=0"},
      {"/lose=32001"}, {"/lose=5,,6"}, {"/lose"}, {"/askresign=1"}, {"/hang"}, {"/log="}, {"/x=abc"},
      {"freecell"}, {"/"}, {"/unknown"},
  };
  const Options defaults = Options::Parse("");
  for (const Row& row : rows) {
    Options options = Options::Parse(row.line);
    EXPECT_EQ(options.rejected, std::vector<std::string>{row.line}) << row.line;
    EXPECT_EQ(options.edition, defaults.edition) << row.line;
    EXPECT_EQ(options.autoWinMs, defaults.autoWinMs) << row.line;
    EXPECT_TRUE(options.losingDeals.empty()) << row.line;
    EXPECT_FALSE(options.askResign) << row.line;
    EXPECT_EQ(options.hangMs, 0) << row.line;
    EXPECT_TRUE(options.logPath.empty()) << row.line;
    EXPECT_FALSE(options.x.has_value()) << row.line;
  }
}

TEST(Options, GoodSwitchesSurviveABadNeighbour) {
  Options options = Options::Parse("/edition=half /bogus /autowin=10");
  EXPECT_EQ(options.edition, Edition::Half);
  EXPECT_EQ(options.autoWinMs, 10);
  EXPECT_EQ(options.rejected, std::vector<std::string>{"/bogus"});
}
