#include "ProfileSection.h"

#include <cstdint>

#include "Cp932.h"
#include "TextNumber.h"

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// One pair of double or single quotes around the whole value goes, as the one-key reads do it.
// A trail byte of code page 932 is never a quote, so the last byte is a character of its own.
std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

unsigned char FoldLetter(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c; }

bool StartsDoubleByte(std::string_view name, std::size_t i) {
  return nuvari::IsCp932LeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size();
}

}  // namespace

// Names compare with single-byte letters in lower case and double-byte characters (whose second
// byte may look like a letter) byte for byte.
std::size_t ProfileSection::NameHash::operator()(std::string_view name) const {
  std::size_t hash = 0;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    const bool pair = StartsDoubleByte(name, i);
    hash = hash * 131 + (pair ? c : FoldLetter(c));
    if (pair) hash = hash * 131 + static_cast<unsigned char>(name[++i]);
  }
  return hash;
}

bool ProfileSection::NameEqual::operator()(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const unsigned char x = static_cast<unsigned char>(a[i]);
    const unsigned char y = static_cast<unsigned char>(b[i]);
    if (StartsDoubleByte(a, i)) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (FoldLetter(x) != FoldLetter(y)) {
      return false;
    }
  }
  return true;
}

ProfileSection::ProfileSection(std::string text) : m_text(std::make_shared<const std::string>(std::move(text))) {
  const std::string_view all(*m_text);
  for (std::size_t start = 0; start < all.size();) {
    std::size_t end = all.find('\0', start);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view line = all.substr(start, end - start);
    start = end + 1;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = TrimBlanks(line.substr(0, equals));
    if (name.empty()) continue;
    // try_emplace keeps the first entry of a name.
    m_entries.try_emplace(name, line.substr(equals + 1));
  }
}

std::optional<std::string> ProfileSection::Find(std::string_view key) const {
  const auto found = m_entries.find(key);
  if (found == m_entries.end()) return std::nullopt;
  return std::string(StripQuotes(TrimBlanks(found->second)));
}

std::string ProfileSection::Text(std::string_view key, const char* defaultText) const {
  return Find(key).value_or(defaultText);
}

std::int32_t ProfileSection::Int(std::string_view key, std::int32_t defaultValue) const {
  const std::optional<std::string> value = Find(key);
  if (!value || value->empty()) return defaultValue;
  return nuvari::ParseLeadingInt(*value);
}
