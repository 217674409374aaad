#include <gtest/gtest.h>

#include "FileSystem.h"
#include "NuvariDoc.h"
#include "RegistryScope.h"
#include "Files.h"
#include "InProcess.h"

using namespace nuvari::test;

namespace {

void Store(const std::string& name, const std::string& text) { WriteRegistryText(RegistryScope::kFreeCell, name, text); }
std::optional<std::string> Stored(const std::string& name) { return ReadRegistryText(RegistryScope::kFreeCell, name); }
bool IsStored(const std::string& name) { return ReadRegistryValue(RegistryScope::kFreeCell, name).has_value(); }

// The document's numbers: GameNo, Top, Left, IdleRow, AutoExit, GameOverYourWin, GameOverYourWinCnt.
std::vector<int> Numbers(const CNuvariDoc& doc) {
  return {doc.m_nGameNo, doc.m_nTop, doc.m_nLeft, doc.m_nIdleRow, doc.m_bAutoExit, doc.m_bGameOverYourWin,
          doc.m_nGameOverYourWinCnt};
}

}  // namespace

using Texts = std::vector<std::string>;

class SettingsStore : public ::testing::Test {
 protected:
  RegistryScope registry;
  nuvari::test::TestApp app;
  CNuvariDoc doc;
};

TEST_F(SettingsStore, FreshUserGetsDefaultsAndNoValuesUntilTheFirstChange) {
  doc.ReadSettings();
  EXPECT_TRUE(RegistryKeyExists(RegistryScope::kFreeCell));
  EXPECT_EQ(doc.m_strPath, "");  // no freecell.exe in this Windows
  EXPECT_EQ(Numbers(doc), (std::vector<int>{1, 0, 0, 0, 1, 0, 1}));
  EXPECT_EQ(doc.m_nPendingCount, 0);
  EXPECT_TRUE(doc.m_arrPending.empty());
  EXPECT_FALSE(IsStored("Path"));
  EXPECT_FALSE(IsStored("GameNo"));

  doc.AddPending(9);
  EXPECT_EQ(Stored("Path"), "");
  EXPECT_EQ(Stored("GameNo"), "1");
  EXPECT_EQ(Stored("AutoExit"), "1");
  EXPECT_EQ(Stored("Pending0"), "9");
}

TEST_F(SettingsStore, FreeCellFoundInTheWindowsOrSystemFolderBecomesTheBareName) {
  for (const auto& folder : {fw::WindowsDirectory(), fw::SystemDirectory()}) {
    ASSERT_TRUE(folder);
    ScopedFile placed(*folder + "\\freecell.exe");
    doc.ReadSettings();
    EXPECT_EQ(doc.m_strPath, "freecell.exe") << *folder;
    // The search result reaches the registry only with the next write.
    EXPECT_FALSE(IsStored("Path"));
  }
}

TEST_F(SettingsStore, AStoredPathIsKeptEvenWhenItNamesNoFile) {
  ScopedFile placed(*fw::WindowsDirectory() + "\\freecell.exe");
  Store("Path", "D:\\nowhere\\freecell.exe");
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
    Store("GameNo", row.stored);
    doc.ReadSettings();
    EXPECT_EQ(doc.m_nGameNo, row.expected) << "stored '" << row.stored << "'";
  }
  doc.WriteSettings();
  EXPECT_EQ(Stored("GameNo"), "32000") << "stored so at the next store";
}

TEST_F(SettingsStore, OtherValuesLoadUnchecked) {
  for (const auto& [name, text] : {std::pair{"Top", "-20"}, {"Left", "1500"}, {"IdleRow", "7"}, {"AutoExit", "-3"},
                                   {"GameOverYourWin", "2"}, {"GameOverYourWinCnt", "0"}})
    Store(name, text);
  doc.ReadSettings();
  EXPECT_EQ(Numbers(doc), (std::vector<int>{1, -20, 1500, 7, -3, 2, 0}));
}

// Zeros, and values outside 1..32000 alike, are no deals: the panel skips them, the store keeps them.
TEST_F(SettingsStore, PendingValuesThatAreNoDealsStayAndAreWrittenBack) {
  const std::vector<std::int32_t> rows[] = {{7, 0, 12}, {40000, -3, 5}};
  for (const std::vector<std::int32_t>& stored : rows) {
    SCOPED_TRACE(stored[0]);
    for (std::size_t i = 0; i < stored.size(); ++i) Store("Pending" + std::to_string(i), std::to_string(stored[i]));
    doc.ReadSettings();
    EXPECT_EQ(doc.m_arrPending, stored);
    EXPECT_EQ(doc.m_nPendingCount, 3);
    doc.WriteSettings();
    Texts texts;
    for (const std::int32_t deal : stored) texts.push_back(std::to_string(deal));
    EXPECT_EQ(registry.StoredPending(), texts);
  }
}

// Mended: a store ended between two writes (5, 7, 9 with 5 retired, written as 7, 9 over the first
// two values) left 7, 9, 9, and the panel listed 9 twice.
TEST_F(SettingsStore, ADealStoredTwiceIsHeldOnceAndTheStaleTailGoesAtTheNextStore) {
  Store("Pending0", "7");
  Store("Pending1", "9");
  Store("Pending2", "9");
  Store("Pending3", "0");
  Store("Pending4", "7");
  doc.ReadSettings();
  EXPECT_EQ(doc.m_arrPending, (std::vector<std::int32_t>{7, 9, 0}));
  EXPECT_EQ(doc.m_nPendingCount, 3);
  EXPECT_EQ(doc.m_nStoredPendingCount, 5);
  EXPECT_EQ(Stored("Pending2"), "9") << "stays until the next store";
  doc.WriteSettings();
  EXPECT_EQ(registry.StoredPending(), (Texts{"7", "9", "0"}));
  EXPECT_FALSE(IsStored("Pending4"));
  EXPECT_EQ(doc.m_nStoredPendingCount, 3);
}

TEST_F(SettingsStore, AGapEndsTheListAndLaterValuesAreLeftAlone) {
  Store("Pending0", "4");
  Store("Pending1", "5");
  Store("Pending3", "6");
  doc.ReadSettings();
  EXPECT_EQ(doc.m_arrPending, (std::vector<std::int32_t>{4, 5}));
  doc.WriteSettings();
  EXPECT_EQ(Stored("Pending3"), "6");
  doc.AddPending(8);
  doc.AddPending(9);  // position 3 is written now and replaces the old value
  EXPECT_EQ(Stored("Pending3"), "9");
}

TEST_F(SettingsStore, AnEmptyPendingValueEndsTheList) {
  Store("Pending0", "4");
  Store("Pending1", "");
  Store("Pending2", "6");
  doc.ReadSettings();
  EXPECT_EQ(doc.m_nPendingCount, 1);
}

TEST_F(SettingsStore, RemovedPendingValuesAreDeletedOnTheNextWrite) {
  for (int i = 0; i < 5; ++i) Store(settings_names::PendingName(i).c_str(), std::to_string(10 + i));
  doc.ReadSettings();
  doc.RemovePending(11);
  doc.RemovePending(12);
  EXPECT_EQ(registry.StoredPending(), (Texts{"10", "13", "14"}));
  EXPECT_FALSE(IsStored("Pending4"));
  EXPECT_EQ(doc.m_nStoredPendingCount, 3);
}

TEST_F(SettingsStore, RemovePendingTakesTheFirstEqualDealAndStoresEvenWithoutOne) {
  doc.ReadSettings();
  doc.AddPending(5);
  doc.AddPending(17);
  doc.AddPending(5);
  doc.RemovePending(5);
  EXPECT_EQ(doc.m_arrPending, (std::vector<std::int32_t>{17, 5}));
  EXPECT_EQ(doc.m_nPendingCount, 2);
  EXPECT_FALSE(IsStored("Pending2"));
  Store("GameNo", "77");  // a store happens even when nothing was removed
  doc.RemovePending(999);
  EXPECT_EQ(Stored("GameNo"), "1");
}

TEST_F(SettingsStore, SetSettingsWritesEveryFieldAsDecimalText) {
  doc.ReadSettings();
  doc.SetSettings({"C:\\Games\\フリーセル\\freecell.exe", 31999, -4, 250, 1, 0, 1, 100});
  const std::pair<const char*, const char*> expected[] = {
      {"Path", "C:\\Games\\フリーセル\\freecell.exe"}, {"GameNo", "31999"}, {"Top", "-4"}, {"Left", "250"},
      {"IdleRow", "1"}, {"AutoExit", "0"}, {"GameOverYourWin", "1"}, {"GameOverYourWinCnt", "100"}};
  for (const auto& [name, text] : expected) {
    auto value = ReadRegistryValue(RegistryScope::kFreeCell, name);
    ASSERT_TRUE(value) << name;
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ)) << name;
    EXPECT_EQ(Stored(name), text) << name;
  }
  CNuvariDoc reread;
  reread.ReadSettings();
  EXPECT_EQ(reread.m_strPath, "C:\\Games\\フリーセル\\freecell.exe");
  EXPECT_EQ(reread.m_nGameNo, 31999);
  EXPECT_EQ(reread.m_nTop, -4);
}

TEST_F(SettingsStore, APathStoredAsRegDwordIsReadAsItsBytes) {
  nuvari::test::WriteRegistryDword(RegistryScope::kFreeCell, "Path", 0x00393837);  // "789"
  doc.ReadSettings();
  EXPECT_EQ(doc.m_strPath, "789");
}
