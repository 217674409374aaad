// ProfileSection: one section of an INI file as the platform hands it over in one piece
// ("key=value", each line ended by a zero), looked up by key with the rules of the platform's
// one-key reads, so reading a whole section once gives what reading every key alone would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class ProfileSection {
 public:
  ProfileSection() = default;
  // Lines without "=" and lines with an empty name are no entries.
  explicit ProfileSection(std::string text);

  // The value of the first entry of that name (letters compared without regard to case), without
  // its surrounding blanks and one pair of surrounding quotes; nothing when the key is missing.
  std::optional<std::string> Find(std::string_view key) const;
  // The value, or the default when the key is missing.
  std::string Text(std::string_view key, const char* defaultText) const;
  // The leading signed decimal number of the value (0 when there is none); the default when the
  // key is missing or its value is empty.
  std::int32_t Int(std::string_view key, std::int32_t defaultValue) const;

  std::size_t Size() const { return m_entries.size(); }

 private:
  struct NameHash {
    std::size_t operator()(std::string_view name) const;
  };
  struct NameEqual {
    bool operator()(std::string_view a, std::string_view b) const;
  };

  // Held apart from the object (and shared by copies), so the views stay valid when it is moved.
  std::shared_ptr<const std::string> m_text;
  // Views into *m_text: the first entry of each name, its value as the line holds it.
  std::unordered_map<std::string_view, std::string_view, NameHash, NameEqual> m_entries;
};
