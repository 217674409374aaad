// A file that exists for the life of the scope (and is removed only when the scope made it), and
// the folders the tests put such files in.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace nuvari::test {

class ScopedFile {
 public:
  explicit ScopedFile(std::string path) : m_path(std::move(path)) {
    if (GetFileAttributesA(m_path.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    HANDLE file = CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    CloseHandle(file);
    m_made = true;
  }
  ~ScopedFile() {
    if (m_made) DeleteFileA(m_path.c_str());
  }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
  bool m_made = false;
};

// A folder below the temporary folder, made when missing.
inline std::string TemporaryFolder(const std::string& name) {
  char buffer[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, buffer);
  const std::string folder = std::string(buffer) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

}  // namespace nuvari::test
