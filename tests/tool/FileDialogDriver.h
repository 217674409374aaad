// Drives the system's file dialogs of a process from outside its modal loop, and presses buttons:
// found by polling with a time limit, answered by typing and posted clicks.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "WindowSearch.h"

namespace tooltest {

// Control ids of the common file dialog.
inline constexpr int kFileNameBox = 0x47c;  // cmb13
inline constexpr int kFileTypeBox = 0x470;  // cmb1

// A visible file dialog (a dialog with the file-name box) of the process; null after the time limit.
HWND WaitForFileDialog(DWORD processId, DWORD timeoutMs);
// Posts the button's click; the caller waits for the window to go.
void PressButton(HWND dialog, int id);
// Types the path into the file-name box and presses the dialog's OK button.
void ChooseFile(HWND dialog, const std::string& path);

struct SeenFileDialog {
  std::string title;
  std::string fileName;  // the file-name box as the dialog opened
  std::string fileType;  // the selected filter entry
};

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

}  // namespace tooltest
