// What Nuvari costs while it only watches: the real Nuvari.exe with the stand-in FreeCell holding a
// deal in play (no box open) and 100 windows of another program on the desktop. This program sets
// the scene, says so by creating <folder>\ready, and holds it until <folder>\done appears;
// scripts/bench reads the processes' CPU times from /proc meanwhile (Wine tells no program the
// CPU times of another).
//   watch_bench.exe <folder> [Nuvari.exe]
#include <windows.h>

#include <cstdio>
#include <string>

#include "ChildProcess.h"
#include "Crowd.h"
#include "RegistryScope.h"
#include "WinePath.h"

namespace {

constexpr int kCrowd = 100;
constexpr DWORD kSceneMs = 60000;
constexpr DWORD kHoldMs = 180000;
constexpr char kDealInPlay[] = "ﾌﾘｰｾﾙ ｹﾞｰﾑ #1";
constexpr char kSelectGame[] = "ｹﾞｰﾑ番号の指定";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

template <typename Done>
bool WaitUntil(DWORD limitMs, Done done) {
  const ULONGLONG deadline = GetTickCount64() + limitMs;
  while (!done()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(100);
  }
  return true;
}

// The deal is in play and the game-number dialog has gone: the supervisor only watches now.
bool OnlyWatching() { return FindWindowA(nullptr, kDealInPlay) && !FindWindowA(nullptr, kSelectGame); }

void EndProcessOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (const int crowd = bench::RunCrowdIfAsked(argc, argv); crowd >= 0) return crowd;
  if (argc < 2) {
    std::printf("usage: watch_bench <folder> [Nuvari.exe]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::string nuvari = argc > 2 ? argv[2] : nuvari::test::ToWinePath(NUVARI_EXE);

  nuvari::test::RegistryScope registry;
  registry.Store("Path", nuvari::test::QuotedWinePath(FREECELL_EXE) + " /edition=half");
  registry.Store("AutoExit", "0");
  auto crowd = bench::StartCrowd(kCrowd);
  nuvari::test::ChildProcess supervisor("\"" + nuvari + "\"");
  if (!supervisor.Started() || !WaitUntil(kSceneMs, OnlyWatching)) {
    std::printf("the supervisor did not bring up deal 1\n");
    return 1;
  }
  Sleep(1000);
  std::printf("watching: %d top-level windows, %d of them the crowd's\n", bench::CountTopLevel(), kCrowd);
  std::fflush(stdout);
  CloseHandle(CreateFileA((folder + "\\ready").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const std::string done = folder + "\\done";
  WaitUntil(kHoldMs, [&done] { return Exists(done); });

  supervisor.Terminate();
  if (HWND freeCell = FindWindowA(nullptr, kDealInPlay)) EndProcessOf(freeCell);
  return 0;
}
