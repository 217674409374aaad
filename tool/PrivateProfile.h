// PrivateProfile: one INI file reached entry by entry through the platform's private-profile
// functions (the file is never parsed here).
#pragma once

#include <cstdint>
#include <string>

class PrivateProfile {
 public:
  explicit PrivateProfile(std::string path) : m_path(std::move(path)) {}
  const std::string& GetPath() const { return m_path; }

  // The whole value, however long; the default when the key is missing.
  std::string ReadText(const char* section, const std::string& key, const char* defaultText) const;
  // Leading signed decimal number of the value; the default when the key is missing.
  std::int32_t ReadInt(const char* section, const char* key, std::int32_t defaultValue) const;
  // A null value removes the key. False when the file could not be written.
  bool WriteText(const char* section, const std::string& key, const char* value) const;

 private:
  std::string m_path;
};
