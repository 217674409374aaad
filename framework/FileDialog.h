// CFileDialog: the system's open or save dialog, with a filter written as
// "description|pattern|description|pattern||".
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

namespace fw {

class CFileDialog {
 public:
  CFileDialog(bool openFileDialog, std::string defaultExtension, std::string fileName, DWORD flags,
              std::string filter, HWND owner = nullptr);

  // IDOK when the player confirmed a file, else IDCANCEL.
  INT_PTR DoModal();
  // The full path that was confirmed.
  const std::string& GetPathName() const { return m_pathName; }

  // Caption of the dialog; empty: the system's own.
  std::string m_strTitle;
  // What the dialog is shown with; tests read it back.
  OPENFILENAMEA m_ofn{};

 private:
  bool m_bOpen;
  std::string m_defaultExtension;
  std::string m_filter;  // bars turned into the zero bytes the system expects
  std::string m_fileBuffer;
  std::string m_pathName;
};

}  // namespace fw
