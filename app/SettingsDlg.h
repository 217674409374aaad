// CSettingsDlg: the settings dialog (template 130). Edits the FreeCell path, the answer to the
// move-to-empty-column question, AutoExit and the win-box rule; checks the path on OK. The
// caller fills the members before DoModal and takes them back after IDOK; the dialog itself
// never touches the registry.
#pragma once

#include <optional>
#include <string>

#include "DataExchange.h"
#include "Dialog.h"
#include "FileDialog.h"
#include "resource.h"

class CSettingsDlg : public fw::CDialog {
 public:
  enum { IDD = IDD_SETTINGS };

  CSettingsDlg() : fw::CDialog(IDD) {}

  INT_PTR DoModal() override;

  fw::CControlHandle m_editWinCount;
  fw::CControlHandle m_spinWinCount;
  std::string m_strPath;
  int m_nIdleRow = -1;
  int m_bAutoExit = 0;
  int m_bGameOverYourWin = 0;
  int m_nGameOverYourWinCnt = 0;

  void DoDataExchange(fw::CDataExchange& dx) override;
  // Reads the controls, then accepts the path only when it exists and (or the player says so)
  // names FreeCell.
  void OnOK() override;

  static const fw::MessageMap& ClassMessageMap();
  const fw::MessageMap& GetMessageMap() const override { return ClassMessageMap(); }

 protected:
  BOOL OnInitDialog() override;
  void OnButtonBrowse();
  void OnButtonHelp();
  void OnCheckGameOverYourWin();

  // Shows the browse dialog; the confirmed path, or nothing. Tests stand in for the player here.
  virtual std::optional<std::string> ChooseFile(fw::CFileDialog& dialog);

 private:
  void EnableWinCount(bool enable) const;
  void FocusPath() const;
};

// Texts of the dialog's checks.
inline constexpr char kTextPathMissing[] = "「フリーセルのパス：」に指定されたファイルは存在しません。";
inline constexpr char kTextPathNotFreeCell[] =
    "「フリーセルのパス：」に指定されたファイルは、フリーセルではない可能性があります。"
    "フリーセルでない場合、正常に動作しません。設定し直す場合は「はい」を、このままで良い場合は、"
    "「いいえ」を押してください。";
