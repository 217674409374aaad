#include "ContextHash.h"

namespace helpc {
namespace {

// The values of the format's table for the characters an id may hold.
std::uint32_t CharacterValue(char c) {
  if (c >= '1' && c <= '9') return static_cast<std::uint32_t>(c - '0');
  if (c == '0') return 10;
  if (c == '.') return 12;
  if (c == '_') return 13;
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return static_cast<std::uint32_t>(c - 'A') + 17;
}

}  // namespace

bool IsContextIdCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
}

std::uint32_t ContextHash(std::string_view id) {
  std::uint32_t hash = 0;
  for (const char c : id) hash = hash * 43 + CharacterValue(c);
  return hash;
}

}  // namespace helpc
