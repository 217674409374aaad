// Nuvari.exe itself: the single-instance refusal and a normal start, from a fresh registry.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "Handles.h"
#include "NuvariApp.h"
#include "RegistryScope.h"
#include "WindowSearch.h"
#include "WinePath.h"

using nuvari::test::ChildProcess;
using nuvari::test::Match;
using testsupport::RegistryKeyExists;
using testsupport::RegistryScope;

namespace {

constexpr DWORD kWaitMs = 15000;

std::string NuvariCommandLine() { return "\"" + nuvari::test::ToWinePath(NUVARI_EXE) + "\""; }

// A hidden window of this process with the given title, for the life of the scope.
class TitledWindow {
 public:
  explicit TitledWindow(const std::string& title)
      : m_window(CreateWindowExA(0, "STATIC", title.c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr)) {}
  ~TitledWindow() { DestroyWindow(m_window); }

 private:
  HWND m_window;
};

// Starts Nuvari and expects the already-running box: answered with OK, the program ends.
void ExpectRefusedStart() {
  ChildProcess nuvari(NuvariCommandLine());
  ASSERT_TRUE(nuvari.Started());
  HWND box = nuvari::test::WaitForTopLevel("Nuvari", Match::Equals, kWaitMs, nuvari.Id());
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(nuvari::test::WindowText(GetDlgItem(box, 0xFFFF)), kTextAlreadyRunning);
  EXPECT_TRUE(nuvari::test::ClickButton(box, "OK"));
  EXPECT_TRUE(nuvari.WaitForExit(kWaitMs).has_value());
  EXPECT_FALSE(RegistryKeyExists(RegistryScope::kMakerKey)) << "a refused start must not touch the registry";
}

}  // namespace

// A harmless command line in place of FreeCell, and the supervisor kept open without it.
static void StoreHarmlessSettings() {
  testsupport::WriteRegistryText(RegistryScope::kFreeCell, "Path", "C:\\windows\\system32\\cmd.exe /c exit");
  testsupport::WriteRegistryText(RegistryScope::kFreeCell, "AutoExit", "0");
}

TEST(Startup, ASecondCopyIsRefusedWhileTheFirstRuns) {
  RegistryScope registry;
  StoreHarmlessSettings();
  ChildProcess first(NuvariCommandLine());
  HWND frame = nuvari::test::WaitForTopLevel("Nuvari", Match::Equals, kWaitMs, first.Id());
  ASSERT_NE(frame, nullptr);
  // What the second copy might touch is gone; a refused start must not bring it back.
  testsupport::DeleteRegistryTree(RegistryScope::kMakerKey);
  ExpectRefusedStart();
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(first.WaitForExit(kWaitMs).has_value());
}

TEST(Startup, AWindowTitledNuvariBlocksASecondStart) {
  RegistryScope registry;
  TitledWindow running("Nuvari");
  ExpectRefusedStart();
}

TEST(Startup, ACopyStartedAtTheSameInstantIsRefusedByTheMutex) {
  RegistryScope registry;
  fw::UniqueHandle held(CreateMutexA(nullptr, FALSE, kInstanceMutexName));
  ASSERT_TRUE(held);
  ExpectRefusedStart();
}

TEST(Startup, ATitleThatOnlyContainsNuvariDoesNotBlock) {
  RegistryScope registry;
  StoreHarmlessSettings();
  TitledWindow settings("Nuvari（環境設定）");
  ChildProcess nuvari(NuvariCommandLine());
  ASSERT_TRUE(nuvari.Started());
  HWND frame = nuvari::test::WaitForTopLevel("Nuvari", Match::Equals, kWaitMs, nuvari.Id());
  ASSERT_NE(frame, nullptr);
  char className[64] = {};
  GetClassNameA(frame, className, sizeof className);
  EXPECT_STREQ(className, "NuvariFrameWindow");
  EXPECT_TRUE(RegistryKeyExists(RegistryScope::kFreeCell));
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(nuvari.WaitForExit(kWaitMs).has_value());
}
