// The switches a supervisor's Path setting carries, and what happens to words the stand-in does not know.
#include "Options.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using freecell::Edition;
using freecell::Family;
using freecell::Options;

namespace {

// Every field, so that one comparison checks the whole outcome of a parse.
auto Fields(const Options& o) {
  return std::tuple(o.edition, o.family, o.autoWinMs, o.losingDeals, o.autoPlayMs, o.askMoveMs, o.askResign,
                    o.askOnClose, o.refuse, o.mangle, o.hangMs, o.logPath, o.x, o.y, o.rejected);
}

}  // namespace

TEST(Options, EmptyCommandLineKeepsDefaultsAndEverySwitchTakesEffect) {
  EXPECT_EQ(Fields(Options::Parse("")),
            std::tuple(Edition::Full, Family::Nt, std::optional<int>(), std::set<int>(), std::optional<int>(),
                       std::optional<int>(), false, false, false, false, 0, std::string(), std::optional<int>(),
                       std::optional<int>(), std::vector<std::string>()));
  EXPECT_EQ(Fields(Options::Parse(
                " /edition=half\t/family=95 /autowin=300 /lose=5,617 /lose=9 /autoplay=250 /askmove=100 /askresign"
                " /askonclose /refuse /mangle /hang=2500 /log=C:\\logs\\fc.log /x=-10 /y=20 ")),
            Fields(Options{.edition = Edition::Half, .family = Family::Win95, .autoWinMs = 300, .losingDeals = {5, 9, 617},
                           .autoPlayMs = 250, .askMoveMs = 100, .askResign = true, .askOnClose = true, .refuse = true,
                           .mangle = true, .hangMs = 2500, .logPath = "C:\\logs\\fc.log", .x = -10, .y = 20, .rejected = {}}));
}

TEST(Options, QuotedValueKeepsBlanksAndCase) {
  EXPECT_EQ(Options::Parse("/log=\"C:\\My Logs\\Fc.LOG\" /AUTOWIN=5").logPath, "C:\\My Logs\\Fc.LOG");
  EXPECT_EQ(Options::Parse("\"/log=Z:\\tmp\\a b.log\"").logPath, "Z:\\tmp\\a b.log");
  EXPECT_EQ(Options::Parse("/Edition=HALF").edition, Edition::Half);
}

TEST(Options, BadWordsAreRejectedAndChangeNothing) {
  const char* rows[] = {
      "/edition=wide", "/family=31", "/autowin=", "/autowin=-5", "/autowin=fast", "/autoplay=-1", "/lose=0",
      "/lose=32001",   "/lose=5,,6", "/lose",     "/askresign=1", "/hang",        "/log=",        "/x=abc",
      "freecell",      "/",          "/unknown",
  };
  for (const char* row : rows) {
    Options expected;
    expected.rejected = {row};
    EXPECT_EQ(Fields(Options::Parse(row)), Fields(expected)) << row;
  }
  Options options = Options::Parse("/edition=half /bogus /autowin=10");
  EXPECT_EQ(options.edition, Edition::Half) << "good switches survive a bad neighbour";
  EXPECT_EQ(options.autoWinMs, 10);
  EXPECT_EQ(options.rejected, std::vector<std::string>{"/bogus"});
}
