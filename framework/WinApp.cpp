#include "WinApp.h"

#include <vector>

#include "DocTemplate.h"
#include "FrameworkIds.h"
#include "Handles.h"
#include "Platform.h"
#include "Wnd.h"

namespace fw {
namespace {

CWinApp* g_app = nullptr;

std::string ModulePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

std::string HelpPathFor(const std::string& modulePath) {
  const std::size_t slash = modulePath.find_last_of("\\/");
  const std::size_t dot = modulePath.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? modulePath.substr(0, dot) : modulePath) + ".HLP";
}

}  // namespace

CWinApp* GetApp() { return g_app; }

std::string LoadResourceString(UINT id) {
  // LoadStringA cannot report the needed size; grow until the text fits.
  std::vector<char> buffer(256);
  for (;;) {
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) return {};
    if (static_cast<std::size_t>(length) < buffer.size() - 2) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

CWinApp::CWinApp(std::string appName) : m_strAppName(std::move(appName)) { g_app = this; }

CWinApp::~CWinApp() {
  m_pDocTemplate.reset();
  if (g_app == this) g_app = nullptr;
}

void CWinApp::InitApplication(int cmdShow) {
  m_nCmdShow = cmdShow;
  if (m_strAppName.empty()) m_strAppName = LoadResourceString(IDS_APP_TITLE);
  m_strHelpFilePath = HelpPathFor(ModulePath());
}

BOOL CWinApp::PreTranslateMessage(MSG& msg) {
  if (!m_pMainWnd || !m_pMainWnd->m_hWnd) return FALSE;
  HWND main = m_pMainWnd->m_hWnd;
  if (msg.hwnd != main && !IsChild(main, msg.hwnd)) return FALSE;
  return m_pMainWnd->PreTranslateMessage(msg);
}

int CWinApp::Run() {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  ExitInstance();
  return static_cast<int>(msg.wParam);
}

int CWinApp::ExitInstance() {
  // The frame (and with it the view) goes before the document.
  if (m_pDocTemplate) m_pDocTemplate->CloseAll();
  return 0;
}

void CWinApp::OnMainWindowDestroyed() {
  m_pMainWnd = nullptr;
  PostQuitMessage(0);
}

namespace {

// Opens Software, then creates maker, application and section keys; null when any step fails.
UniqueHKey OpenSectionKey(const std::string& maker, const std::string& app, const std::string& section) {
  HKEY software = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ | KEY_WRITE, &software) != ERROR_SUCCESS)
    return nullptr;
  UniqueHKey current(software);
  for (const std::string* name : {&maker, &app, &section}) {
    HKEY next = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(current.get(), name->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, &next, &disposition) != ERROR_SUCCESS)
      return nullptr;
    current.reset(next);
  }
  return current;
}

}  // namespace

std::string CWinApp::GetProfileString(const std::string& section, const std::string& entry,
                                      const std::string& defaultValue) {
  UniqueHKey key = OpenSectionKey(m_strRegistryKey, m_strAppName, section);
  DWORD size = 0;
  if (!key || RegQueryValueExA(key.get(), entry.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
    return defaultValue;
  // The whole value is read, whatever its length and type; the text ends at its first zero byte.
  std::string data(size, '\0');
  if (size > 0 && RegQueryValueExA(key.get(), entry.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()),
                                   &size) != ERROR_SUCCESS)
    return defaultValue;
  data.resize(size);
  return data.substr(0, data.find('\0'));
}

BOOL CWinApp::WriteProfileString(const std::string& section, const std::string& entry, const char* value) {
  UniqueHKey key = OpenSectionKey(m_strRegistryKey, m_strAppName, section);
  if (!key) return FALSE;
  if (!value) return RegDeleteValueA(key.get(), entry.c_str()) == ERROR_SUCCESS;
  const DWORD size = static_cast<DWORD>(lstrlenA(value) + 1);
  return RegSetValueExA(key.get(), entry.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value), size) ==
         ERROR_SUCCESS;
}

int CWinApp::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) {
  UniqueHKey key = OpenSectionKey(m_strRegistryKey, m_strAppName, section);
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (!key || RegQueryValueExA(key.get(), entry.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
                  ERROR_SUCCESS)
    return defaultValue;
  return static_cast<int>(value);
}

BOOL CWinApp::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
  UniqueHKey key = OpenSectionKey(m_strRegistryKey, m_strAppName, section);
  if (!key) return FALSE;
  const DWORD data = static_cast<DWORD>(value);
  return RegSetValueExA(key.get(), entry.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data)) ==
         ERROR_SUCCESS;
}

HWND CWinApp::GetActiveOwner() const {
  HWND active = GetActiveWindow();
  if (IsOwnWindow(active)) return active;
  return m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
}

int CWinApp::DoMessageBox(const std::string& text, UINT type) {
  const UINT buttons = type & MB_TYPEMASK;
  if ((type & MB_ICONMASK) == 0 &&
      (buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO || buttons == MB_YESNOCANCEL))
    type |= MB_ICONEXCLAMATION;
  return platform::MessageBox(GetActiveOwner(), text, m_strAppName, type);
}

void CWinApp::WinHelp(ULONG_PTR data, UINT command) {
  HWND owner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
  platform::WinHelp(owner, m_strHelpFilePath, command, data);
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
  m_pDocTemplate = std::move(docTemplate);
}

BOOL CWinApp::ProcessShellCommand() {
  if (!m_pDocTemplate) return FALSE;
  return m_pDocTemplate->OpenNewDocument(*this);
}

int RunApplication(int cmdShow) {
  CWinApp* app = GetApp();
  if (!app) return 1;
  app->InitApplication(cmdShow);
  return app->InitInstance() ? app->Run() : app->ExitInstance();
}

}  // namespace fw
