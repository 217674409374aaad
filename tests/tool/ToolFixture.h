// Shared set-up of NuvariKit's in-process tests under Wine: a fresh registry, a private folder for
// INI files and FreeCell candidates, message boxes recorded, and the Windows family chosen by the test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "MessageBoxRecorder.h"
#include "NuvariKitDlg.h"
#include "RegistryScope.h"
#include "ToolTestFiles.h"
#include "WinApp.h"
#include "WindowsFamily.h"

namespace tooltest {

// The record's numbers in field order (Path, Pending and Rect left out), so a whole record
// compares in one assertion.
inline std::vector<int> RecordNumbers(const EnvironmentRecord& r) {
  return {r.GameNo, r.Top, r.Left, r.IdleRow, r.AutoExit, r.GameOverYourWin, r.GameOverYourWinCnt, r.icon, r.max,
          r.tool, r.status, r.losses, r.lost, r.streak, r.stype, r.wins, r.won, r.messages, r.quick, r.dblclick};
}

class ToolTest : public ::testing::Test {
 protected:
  static constexpr const char* kFreeCellKey = nuvari::test::RegistryScope::kFreeCell;
  static constexpr const char* kWindowSizeKey = nuvari::test::RegistryScope::kWindowSize;
  static constexpr const char* kStatisticsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell";

  void SetUp() override;
  void TearDown() override;

  // Which family GetVersionExA reports: 1 Windows 95, 2 NT, others unsupported; nothing: the call fails.
  void UsePlatform(std::optional<DWORD> platformId);
  void UseFamily(WindowsFamily family);

  // A path inside the test's own folder.
  std::string FilePath(const std::string& name) const { return m_folder + "\\" + name; }
  // The Windows and system folders the FreeCell search looks in, below the test's folder.
  std::string WindowsFolder() const { return FilePath("windows"); }
  std::string SystemFolder() const { return FilePath("windows\\system"); }
  void PutFreeCellInto(const std::string& folder) const;

  // The boxes' texts in order, and the last one.
  std::vector<std::string> BoxTexts() const { return m_boxes.Texts(); }

  nuvari::test::RegistryScope m_registry;
  fw::CWinApp m_app{"Nuvari"};
  nuvari::test::MessageBoxRecorder m_boxes;
  std::unique_ptr<CNuvariKitDlg> m_dialog;
  std::string m_folder;
  // FreeCell's Windows NT store, given back as it was before the test.
  std::optional<nuvari::test::RestoredFile> m_entpack;
  std::string m_entpackPath;
};

}  // namespace tooltest
