#include "FreeCellSearch.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// Folders and files of an imaginary PC; every existence test is recorded.
struct FakePc {
  std::optional<std::string> windows = "C:\\WINDOWS";
  std::optional<std::string> system = "C:\\WINDOWS\\SYSTEM";
  std::set<std::string> files;
  std::vector<std::string> asked;

  nuvari::FolderQueries Queries() {
    return {[this] { return windows; }, [this] { return system; },
            [this](const std::string& path) {
              asked.push_back(path);
              return files.count(path) > 0;
            }};
  }
};

}  // namespace

TEST(SearchFreeCell, TriesWindowsThenSystemThenSystem32) {
  FakePc pc;
  EXPECT_EQ(nuvari::SearchFreeCell(pc.Queries()), "");
  EXPECT_EQ(pc.asked, (std::vector<std::string>{"C:\\WINDOWS\\freecell.exe", "C:\\WINDOWS\\SYSTEM\\freecell.exe",
                                                "C:\\WINDOWS\\SYSTEM32\\freecell.exe"}));
  for (const char* place : {"C:\\WINDOWS\\freecell.exe", "C:\\WINDOWS\\SYSTEM\\freecell.exe",
                            "C:\\WINDOWS\\SYSTEM32\\freecell.exe"}) {
    FakePc found;
    found.files.insert(place);
    EXPECT_EQ(nuvari::SearchFreeCell(found.Queries()), "freecell.exe") << place;
  }
}

// Without the Windows folder nothing is asked; without the system folder only the Windows one.
TEST(SearchFreeCell, AFailedFolderQueryEndsTheSearch) {
  FakePc noWindows, noSystem;
  noWindows.windows.reset();
  noSystem.system.reset();
  for (FakePc* pc : {&noWindows, &noSystem}) {
    pc->files = {"C:\\WINDOWS\\SYSTEM\\freecell.exe", "C:\\WINDOWS\\SYSTEM32\\freecell.exe"};
    EXPECT_EQ(nuvari::SearchFreeCell(pc->Queries()), "");
  }
  EXPECT_TRUE(noWindows.asked.empty());
  EXPECT_EQ(noSystem.asked, std::vector<std::string>{"C:\\WINDOWS\\freecell.exe"});
}

TEST(PathExistsInFreeCellFolders, PathItselfThenTheThreeFolders) {
  FakePc pc;
  pc.files.insert("D:\\GAMES\\FREECELL.EXE");
  pc.files.insert("C:\\WINDOWS\\SYSTEM32\\sol.exe");
  EXPECT_TRUE(nuvari::PathExistsInFreeCellFolders("D:\\GAMES\\FREECELL.EXE", pc.Queries()));
  EXPECT_TRUE(nuvari::PathExistsInFreeCellFolders("sol.exe", pc.Queries()));
  pc.asked.clear();
  EXPECT_FALSE(nuvari::PathExistsInFreeCellFolders("", pc.Queries()));
  // An empty path gives candidates that end in a backslash; none of them names a file.
  EXPECT_EQ(pc.asked, (std::vector<std::string>{"", "C:\\WINDOWS\\", "C:\\WINDOWS\\SYSTEM\\", "C:\\WINDOWS\\SYSTEM32\\"}));
}

TEST(NamesFreeCell, ContainsTheFileNameInAnyCaseOfItsSingleByteLetters) {
  std::vector<bool> names;
  // "ｆｒｅｅｃｅｌｌ" in full-width letters is not the file name.
  for (const char* path : {"freecell.exe", "\"C:\\ゲーム\\FreeCell.EXE\" /x=3", "C:\\WINDOWS\\notepad.exe freecell", "",
                           "ｆｒｅｅｃｅｌｌ.exe"})
    names.push_back(nuvari::NamesFreeCell(path));
  EXPECT_EQ(names, (std::vector<bool>{true, true, false, false, false}));
}
