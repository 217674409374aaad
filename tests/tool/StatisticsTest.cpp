// FreeCell's statistics in both families' stores, through the Windows family seam, and the
// classification of the running Windows.
#include <gtest/gtest.h>

#include "ToolFixture.h"

namespace tooltest {
namespace {

using nuvari::test::WriteRegistryRaw;

std::string Bytes(std::initializer_list<int> bytes) {
  std::string text;
  for (int b : bytes) text += static_cast<char>(b);
  return text;
}

class KitStatisticsTest : public ToolTest {
 protected:
  struct Counter {
    const char* name;
    std::initializer_list<int> bytes;
    DWORD type = REG_DWORD;
  };
  void WriteCounters(std::initializer_list<Counter> counters) {
    for (const Counter& counter : counters)
      WriteRegistryRaw(kStatisticsKey, counter.name, counter.type, Bytes(counter.bytes));
  }
  const EnvironmentRecord& Record() const { return m_dialog->m_record; }
  // losses, lost, streak, stype, wins, won, messages, quick, dblclick: the record's last nine numbers.
  std::vector<int> Statistics() const {
    const std::vector<int> numbers = RecordNumbers(Record());
    return {numbers.end() - 9, numbers.end()};
  }
  // An import of a file, answering the window question with Yes.
  void Import(const std::string& fileText) {
    WriteFileBytes(FilePath("import.ini"), fileText);
    ASSERT_TRUE(m_dialog->LoadEnvironmentFile(FilePath("import.ini")));
    m_boxes.answers = {IDYES, IDOK};
    m_dialog->SaveToRegistry();
  }
};

const std::string kImportHead = MinimalFile("freecell.exe") + "[FreeCellData]\r\n";

TEST_F(KitStatisticsTest, Windows95ValuesAreFourLittleEndianBytes) {
  UseFamily(WindowsFamily::Windows95);
  WriteCounters({{"losses", {5, 0, 0, 0}}, {"lost", {0x44, 0x33, 0x22, 0x11}}, {"streak", {0xFF, 0xFF, 0xFF, 0xFF}},
                 {"stype", {1, 0, 0, 0}, REG_BINARY}, {"wins", {0, 1, 0, 0}}, {"won", {20, 0, 0, 0}},
                 {"messages", {0xFF, 0xFF, 0xFF, 0xFF}}, {"quick", {1, 0, 0, 0}}});
  m_dialog->LoadFromRegistry();
  EXPECT_EQ(Statistics(), (std::vector<int>{5, 0x11223344, -1, 1, 256, 20, -1, 1, -1}));
  ASSERT_TRUE(m_dialog->SaveEnvironmentFile(FilePath("w95.ini")));
  const std::string file = ReadFileBytes(FilePath("w95.ini")).value_or("");
  EXPECT_NE(file.find("[FreeCellData]\r\nlosses=5\r\nlost=287454020\r\nstreak=-1\r\nstype=1\r\nwins=256\r\nwon=20\r\n"
                      "messages=-1\r\nquick=1\r\ndblclick=-1\r\n"),
            std::string::npos)
      << file;
}

// Longer than four bytes: the initial value stays. Mended: a shorter value kept the high bytes of
// the value read before it; it is zero-extended.
TEST_F(KitStatisticsTest, Windows95ValuesLongerThanFourBytesAreSkippedAndShorterOnesZeroExtended) {
  UseFamily(WindowsFamily::Windows95);
  WriteCounters({{"losses", {0x44, 0x33, 0x22, 0x11}}, {"lost", {5}}, {"streak", {0x01, 0x02}, REG_BINARY},
                 {"wins", {7, 0, 0, 0, 0}}, {"quick", {1, 0, 0, 0, 0, 0, 0, 0}, REG_QWORD}});
  m_dialog->LoadFromRegistry();
  EXPECT_EQ(Statistics(), (std::vector<int>{0x11223344, 5, 0x0201, 0, 0, 0, -1, -1, -1}));
}

// The file's values as DWORDs, options absent in the file removed; a file from the NT family
// removes quick and dblclick.
TEST_F(KitStatisticsTest, Windows95ImportWritesDwordsAndRemovesAbsentOptions) {
  UseFamily(WindowsFamily::Windows95);
  const struct {
    int line;
    const char* values;
    std::vector<std::string> stored;
  } rows[] = {
      {__LINE__, "losses=-1\r\nlost=3\r\nwins=258\r\nmessages=-1\r\nquick=0\r\n",
       {"losses=dword:-1", "lost=dword:3", "quick=dword:0", "streak=dword:0", "stype=dword:0", "wins=dword:258",
        "won=dword:0"}},
      {__LINE__, "messages=1\r\nquick=-1\r\ndblclick=-1\r\n",
       {"losses=dword:0", "lost=dword:0", "messages=dword:1", "streak=dword:0", "stype=dword:0", "wins=dword:0",
        "won=dword:0"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    nuvari::test::DeleteRegistryTree(kStatisticsKey);
    WriteCounters({{"messages", {1, 0, 0, 0}}, {"quick", {1, 0, 0, 0}}, {"dblclick", {1, 0, 0, 0}}});
    Import(kImportHead + row.values);
    EXPECT_EQ(DescribeKey(kStatisticsKey), row.stored);
    EXPECT_EQ(BoxTexts().back(), kWrittenText);
  }
}

TEST_F(KitStatisticsTest, Windows95WithoutFreeCellsKeyReadsInitialValuesAndCreatesNothing) {
  UseFamily(WindowsFamily::Windows95);
  m_dialog->m_record.wins = 99;
  m_dialog->LoadFromRegistry();
  EXPECT_EQ(Statistics(), (std::vector<int>{0, 0, 0, 0, 0, 0, -1, -1, -1}));
  Import(kImportHead + "wins=4\r\n");
  EXPECT_FALSE(nuvari::test::RegistryKeyExists(kStatisticsKey));
  EXPECT_EQ(BoxTexts().back(), kWrittenText);
}

TEST_F(KitStatisticsTest, NtStoreIsEntpackIniWithJapaneseKeys) {
  WriteFileBytes(m_entpackPath, "[ﾌﾘｰｾﾙ]\r\n連敗=2\r\n敗=7\r\n連勝/連敗=-3\r\nstype=1\r\n連勝=4\r\n勝=20\r\nﾒｯｾｰｼﾞ=1\r\n"
                                "[フリーセル]\r\n勝=99\r\n");
  m_dialog->m_record.quick = 5;
  m_dialog->LoadFromRegistry();
  EXPECT_EQ(Statistics(), (std::vector<int>{2, 7, -3, 1, 4, 20, 1, -1, -1}));
}

TEST_F(KitStatisticsTest, NtExportWithoutMessagesThenImportRemovesIt) {
  WriteFileBytes(m_entpackPath, "[ﾌﾘｰｾﾙ]\r\n勝=3\r\n");
  nuvari::test::WriteRegistryText(kFreeCellKey, "Path", "freecell.exe");
  m_dialog->LoadFromRegistry();
  ASSERT_TRUE(m_dialog->SaveEnvironmentFile(FilePath("nt.ini")));
  EXPECT_NE(ReadFileBytes(FilePath("nt.ini")).value_or("").find("won=3\r\nmessages=-1\r\n"), std::string::npos);

  WriteFileBytes(m_entpackPath, "[ﾌﾘｰｾﾙ]\r\nﾒｯｾｰｼﾞ=1\r\n勝=3\r\n");
  ASSERT_TRUE(m_dialog->LoadEnvironmentFile(FilePath("nt.ini")));
  m_boxes.answers = {IDYES, IDOK};
  m_dialog->SaveToRegistry();
  EXPECT_EQ(ReadFileBytes(m_entpackPath), "[ﾌﾘｰｾﾙ]\r\n勝=3\r\n連敗=0\r\n敗=0\r\n連勝/連敗=0\r\nstype=0\r\n連勝=0\r\n");
}

TEST_F(KitStatisticsTest, Windows95FileImportedOnNtWritesTheSevenKeys) {
  Import(std::string(kImportHead) +
         "losses=1\r\nlost=2\r\nstreak=3\r\nstype=4\r\nwins=5\r\nwon=6\r\nmessages=0\r\nquick=1\r\ndblclick=1\r\n");
  EXPECT_EQ(ReadFileBytes(m_entpackPath),
            "[ﾌﾘｰｾﾙ]\r\n連敗=1\r\n敗=2\r\n連勝/連敗=3\r\nstype=4\r\n連勝=5\r\n勝=6\r\nﾒｯｾｰｼﾞ=0\r\n");
}

TEST_F(KitStatisticsTest, UnsupportedWindowsIsReportedAndTheCommandGoesOn) {
  UseFamily(WindowsFamily::Unsupported);
  WriteFileBytes(m_entpackPath, "[ﾌﾘｰｾﾙ]\r\n勝=3\r\n");
  const std::string unsupported = "サポートしていません。（Windows 95 でも Windows NT 4.0 でもありません。）";
  m_dialog->LoadFromRegistry();
  EXPECT_EQ(Statistics(), (std::vector<int>{0, 0, 0, 0, 0, 0, -1, -1, -1}));
  EXPECT_EQ(Boxes(), (Shown{{unsupported, kWarning}}));

  m_boxes.boxes.clear();
  Import(kImportHead + "won=9\r\n");
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{m_boxes.boxes[0].text, unsupported, kWrittenText}));
  EXPECT_EQ(nuvari::test::ReadRegistryText(kFreeCellKey, "Path"), "freecell.exe");
  EXPECT_EQ(ReadFileBytes(m_entpackPath), "[ﾌﾘｰｾﾙ]\r\n勝=3\r\n");
}

TEST_F(KitStatisticsTest, FailedVersionQueryLeavesStatisticsAloneSilently) {
  UseFamily(WindowsFamily::Unknown);
  WriteFileBytes(m_entpackPath, "[ﾌﾘｰｾﾙ]\r\n勝=3\r\n");
  m_dialog->LoadFromRegistry();
  EXPECT_EQ(Record().won, 0);
  EXPECT_TRUE(m_boxes.boxes.empty());
}

// Mended: a statistics store that could not be written still ended with "written".
TEST_F(KitStatisticsTest, FailedEntpackWriteIsReportedByName) {
  CreateDirectoryA(m_entpackPath.c_str(), nullptr);  // no file can be written where a folder stands
  Import(kImportHead + "won=9\r\n");
  EXPECT_EQ(BoxTexts().back(), "次の環境データを書き込めませんでした。\n\n・フリーセルの成績（" + m_entpackPath + "）");
  EXPECT_EQ(nuvari::test::ReadRegistryText(kFreeCellKey, "Path"), "freecell.exe") << "the settings were written all the same";
}

}  // namespace
}  // namespace tooltest
