// Reading a text value of any length through an API that fills a caller's buffer and cuts what
// does not fit (possibly inside a double-byte character).
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// read(buffer, size) fills at most size - 1 bytes plus a zero and returns the bytes delivered.
// The buffer grows until the result leaves room for one more double-byte character, so a value
// that was cut is never taken for a whole one.
std::string ReadWholeText(const std::function<std::size_t(char* buffer, std::size_t size)>& read,
                          std::size_t initialSize = 256);
