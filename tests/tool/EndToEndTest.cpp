// NuvariKit.exe itself under Wine, driven from outside through its dialog, the system's file
// dialogs and its message boxes: export, delete, import, and the registry is what it was.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "Programs.h"
#include "ToolFixture.h"

namespace tooltest {
namespace {

constexpr DWORD kWaitMs = 15000;

// The test's registry and FreeCell's Windows NT store: the tool runs in a process of its own.
class KitEndToEndTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    WriteFileBytes(m_entpackPath, "[ﾌﾘｰｾﾙ]\r\n連敗=1\r\n敗=2\r\n連勝/連敗=3\r\nstype=1\r\n連勝=5\r\n勝=6\r\nﾒｯｾｰｼﾞ=1\r\n");
  }

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
    PressButton(m_main, IDC_BUTTON_EXPORT);
    ChooseInFileDialog(path);
    Answer(kReadOutText, IDOK);
  }
  void Delete() {
    PressButton(m_main, IDC_BUTTON_DELETE);
    Answer("環境データを削除すると「Nuvari」は初期状態に戻ります。\n\n環境データを削除しますか？", IDYES);
    Answer("環境データを削除しました。", IDOK);
  }
  void Import(const std::string& path, int windowAnswer) {
    PressButton(m_main, IDC_BUTTON_IMPORT);
    ChooseInFileDialog(path);
    Answer(kPlacesQuestion, windowAnswer);
    Answer(kWrittenText, IDOK);
  }

  std::unique_ptr<nuvari::test::ChildProcess> m_tool;
  HWND m_main = nullptr;
};

TEST_F(KitEndToEndTest, ExportDeleteImportRestoresTheEnvironment) {
  StoreSupervisorSession("C:\\ゲーム\\freecell.exe", "1234", 4, 300);
  const Values freeCell = DescribeKey(kFreeCellKey);
  const Values windowSize = DescribeKey(kWindowSizeKey);
  const std::string entpack = ReadFileBytes(m_entpackPath).value_or("");
  ASSERT_NO_FATAL_FAILURE(StartTool());

  const std::string file = FilePath("環境");
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
  EXPECT_EQ(DescribeKey(kFreeCellKey), freeCell);
  EXPECT_EQ(DescribeKey(kWindowSizeKey), windowSize);
  EXPECT_EQ(ReadFileBytes(m_entpackPath), entpack);

  // No to the window question after a delete: this PC has no places, so the defaults go in.
  ASSERT_NO_FATAL_FAILURE(Delete());
  ASSERT_NO_FATAL_FAILURE(Import(file + ".ini", IDNO));
  Values expectedFreeCell = freeCell;
  for (std::string& value : expectedFreeCell) {
    if (value.rfind("Top=", 0) == 0) value = "Top=0";
    if (value.rfind("Left=", 0) == 0) value = "Left=0";
  }
  EXPECT_EQ(DescribeKey(kFreeCellKey), expectedFreeCell);
  EXPECT_EQ(nuvari::test::ReadRegistryText(kWindowSizeKey, "Rect"), "0010 0010 0550 0500");

  PressButton(m_main, IDOK);
  EXPECT_EQ(m_tool->WaitForExit(kWaitMs), DWORD{0});
}

}  // namespace
}  // namespace tooltest
