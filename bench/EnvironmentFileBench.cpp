// What an import costs: the time NuvariKit takes to accept or refuse an environment file, from a
// few hundred pending entries to 200,000 and to files of 16 MiB, measured the way the import reads
// now (each section once) beside the way it read before (one private-profile call per pending
// entry, each looking the key up from the start of the section). Meanwhile another thread keeps
// asking a window of the reading thread for an answer; the longest wait is reported.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "NuvariKitDlg.h"
#include "WinApp.h"

namespace {

constexpr double kOldReaderLimitSeconds = 20.0;  // the old reader is stopped beyond this

// <chrono> does not compile with the code-page-932 execution character set (its "µs" suffix).
double Now() {
  LARGE_INTEGER frequency{}, counter{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}
double SecondsSince(double start) { return Now() - start; }

std::string Folder() {
  char buffer[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, buffer);
  return std::string(buffer);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  // The platform keeps files it has read; a new one under the same name must be read afresh.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

const char kHead[] = "[FreeCell]\r\nPath=freecell.exe\r\nIdleRow=0\r\nAutoExit=1\r\n";
const char kTail[] = "[Window size]\r\nRect=0010 0010 0550 0500\r\n[FreeCellData]\r\nwon=3\r\n";

std::string PendingFile(std::size_t entries) {
  std::string text = kHead;
  for (std::size_t i = 0; i < entries; ++i)
    text += "Pending" + std::to_string(i) + "=" + std::to_string(i % 32000 + 1) + "\r\n";
  return text + kTail;
}

std::string PendingFileOfSize(std::size_t bytes) {
  std::string text = kHead;
  for (std::size_t i = 0; text.size() < bytes; ++i)
    text += "Pending" + std::to_string(i) + "=" + std::to_string(i % 32000 + 1) + "\r\n";
  return text;
}

std::string LongValueFile(std::size_t bytes) {
  return "[FreeCell]\r\nPath=" + std::string(bytes, 'a') + "\r\nIdleRow=0\r\nAutoExit=1\r\n" + kTail;
}

std::string ManyKeysFile(std::size_t bytes) {
  std::string text = "[FreeCell]\r\n";
  for (std::size_t i = 0; text.size() < bytes; ++i) text += "Key" + std::to_string(i) + "=value\r\n";
  return text + "Path=freecell.exe\r\nIdleRow=0\r\nAutoExit=1\r\n";
}

std::string NoIniFile(std::size_t bytes) {
  std::string text(bytes, '\0');
  unsigned state = 12345;
  for (char& c : text) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
  return text;
}

// The pending list read as before: one call per entry up to the first gap.
std::size_t OldPendingRead(const std::string& path, bool& stopped) {
  const double start = Now();
  std::size_t count = 0;
  for (;; ++count) {
    char value[256] = {};
    const std::string key = "Pending" + std::to_string(count);
    if (GetPrivateProfileStringA("FreeCell", key.c_str(), "", value, sizeof value, path.c_str()) == 0) break;
    if (SecondsSince(start) > kOldReaderLimitSeconds) {
      stopped = true;
      break;
    }
  }
  return count;
}

// Asks the window for an answer every 10 ms while it runs; the longest wait in milliseconds.
class ResponsivenessProbe {
 public:
  explicit ResponsivenessProbe(HWND window)
      : m_thread([this, window] {
          while (!m_stop) {
            const double asked = Now();
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored);
            m_longestMs = std::max(m_longestMs.load(), SecondsSince(asked) * 1000.0);
            Sleep(10);
          }
          m_done = true;
        }) {}
  ~ResponsivenessProbe() { Stop(); }
  // The last question may still be on its way: it is answered while the probe ends.
  double Stop() {
    m_stop = true;
    while (!m_done) {
      MSG msg{};
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      Sleep(1);
    }
    if (m_thread.joinable()) m_thread.join();
    return m_longestMs;
  }

 private:
  std::atomic<bool> m_stop{false};
  std::atomic<bool> m_done{false};
  std::atomic<double> m_longestMs{0.0};
  std::thread m_thread;
};

void Measure(const char* name, const std::string& text, bool withOldReader) {
  const std::string path = Folder() + "nuvari-bench.ini";
  WriteBytes(path, text);
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  CNuvariKitDlg dialog;
  double start = Now();
  ResponsivenessProbe probe(window);
  const BOOL accepted = dialog.LoadEnvironmentFile(path);
  const double seconds = SecondsSince(start);
  const double longestWaitMs = probe.Stop();
  DestroyWindow(window);

  std::string old = "-";
  if (withOldReader) {
    bool stopped = false;
    start = Now();
    const std::size_t read = OldPendingRead(path, stopped);
    char figure[64] = {};
    std::snprintf(figure, sizeof figure, stopped ? "> %.1f (%zu read)" : "%.3f", SecondsSince(start), read);
    old = figure;
  }
  std::printf("%-34s %9.1f %9s %9.3f %14.1f   %s\n", name, static_cast<double>(text.size()) / (1 << 20),
              accepted ? "accepted" : "refused", seconds, longestWaitMs, old.c_str());
  DeleteFileA(path.c_str());
}

}  // namespace

int main() {
  fw::CWinApp app("Nuvari");
  app.SetRegistryKey("Talvenko Bench");
  std::printf("%-34s %9s %9s %9s %14s   %s\n", "file", "MiB", "import", "now (s)", "longest wait ms",
              "before: pending list alone (s)");
  for (std::size_t entries : {100, 101, 1000, 5000, 20000})
    Measure(("pending entries: " + std::to_string(entries)).c_str(), PendingFile(entries), true);
  Measure("pending entries: 200000", PendingFile(200000), true);
  Measure("pending entries up to 16 MiB", PendingFileOfSize(16u << 20), false);
  Measure("one value of 16 MiB", LongValueFile((16u << 20) - 80), false);
  Measure("16 MiB of other keys", ManyKeysFile(16u << 20), false);
  Measure("16 MiB that is no INI file", NoIniFile(16u << 20), false);
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Talvenko Bench");
  return 0;
}
