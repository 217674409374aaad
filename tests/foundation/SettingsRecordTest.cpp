// The settings record in the registry: defaults, the loaded forms of each value, the pending list.
#include <gtest/gtest.h>

#include "FileSystem.h"
#include "NuvariDoc.h"
#include "RegistryScope.h"
#include "Files.h"
#include "InProcess.h"

#include <sstream>
#include <tuple>

using namespace nuvari::test;

namespace {

// The document's numbers: GameNo, Top, Left, IdleRow, AutoExit, GameOverYourWin, GameOverYourWinCnt.
std::vector<int> Numbers(const CNuvariDoc& doc) {
  return {doc.m_nGameNo, doc.m_nTop, doc.m_nLeft, doc.m_nIdleRow, doc.m_bAutoExit, doc.m_bGameOverYourWin,
          doc.m_nGameOverYourWinCnt};
}

// The FreeCell key holding these REG_SZ values and no others.
RegistryTree TextValues(std::initializer_list<std::pair<const char*, std::string>> values) {
  RegistryTree tree;
  for (const auto& [name, text] : values) tree[name] = TextValue(text);
  return tree;
}

}  // namespace

class SettingsStore : public ::testing::Test {
 protected:
  // Pending0, Pending1, ... as "4,,6": "-" for a missing value, the missing ones at the end left out.
  void StorePending(const std::string& values) const {
    std::istringstream in(values);
    int i = 0;
    for (std::string text; std::getline(in, text, ','); ++i)
      if (text != "-") registry.Store(settings_names::PendingName(i), text);
  }
  std::string StoredPending() const {
    std::string values;
    for (int i = 0; i < 10; ++i)
      values += (i ? "," : "") + registry.Stored(settings_names::PendingName(i)).value_or("-");
    while (values.size() > 1 && values.ends_with(",-")) values.resize(values.size() - 2);
    return values;
  }

  RegistryScope registry;
  nuvari::test::TestApp app;
  CNuvariDoc doc;
};

TEST_F(SettingsStore, FreshUserGetsDefaultsAndNoValuesUntilTheFirstChange) {
  doc.ReadSettings();
  EXPECT_TRUE(RegistryKeyExists(RegistryScope::kFreeCell));
  EXPECT_EQ(doc.m_strPath, "");  // no freecell.exe in this Windows
  EXPECT_EQ(Numbers(doc), (std::vector<int>{1, 0, 0, 0, 1, 0, 1}));
  EXPECT_EQ(std::tuple(doc.m_arrPending, doc.m_nPendingCount), std::tuple(std::vector<std::int32_t>{}, 0));
  EXPECT_EQ(ReadRegistryTree(RegistryScope::kFreeCell), RegistryTree{});

  doc.AddPending(9);
  EXPECT_EQ(ReadRegistryTree(RegistryScope::kFreeCell),
            TextValues({{"Path", ""}, {"GameNo", "1"}, {"Top", "0"}, {"Left", "0"}, {"IdleRow", "0"}, {"AutoExit", "1"},
                        {"GameOverYourWin", "0"}, {"GameOverYourWinCnt", "1"}, {"Pending0", "9"}}));
}

TEST_F(SettingsStore, FreeCellFoundInTheWindowsOrSystemFolderBecomesTheBareName) {
  for (const auto& folder : {fw::WindowsDirectory(), fw::SystemDirectory()}) {
    ASSERT_TRUE(folder);
    ScopedFile placed(*folder + "\\freecell.exe");
    doc.ReadSettings();
    EXPECT_EQ(doc.m_strPath, "freecell.exe") << *folder;
    // The search result reaches the registry only with the next write.
    EXPECT_EQ(registry.Stored("Path"), std::nullopt);
  }
}

TEST_F(SettingsStore, AStoredPathIsKeptEvenWhenItNamesNoFile) {
  ScopedFile placed(*fw::WindowsDirectory() + "\\freecell.exe");
  registry.Store("Path", "D:\\nowhere\\freecell.exe");
  doc.ReadSettings();
  EXPECT_EQ(doc.m_strPath, "D:\\nowhere\\freecell.exe");
}

// Mended: a GameNo outside 1..32000 was typed into FreeCell, which refused it, and nothing was played.
TEST_F(SettingsStore, GameNoTextFormsLoadAsTheNearestDeal) {
  struct Row { const char* stored; int expected; } rows[] = {
      {"abc", 1}, {"  12abc", 12}, {"-5", 1}, {"0", 1}, {"", 1}, {"32000", 32000}, {"40000", 32000},
      {"99999999999", 32000},
  };
  for (const Row& row : rows) {
    registry.Store("GameNo", row.stored);
    doc.ReadSettings();
    EXPECT_EQ(doc.m_nGameNo, row.expected) << "stored '" << row.stored << "'";
  }
  doc.WriteSettings();
  EXPECT_EQ(registry.Stored("GameNo"), "32000") << "stored so at the next store";
}

TEST_F(SettingsStore, OtherValuesLoadUnchecked) {
  registry.Store({{"Top", "-20"}, {"Left", "1500"}, {"IdleRow", "7"}, {"AutoExit", "-3"}, {"GameOverYourWin", "2"},
                  {"GameOverYourWinCnt", "0"}});
  doc.ReadSettings();
  EXPECT_EQ(Numbers(doc), (std::vector<int>{1, -20, 1500, 7, -3, 2, 0}));
}

// Zeros, and values outside 1..32000 alike, are no deals: the panel skips them, the store keeps them.
// Mended: a store ended between two writes (5, 7, 9 with 5 retired, written as 7, 9 over the first
// two values) left 7, 9, 9, and the panel listed 9 twice; the stale tail goes at the next store.
// A gap or an empty value ends the list; the values after it are left alone.
TEST_F(SettingsStore, PendingValuesAreReadUpToAGapWithoutRepeatsAndWrittenBackAsHeld) {
  const struct {
    int line;
    const char* stored;
    std::vector<std::int32_t> held;
    int storedCount;  // as read
    const char* written;
  } rows[] = {
      {__LINE__, "7,0,12", {7, 0, 12}, 3, "7,0,12"},   {__LINE__, "40000,-3,5", {40000, -3, 5}, 3, "40000,-3,5"},
      {__LINE__, "7,9,9,0,7", {7, 9, 0}, 5, "7,9,0"}, {__LINE__, "4,5,-,6", {4, 5}, 2, "4,5,-,6"},
      {__LINE__, "4,,6", {4}, 1, "4,,6"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    DeleteRegistryTree(RegistryScope::kFreeCell);
    StorePending(row.stored);
    CNuvariDoc read;
    read.ReadSettings();
    EXPECT_EQ(std::tuple(read.m_arrPending, read.m_nPendingCount, read.m_nStoredPendingCount),
              std::tuple(row.held, static_cast<int>(row.held.size()), row.storedCount));
    EXPECT_EQ(StoredPending(), row.stored) << "a read writes nothing";
    read.WriteSettings();
    EXPECT_EQ(StoredPending(), row.written);
    EXPECT_EQ(read.m_nStoredPendingCount, static_cast<int>(row.held.size()));
  }
}

TEST_F(SettingsStore, AddingOverAGapReplacesTheOldValue) {
  StorePending("4,5,-,6");
  doc.ReadSettings();
  doc.AddPending(8);
  EXPECT_EQ(registry.Stored("Pending3"), "6");
  doc.AddPending(9);
  EXPECT_EQ(registry.Stored("Pending3"), "9");
}

TEST_F(SettingsStore, RemovedPendingValuesAreDeletedOnTheNextWrite) {
  StorePending("10,11,12,13,14");
  doc.ReadSettings();
  doc.RemovePending(11);
  doc.RemovePending(12);
  EXPECT_EQ(StoredPending(), "10,13,14");
  EXPECT_EQ(doc.m_nStoredPendingCount, 3);
}

TEST_F(SettingsStore, RemovePendingTakesTheFirstEqualDealAndStoresEvenWithoutOne) {
  doc.ReadSettings();
  doc.AddPending(5);
  doc.AddPending(17);
  doc.AddPending(5);
  doc.RemovePending(5);
  EXPECT_EQ(std::tuple(doc.m_arrPending, doc.m_nPendingCount), std::tuple(std::vector<std::int32_t>{17, 5}, 2));
  EXPECT_EQ(StoredPending(), "17,5");
  registry.Store("GameNo", "77");  // a store happens even when nothing was removed
  doc.RemovePending(999);
  EXPECT_EQ(registry.Stored("GameNo"), "1");
}

TEST_F(SettingsStore, SetSettingsWritesEveryFieldAsDecimalTextAndReadsBackAsSet) {
  const std::string path = "C:\\Games\\フリーセル\\freecell.exe";
  doc.ReadSettings();
  doc.SetSettings({path, 31999, -4, 250, 1, 0, 1, 100});
  EXPECT_EQ(ReadRegistryTree(RegistryScope::kFreeCell),
            TextValues({{"Path", path}, {"GameNo", "31999"}, {"Top", "-4"}, {"Left", "250"}, {"IdleRow", "1"},
                        {"AutoExit", "0"}, {"GameOverYourWin", "1"}, {"GameOverYourWinCnt", "100"}}));
  CNuvariDoc reread;
  reread.ReadSettings();
  EXPECT_EQ(reread.m_strPath, path);
  EXPECT_EQ(Numbers(reread), (std::vector<int>{31999, -4, 250, 1, 0, 1, 100}));
}

TEST_F(SettingsStore, APathStoredAsRegDwordIsReadAsItsBytes) {
  nuvari::test::WriteRegistryDword(RegistryScope::kFreeCell, "Path", 0x00393837);  // "789"
  doc.ReadSettings();
  EXPECT_EQ(doc.m_strPath, "789");
}
