// The supervisor's registry keys as the tool reads, rewrites and deletes them, with the window
// question of the import and the refusals while the supervisor runs.
#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include <memory>

#include "Handles.h"
#include "SettingsStore.h"
#include "TitledWindow.h"
#include "ToolFixture.h"

namespace tooltest {
namespace {

using namespace nuvari::test;

// The session these tests start from: five pending deals.
void StoreSupervisorSession() { tooltest::StoreSupervisorSession("C:\\WINDOWS\\freecell.exe", "250", 5, 100); }

const EnvironmentRecord kFromFile{.Path = "freecell.exe", .GameNo = 7, .Top = 1, .Left = 2, .IdleRow = 2, .AutoExit = 1,
                                  .GameOverYourWin = 0, .GameOverYourWinCnt = 3, .Pending = {9, 8, 7},
                                  .Rect = "0001 0002 0003 0004", .icon = 1, .max = 0, .tool = 1, .status = 0};

// A plain window with the supervisor's exact title, as the running supervisor's main window.
using SupervisorWindow = nuvari::test::TitledWindow;
// The import's and the export's file dialogs as they open.
const SeenFileDialog kIniDialog{"*.ini", "環境ファイル(*.ini)"};

class KitRegistryTest : public ToolTest {};

// A fresh user reads the defaults (the found FreeCell, else no path) and gets empty keys; a stored
// path is taken unchecked, and empty values take their defaults.
TEST_F(KitRegistryTest, LoadTakesTheStoredValuesAndDefaultsForTheRest) {
  const std::vector<int> defaults{1, 0, 0, 0, 1, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, -1, -1, -1};
  std::vector<int> stored = defaults;
  stored[1] = 12;
  const struct {
    int line;
    bool freeCell;
    bool storedValues;
    WholeRecord record;
  } rows[] = {
      {__LINE__, false, false, {"", defaults, {}, "0010 0010 0550 0500"}},
      {__LINE__, true, false, {"freecell.exe", defaults, {}, "0010 0010 0550 0500"}},
      {__LINE__, true, true, {"D:\\nowhere.exe", stored, {3, 0}, "0010 0010 0550 0500"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    DeleteRegistryTree(RegistryScope::kMakerKey);
    if (row.freeCell) PutFreeCellInto(WindowsFolder());
    if (row.storedValues) {
      WriteRegistryTexts(kFreeCellKey, {{"Path", "D:\\nowhere.exe"}, {"GameNo", ""}, {"AutoExit", ""},
                                        {"Top", "12abc"}, {"Pending0", "3"}, {"Pending1", "0"}, {"Pending3", "5"}});
      WriteRegistryText(kWindowSizeKey, "Rect", "");
    }
    m_dialog->LoadFromRegistry();
    EXPECT_EQ(Whole(m_dialog->m_record), row.record);
    if (!row.storedValues) {
      EXPECT_EQ(std::pair(DescribeKey(kFreeCellKey), DescribeKey(kWindowSizeKey)), std::pair(Values{}, Values{}));
    }
  }
}

// The registry layer both programs share: every value comes back as written, in its type and text
// form, and one missing, empty or in a form its read cannot take reads as its default.
TEST_F(KitRegistryTest, SettingsStoreRoundTripsEveryValueAndDefaultsWhatItCannotRead) {
  const nuvari::SettingsStore store(m_app);
  const nuvari::SettingsValues settings{"D:\\fc.exe /x", 32000, -7, 1280, 2, 0, 1, 100};
  const nuvari::PlacementValues placement{"-005 0010 0550 0500", 1, 1, 0, 0};
  ASSERT_TRUE(store.WriteSettings(settings, {5, 0, 32000}));
  ASSERT_TRUE(store.WritePlacement(placement));
  EXPECT_EQ(DescribeKey(kFreeCellKey),
            (Values{"AutoExit=0", "GameNo=32000", "GameOverYourWin=1", "GameOverYourWinCnt=100", "IdleRow=2",
                    "Left=1280", "Path=D:\\fc.exe /x", "Pending0=5", "Pending1=0", "Pending2=32000", "Top=-7"}));
  EXPECT_EQ(DescribeKey(kWindowSizeKey),
            (Values{"Rect=-005 0010 0550 0500", "icon=dword:1", "max=dword:1", "status=dword:0", "tool=dword:0"}));
  EXPECT_EQ(store.ReadSettings(), settings);
  EXPECT_EQ(store.ReadPending(), (std::vector<std::int32_t>{5, 0, 32000}));
  EXPECT_EQ(store.ReadPlacement(), placement);

  ASSERT_TRUE(store.WriteSettings(settings, {5}, 3));
  EXPECT_EQ(store.ReadPending(), (std::vector<std::int32_t>{5})) << "the stale positions are deleted";

  WriteRegistryDword(kFreeCellKey, "GameNo", 0);  // four zero bytes: an empty text
  WriteRegistryText(kFreeCellKey, "AutoExit", "");
  DeleteRegistryTree(kWindowSizeKey);  // icon, max and status missing
  WriteRegistryDword(kWindowSizeKey, "Rect", 0);
  WriteRegistryText(kWindowSizeKey, "tool", "0000 0000");  // longer than the four bytes a flag reads
  nuvari::SettingsValues defaulted = settings;
  defaulted.gameNo = 1;
  defaulted.autoExit = 1;
  EXPECT_EQ(store.ReadSettings(), defaulted);
  EXPECT_EQ(store.ReadPlacement(), (nuvari::PlacementValues{"0010 0010 0550 0500", 0, 0, 1, 1}));
}

// Yes writes exactly the file's values (three pending deals over the session's five); No keeps this
// PC's places, the defaults where the supervisor never ran; the flags come from the file.
TEST_F(KitRegistryTest, ImportWritesTheFilesValuesAndThePlacesAsAnswered) {
  const struct {
    int line;
    bool supervisorRan;
    int answer;
    const char* top;
    const char* left;
    std::string rect;
  } rows[] = {{__LINE__, true, IDYES, "1", "2", "0001 0002 0003 0004"},
              {__LINE__, true, IDNO, "33", "44", "0200 0150 0740 0640"},
              {__LINE__, false, IDNO, "0", "0", "0010 0010 0550 0500"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    DeleteRegistryTree(RegistryScope::kMakerKey);
    if (row.supervisorRan) StoreSupervisorSession();
    m_boxes.boxes.clear();
    m_dialog->m_record = kFromFile;
    m_boxes.answers = {row.answer};
    m_dialog->SaveToRegistry();
    EXPECT_EQ(DescribeKey(kFreeCellKey),
              (Values{"AutoExit=1", "GameNo=7", "GameOverYourWin=0", "GameOverYourWinCnt=3", "IdleRow=2",
                      std::string("Left=") + row.left, "Path=freecell.exe", "Pending0=9", "Pending1=8", "Pending2=7",
                      std::string("Top=") + row.top}));
    EXPECT_EQ(DescribeKey(kWindowSizeKey),
              (Values{"Rect=" + row.rect, "icon=dword:1", "max=dword:0", "status=dword:0", "tool=dword:1"}));
    EXPECT_EQ(Boxes(), (Shown{{kPlacesQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2},
                                         {kWrittenText, kInformation}}));
  }
}

// Mended: a file from someone else could make the supervisor's next start run any program.
TEST_F(KitRegistryTest, ACommandLineThatDoesNotNameFreeCellIsShownBeforeItIsStored) {
  const std::string foreign = "\"C:\\Tools\\ソフト\\setup.exe\" /quiet /log=\"C:\\a b\\x.log\"";
  const struct {
    int line;
    bool supervisorRan;
    int answer;
    std::string stored;
  } rows[] = {
      {__LINE__, true, IDYES, foreign},
      {__LINE__, true, IDNO, "C:\\WINDOWS\\freecell.exe"},
      {__LINE__, false, IDNO, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    DeleteRegistryTree(RegistryScope::kMakerKey);
    if (row.supervisorRan) StoreSupervisorSession();
    m_boxes.boxes.clear();
    m_boxes.answers = {row.answer, IDYES};
    // Reading the current Path creates the keys of a fresh user, as every read does; no value changes.
    bool nothingWrittenWhileAsked = false;
    const std::optional<std::string> gameNoBefore = ReadRegistryText(kFreeCellKey, "GameNo");
    m_boxes.onBox = [&](const nuvari::test::RecordedBox&) {
      if (m_boxes.boxes.size() == 1) nothingWrittenWhileAsked = ReadRegistryText(kFreeCellKey, "GameNo") == gameNoBefore;
    };
    m_dialog->m_record = kFromFile;
    m_dialog->m_record.Path = foreign;
    m_dialog->SaveToRegistry();
    m_boxes.onBox = nullptr;
    EXPECT_EQ(Boxes(), (Shown{
                           {"環境ファイルの「フリーセルのパス」は、フリーセルではない可能性があります。\n\n" + foreign +
                                "\n\nこのコマンド ラインは、次に「Nuvari」を起動したときに実行されます。\n"
                                "このまま書き込みますか？\n\n「いいえ」を押すと、このパソコンの「フリーセルのパス」は"
                                "そのままで、ほかの環境データを書き込みます。",
                            MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2},
                           {kPlacesQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2},
                           {kWrittenText, kInformation}}));
    EXPECT_TRUE(nothingWrittenWhileAsked);
    EXPECT_EQ(ReadRegistryText(kFreeCellKey, "Path"), row.stored);
    EXPECT_EQ(ReadRegistryText(kFreeCellKey, "GameNo"), "7") << "everything else comes from the file";
  }
}

TEST_F(KitRegistryTest, ACommandLineNamingFreeCellInAnyCaseIsStoredWithoutTheQuestion) {
  m_dialog->m_record = kFromFile;
  m_dialog->m_record.Path = "\"D:\\Games\\FreeCell.EXE\" /x";
  m_boxes.answers = {IDYES};
  m_dialog->SaveToRegistry();
  EXPECT_EQ(m_boxes.boxes.size(), 2u);
  EXPECT_EQ(ReadRegistryText(kFreeCellKey, "Path"), "\"D:\\Games\\FreeCell.EXE\" /x");
}

// No changes nothing; Yes removes the supervisor's keys but not the maker's others. A window whose
// title is not exactly the supervisor's does not stop it.
TEST_F(KitRegistryTest, DeleteCommandAsksFirstAndRemovesOnlyTheSupervisorsKeys) {
  StoreSupervisorSession();
  WriteRegistryText("Software\\Talvenko\\Other", "x", "1");
  const SupervisorWindow other("Nuvari ﾂｰﾙ");
  const Values before = DescribeKey(kFreeCellKey);
  m_boxes.answers = {IDNO, IDYES};
  m_dialog->OnCmdMsg(IDC_BUTTON_DELETE, BN_CLICKED, nullptr);
  EXPECT_EQ(DescribeKey(kFreeCellKey), before);
  m_dialog->OnCmdMsg(IDC_BUTTON_DELETE, BN_CLICKED, nullptr);
  EXPECT_FALSE(RegistryKeyExists(RegistryScope::kRoot));
  EXPECT_TRUE(RegistryKeyExists("Software\\Talvenko\\Other"));
  const std::pair<std::string, UINT> question{
      "環境データを削除すると「Nuvari」は初期状態に戻ります。\n\n環境データを削除しますか？", MB_YESNO | MB_ICONQUESTION};
  EXPECT_EQ(Boxes(), (Shown{question, question, {"環境データを削除しました。", kInformation}}));
  EXPECT_TRUE(m_dialog->DeleteRegistry()) << "keys that are already gone count as deleted";
}

TEST_F(KitRegistryTest, DeleteThenExportGivesDefaultsAndRecreatesTheKeys) {
  StoreSupervisorSession();
  PutFreeCellInto(SystemFolder());
  ASSERT_TRUE(m_dialog->DeleteRegistry());
  m_dialog->LoadFromRegistry();
  ASSERT_TRUE(m_dialog->SaveEnvironmentFile(FilePath("defaults.ini")));
  EXPECT_EQ(ReadFileBytes(FilePath("defaults.ini")),
            "[FreeCell]\r\nPath=freecell.exe\r\nGameNo=1\r\nTop=0\r\nLeft=0\r\nIdleRow=0\r\nAutoExit=1\r\n"
            "GameOverYourWin=0\r\nGameOverYourWinCnt=1\r\n"
            "[Window size]\r\nRect=0010 0010 0550 0500\r\nicon=0\r\nmax=0\r\ntool=1\r\nstatus=1\r\n"
            "[FreeCellData]\r\nlosses=0\r\nlost=0\r\nstreak=0\r\nstype=0\r\nwins=0\r\nwon=0\r\nmessages=-1\r\n"
            "quick=-1\r\ndblclick=-1\r\n");
  EXPECT_TRUE(RegistryKeyExists(kFreeCellKey));
  EXPECT_TRUE(RegistryKeyExists(kWindowSizeKey));
  EXPECT_EQ(DescribeKey(kFreeCellKey), Values{});
}

TEST_F(KitRegistryTest, FileWithoutPathExportedWhereNoFreeCellIsIsRefusedLater) {
  m_dialog->LoadFromRegistry();
  ASSERT_TRUE(m_dialog->SaveEnvironmentFile(FilePath("nopath.ini")));
  EXPECT_FALSE(m_dialog->LoadEnvironmentFile(FilePath("nopath.ini")));
}

// A key turned read-only for the life of the scope (its children can be neither removed nor
// created); full access comes back at the end whatever the test asserted meanwhile, so the
// registry scope can remove it.
class ReadOnlyKey {
 public:
  explicit ReadOnlyKey(const char* path) : m_path(path), m_bApplied(Apply("D:(A;;KRWD;;;WD)")) {}
  ~ReadOnlyKey() { Apply("D:(A;;KA;;;WD)"); }
  ReadOnlyKey(const ReadOnlyKey&) = delete;
  ReadOnlyKey& operator=(const ReadOnlyKey&) = delete;
  bool Applied() const { return m_bApplied; }

 private:
  bool Apply(const char* sddl) const {
    PSECURITY_DESCRIPTOR raw = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &raw, nullptr)) return false;
    const std::unique_ptr<void, decltype(&LocalFree)> descriptor(raw, &LocalFree);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, m_path, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return false;
    const fw::UniqueHKey owned(key);
    return RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, raw) == ERROR_SUCCESS;
  }
  const char* m_path;
  bool m_bApplied;
};

// Mended: registry writes that failed ended with "written" all the same.
TEST_F(KitRegistryTest, FailedRegistryWriteIsReportedInsteadOfTheCompletion) {
  StoreSupervisorSession();
  m_dialog->m_record = kFromFile;
  m_boxes.answers = {IDYES};
  {
    ReadOnlyKey maker(RegistryScope::kMakerKey);
    ASSERT_TRUE(maker.Applied());
    m_dialog->SaveToRegistry();
  }
  EXPECT_EQ(Boxes(), (Shown{{kPlacesQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2},
                                       {"次の環境データを書き込めませんでした。\n\n・Nuvari の設定（レジストリ）", kWarning}}));
}

// Mended: an import or delete while the supervisor runs was silently undone by its next store.
TEST_F(KitRegistryTest, ImportAndDeleteAreRefusedWhileTheSupervisorRuns) {
  StoreSupervisorSession();
  const Values before = DescribeKey(kFreeCellKey);
  {
    SupervisorWindow supervisor("Nuvari");
    FileDialogAnswerer watchdog({""});  // a wrongly opened file dialog is cancelled, not left hanging
    m_dialog->OnCmdMsg(IDC_BUTTON_IMPORT, BN_CLICKED, nullptr);
    m_dialog->OnCmdMsg(IDC_BUTTON_DELETE, BN_CLICKED, nullptr);
  }
  EXPECT_EQ(DescribeKey(kFreeCellKey), before);
  const std::string refusal = "「Nuvari」が起動しています。\n「Nuvari」を終了してから、もう一度実行してください。";
  EXPECT_EQ(Boxes(), (Shown{{refusal, kWarning}, {refusal, kWarning}}));
}

TEST_F(KitRegistryTest, ImportAsksAgainUntilAnEnvironmentFileIsChosen) {
  WriteFileBytes(FilePath("other.ini"), "[Settings]\r\nPath=x\r\n");
  WriteFileBytes(FilePath("good.ini"), "[FreeCell]\r\nPath=freecell.exe\r\nGameNo=42\r\nIdleRow=1\r\nAutoExit=0\r\n");
  m_boxes.answers = {IDOK, IDYES, IDOK};
  FileDialogAnswerer answerer({FilePath("other.ini"), FilePath("good.ini")});
  m_dialog->OnCmdMsg(IDC_BUTTON_IMPORT, BN_CLICKED, nullptr);
  EXPECT_EQ(answerer.Finish(), std::vector(2, kIniDialog));
  EXPECT_EQ(BoxTexts(), (Values{"指定されたファイルは、Nuvariの環境ファイルではありません。\nもう一度ファイルを指定してください。",
                                kPlacesQuestion, kWrittenText}));
  EXPECT_EQ(ReadRegistryText(kFreeCellKey, "GameNo"), "42");
}

// A cancelled import writes nothing; the export adds the default extension to the typed name.
TEST_F(KitRegistryTest, CancelledImportWritesNothingAndExportGoesThroughTheSaveDialog) {
  StoreSupervisorSession();
  const Values before = DescribeKey(kFreeCellKey);
  FileDialogAnswerer answerer({"", FilePath("saved")});
  m_dialog->OnCmdMsg(IDC_BUTTON_IMPORT, BN_CLICKED, nullptr);
  EXPECT_EQ(DescribeKey(kFreeCellKey), before);
  EXPECT_TRUE(m_boxes.boxes.empty());
  m_dialog->OnCmdMsg(IDC_BUTTON_EXPORT, BN_CLICKED, nullptr);
  EXPECT_EQ(answerer.Finish(), std::vector(2, kIniDialog));
  const std::string file = ReadFileBytes(FilePath("saved.ini")).value_or("");
  EXPECT_EQ(file.rfind("[FreeCell]\r\nPath=C:\\WINDOWS\\freecell.exe\r\nGameNo=250\r\n", 0), 0u) << file;
  EXPECT_EQ(Boxes(), (Shown{{kReadOutText, kInformation}}));
}

}  // namespace
}  // namespace tooltest
