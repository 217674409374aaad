// The environment file through the real private-profile functions: recognition, defaults, the
// pending list, the FreeCell path search, long values, and export as a fresh, complete file.
#include <gtest/gtest.h>

#include "FileReplacement.h"
#include "PrivateProfile.h"
#include "ProfileSection.h"
#include "ToolFixture.h"

namespace tooltest {
namespace {

// A record whose every field differs from every default, to see what a read leaves untouched.
constexpr std::int32_t k7 = 0x7777;
const EnvironmentRecord kSentinels{"sentinel", k7, k7, k7, k7, k7, k7, k7, {k7}, "sentinel", k7, k7, k7, k7,
                                   k7,         k7, k7, k7, k7, k7, k7, k7, k7};

const EnvironmentRecord kSample{.Path = "C:\\ゲーム\\ソフト\\freecell.exe", .GameNo = 617, .Top = -4, .Left = 120,
                                .IdleRow = 1, .AutoExit = 0, .GameOverYourWin = 1, .GameOverYourWinCnt = 10,
                                .Pending = {12, 0, 31999}, .Rect = "0100 0050 0640 0540", .icon = 0, .max = 1, .tool = 0,
                                .status = 1, .losses = 2, .lost = 7, .streak = -3, .stype = 1, .wins = 4, .won = 20,
                                .messages = 1, .quick = 5, .dblclick = 0};

// kSample as the file holds it, with quick and dblclick as given.
std::string SampleFile(const char* quick, const char* dblclick) {
  return std::string(
             "[FreeCell]\r\n"
             "Path=C:\\ゲーム\\ソフト\\freecell.exe\r\n"
             "GameNo=617\r\nTop=-4\r\nLeft=120\r\nIdleRow=1\r\nAutoExit=0\r\nGameOverYourWin=1\r\n"
             "GameOverYourWinCnt=10\r\nPending0=12\r\nPending1=0\r\nPending2=31999\r\n"
             "[Window size]\r\n"
             "Rect=0100 0050 0640 0540\r\nicon=0\r\nmax=1\r\ntool=0\r\nstatus=1\r\n"
             "[FreeCellData]\r\n"
             "losses=2\r\nlost=7\r\nstreak=-3\r\nstype=1\r\nwins=4\r\nwon=20\r\nmessages=1\r\nquick=") +
         quick + "\r\ndblclick=" + dblclick + "\r\n";
}

class EnvironmentFileTest : public ToolTest {
 protected:
  // Writes the text as the file and loads it into a record of sentinels.
  BOOL LoadText(const std::string& text) {
    WriteFileBytes(FilePath("env.ini"), text);
    m_dialog->m_record = kSentinels;
    return m_dialog->LoadEnvironmentFile(FilePath("env.ini"));
  }
  const EnvironmentRecord& Record() const { return m_dialog->m_record; }
};

TEST_F(EnvironmentFileTest, MinimalFileGivesEveryDefault) {
  UseFamily(WindowsFamily::Windows95);
  PutFreeCellInto(SystemFolder());  // an existing path is kept as written
  ASSERT_TRUE(LoadText("[FreeCell]\r\nPath=" + FilePath("windows\\system\\freecell.exe") +
                       "\r\nIdleRow=2\r\nAutoExit=0\r\n"));
  EXPECT_EQ(Whole(Record()), WholeRecord(FilePath("windows\\system\\freecell.exe"),
                                         {1, 0, 0, 2, 0, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, -1, -1, -1}, {},
                                         "0010 0010 0550 0500"));
  EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(EnvironmentFileTest, OnTheNtFamilyQuickAndDblclickAreNotRead) {
  ASSERT_TRUE(LoadText(MinimalFile("x") + "[FreeCellData]\r\nquick=1\r\ndblclick=1\r\n"));
  EXPECT_EQ(std::pair(Record().quick, Record().dblclick), std::pair(k7, k7));
}

TEST_F(EnvironmentFileTest, FilesThatAreNoEnvironmentFilesAreRefused) {
  const struct {
    const char* name;
    std::string text;
  } rows[] = {
      {"empty Path", "[FreeCell]\r\nPath=\r\nGameNo=3\r\nIdleRow=0\r\nAutoExit=1\r\n[Window size]\r\nRect=1\r\n"},
      {"no Path", "[FreeCell]\r\nIdleRow=0\r\nAutoExit=1\r\n"},
      {"no IdleRow", "[FreeCell]\r\nPath=x\r\nAutoExit=1\r\n"},
      {"empty IdleRow", "[FreeCell]\r\nPath=x\r\nIdleRow=\r\nAutoExit=1\r\n"},
      {"no AutoExit", "[FreeCell]\r\nPath=x\r\nIdleRow=0\r\n"},
      {"keys in another section", "[Other]\r\nPath=x\r\nIdleRow=0\r\nAutoExit=1\r\n"},
      {"not an INI file", std::string("MZ\x90\0\3\0\0\0\4\0", 10)},
      {"empty file", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(LoadText(row.text));
  }
  m_dialog->m_record = kSentinels;
  EXPECT_FALSE(m_dialog->LoadEnvironmentFile(FilePath("missing.ini")));
  EXPECT_TRUE(m_boxes.boxes.empty());
}

// The file read a section at a time must give what reading it key by key gave: names without
// regard to case, the first of two equal keys, blanks and one pair of quotes stripped, a second
// section of the same name ignored, comments and lines without "=" skipped.
TEST_F(EnvironmentFileTest, WholeFileReadsAsItsKeysOneByOne) {
  UseFamily(WindowsFamily::Windows95);
  ASSERT_TRUE(LoadText(
      "; written by hand\r\n"
      "[freecell]\r\n"
      "  path  =  \"C:\\My Games\\freecell.exe\"  \r\n"
      "PATH=second\r\n"
      "gameno=' 42 '\r\n"
      "GameNo=7\r\n"
      "IDLEROW=1\r\n"
      "AutoExit=\t0\t\r\n"
      ";Top=99\r\n"
      "Left\r\n"
      "Pending0=\"5\"\r\n"
      "pending1=9\r\n"
      "Pending1=10\r\n"
      "Pending2=\r\n"
      "Pending3=11\r\n"
      "GameOverYourWinCnt = \"3\r\n"
      "[Window Size]\r\n"
      "rect='0001 0002 0003 0004'\r\n"
      "ICON=\r\n"
      "max=0x1\r\n"
      "[FreeCellData]\r\n"
      "WON=12abc\r\n"
      "quick=-1\r\n"
      "[FreeCell]\r\n"
      "Top=55\r\n"));
  // Top: neither a comment nor a second [FreeCell] counts; GameOverYourWinCnt: a lone quote stays and
  // reads as no number; icon: an empty number takes the default; max: decimal only.
  EXPECT_EQ(Whole(Record()), WholeRecord("C:\\My Games\\freecell.exe",
                                         {42, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 12, -1, -1, -1}, {5, 9},
                                         "0001 0002 0003 0004"));
}

// The rules above are the platform's: every text value agrees with GetPrivateProfileStringA.
TEST_F(EnvironmentFileTest, SectionValuesAgreeWithThePlatformsOneKeyReads) {
  const std::string keys[] = {"Path", "path", "Dup", "Q1", "Q2", "Q3", "Q4", "Q5", "Q6", "Blank", "NoEq",
                              "Cmt", "Tab", "Late", "ソA", "ソa", "ア", "ャ", "Eq"};
  const std::string text =
      "[FreeCell]\r\n  Path  =  \"C:\\a b\\freecell.exe\"  \r\npath=second\r\nDUP=1\r\nDup=2\r\n"
      "Q1=\"x\"\r\nQ2=\"x\r\nQ3='x'\r\nQ4=\"\"x\"\"\r\nQ5= \" y \" \r\nQ6=\"\r\nBlank=   \r\nNoEq\r\n;Cmt=5\r\n"
      "Tab=\t7\t\r\nソA=kana\r\nア=kana2\r\nEq=a=b\r\n[Other]\r\nx=1\r\n[FreeCell]\r\nLate=1\r\n";
  const std::string path = FilePath("same.ini");
  WriteFileBytes(path, text);
  const ProfileSection section(PrivateProfile(path).ReadSection("FreeCell"));
  for (const std::string& key : keys) {
    SCOPED_TRACE(key);
    char value[256] = {};  // every value here is short
    const DWORD length = GetPrivateProfileStringA("FreeCell", key.c_str(), "\x01missing", value, sizeof value,
                                                  path.c_str());
    const std::string platform(value, length);
    EXPECT_EQ(section.Find(key).value_or("\x01missing"), platform);
  }
}

TEST_F(EnvironmentFileTest, PathNamingNothingHereBecomesTheFoundFreeCell) {
  const std::string file = MinimalFile("D:\\nowhere\\freecell.exe");
  ASSERT_TRUE(LoadText(file));
  EXPECT_EQ(Record().Path, "D:\\nowhere\\freecell.exe") << "found nowhere: the text stays";

  PutFreeCellInto(FilePath("windows\\system32"));
  ASSERT_TRUE(LoadText(file));
  EXPECT_EQ(Record().Path, "freecell.exe") << "the system folder's name with 32 appended";

  ASSERT_TRUE(LoadText(MinimalFile(FilePath("*.ini"))));
  EXPECT_EQ(Record().Path, "freecell.exe") << "a wildcard names no file";

  ASSERT_TRUE(LoadText(MinimalFile(FilePath("env.ini"))));
  EXPECT_EQ(Record().Path, FilePath("env.ini")) << "an existing file stays";
}

// Mended: a value longer than 255 characters was cut, possibly inside a double-byte character.
TEST_F(EnvironmentFileTest, LongValuesAreReadWhole) {
  std::string path = "D:\\";
  while (path.size() < 254) path += 'a';
  for (int i = 0; i < 40; ++i) path += "ソフト";  // a double-byte character straddles byte 255
  path += "\\freecell.exe";
  const std::string rect(600, '7');
  ASSERT_TRUE(LoadText(MinimalFile(path) + "[Window size]\r\nRect=" + rect + "\r\n"));
  EXPECT_EQ(Record().Path, path);
  EXPECT_EQ(Record().Rect, rect);
}

// quick and dblclick: the record's on the Windows 95 family; elsewhere what the old file held, else absent.
TEST_F(EnvironmentFileTest, ExportWritesTheOptionsOnlyOnWindows95) {
  const struct {
    const char* name;
    WindowsFamily family;
    const char* oldFile;  // nothing: a new file
    const char* quick;
    const char* dblclick;
  } rows[] = {
      {"NT, new file", WindowsFamily::WindowsNT, nullptr, "-1", "-1"},
      {"NT keeps what a Windows 95 export left", WindowsFamily::WindowsNT, "[FreeCellData]\r\nquick=1\r\n", "1", "-1"},
      {"Windows 95", WindowsFamily::Windows95, "[FreeCellData]\r\nquick=1\r\ndblclick=1\r\n", "5", "0"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = FilePath("export" + std::to_string(&row - rows) + ".ini");
    UseFamily(row.family);
    if (row.oldFile) WriteFileBytes(path, row.oldFile);
    m_boxes.boxes.clear();
    m_dialog->m_record = kSample;
    ASSERT_TRUE(m_dialog->SaveEnvironmentFile(path));
    EXPECT_EQ(ReadFileBytes(path), SampleFile(row.quick, row.dblclick));
    EXPECT_EQ(Boxes(), (Shown{{kReadOutText, kInformation}}));
    EXPECT_FALSE(ReadFileBytes(path + ".new")) << "nothing left beside the file";
  }
  // What the Windows 95 family exported reads back as the same record.
  m_dialog->m_record = kSentinels;
  ASSERT_TRUE(m_dialog->LoadEnvironmentFile(FilePath("export2.ini")));
  EXPECT_EQ(Whole(Record()), Whole(kSample));
}

// Neither the old file nor a stale fresh file of an interrupted export is mixed in.
TEST_F(EnvironmentFileTest, ExportReplacesTheOldFileWholly) {
  WriteFileBytes(FilePath("old.ini.new"), "[Stale]\r\nx=1\r\n[FreeCell]\r\nPending7=1\r\n");
  WriteFileBytes(FilePath("old.ini"),
                 "; a comment\r\n[Mine]\r\nkeep=1\r\n[FreeCell]\r\nExtra=1\r\nPending0=1\r\nPending1=2\r\nPending2=3\r\n"
                 "Pending3=4\r\nPending4=5\r\nPath=old\r\n");
  m_dialog->m_record = kSample;
  ASSERT_TRUE(m_dialog->SaveEnvironmentFile(FilePath("old.ini")));
  EXPECT_EQ(ReadFileBytes(FilePath("old.ini")), SampleFile("-1", "-1"));

  // Twice in a row through the same process: nothing of the first export survives the second.
  m_dialog->m_record.Pending = {4};
  ASSERT_TRUE(m_dialog->SaveEnvironmentFile(FilePath("old.ini")));
  const std::string written = ReadFileBytes(FilePath("old.ini")).value_or("");
  EXPECT_NE(written.find("GameOverYourWinCnt=10\r\nPending0=4\r\n[Window size]"), std::string::npos) << written;
}

// Mended: a file that cannot be written was still reported as read out; the old file was deleted
// before the new one was known to be writable.
TEST_F(EnvironmentFileTest, FailedExportIsReportedAndLeavesTheOldFileAsItWas) {
  const std::string old = MinimalFile("mine") + "Pending0=77\r\n";
  WriteFileBytes(FilePath("old.ini"), old);
  // The fresh file cannot come into being where a folder of its name stands.
  CreateDirectoryA(FilePath("old.ini.new").c_str(), nullptr);
  for (const std::string& path : {FilePath("no such folder\\env.ini"), FilePath("old.ini")}) {
    SCOPED_TRACE(path);
    m_boxes.boxes.clear();
    m_dialog->m_record = kSample;
    EXPECT_FALSE(m_dialog->SaveEnvironmentFile(path));
    EXPECT_EQ(Boxes(), (Shown{
                           {"環境ファイルを書き込めませんでした。\n\n" + path + "\n\n書き込み先を確認してください。", kWarning}}));
  }
  EXPECT_EQ(ReadFileBytes(FilePath("old.ini")), old);
}

// Where a file cannot be replaced in one step (the Windows 95 family), the old one steps aside; a
// replacement that cannot finish keeps the old file.
TEST_F(EnvironmentFileTest, StepwiseReplacementPutsTheFreshFileInPlaceOrKeepsTheOld) {
  WriteFileBytes(FilePath("env.ini"), "old");
  EXPECT_FALSE(ReplaceStepwise(FilePath("missing.ini.new"), FilePath("env.ini")));
  EXPECT_EQ(ReadFileBytes(FilePath("env.ini")), "old");
  EXPECT_FALSE(ReadFileBytes(FilePath("env.ini.old")));

  WriteFileBytes(FilePath("env.ini.new"), "fresh");
  EXPECT_TRUE(ReplaceStepwise(FilePath("env.ini.new"), FilePath("env.ini")));
  EXPECT_EQ(ReadFileBytes(FilePath("env.ini")), "fresh");
  EXPECT_FALSE(ReadFileBytes(FilePath("env.ini.new")));
  EXPECT_FALSE(ReadFileBytes(FilePath("env.ini.old")));

  WriteFileBytes(FilePath("first.ini.new"), "fresh");
  EXPECT_TRUE(ReplaceStepwise(FilePath("first.ini.new"), FilePath("first.ini")));
  EXPECT_EQ(ReadFileBytes(FilePath("first.ini")), "fresh");
}

}  // namespace
}  // namespace tooltest
