// Won and lost deals reach FreeCell's statistics store of the chosen family: entpack.ini compared as a
// whole file, and the registry key's REG_DWORD values.
#include <gtest/gtest.h>

#include <string>

#include "Files.h"
#include "RegistryScope.h"
#include "StandIn.h"

namespace freecell::test {
namespace {

using namespace nuvari::test;

std::string WindowsDirectory() {
  std::string directory(GetWindowsDirectoryA(nullptr, 0), '\0');
  directory.resize(GetWindowsDirectoryA(directory.data(), static_cast<UINT>(directory.size())));
  return directory;
}

// entpack.ini in a known state for one test; the machine's own file comes back afterwards.
class EntpackIni {
 public:
  explicit EntpackIni(const std::string& content) { WriteFileBytes(m_file.Path(), content); }
  std::string Content() const { return ReadFileBytes(m_file.Path()).value_or(""); }

 private:
  RestoredFile m_file{WindowsDirectory() + "\\entpack.ini"};
};

const char kAppletKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell";

// The registry key removed before and after the test.
struct AppletKey {
  AppletKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kAppletKey); }
  ~AppletKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kAppletKey); }
};

// Plays deal `number` to its end (won unless listed in /lose) and answers the game-over box.
void FinishDeal(const StandIn& freeCell, int number) {
  ASSERT_TRUE(freeCell.PlayDeal(kFull, number));
  HWND gameOver = freeCell.WaitForBox(kFull.gameOver);
  ASSERT_NE(gameOver, nullptr);
  ASSERT_TRUE(nuvari::test::ClickButton(gameOver, "いいえ"));
  ASSERT_TRUE(nuvari::test::WaitUntilGone(gameOver, kWaitMs));
}

TEST(StatisticsStore, NtFamilyUpdatesEntpackIniAndKeepsTheMessagesKey) {
  EntpackIni ini("[ﾌﾘｰｾﾙ]\r\nﾒｯｾｰｼﾞ=5\r\n勝=3\r\n連勝/連敗=2\r\nstype=1\r\n連勝=2\r\n");
  {
    StandIn freeCell("/family=nt /autowin=50 /lose=2");
    FinishDeal(freeCell, 1);
    FinishDeal(freeCell, 2);
    ASSERT_TRUE(freeCell.Log().Contains("statistics 4 0 3 1"));
    ASSERT_TRUE(freeCell.Log().Contains("statistics 4 1 1 2"));
  }
  // Existing keys keep their place; the counters FreeCell had not written yet follow in its order.
  EXPECT_EQ(ini.Content(),
            "[ﾌﾘｰｾﾙ]\r\nﾒｯｾｰｼﾞ=5\r\n勝=4\r\n連勝/連敗=1\r\nstype=2\r\n連勝=3\r\n連敗=1\r\n敗=1\r\n");
}

TEST(StatisticsStore, Win95FamilyCreatesTheAppletKeyWithDwords) {
  AppletKey key;
  {
    StandIn freeCell("/family=95 /autowin=50 /lose=8");
    FinishDeal(freeCell, 8);
    FinishDeal(freeCell, 8);
    FinishDeal(freeCell, 9);
  }
  EXPECT_EQ(ReadRegistryTree(kAppletKey),
            (RegistryTree{{"losses", DwordValue(2)}, {"lost", DwordValue(2)}, {"streak", DwordValue(1)},
                          {"stype", DwordValue(1)}, {"wins", DwordValue(1)}, {"won", DwordValue(1)}}));
}

}  // namespace
}  // namespace freecell::test
