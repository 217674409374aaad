#include "ToolFixture.h"

#include <algorithm>

#include "FileSystem.h"
#include "LittleEndian.h"
#include "Platform.h"

namespace tooltest {
namespace {

constexpr DWORD kDialogWaitMs = 10000;
// Control ids of the common file dialog.
constexpr int kFileNameBox = 0x47c;  // cmb13
constexpr int kFileTypeBox = 0x470;  // cmb1

}  // namespace

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
      else DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

Values DescribeKey(const std::string& keyPath) {
  if (!nuvari::test::RegistryKeyExists(keyPath)) return {"(no key)"};
  Values values;
  for (const std::string& name : nuvari::test::RegistryNames(keyPath)) {
    const auto value = nuvari::test::ReadRegistryValue(keyPath, name);
    std::string text = name + "=";
    if (value && value->type == REG_DWORD && value->bytes.size() == 4) {
      text += "dword:" + std::to_string(DecodeLittleEndian32(value->bytes));
    } else if (value && value->type == REG_SZ) {
      text += nuvari::test::ReadRegistryText(keyPath, name).value_or("?");
    } else {
      text += "type" + std::to_string(value ? value->type : 0);
    }
    values.push_back(text);
  }
  // The registry enumerates values in an order of its own (Wine: sorted by name).
  std::sort(values.begin(), values.end());
  return values;
}

void StoreSupervisorSession(const std::string& path, const std::string& gameNo, int pendingCount, int firstPending) {
  using namespace nuvari::test;
  const char* fc = RegistryScope::kFreeCell;
  WriteRegistryTexts(fc, {{"Path", path}, {"GameNo", gameNo}, {"Top", "33"}, {"Left", "44"}, {"IdleRow", "1"},
                          {"AutoExit", "0"}, {"GameOverYourWin", "1"}, {"GameOverYourWinCnt", "5"}});
  for (int i = 0; i < pendingCount; ++i)
    WriteRegistryText(fc, "Pending" + std::to_string(i), std::to_string(firstPending + i));
  const char* ws = RegistryScope::kWindowSize;
  WriteRegistryText(ws, "Rect", "0200 0150 0740 0640");
  for (const auto& [name, flag] : {std::pair{"icon", 0u}, {"max", 1u}, {"tool", 0u}, {"status", 1u}})
    WriteRegistryDword(ws, name, flag);
}

void ToolTest::SetUp() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string current(MAX_PATH, '\0');
  current.resize(GetCurrentDirectoryA(MAX_PATH, current.data()));
  m_folder = current + "\\tool-files\\" + info->test_suite_name() + "." + info->name();
  for (char& c : m_folder)
    if (c == '/') c = '_';
  RemoveTree(m_folder);
  CreateDirectoryA((current + "\\tool-files").c_str(), nullptr);
  CreateDirectoryA(m_folder.c_str(), nullptr);
  CreateDirectoryA(WindowsFolder().c_str(), nullptr);
  CreateDirectoryA(SystemFolder().c_str(), nullptr);

  m_app.SetRegistryKey("Talvenko");
  nuvari::test::DeleteRegistryTree(kStatisticsKey);
  m_entpackPath = fw::WindowsDirectory().value() + "\\entpack.ini";
  m_entpack.emplace(m_entpackPath);
  DeleteFileA(m_entpackPath.c_str());

  m_dialog = std::make_unique<CNuvariKitDlg>();
  const std::string windows = WindowsFolder();
  const std::string system = SystemFolder();
  m_dialog->m_freeCellFolders.windowsDirectory = [windows] { return std::optional<std::string>(windows); };
  m_dialog->m_freeCellFolders.systemDirectory = [system] { return std::optional<std::string>(system); };
  UseFamily(WindowsFamily::WindowsNT);
}

void ToolTest::TearDown() {
  fw::platform::TestHooks().getVersionEx = nullptr;
  m_dialog.reset();
  nuvari::test::DeleteRegistryTree(kStatisticsKey);
  RemoveDirectoryA(m_entpackPath.c_str());  // a test may put a folder in its place
  m_entpack.reset();
  // Wine keeps INI files it has read in a cache; a file changed behind it is noticed by its time.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_entpackPath.c_str());
  RemoveTree(m_folder);
}

void ToolTest::UseFamily(WindowsFamily family) {
  std::optional<DWORD> platformId;
  switch (family) {
    case WindowsFamily::Windows95: platformId = VER_PLATFORM_WIN32_WINDOWS; break;
    case WindowsFamily::WindowsNT: platformId = VER_PLATFORM_WIN32_NT; break;
    case WindowsFamily::Unsupported: platformId = VER_PLATFORM_WIN32s; break;
    case WindowsFamily::Unknown: break;
  }
  fw::platform::TestHooks().getVersionEx = [platformId](OSVERSIONINFOA& info) -> BOOL {
    if (!platformId || info.dwOSVersionInfoSize != 148) return FALSE;
    info.dwPlatformId = *platformId;
    info.dwMajorVersion = 4;
    return TRUE;
  };
}

void ToolTest::PutFreeCellInto(const std::string& folder) const {
  CreateDirectoryA(folder.c_str(), nullptr);
  WriteFileBytes(folder + "\\freecell.exe", "MZ");
}

HWND WaitForFileDialog(DWORD processId, DWORD timeoutMs) {
  return nuvari::test::WaitForDialogWhere(processId, timeoutMs,
                                          [](HWND w) { return GetDlgItem(w, kFileNameBox) != nullptr; });
}

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void ChooseFile(HWND dialog, const std::string& path) {
  SendMessageA(GetDlgItem(dialog, kFileNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PressButton(dialog, IDOK);
}

FileDialogAnswerer::FileDialogAnswerer(std::vector<std::string> answers)
    : m_thread([this, answers = std::move(answers)]() mutable { Run(std::move(answers)); }) {}

FileDialogAnswerer::~FileDialogAnswerer() {
  m_stop = true;
  if (m_thread.joinable()) m_thread.join();
}

const std::vector<SeenFileDialog>& FileDialogAnswerer::Finish() {
  if (m_thread.joinable()) m_thread.join();
  return m_seen;
}

void FileDialogAnswerer::Run(std::vector<std::string> answers) {
  for (const std::string& answer : answers) {
    HWND dialog = nullptr;
    nuvari::test::PollUntil(kDialogWaitMs, [&] {
      return m_stop || (dialog = WaitForFileDialog(GetCurrentProcessId(), 0)) != nullptr;
    });
    if (!dialog) return;
    m_seen.emplace_back(nuvari::test::WindowText(GetDlgItem(dialog, kFileNameBox)),
                        nuvari::test::WindowText(GetDlgItem(dialog, kFileTypeBox)));
    if (answer.empty()) PressButton(dialog, IDCANCEL);
    else ChooseFile(dialog, answer);
    nuvari::test::WaitUntilGone(dialog, kDialogWaitMs);
  }
}

}  // namespace tooltest
