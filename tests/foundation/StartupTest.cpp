// Nuvari.exe itself: the single-instance refusal and a normal start, from a fresh registry.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "Handles.h"
#include "NuvariApp.h"
#include "RegistryScope.h"
#include "TitledWindow.h"
#include "WindowSearch.h"
#include "Programs.h"

using namespace nuvari::test;

namespace {

constexpr DWORD kWaitMs = 15000;

// Starts Nuvari and expects the already-running box: answered with OK, the program ends.
void ExpectRefusedStart() {
  ChildProcess nuvari(NuvariCommandLine());
  ASSERT_TRUE(nuvari.Started());
  HWND box = nuvari::test::WaitForTopLevel("Nuvari", Match::Equals, kWaitMs, nuvari.Id());
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(nuvari::test::MessageBoxText(box), kTextAlreadyRunning);
  EXPECT_TRUE(nuvari::test::ClickButton(box, "OK"));
  EXPECT_TRUE(nuvari.WaitForExit(kWaitMs).has_value());
  EXPECT_FALSE(RegistryKeyExists(RegistryScope::kMakerKey)) << "a refused start must not touch the registry";
}

}  // namespace

// A harmless command line in place of FreeCell, and the supervisor kept open without it.
static void StoreHarmlessSettings(const RegistryScope& registry) {
  registry.Store("Path", "C:\\windows\\system32\\cmd.exe /c exit");
  registry.Store("AutoExit", "0");
}

TEST(Startup, ASecondCopyIsRefusedWhileTheFirstRuns) {
  RegistryScope registry;
  StoreHarmlessSettings(registry);
  ChildProcess first(NuvariCommandLine());
  HWND frame = nuvari::test::WaitForTopLevel("Nuvari", Match::Equals, kWaitMs, first.Id());
  ASSERT_NE(frame, nullptr);
  // What the second copy might touch is gone; a refused start must not bring it back.
  nuvari::test::DeleteRegistryTree(RegistryScope::kMakerKey);
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
  StoreHarmlessSettings(registry);
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
