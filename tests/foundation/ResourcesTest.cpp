// Nuvari's own resources read back as the exact code-page-932 bytes, and the version box.
#include <gtest/gtest.h>

#include <vector>

#include "AboutDlg.h"
#include "InProcess.h"
#include "WindowSearch.h"
#include "WinePath.h"
#include "WinApp.h"

namespace {

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
  HWND box = nuvari::test::FindDialog("ﾊﾞｰｼﾞｮﾝ情報(Nuvari)", nuvari::test::Match::Equals, GetCurrentProcessId());
  if (!box) return;
  KillTimer(nullptr, timer);
  g_seen = {fw::GetWindowTextString(box), fw::GetWindowTextString(GetDlgItem(box, IDC_ABOUT_TEXT))};
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

}  // namespace

TEST(Resources, StringsAreTheExactBytes) {
  EXPECT_EQ(fw::LoadResourceString(IDS_APP_TITLE), "Nuvari");
  EXPECT_EQ(fw::LoadResourceString(IDR_MAINFRAME), "Nuvari\n\nNuvari\n\n\nNuvari.Document\nNuvari Document");
}

TEST(Resources, VersionBlockOfTheProgram) {
  const std::string exe = nuvari::test::ToWinePath(NUVARI_EXE);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
  EXPECT_EQ(VersionString(block, "ProductName"), "Nuvari");
  EXPECT_EQ(VersionString(block, "InternalName"), "Nuvari");
}

TEST(Resources, TheVersionCommandShowsTheVersionBox) {
  nuvari::test::TestApp app;
  g_seen = {};
  // The box is modal: a thread timer looks at it and closes it (a box that never closes is ended
  // by the test's time limit).
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, &CloseAboutBox);
  EXPECT_TRUE(app.OnCmdMsg(ID_APP_ABOUT, 0, nullptr));
  KillTimer(nullptr, timer);
  EXPECT_EQ(g_seen.caption, "ﾊﾞｰｼﾞｮﾝ情報(Nuvari)");
  EXPECT_EQ(g_seen.text, "Nuvari Version 2.0");
}
