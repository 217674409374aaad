// The settings dialog on its own: filling and reading its controls, the path check on OK,
// browse, help and the up-down control.
#include <windows.h>
#include <commctrl.h>

#include <deque>

#include "Cp932.h"
#include "PanelHarness.h"
#include "SettingsDlg.h"

namespace paneltest {
namespace {

using Texts = std::vector<std::string>;

constexpr char kPathMissing[] = "「フリーセルのパス：」に指定されたファイルは存在しません。";
constexpr char kCountRange[] = "1 から 100 までの整数を入力してください。";

// What the open-file dialog was given.
struct Browse {
  std::string title, filter, initialName, defaultExtension;
  DWORD flags = 0;  // of the three that matter here
  DWORD filterIndex = 0;
  HWND owner = nullptr;
  bool operator==(const Browse&) const = default;
};

// The dialog with the player's file choice standing in for the open-file dialog.
class BrowsingSettingsDlg : public CSettingsDlg {
 public:
  std::optional<std::string> choice;
  int browses = 0;
  Browse seen;

 protected:
  std::optional<std::string> ChooseFile(fw::CFileDialog& dialog) override {
    ++browses;
    const OPENFILENAMEA& ofn = dialog.m_ofn;
    // The filter as the system reads it: zero-separated, ended by two zeros.
    const char* end = ofn.lpstrFilter;
    while (end[0] != '\0' || end[1] != '\0') ++end;
    seen = {dialog.m_strTitle,
            std::string(ofn.lpstrFilter, end + 2),
            ofn.lpstrFile,
            ofn.lpstrDefExt ? ofn.lpstrDefExt : "",
            ofn.Flags & (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT),
            ofn.nFilterIndex,
            ofn.hwndOwner};
    return choice;
  }
};

class SettingsDialog : public PanelTest {
 protected:
  SettingsDialog() {
    m_app = std::make_unique<nuvari::test::TestApp>();
    m_dialog.m_strPath = "";
    m_dialog.m_nIdleRow = 0;
    m_dialog.m_bAutoExit = 1;
    m_dialog.m_bGameOverYourWin = 0;
    m_dialog.m_nGameOverYourWinCnt = 1;
  }
  // Runs the dialog with the player's part (the same dialog object each time); the result of the
  // modal run.
  INT_PTR Run(std::function<void(HWND)> act) {
    ModalDriver driver(kSettingsCaption, std::move(act));
    const INT_PTR result = m_dialog.DoModal();
    EXPECT_EQ(driver.Runs(), 1);
    EXPECT_EQ(driver.LeftOpen(), 0);
    return result;
  }
  static bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  static std::string TextOf(HWND dialog, int id) { return fw::GetWindowTextString(GetDlgItem(dialog, id)); }

  BrowsingSettingsDlg m_dialog;
  const std::string m_folder = TemporaryFolder("nuvari-dialog");
};

TEST_F(SettingsDialog, OpensWithTheMembersAndTheTemplate) {
  m_dialog.m_strPath = "c:\\games\\freecell.exe";
  m_dialog.m_nIdleRow = 1;
  m_dialog.m_nGameOverYourWinCnt = 37;
  const INT_PTR result = Run([&](HWND dialog) {
    EXPECT_EQ(fw::GetWindowTextString(dialog), kSettingsCaption);
    EXPECT_EQ(TextOf(dialog, IDC_PATH), "c:\\games\\freecell.exe");
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_PATH));
    EXPECT_NE(GetWindowLongA(GetDlgItem(dialog, IDC_PATH), GWL_STYLE) & ES_LOWERCASE, 0);
    EXPECT_EQ(TextOf(dialog, IDC_BUTTON_BROWSE), "参照(\036R\037ｻ)");
    EXPECT_FALSE(Checked(dialog, IDC_IDLE_ROW_COLUMN));
    EXPECT_TRUE(Checked(dialog, IDC_IDLE_ROW_ONE_CARD));
    EXPECT_TRUE(Checked(dialog, IDC_AUTO_EXIT));
    EXPECT_FALSE(Checked(dialog, IDC_GAME_OVER_YOUR_WIN));
    EXPECT_EQ(TextOf(dialog, IDC_WIN_COUNT), "37");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_WIN_COUNT)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_WIN_COUNT_SPIN)));
    // The check box enables the count without touching the members.
    PressIn(dialog, IDC_GAME_OVER_YOUR_WIN);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_WIN_COUNT)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_WIN_COUNT_SPIN)));
    EXPECT_EQ(m_dialog.m_bGameOverYourWin, 0);
    PressIn(dialog, IDC_GAME_OVER_YOUR_WIN);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_WIN_COUNT)));
    ClickIn(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(SettingsDialog, RadioIndexCountsOnlyTheRadioButtons) {
  // The group runs on past the radio buttons to the check box and the count.
  ScopedFile freeCell(m_folder + "\\freecell.exe");
  struct Row { int line; int idleRow; int gameOverYourWin; };
  const Row rows[] = {{__LINE__, -1, 1}, {__LINE__, 2, 1}, {__LINE__, 0, 0}, {__LINE__, 7, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    m_dialog.m_strPath = freeCell.Path();
    m_dialog.m_nIdleRow = row.idleRow;
    m_dialog.m_bGameOverYourWin = row.gameOverYourWin;
    EXPECT_EQ(Run([&](HWND dialog) {
                EXPECT_EQ(Checked(dialog, IDC_IDLE_ROW_COLUMN), row.idleRow == 0);
                EXPECT_EQ(Checked(dialog, IDC_IDLE_ROW_ONE_CARD), row.idleRow == 1);
                EXPECT_EQ(Checked(dialog, IDC_IDLE_ROW_PLAYER), row.idleRow == 2);
                EXPECT_EQ(Checked(dialog, IDC_GAME_OVER_YOUR_WIN), row.gameOverYourWin == 1);
                ClickIn(dialog, IDOK);
              }),
              IDOK);
    EXPECT_EQ(m_dialog.m_nIdleRow, row.idleRow >= 0 && row.idleRow <= 2 ? row.idleRow : -1);
    EXPECT_EQ(m_dialog.m_bGameOverYourWin, row.gameOverYourWin);
  }
}

// A path that does not exist, or one the player keeps after the warning that it does not name
// FreeCell: the dialog stays open at the path.
TEST_F(SettingsDialog, RefusedPathKeepsTheDialogOpenAtThePath) {
  ScopedFile other(m_folder + "\\notepad.exe");
  struct Row { int line; std::string path; std::deque<int> answers; Shown boxes; };
  const Row rows[] = {
      {__LINE__, "", {}, {{kPathMissing, kWarning}}},
      {__LINE__, m_folder + "\\no-such\\freecell.exe", {}, {{kPathMissing, kWarning}}},
      {__LINE__, other.Path(), {IDYES}, {{kTextPathNotFreeCell, kYesNoWarning}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    m_boxes.boxes.clear();
    m_boxes.answers = row.answers;
    m_dialog.m_strPath = row.path;
    EXPECT_EQ(Run([&](HWND dialog) {
                ClickIn(dialog, IDOK);
                EXPECT_EQ(m_boxes.TextsAndTypes(), row.boxes);
                EXPECT_FALSE(IsClosed(dialog));
                EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_PATH));
                ClickIn(dialog, IDCANCEL);
              }),
              IDCANCEL);
  }
}

TEST_F(SettingsDialog, BareNameIsFoundInTheWindowsFolder) {
  char windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
  ScopedFile freeCell(std::string(windows) + "\\freecell.exe");
  ASSERT_NE(GetFileAttributesA(freeCell.Path().c_str()), INVALID_FILE_ATTRIBUTES);
  m_dialog.m_strPath = "freecell.exe";
  EXPECT_EQ(Run([&](HWND dialog) { ClickIn(dialog, IDOK); }), IDOK);
  EXPECT_TRUE(m_boxes.boxes.empty());
  EXPECT_EQ(m_dialog.m_strPath, "freecell.exe");
}

TEST_F(SettingsDialog, NameCheckLooksForFreeCellInTheLowerCasedPath) {
  struct Row { int line; std::string file; bool warned; };
  const Row rows[] = {
      {__LINE__, "FREECELL.EXE", false},
      {__LINE__, "freecell.exe.bak", false},
      {__LINE__, "notepad.exe", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    m_boxes.boxes.clear();
    ScopedFile file(m_folder + "\\" + row.file);
    m_dialog.m_strPath = file.Path();
    m_boxes.answers = {IDNO};
    EXPECT_EQ(Run([&](HWND dialog) { ClickIn(dialog, IDOK); }), IDOK);
    EXPECT_EQ(m_boxes.TextsAndTypes(), (row.warned ? Shown{{kTextPathNotFreeCell, kYesNoWarning}} : Shown{}));
    EXPECT_EQ(nuvari::ToLowerCp932(m_dialog.m_strPath), nuvari::ToLowerCp932(file.Path()));
    m_boxes.answers.clear();
  }
}

TEST_F(SettingsDialog, CountIsCheckedEvenWhileItsBoxIsClear) {
  ScopedFile freeCell(m_folder + "\\freecell.exe");
  m_dialog.m_strPath = freeCell.Path();
  m_dialog.m_nGameOverYourWinCnt = 0;  // as loaded from a registry the dialog never saw
  const INT_PTR result = Run([&](HWND dialog) {
    ClickIn(dialog, IDOK);
    EXPECT_FALSE(IsClosed(dialog));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_WIN_COUNT)));
    SetDlgItemTextA(dialog, IDC_WIN_COUNT, "x1");
    ClickIn(dialog, IDOK);
    EXPECT_FALSE(IsClosed(dialog));
    SetDlgItemTextA(dialog, IDC_WIN_COUNT, "\t100 ");
    ClickIn(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(BoxTexts(), (Texts{kCountRange, kNotAnInteger}));
  EXPECT_EQ(m_dialog.m_nGameOverYourWinCnt, 100);
}

// A cancelled browse changes nothing; a file chosen reloads every control from the members.
TEST_F(SettingsDialog, BrowseShowsTheOpenFileDialogAndReloadsEveryControl) {
  m_dialog.m_strPath = "c:\\old\\freecell.exe";
  Run([&](HWND dialog) {
    PressIn(dialog, IDC_IDLE_ROW_PLAYER);
    ClickIn(dialog, IDC_BUTTON_BROWSE);
    EXPECT_EQ(TextOf(dialog, IDC_PATH), "c:\\old\\freecell.exe");
    EXPECT_TRUE(Checked(dialog, IDC_IDLE_ROW_PLAYER));
    ClickIn(dialog, IDCANCEL);
  });
  EXPECT_EQ(m_dialog.browses, 1);
  EXPECT_EQ(m_dialog.m_strPath, "c:\\old\\freecell.exe");

  m_dialog.choice = "C:\\Games\\FreeCell.exe";
  HWND shown = nullptr;
  Run([&](HWND dialog) {
    shown = dialog;
    PressIn(dialog, IDC_IDLE_ROW_PLAYER);
    PressIn(dialog, IDC_GAME_OVER_YOUR_WIN);
    PressIn(dialog, IDC_AUTO_EXIT);
    ClickIn(dialog, IDC_BUTTON_BROWSE);
    EXPECT_EQ(nuvari::ToLowerCp932(TextOf(dialog, IDC_PATH)), "c:\\games\\freecell.exe");
    // Back to the members' values from the opening...
    EXPECT_TRUE(Checked(dialog, IDC_IDLE_ROW_COLUMN));
    EXPECT_FALSE(Checked(dialog, IDC_IDLE_ROW_PLAYER));
    EXPECT_FALSE(Checked(dialog, IDC_GAME_OVER_YOUR_WIN));
    EXPECT_TRUE(Checked(dialog, IDC_AUTO_EXIT));
    // ...but the count stays enabled as the click left it.
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_WIN_COUNT)));
    EXPECT_FALSE(IsClosed(dialog));
    ClickIn(dialog, IDCANCEL);
  });
  EXPECT_EQ(m_dialog.browses, 2);
  std::string filter;
  for (const char* part : {"実行ファイル(*.exe)", "*.exe", "全ファイル(*.*)", "*.*", ""}) filter += part + std::string(1, '\0');
  EXPECT_EQ(m_dialog.seen,
            (Browse{"ファイルの参照", filter, "*.exe", "exe", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, 1, shown}));
  EXPECT_EQ(m_dialog.m_strPath, "C:\\Games\\FreeCell.exe");  // the member as chosen
}

TEST_F(SettingsDialog, HelpOpensContext131175AndTheDialogStays) {
  Run([&](HWND dialog) {
    ClickIn(dialog, IDC_BUTTON_HELP);
    EXPECT_FALSE(IsClosed(dialog));
    ClickIn(dialog, IDCANCEL);
  });
  ASSERT_EQ(m_help.Requested(), (nuvari::test::HelpRecorder::Requests{{HELP_CONTEXT, 131175u}}));
  ASSERT_GE(m_help.calls[0].file.size(), 4u);
  EXPECT_EQ(m_help.calls[0].file.substr(m_help.calls[0].file.size() - 4), ".HLP");
}

// Shown twice from one dialog object: the second window's up-down gets the range too.
TEST_F(SettingsDialog, UpDownStopsAtOneAndAtAHundred) {
  m_dialog.m_bGameOverYourWin = 1;
  for (int run = 1; run <= 2; ++run) Run([&](HWND dialog) {
    SCOPED_TRACE(run);
    HWND spin = GetDlgItem(dialog, IDC_WIN_COUNT_SPIN);
    HWND count = GetDlgItem(dialog, IDC_WIN_COUNT);
    int lower = 0;
    int upper = 0;
    SendMessageA(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 100);
    struct Row { int line; const char* from; UINT key; const char* to; };
    const Row rows[] = {
        {__LINE__, "100", VK_UP, "100"},
        {__LINE__, "99", VK_UP, "100"},
        {__LINE__, "1", VK_DOWN, "1"},
        {__LINE__, "2", VK_DOWN, "1"},
    };
    for (const Row& row : rows) {
      SCOPED_TRACE(row.line);
      SetWindowTextA(count, row.from);
      SendMessageA(count, WM_KEYDOWN, row.key, 0);
      SendMessageA(count, WM_KEYUP, row.key, 0);
      EXPECT_EQ(fw::GetWindowTextString(count), row.to);
    }
    ClickIn(dialog, IDCANCEL);
  });
}

}  // namespace
}  // namespace paneltest
