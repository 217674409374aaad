#include "PrivateProfile.h"

#include <windows.h>

#include <algorithm>

#include "WholeText.h"

std::string PrivateProfile::ReadText(const char* section, const std::string& key, const char* defaultText) const {
  return ReadWholeText([&](char* buffer, std::size_t size) -> std::size_t {
    return GetPrivateProfileStringA(section, key.c_str(), defaultText, buffer, static_cast<DWORD>(size),
                                    m_path.c_str());
  });
}

std::string PrivateProfile::ReadSection(const char* section) const {
  // The file's size is the section's bound as a rule, so one call mostly does.
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  std::size_t firstSize = 256;
  if (GetFileAttributesExA(m_path.c_str(), GetFileExInfoStandard, &attributes) && attributes.nFileSizeHigh == 0)
    firstSize = std::max<std::size_t>(firstSize, std::size_t{attributes.nFileSizeLow} + 4);
  // A section that does not fit is cut to the buffer's size less two, which the growing rule covers.
  return ReadWholeText(
      [&](char* buffer, std::size_t size) -> std::size_t {
        return GetPrivateProfileSectionA(section, buffer, static_cast<DWORD>(size), m_path.c_str());
      },
      firstSize);
}

bool PrivateProfile::WriteText(const char* section, const std::string& key, const char* value) const {
  return WritePrivateProfileStringA(section, key.c_str(), value, m_path.c_str()) != FALSE;
}
