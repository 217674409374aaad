#include "FileDialog.h"

#include <commdlg.h>

#include "WinApp.h"

namespace fw {
namespace {
// Room for a long path typed or chosen in the dialog.
constexpr std::size_t kFileBufferSize = 32768;
}  // namespace

CFileDialog::CFileDialog(bool openFileDialog, std::string defaultExtension, std::string fileName, DWORD flags,
                         std::string filter, HWND owner)
    : m_bOpen(openFileDialog), m_defaultExtension(std::move(defaultExtension)), m_filter(std::move(filter)) {
  for (char& c : m_filter)
    if (c == '|') c = '\0';
  m_fileBuffer.assign(kFileBufferSize, '\0');
  fileName.copy(m_fileBuffer.data(), kFileBufferSize - 1);
  m_ofn.lStructSize = sizeof(m_ofn);
  m_ofn.hwndOwner = owner;
  m_ofn.lpstrFilter = m_filter.c_str();
  m_ofn.nFilterIndex = 1;
  m_ofn.lpstrFile = m_fileBuffer.data();
  m_ofn.nMaxFile = static_cast<DWORD>(kFileBufferSize);
  m_ofn.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
  m_ofn.Flags = flags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal() {
  if (!m_ofn.hwndOwner && GetApp()) m_ofn.hwndOwner = GetApp()->GetActiveOwner();
  m_ofn.lpstrTitle = m_strTitle.empty() ? nullptr : m_strTitle.c_str();
  const BOOL confirmed = m_bOpen ? GetOpenFileNameA(&m_ofn) : GetSaveFileNameA(&m_ofn);
  if (!confirmed) return IDCANCEL;
  m_pathName = m_fileBuffer.c_str();
  return IDOK;
}

}  // namespace fw
