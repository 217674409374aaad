// Shared set-up of NuvariKit's tests under Wine: a fresh registry, a private folder for INI files
// and FreeCell candidates, message boxes recorded, and the Windows family chosen by the test; files
// and registry keys as the tests look at them: whole; and the system's file dialogs of a process
// driven from outside its modal loop: found by polling with a time limit, answered by typing and
// posted clicks.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "Files.h"
#include "MessageBoxRecorder.h"
#include "NuvariKitDlg.h"
#include "RegistryScope.h"
#include "WinApp.h"
#include "WindowSearch.h"
#include "WindowsFamily.h"

namespace tooltest {

using nuvari::test::ReadFileBytes;
using nuvari::test::WriteFileBytes;
using Values = std::vector<std::string>;

// The tool's messages, as the tests expect them.
inline constexpr char kWrittenText[] = "環境データを書き込みました。";
inline constexpr char kReadOutText[] = "環境データを読み出しました。";
inline constexpr char kPlacesQuestion[] =
    "ウィンドウの位置を書き込みますか？\n\n画面の解像度が違うパソコンから環境データ持ってくると、"
    "フリーセルが画面からはみ出すことがあります。";
using nuvari::test::kInformation;
using nuvari::test::kWarning;
using nuvari::test::Shown;

// The least an environment file holds: the [FreeCell] section with the path and the two keys
// that make it one.
inline std::string MinimalFile(const std::string& path) {
  return "[FreeCell]\r\nPath=" + path + "\r\nIdleRow=0\r\nAutoExit=1\r\n";
}

// The record's numbers in field order (Path, Pending and Rect left out).
inline std::vector<int> RecordNumbers(const EnvironmentRecord& r) {
  return {r.GameNo, r.Top, r.Left, r.IdleRow, r.AutoExit, r.GameOverYourWin, r.GameOverYourWinCnt, r.icon, r.max,
          r.tool, r.status, r.losses, r.lost, r.streak, r.stype, r.wins, r.won, r.messages, r.quick, r.dblclick};
}
// The whole record, so it compares in one assertion.
using WholeRecord = std::tuple<std::string, std::vector<int>, std::vector<std::int32_t>, std::string>;
inline WholeRecord Whole(const EnvironmentRecord& r) { return {r.Path, RecordNumbers(r), r.Pending, r.Rect}; }

// Removes a folder with everything in it (the tests make only files and folders).
void RemoveTree(const std::string& folder);

// Names and contents of a registry key's values, sorted ("Path=text", "icon=dword:1", ...), so a
// whole key compares in one assertion.
Values DescribeKey(const std::string& keyPath);

// What the supervisor leaves behind after a session: its path and deal, pendingCount pending deals
// numbered from firstPending, a placement and its flags.
void StoreSupervisorSession(const std::string& path, const std::string& gameNo, int pendingCount, int firstPending);

// A visible file dialog (a dialog with the file-name box) of the process; null after the time limit.
HWND WaitForFileDialog(DWORD processId, DWORD timeoutMs);
// Posts the button's click; the caller waits for the window to go.
void PressButton(HWND dialog, int id);
// Types the path into the file-name box and presses the dialog's OK button.
void ChooseFile(HWND dialog, const std::string& path);

// The file-name box as the dialog opened, and the selected filter entry.
using SeenFileDialog = std::pair<std::string, std::string>;

// Answers the file dialogs of this process, one answer each, on its own thread (the dialogs run
// modally on the test's thread). An empty answer cancels. Each wait is bounded.
class FileDialogAnswerer {
 public:
  explicit FileDialogAnswerer(std::vector<std::string> answers);
  ~FileDialogAnswerer();
  FileDialogAnswerer(const FileDialogAnswerer&) = delete;
  FileDialogAnswerer& operator=(const FileDialogAnswerer&) = delete;

  // Waits for the thread to end and returns what it saw.
  const std::vector<SeenFileDialog>& Finish();

 private:
  void Run(std::vector<std::string> answers);
  std::vector<SeenFileDialog> m_seen;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

class ToolTest : public ::testing::Test {
 protected:
  static constexpr const char* kFreeCellKey = nuvari::test::RegistryScope::kFreeCell;
  static constexpr const char* kWindowSizeKey = nuvari::test::RegistryScope::kWindowSize;
  static constexpr const char* kStatisticsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell";

  void SetUp() override;
  void TearDown() override;

  // Which family GetVersionExA reports; Unknown: the call fails.
  void UseFamily(WindowsFamily family);

  // A path inside the test's own folder.
  std::string FilePath(const std::string& name) const { return m_folder + "\\" + name; }
  // The Windows and system folders the FreeCell search looks in, below the test's folder.
  std::string WindowsFolder() const { return FilePath("windows"); }
  std::string SystemFolder() const { return FilePath("windows\\system"); }
  void PutFreeCellInto(const std::string& folder) const;

  Values BoxTexts() const { return m_boxes.Texts(); }
  Shown Boxes() const { return m_boxes.TextsAndTypes(); }

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
