// PrivateProfile: one INI file reached through the platform's private-profile functions, a
// section or an entry at a time (the file is never parsed here).
#pragma once

#include <string>

class PrivateProfile {
 public:
  explicit PrivateProfile(std::string path) : m_path(std::move(path)) {}
  const std::string& GetPath() const { return m_path; }

  // The whole value, however long; the default when the key is missing.
  std::string ReadText(const char* section, const std::string& key, const char* defaultText) const;
  // The whole section as the platform delivers it: "key=value" lines, each ended by a zero; empty
  // when the section or the file is missing.
  std::string ReadSection(const char* section) const;
  // A null value removes the key. False when the file could not be written.
  bool WriteText(const char* section, const std::string& key, const char* value) const;

 private:
  std::string m_path;
};
