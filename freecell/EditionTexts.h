// Window texts of the running edition, as code-page-932 bytes, from the string table.
#pragma once

#include <string>

#include <windows.h>

#include "Options.h"

namespace freecell {

class EditionTexts {
 public:
  EditionTexts(HINSTANCE instance, Edition edition);

  // The text of the running edition for a full-width string id (IDS_...); empty when there is none.
  std::string Get(UINT id) const;
  Edition GetEdition() const { return m_edition; }
  UINT MenuId() const;

 private:
  HINSTANCE m_hInstance;
  Edition m_edition;
};

}  // namespace freecell
