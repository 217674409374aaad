// Process start and forced end.
#include "ChildProcess.h"

#include <utility>

namespace nuvari::test {
namespace {
const DWORD kTerminateWaitMs = 5000;
}

ChildProcess::ChildProcess(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string writable = commandLine;  // CreateProcessA may write into the command line
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return;
  CloseHandle(info.hThread);
  m_hProcess = info.hProcess;
  m_nId = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
  Terminate();
  if (m_hProcess != nullptr) CloseHandle(m_hProcess);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : m_hProcess(std::exchange(other.m_hProcess, nullptr)), m_nId(std::exchange(other.m_nId, 0)) {}

std::optional<DWORD> ChildProcess::WaitForExit(DWORD timeoutMs) const {
  if (m_hProcess == nullptr || WaitForSingleObject(m_hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(m_hProcess, &code);
  return code;
}

void ChildProcess::Terminate() {
  if (m_hProcess == nullptr || WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0) return;
  TerminateProcess(m_hProcess, 1);
  WaitForSingleObject(m_hProcess, kTerminateWaitMs);
}

}  // namespace nuvari::test
