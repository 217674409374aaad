// The test helpers other suites rely on: Wine paths, the bounded wait and the process that must not
// outlive its test.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "WinePath.h"
#include "WindowSearch.h"

namespace {

TEST(WinePath, UnixRootIsDriveZ) {
  EXPECT_EQ(nuvari::test::ToWinePath("/work/main/build/x.exe"), "Z:\\work\\main\\build\\x.exe");
  EXPECT_EQ(nuvari::test::ToWinePath("/"), "Z:\\");
  EXPECT_EQ(nuvari::test::QuotedWinePath("/a b/x.exe"), "\"Z:\\a b\\x.exe\"");
}

TEST(PollUntil, HoldsAsSoonAsTheCheckDoesAndGivesUpAtTheLimit) {
  int calls = 0;
  EXPECT_TRUE(nuvari::test::PollUntil(5000, [&] { return ++calls == 3; }, 1));
  EXPECT_EQ(calls, 3);
  const ULONGLONG start = GetTickCount64();
  EXPECT_FALSE(nuvari::test::PollUntil(100, [] { return false; }, 5));
  EXPECT_GE(GetTickCount64() - start, 100u);
}

TEST(ChildProcess, EndsTheProgramWhenTheTestEnds) {
  DWORD id = 0;
  HANDLE watch = nullptr;
  {
    nuvari::test::ChildProcess freeCell(nuvari::test::QuotedWinePath(FREECELL_EXE));
    ASSERT_TRUE(freeCell.Started());
    id = freeCell.Id();
    ASSERT_NE(nuvari::test::WaitForTopLevel("フリーセル", nuvari::test::Match::Equals, 4000, id), nullptr);
    EXPECT_FALSE(freeCell.WaitForExit(0).has_value());
    watch = OpenProcess(SYNCHRONIZE, FALSE, id);
    ASSERT_NE(watch, nullptr);
  }
  EXPECT_EQ(WaitForSingleObject(watch, 0), WAIT_OBJECT_0);
  CloseHandle(watch);
}

TEST(ChildProcess, MissingProgramIsNotStarted) {
  nuvari::test::ChildProcess missing("\"Z:\\nonexistent\\nothing.exe\"");
  EXPECT_FALSE(missing.Started());
  EXPECT_FALSE(missing.WaitForExit(0).has_value());
}

}  // namespace
