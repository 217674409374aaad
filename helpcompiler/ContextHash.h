// The viewer finds a topic by the hash of its context id, never by the id itself.
#pragma once

#include <cstdint>
#include <string_view>

namespace helpc {

// The characters a context id may hold: A-Z a-z 0-9 . _ (letters without regard to case).
bool IsContextIdCharacter(char c);

// WinHelp's hash: h = h * 43 + value(c) for each character, in 32 bits. Only for valid ids.
std::uint32_t ContextHash(std::string_view id);

}  // namespace helpc
