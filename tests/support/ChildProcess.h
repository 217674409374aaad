// A program started by a test, ended when the test ends: a test that fails half-way never leaves a
// process behind to confuse the next one.
#pragma once

#include <optional>
#include <string>

#include <windows.h>

namespace nuvari::test {

class ChildProcess {
 public:
  // commandLine as CreateProcessA takes it (the program path quoted first). Not running on failure.
  explicit ChildProcess(const std::string& commandLine);
  ~ChildProcess();
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ChildProcess& operator=(ChildProcess&&) = delete;

  bool Started() const { return m_hProcess != nullptr; }
  DWORD Id() const { return m_nId; }
  // The exit code once the program has ended within the time limit; empty while it still runs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
  // Ends the program if it still runs and waits (bounded) until it has gone.
  void Terminate();

 private:
  HANDLE m_hProcess = nullptr;
  DWORD m_nId = 0;
};

}  // namespace nuvari::test
