#include "PrivateProfile.h"

#include <windows.h>

#include "WholeText.h"

std::string PrivateProfile::ReadText(const char* section, const std::string& key, const char* defaultText) const {
  return ReadWholeText([&](char* buffer, std::size_t size) -> std::size_t {
    return GetPrivateProfileStringA(section, key.c_str(), defaultText, buffer, static_cast<DWORD>(size),
                                    m_path.c_str());
  });
}

std::int32_t PrivateProfile::ReadInt(const char* section, const char* key, std::int32_t defaultValue) const {
  return static_cast<std::int32_t>(GetPrivateProfileIntA(section, key, defaultValue, m_path.c_str()));
}

bool PrivateProfile::WriteText(const char* section, const std::string& key, const char* value) const {
  return WritePrivateProfileStringA(section, key.c_str(), value, m_path.c_str()) != FALSE;
}
