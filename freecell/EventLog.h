// The stand-in's event log (/log=PATH), which tests of the supervisor assert on.
//
// Format: one event per line, appended and flushed when it happens, lines end with CR LF. A line is the
// event name, then its arguments, each after one blank. Texts are code-page-932 bytes as they stand.
//
//   started <full|half> <nt|95>        the main window is up
//   bad-switch <word>                  a switch on the command line was not understood (then ignored)
//   menu-select-game                   WM_COMMAND of the first menu's second item
//   key-f3                             the same, through the F3 accelerator
//   menu-new-game | key-f2             new game (random deal)
//   menu-restart | key-f10             the current deal again
//   menu-statistics | key-f4           statistics box
//   menu-exit                          exit command
//   ignored <command>                  a command that came while one of the boxes was open
//   open <box>                         a box is shown (boxes below)
//   button <box> <button>              a box was closed by that button
//   dismissed <box>                    a box was ended because the main window was closed
//   number-set <text>                  edit 203 got WM_SETTEXT with that text
//   number-refused <text>              ... and refused it (/refuse)
//   number-mangled <text> <kept>       ... and kept another text (/mangle)
//   number-read <text>                 edit 203 answered WM_GETTEXT with that text (cut to the buffer)
//   dialog-ok <n>                      OK in the game-number dialog with a valid number
//   number-bad <text>                  OK with a text that is not a number from 1 to 32000
//   deal-start <n> | deal-won <n> | deal-lost <n>
//   move-question                      the move question is about to be shown
//   move <from> <to> <count>           the player's move (by mouse or auto-play), as Move::Text writes it:
//                                      c1-c8 columns, f1-f4 free cells, h1-h4 foundations
//   home <from> <to> 1                 a card that then went home by itself
//   refused <from> <to>                a move the rules do not allow: a beep, nothing changed
//   plan <moves>|none                  auto-play's plan for the table as it lies (none: no win found)
//   autoplay stopped                   auto-play gave the game back after too many new plans
//   statistics <won> <lost> <streak> <stype>   counters after a deal ended, as stored
//   closed                             the main window is gone
//
// Boxes: select-game, message, resign, game-over, move-question, statistics.
// Buttons: ok, cancel, yes, no, column, one-card.
#pragma once

#include <string>
#include <string_view>

namespace freecell {

class EventLog {
 public:
  // An empty path logs nothing.
  explicit EventLog(std::string path);

  // False when the line could not be written (a bad path); a log never stops the game.
  bool Write(std::string_view event) const;
  bool Write(std::string_view event, std::string_view argument) const;

 private:
  std::string m_strPath;
};

}  // namespace freecell
