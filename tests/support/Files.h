// Files as the tests look at them: whole, as bytes; a file for the life of a scope, or one of the
// machine's kept aside for a test; the folder the tests put their files in.
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

namespace nuvari::test {

// A file's bytes as they are on disk; nothing when it does not exist.
inline std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The file as it was when the scope began comes back at its end (or goes, when there was none).
class RestoredFile {
 public:
  explicit RestoredFile(std::string path) : m_path(std::move(path)), m_saved(ReadFileBytes(m_path)) {}
  ~RestoredFile() {
    DeleteFileA(m_path.c_str());
    if (m_saved) WriteFileBytes(m_path, *m_saved);
  }
  RestoredFile(const RestoredFile&) = delete;
  RestoredFile& operator=(const RestoredFile&) = delete;
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
  std::optional<std::string> m_saved;
};

// A file that exists for the life of the scope (and is removed only when the scope made it).
class ScopedFile {
 public:
  explicit ScopedFile(std::string path) : m_path(std::move(path)) {
    if (GetFileAttributesA(m_path.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    WriteFileBytes(m_path, "");
    m_made = GetFileAttributesA(m_path.c_str()) != INVALID_FILE_ATTRIBUTES;
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
