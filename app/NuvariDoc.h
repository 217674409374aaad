// CNuvariDoc: the settings record. Read once at start-up from the registry subkey FreeCell,
// written back in full whenever anything in it changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Document.h"
#include "StoreNames.h"

// The record as the view hands it over, in its stored order.
struct SettingsRecord {
  std::string path;
  int gameNo = 1;
  int top = 0;
  int left = 0;
  int idleRow = 0;
  int autoExit = 1;
  int gameOverYourWin = 0;
  int gameOverYourWinCnt = 1;
};

class CNuvariDoc : public fw::CDocument {
 public:
  std::string m_strPath;
  int m_nGameNo = 1;
  int m_nTop = 0;
  int m_nLeft = 0;
  int m_nIdleRow = 0;
  int m_bAutoExit = 1;
  int m_bGameOverYourWin = 0;
  int m_nGameOverYourWinCnt = 1;
  std::vector<std::int32_t> m_arrPending;
  int m_nPendingCount = 0;
  int m_nStoredPendingCount = 0;

  // Reads the settings, then lets the views load them.
  BOOL OnNewDocument() override;
  virtual BOOL ReadSettings();
  virtual void WriteSettings();

  // Each change is stored at once and in full.
  void SetSettings(const SettingsRecord& record);
  void AddPending(int gameNo);
  // Removes the first equal deal; stores also when none was equal.
  void RemovePending(int gameNo);

  SettingsRecord Record() const;
};

// Registry names of the record.
namespace settings_names = nuvari::store_names;
