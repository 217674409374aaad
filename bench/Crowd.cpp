#include "Crowd.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace bench {
namespace {

constexpr DWORD kWaitMs = 15000;

std::string CrowdTitle(int i) { return "crowd window " + std::to_string(i); }

std::string ThisProgram() {
  std::string path(MAX_PATH, '\0');
  path.resize(GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

}  // namespace

int RunCrowdIfAsked(int argc, char** argv) {
  if (argc != 3 || std::strcmp(argv[1], "crowd") != 0) return -1;
  const int count = std::atoi(argv[2]);
  std::vector<HWND> windows;
  for (int i = 0; i < count; ++i)
    windows.push_back(CreateWindowExA(0, "STATIC", CrowdTitle(i).c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}

std::unique_ptr<nuvari::test::ChildProcess> StartCrowd(int count) {
  auto crowd = std::make_unique<nuvari::test::ChildProcess>("\"" + ThisProgram() + "\" crowd " +
                                                            std::to_string(count));
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  while (!FindWindowA(nullptr, CrowdTitle(count - 1).c_str()) && GetTickCount64() < deadline) Sleep(20);
  return crowd;
}

int CountTopLevel() {
  int count = 0;
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) ++count;
  return count;
}

}  // namespace bench
