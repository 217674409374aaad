// NuvariKit.exe itself under Wine, driven from outside through its dialog, the system's file
// dialogs and its message boxes: export, delete, import, and the registry is what it was.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "FileDialogDriver.h"
#include "RegistryScope.h"
#include "ToolTestFiles.h"
#include "WindowSearch.h"
#include "Programs.h"

namespace tooltest {
namespace {

using nuvari::test::WriteRegistryDword;
using nuvari::test::WriteRegistryText;
using Values = std::vector<std::string>;

constexpr DWORD kWaitMs = 15000;
constexpr int kExport = 1000;
constexpr int kImport = 1001;
constexpr int kDelete = 1002;

std::string WindowsFolder() {
  std::string folder(MAX_PATH, '\0');
  folder.resize(GetWindowsDirectoryA(folder.data(), MAX_PATH));
  return folder;
}

class KitEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder = CurrentFolder() + "\\tool-e2e";
    RemoveTree(m_folder);
    CreateDirectoryA(m_folder.c_str(), nullptr);
    m_entpack = WindowsFolder() + "\\entpack.ini";
    m_savedEntpack = ReadFileBytes(m_entpack);
    WriteFileBytes(m_entpack, "[ﾌﾘｰｾﾙ]\r\n連敗=1\r\n敗=2\r\n連勝/連敗=3\r\nstype=1\r\n連勝=5\r\n勝=6\r\nﾒｯｾｰｼﾞ=1\r\n");
  }
  void TearDown() override {
    DeleteFileA(m_entpack.c_str());
    if (m_savedEntpack) WriteFileBytes(m_entpack, *m_savedEntpack);
    RemoveTree(m_folder);
  }

  // Presses a button of the tool's dialog; the command's own windows come next.
  void Press(int id) { PressButton(m_main, id); }

  // The next "Nuvari" box must carry this text; it is answered with the button.
  void Answer(const std::string& text, int button) {
    HWND box = nuvari::test::WaitForDialog("Nuvari", nuvari::test::Match::Equals, kWaitMs, m_tool->Id());
    ASSERT_NE(box, nullptr) << "no box for: " << text;
    EXPECT_EQ(nuvari::test::MessageBoxText(box), text);
    PressButton(box, button);
    ASSERT_TRUE(nuvari::test::WaitUntilGone(box, kWaitMs));
  }

  void ChooseInFileDialog(const std::string& path) {
    HWND dialog = WaitForFileDialog(m_tool->Id(), kWaitMs);
    ASSERT_NE(dialog, nullptr);
    ChooseFile(dialog, path);
    ASSERT_TRUE(nuvari::test::WaitUntilGone(dialog, kWaitMs));
  }

  void StartTool() {
    m_tool = std::make_unique<nuvari::test::ChildProcess>(nuvari::test::NuvariKitCommandLine());
    ASSERT_TRUE(m_tool->Started());
    m_main = nuvari::test::WaitForTopLevel("Nuvari ﾂｰﾙ", nuvari::test::Match::Equals, kWaitMs, m_tool->Id());
    ASSERT_NE(m_main, nullptr);
  }

  void Export(const std::string& path) {
    Press(kExport);
    ChooseInFileDialog(path);
    Answer(kReadOutText, IDOK);
  }
  void Delete() {
    Press(kDelete);
    Answer("環境データを削除すると「Nuvari」は初期状態に戻ります。\n\n環境データを削除しますか？", IDYES);
    Answer("環境データを削除しました。", IDOK);
  }
  void Import(const std::string& path, int windowAnswer) {
    Press(kImport);
    ChooseInFileDialog(path);
    Answer(kPlacesQuestion, windowAnswer);
    Answer(kWrittenText, IDOK);
  }

  nuvari::test::RegistryScope m_registry;
  std::string m_folder;
  std::string m_entpack;
  std::optional<std::string> m_savedEntpack;
  std::unique_ptr<nuvari::test::ChildProcess> m_tool;
  HWND m_main = nullptr;
};

TEST_F(KitEndToEndTest, ExportDeleteImportRestoresTheEnvironment) {
  tooltest::StoreSupervisorSession("C:\\ゲーム\\freecell.exe", "1234", 4, 300);
  const Values freeCell = DescribeKey(nuvari::test::RegistryScope::kFreeCell);
  const Values windowSize = DescribeKey(nuvari::test::RegistryScope::kWindowSize);
  const std::string entpack = ReadFileBytes(m_entpack).value_or("");
  ASSERT_NO_FATAL_FAILURE(StartTool());

  const std::string file = m_folder + "\\環境";
  ASSERT_NO_FATAL_FAILURE(Export(file));
  const std::string written = ReadFileBytes(file + ".ini").value_or("");
  EXPECT_EQ(written.rfind("[FreeCell]\r\nPath=C:\\ゲーム\\freecell.exe\r\nGameNo=1234\r\n", 0), 0u) << written;
  EXPECT_NE(written.find("[FreeCellData]\r\nlosses=1\r\nlost=2\r\nstreak=3\r\nstype=1\r\nwins=5\r\nwon=6\r\nmessages=1\r\n"),
            std::string::npos)
      << written;

  ASSERT_NO_FATAL_FAILURE(Delete());
  EXPECT_FALSE(nuvari::test::RegistryKeyExists(nuvari::test::RegistryScope::kRoot));
  EXPECT_TRUE(nuvari::test::RegistryKeyExists(nuvari::test::RegistryScope::kMakerKey));

  ASSERT_NO_FATAL_FAILURE(Import(file + ".ini", IDYES));
  EXPECT_EQ(DescribeKey(nuvari::test::RegistryScope::kFreeCell), freeCell);
  EXPECT_EQ(DescribeKey(nuvari::test::RegistryScope::kWindowSize), windowSize);
  EXPECT_EQ(ReadFileBytes(m_entpack), entpack);

  // No to the window question after a delete: this PC has no places, so the defaults go in.
  ASSERT_NO_FATAL_FAILURE(Delete());
  ASSERT_NO_FATAL_FAILURE(Import(file + ".ini", IDNO));
  Values expectedFreeCell = freeCell;
  for (std::string& value : expectedFreeCell) {
    if (value.rfind("Top=", 0) == 0) value = "Top=0";
    if (value.rfind("Left=", 0) == 0) value = "Left=0";
  }
  EXPECT_EQ(DescribeKey(nuvari::test::RegistryScope::kFreeCell), expectedFreeCell);
  EXPECT_EQ(nuvari::test::ReadRegistryText(nuvari::test::RegistryScope::kWindowSize, "Rect"), "0010 0010 0550 0500");

  Press(IDOK);
  EXPECT_EQ(m_tool->WaitForExit(kWaitMs), DWORD{0});
}

}  // namespace
}  // namespace tooltest
