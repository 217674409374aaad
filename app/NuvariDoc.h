// CNuvariDoc: the settings record. Read once at start-up from the registry subkey FreeCell,
// written back in full whenever anything in it changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Document.h"
#include "StoreNames.h"
#include "StoredValues.h"

// The record as the view hands it over, in its stored order.
using SettingsRecord = nuvari::SettingsValues;

class CNuvariDoc : public fw::CDocument {
 public:
  std::string m_strPath;
  int m_nGameNo = nuvari::defaults::kGameNo;
  int m_nTop = nuvari::defaults::kTop;
  int m_nLeft = nuvari::defaults::kLeft;
  int m_nIdleRow = nuvari::defaults::kIdleRow;
  int m_bAutoExit = nuvari::defaults::kAutoExit;
  int m_bGameOverYourWin = nuvari::defaults::kGameOverYourWin;
  int m_nGameOverYourWinCnt = nuvari::defaults::kGameOverYourWinCnt;
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

 private:
  // The fields from a record, nothing stored.
  void Take(const SettingsRecord& record);
};

// Registry names of the record.
namespace settings_names = nuvari::store_names;
