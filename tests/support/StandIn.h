// The stand-in FreeCell started for one test with its event log, and the supervisor's ways of
// reaching it: F3 to the main window, WM_SETTEXT / WM_GETTEXT on edit 203, posted button clicks.
#pragma once

#include <ostream>
#include <string>

#include <windows.h>

#include "ChildProcess.h"
#include "LogFile.h"
#include "WindowSearch.h"

namespace nuvari::test {

// The window texts of one edition as the supervisor knows them (code-page-932 literals).
struct EditionCase {
  const char* name;   // test name part: Full, Half
  const char* value;  // of /edition= and in the log's started line: full, half
  const char* freeCell;
  const char* gameTitle;
  const char* selectGame;
  const char* gameOver;
  const char* moveToEmpty;
  const char* moveOneCard;
};

extern const EditionCase kFull;
extern const EditionCase kHalf;

std::string EditionSwitch(const EditionCase& edition);
// How a test names the edition in its output.
void PrintTo(const EditionCase& edition, std::ostream* out);

// Waits of the tests: generous against a slow machine, short against a hang.
constexpr DWORD kWaitMs = 4000;

class StandIn {
 public:
  // switches: the command line after the program, without /log (added here).
  explicit StandIn(const std::string& switches);

  const LogFile& Log() const { return m_log; }
  ChildProcess& Process() { return m_process; }
  HWND MainWindow() const { return m_hMain; }

  // One of the stand-in's dialogs or boxes (never its main window, whatever its title).
  HWND WaitForBox(const char* title, Match match = Match::Equals) const;
  // F3 posted to the main window, then the game-number dialog of that edition.
  HWND OpenSelectGame(const EditionCase& edition) const;
  // WM_SETTEXT on edit 203; its result.
  LRESULT SetNumber(HWND dialog, const std::string& text) const;
  // WM_GETTEXT on edit 203 with the supervisor's 10-byte buffer.
  std::string ReadNumber(HWND dialog) const;
  // The whole way from F3 to the deal in play; false when any step did not come.
  bool PlayDeal(const EditionCase& edition, int number) const;

 private:
  LogFile m_log;
  ChildProcess m_process;
  HWND m_hMain = nullptr;
};

}  // namespace nuvari::test
