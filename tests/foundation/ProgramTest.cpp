// Nuvari.exe itself: its resources read back as the exact code-page-932 bytes, the version box and
// the manifest; the single-instance refusal and a normal start, from a fresh registry.
#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "AboutDlg.h"
#include "ChildProcess.h"
#include "Handles.h"
#include "InProcess.h"
#include "Programs.h"
#include "RegistryScope.h"
#include "TitledWindow.h"
#include "WindowSearch.h"
#include "WinePath.h"
#include "WinApp.h"

using namespace nuvari::test;

namespace {

constexpr DWORD kWaitMs = 15000;

std::string VersionString(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\041104b0\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return {};
  return std::string(value);
}

// The version box as the test found it while it was open; then closed with its OK button.
struct SeenAboutBox {
  std::string caption;
  std::string text;
};
SeenAboutBox g_seen;

void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindDialog("ﾊﾞｰｼﾞｮﾝ情報(Nuvari)", Match::Equals, GetCurrentProcessId());
  if (!box) return;
  KillTimer(nullptr, timer);
  g_seen = {fw::GetWindowTextString(box), fw::GetWindowTextString(GetDlgItem(box, IDC_ABOUT_TEXT))};
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

// Starts Nuvari and expects the already-running box: answered with OK, the program ends.
void ExpectRefusedStart() {
  ChildProcess nuvari(NuvariCommandLine());
  ASSERT_TRUE(nuvari.Started());
  HWND box = WaitForTopLevel("Nuvari", Match::Equals, kWaitMs, nuvari.Id());
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(MessageBoxText(box), kTextAlreadyRunning);
  EXPECT_TRUE(ClickButton(box, "OK"));
  EXPECT_TRUE(nuvari.WaitForExit(kWaitMs).has_value());
  EXPECT_FALSE(RegistryKeyExists(RegistryScope::kMakerKey)) << "a refused start must not touch the registry";
}

// A harmless command line in place of FreeCell, and the supervisor kept open without it.
void StoreHarmlessSettings(const RegistryScope& registry) {
  registry.Store({{"Path", "C:\\windows\\system32\\cmd.exe /c exit"}, {"AutoExit", "0"}});
}

}  // namespace

TEST(Resources, StringsAreTheExactBytes) {
  EXPECT_EQ(fw::LoadResourceString(IDS_APP_TITLE), "Nuvari");
  EXPECT_EQ(fw::LoadResourceString(IDR_MAINFRAME), "Nuvari\n\nNuvari\n\n\nNuvari.Document\nNuvari Document");
}

TEST(Resources, VersionBlockOfTheProgram) {
  const std::string exe = ToWinePath(NUVARI_EXE);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ((std::vector<DWORD>{fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                                 fixed->dwProductVersionLS}),
            (std::vector<DWORD>{0x00020000u, 1, 0x00020000u, 1}));
  EXPECT_EQ(VersionString(block, "ProductName") + "|" + VersionString(block, "InternalName"), "Nuvari|Nuvari");
}

TEST(Resources, TheVersionCommandShowsTheVersionBox) {
  TestApp app;
  g_seen = {};
  // The box is modal: a thread timer looks at it and closes it (a box that never closes is ended
  // by the test's time limit).
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, &CloseAboutBox);
  EXPECT_TRUE(app.OnCmdMsg(ID_APP_ABOUT, 0, nullptr));
  KillTimer(nullptr, timer);
  EXPECT_EQ(g_seen.caption, "ﾊﾞｰｼﾞｮﾝ情報(Nuvari)");
  EXPECT_EQ(g_seen.text, "Nuvari Version 2.0");
}

// Both programs declare what modern Windows must know of them: no elevation, the versions of
// Windows they were made for (else compatibility shims apply), system DPI awareness (else blurry
// scaling) and the common controls 6.
TEST(Resources, BothProgramsCarryTheirManifest) {
  for (const char* program : {NUVARI_EXE, NUVARIKIT_EXE}) {
    SCOPED_TRACE(program);
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, BOOL(WINAPI*)(HMODULE)> module(
        LoadLibraryExA(ToWinePath(program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE), FreeLibrary);
    ASSERT_NE(module, nullptr);
    HRSRC found = FindResourceA(module.get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module.get(), found))),
                               SizeofResource(module.get(), found));
    for (const char* part : {"level=\"asInvoker\"", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", ">true</dpiAware>",
                             "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""})
      EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
}

TEST(Startup, ASecondCopyIsRefusedWhileTheFirstRuns) {
  RegistryScope registry;
  StoreHarmlessSettings(registry);
  ChildProcess first(NuvariCommandLine());
  HWND frame = WaitForTopLevel("Nuvari", Match::Equals, kWaitMs, first.Id());
  ASSERT_NE(frame, nullptr);
  // What the second copy might touch is gone; a refused start must not bring it back.
  DeleteRegistryTree(RegistryScope::kMakerKey);
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
  HWND frame = WaitForTopLevel("Nuvari", Match::Equals, kWaitMs, nuvari.Id());
  ASSERT_NE(frame, nullptr);
  char className[64] = {};
  GetClassNameA(frame, className, sizeof className);
  EXPECT_STREQ(className, "NuvariFrameWindow");
  EXPECT_TRUE(RegistryKeyExists(RegistryScope::kFreeCell));
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(nuvari.WaitForExit(kWaitMs).has_value());
}
