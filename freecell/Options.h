// The stand-in's command-line switches, which let tests and demos script what the player would do.
// The command line is the text after the program name; switches are separated by blanks, and a value
// may be quoted ("/log=C:\my logs\fc.log" or /log="C:\my logs\fc.log").
//
//   /edition=half|full    window texts in half-width or full-width katakana (default full)
//   /family=nt|95         statistics store: entpack.ini (default) or the registry key
//   /autowin=MS           each started deal ends MS milliseconds after it starts, won ...
//   /lose=N[,N...]        ... or lost for these deal numbers
//   /autoplay=MS          each started deal is played by the solver's moves, one every MS milliseconds
//   /askmove=MS           MS milliseconds into each deal, ask the move-to-an-empty-column question
//   /askresign            asking for the game-number dialog during a deal first asks to resign
//   /askonclose           closing during a deal first asks to resign
//   /refuse               edit 203 refuses every WM_SETTEXT
//   /mangle               edit 203 keeps the text set without its last character
//   /hang=MS              edit 203 takes MS milliseconds to answer WM_SETTEXT
//   /log=PATH             event log (see EventLog.h)
//   /x=N /y=N             initial position of the main window
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace freecell {

enum class Edition { Full, Half };
enum class Family { Nt, Win95 };

struct Options {
  Edition edition = Edition::Full;
  Family family = Family::Nt;
  std::optional<int> autoWinMs;
  std::set<int> losingDeals;
  std::optional<int> autoPlayMs;
  std::optional<int> askMoveMs;
  bool askResign = false;
  bool askOnClose = false;
  bool refuse = false;
  bool mangle = false;
  int hangMs = 0;
  std::string logPath;
  std::optional<int> x;
  std::optional<int> y;

  // Every switch that is unknown or has a bad value, as written; the others still take effect.
  std::vector<std::string> rejected;

  static Options Parse(std::string_view commandLine);
};

}  // namespace freecell
