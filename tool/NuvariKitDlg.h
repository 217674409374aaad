// CNuvariKitDlg: NuvariKit's main window, a four-button dialog that exports the environment data
// to a file, imports it from one, or deletes the supervisor's settings.
#pragma once

#include <windows.h>

#include <string>

#include "Dialog.h"
#include "EnvironmentRecord.h"
#include "FreeCellSearch.h"
#include "WindowsFamily.h"
#include "resource.h"

class CNuvariKitDlg : public fw::CDialog {
 public:
  enum { IDD = IDD_NUVARIKIT_DIALOG };
  explicit CNuvariKitDlg(HWND parent = nullptr);

  // Environment file. Load: 1 for an environment file, 0 otherwise, no message. Save: writes a
  // fresh file and says how it went; 0 when it could not be written.
  virtual BOOL LoadEnvironmentFile(const std::string& path);
  virtual BOOL SaveEnvironmentFile(const std::string& path);
  // The supervisor's registry keys, then FreeCell's statistics.
  virtual void LoadFromRegistry();
  virtual void SaveToRegistry();
  virtual BOOL DeleteRegistry();
  virtual void LoadFreeCellStatistics();
  virtual BOOL SaveFreeCellStatistics();

  // What every command fills from its source before writing it to its destination.
  EnvironmentRecord m_record;
  // Where FreeCell is looked for when a path names nothing on this PC (the real folders).
  nuvari::FolderQueries m_freeCellFolders;
  // Shared icon from the program's resources: the system frees it, not the dialog.
  HICON m_hIcon = nullptr;

  static const fw::MessageMap& ClassMessageMap();
  const fw::MessageMap& GetMessageMap() const override { return ClassMessageMap(); }

 protected:
  BOOL OnInitDialog() override;
  // Each: false leaves the message to the default procedure.
  bool OnSysCommand(UINT id, LPARAM lParam);
  bool OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnExport();
  void OnImport();
  void OnDelete();
  // Ignored while a file is being read: the command under way owns the dialog.
  void OnOK() override;
  void OnCancel() override;
  // The wait cursor while a command works; otherwise the default procedure's.
  bool OnSetCursor(HWND window, UINT hitTest, UINT message);

 private:
  int ShowMessage(const std::string& text, UINT type);
  // The family whose store holds FreeCell's statistics; an unsupported one is reported.
  WindowsFamily StatisticsFamily();
  // True (after telling the player) when the supervisor would overwrite what the tool writes.
  bool RefuseWhileSupervisorRuns();
  // A Path that does not name FreeCell is run at the supervisor's next start: the player decides
  // whether it is stored or this PC's own stays.
  void ConfirmCommandLine(const std::string& currentPath);
  // The buttons off (and back on) while a file is read; the focus returns where it was.
  void SetBusy(bool busy);

  bool m_bBusy = false;
  HWND m_hFocusBeforeBusy = nullptr;
};
