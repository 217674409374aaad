#include "WholeText.h"

#include <vector>

std::string ReadWholeText(const std::function<std::size_t(char*, std::size_t)>& read, std::size_t initialSize) {
  std::vector<char> buffer(initialSize < 4 ? 4 : initialSize);
  for (;;) {
    const std::size_t length = read(buffer.data(), buffer.size());
    // Text, zero and two spare bytes fit: nothing was cut, not even a double-byte character.
    if (length + 3 <= buffer.size()) return std::string(buffer.data(), length);
    buffer.assign(buffer.size() * 2, '\0');
  }
}
