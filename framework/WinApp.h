// CWinApp: the program object. Start-up and the message loop, the registry profile store,
// the program's message-box routine and help.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "MessageMap.h"

namespace fw {

class CWnd;
class CSingleDocTemplate;

class CWinApp : public CCmdTarget {
 public:
  // The one application object of the process; GetApp() returns it while it lives.
  explicit CWinApp(std::string appName = {});
  ~CWinApp() override;

  // Show command, title (string 57344 when none was given) and help file path.
  void InitApplication(int cmdShow);
  virtual BOOL InitInstance() { return FALSE; }
  virtual int Run();
  virtual int ExitInstance();

  int m_nCmdShow = SW_SHOWNORMAL;
  std::string m_strAppName;
  std::string m_strRegistryKey;
  std::string m_strHelpFilePath;
  CWnd* m_pMainWnd = nullptr;

  // The profile store lives under HKEY_CURRENT_USER\Software\<maker>\<application title>.
  void SetRegistryKey(const std::string& maker) { m_strRegistryKey = maker; }
  // Missing or unreadable values give the default; the key chain is created on first use, by reads too.
  std::string GetProfileString(const std::string& section, const std::string& entry,
                               const std::string& defaultValue = {});
  // A null value deletes the entry.
  BOOL WriteProfileString(const std::string& section, const std::string& entry, const char* value);
  int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue);
  BOOL WriteProfileInt(const std::string& section, const std::string& entry, int value);

  // Caption: the application title; owner: the program's active window; a box without an icon whose
  // buttons are OK, OK/Cancel, Yes/No or Yes/No/Cancel gets the exclamation icon.
  virtual int DoMessageBox(const std::string& text, UINT type);
  // The window that owns the program's boxes and dialogs: its active window, else its main window.
  HWND GetActiveOwner() const;

  void WinHelp(ULONG_PTR data, UINT command);

  // Single-document arrangement.
  void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
  CSingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
  // The standard shell command without arguments: a new, empty document.
  BOOL ProcessShellCommand();

  // The main frame has gone: the message loop ends.
  void OnMainWindowDestroyed();

 protected:
  virtual BOOL PreTranslateMessage(MSG& msg);

 private:
  std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
};

CWinApp* GetApp();

// Loads a string resource of the program as code-page-932 text (empty when missing).
std::string LoadResourceString(UINT id);

// Runs the application object: InitInstance, then the message loop (the products' WinMain).
int RunApplication(int cmdShow);

}  // namespace fw
