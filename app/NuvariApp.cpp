#include "NuvariApp.h"

#include <memory>

#include "AboutDlg.h"
#include "DocTemplate.h"
#include "MainFrame.h"
#include "NuvariDoc.h"
#include "NuvariView.h"
#include "resource.h"

const fw::MessageMap& CNuvariApp::ClassMessageMap() {
  static const fw::MessageMap map(&fw::CWinApp::ClassMessageMap(), {
      fw::MapCommand(ID_APP_ABOUT, &CNuvariApp::OnAppAbout),
  });
  return map;
}

// No name of its own: the title comes from string 57344.
CNuvariApp::CNuvariApp() = default;

bool CNuvariApp::AnotherCopyRuns() {
  if (FindChildByText(GetDesktopWindow(), m_strAppName, kMatchEquals)) return true;
  m_instanceMutex.reset(CreateMutexA(nullptr, FALSE, kInstanceMutexName));
  return m_instanceMutex && GetLastError() == ERROR_ALREADY_EXISTS;
}

BOOL CNuvariApp::InitInstance() {
  if (AnotherCopyRuns()) {
    DoMessageBox(kTextAlreadyRunning, MB_OK | MB_ICONINFORMATION);
    return FALSE;
  }
  SetRegistryKey(kMakerRegistryKey);
  AddDocTemplate(std::make_unique<fw::CSingleDocTemplate>(
      IDR_MAINFRAME, [] { return std::make_unique<CNuvariDoc>(); }, [] { return std::make_unique<CMainFrame>(); },
      [] { return std::make_unique<CNuvariView>(); }));
  return ProcessShellCommand();
}

void CNuvariApp::OnAppAbout() {
  CAboutDlg about;
  about.DoModal();
}
