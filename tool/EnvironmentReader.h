// Reading an environment file's record from its three sections, each read from the file once: the
// recognition test, the defaults, the pending list and the FreeCell path search, apart from the
// platform so the rules are tested everywhere.
#pragma once

#include "DealSequence.h"
#include "EnvironmentRecord.h"
#include "FreeCellSearch.h"
#include "ProfileSection.h"

struct EnvironmentSections {
  ProfileSection freeCell;
  ProfileSection windowSize;
  ProfileSection freeCellData;
};

// The supervisor never keeps more pending deals; a file listing more was not written by it.
inline constexpr std::size_t kMaxFilePendingDeals = nuvari::kMaxPendingDeals;

// Fills the record; false when the sections are not an environment file's: Path, IdleRow or
// AutoExit missing or empty, or more than kMaxFilePendingDeals pending entries before the first
// gap (fields read before the failure may already be replaced). A Path that names nothing on this
// PC becomes "freecell.exe" when FreeCell lies in one of the usual folders; GameNo becomes the
// nearest deal. quick and dblclick are read only when asked for.
bool ReadEnvironment(const EnvironmentSections& file, EnvironmentRecord& record, bool withQuickAndDblclick,
                     const nuvari::FolderQueries& folders);

// quick and dblclick as the section holds them (-1 when absent).
void ReadQuickAndDblclick(const ProfileSection& freeCellData, EnvironmentRecord& record);
