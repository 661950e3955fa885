// skinrun: starts an unmodified Windows program with every window skinned. It checks the skin
// with its own copy of quarnelskin.dll, starts the program suspended, loads the DLL into it and
// has the DLL hook the program's main thread (the DLL starts skinning at its first window), lets
// the program run and waits: its exit code is the program's. A program of the other bitness goes
// to the twin launcher of that bitness. Console program; one thread.
#include <windows.h>
// After windows.h, which they build on.
#include <tlhelp32.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "include/quarnelskin.h"
#include "sdk/launch_request.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kSkinError = 3;
constexpr int kStartError = 4;
constexpr int kNoWindowError = 5;
constexpr wchar_t kUsage[] =
    L"usage: skinrun [--skin FILE.skn | --builtin NAME] PROGRAM [ARGUMENTS...]\n"
    L"Starts PROGRAM with every window skinned (Longhorn Blue unless a skin is named) and ends\n"
    L"with its exit code.\n";

int Fail(int code, const std::wstring& message) {
  fwprintf(stderr, L"skinrun: %ls\n", message.c_str());
  return code;
}

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// An argument quoted as the C runtime reads it back.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring out = L"\"";
  size_t slashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++slashes;
      continue;
    }
    out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
    slashes = 0;
    out += c;
  }
  out.append(slashes * 2, L'\\');
  return out + L"\"";
}

// The program as the system finds a command: the search path, then the programs registered under
// App Paths (wordpad, say). Empty when there is none.
std::wstring FindProgram(const std::wstring& name) {
  wchar_t found[MAX_PATH] = L"";
  if (SearchPathW(nullptr, name.c_str(), L".exe", MAX_PATH, found, nullptr)) return found;
  std::wstring key = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + name;
  if (name.size() < 4 || lstrcmpiW(name.c_str() + name.size() - 4, L".exe") != 0) key += L".exe";
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
  DWORD size = sizeof found - sizeof(wchar_t), type = 0;
  const LONG read = RegQueryValueExW(opened, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(found), &size);
  RegCloseKey(opened);
  if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  found[size / sizeof(wchar_t)] = 0;
  std::wstring path = found;
  if (path.size() > 1 && path.front() == L'"') path = path.substr(1, path.find(L'"', 1) - 1);
  return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ? std::wstring() : path;
}

// The program's machine from its headers, or 0 when it is not a Windows program.
WORD ProgramMachine(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  IMAGE_DOS_HEADER dos{};
  IMAGE_FILE_HEADER header{};
  DWORD signature = 0, read = 0;
  bool ok = ReadFile(file, &dos, sizeof dos, &read, nullptr) && read == sizeof dos &&
            dos.e_magic == IMAGE_DOS_SIGNATURE &&
            SetFilePointer(file, dos.e_lfanew, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
            ReadFile(file, &signature, sizeof signature, &read, nullptr) && signature == IMAGE_NT_SIGNATURE &&
            ReadFile(file, &header, sizeof header, &read, nullptr) && read == sizeof header &&
            !(header.Characteristics & IMAGE_FILE_DLL);
  CloseHandle(file);
  return ok ? header.Machine : 0;
}

constexpr WORD OwnMachine() {
#if defined(_M_X64) || defined(__x86_64__)
  return IMAGE_FILE_MACHINE_AMD64;
#else
  return IMAGE_FILE_MACHINE_I386;
#endif
}

// The launcher of the other bitness, beside this one.
std::wstring TwinLauncher() {
  return OwnFolder() +
         (OwnMachine() == IMAGE_FILE_MACHINE_AMD64 ? L"..\\skinrun.exe" : L"x64\\skinrun64.exe");
}

bool StartProcess(std::wstring command, DWORD flags, PROCESS_INFORMATION& process) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                        &process) != FALSE;
}

DWORD WaitForExitCode(const PROCESS_INFORMATION& process) {
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM found) {
  auto* wanted = reinterpret_cast<std::pair<DWORD, bool>*>(found);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == wanted->first && IsWindowVisible(window)) wanted->second = true;
  return !wanted->second;
}

// Waits for the program's end, watching whether it ever showed a window: a program that ends
// without one (a console tool, one that failed at its start) is told about, and its end is not
// reported as a success.
int WaitForProgram(const PROCESS_INFORMATION& process, const std::wstring& program) {
  std::pair<DWORD, bool> shown{process.dwProcessId, false};
  while (!shown.second && WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT)
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&shown));
  const DWORD code = WaitForExitCode(process);
  if (shown.second) return static_cast<int>(code);
  Fail(0, L"\"" + program + L"\" ended (exit code " + std::to_wstring(code) + L") before it showed a window");
  return code != 0 ? static_cast<int>(code) : kNoWindowError;
}

// Runs `routine(argument)` on a new thread of the program and waits for its result.
bool RunRemote(HANDLE process, LPTHREAD_START_ROUTINE routine, void* argument, DWORD& result) {
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, routine, argument, 0, nullptr);
  if (!thread) return false;
  const bool ended = WaitForSingleObject(thread, 15000) == WAIT_OBJECT_0;
  GetExitCodeThread(thread, &result);
  CloseHandle(thread);
  return ended;
}

// Bytes copied into the program's memory; freed when this goes.
struct RemoteCopy {
  HANDLE process;
  void* at = nullptr;
  RemoteCopy(HANDLE p, const void* bytes, size_t size) : process(p) {
    at = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (at && !WriteProcessMemory(process, at, bytes, size, nullptr)) at = nullptr;
  }
  ~RemoteCopy() {
    if (at) VirtualFreeEx(process, at, 0, MEM_RELEASE);
  }
};

// Where the DLL sits in the program: looked up, not assumed to be where it sits here.
BYTE* RemoteModuleBase(DWORD processId, const std::wstring& dllPath) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return nullptr;
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  BYTE* base = nullptr;
  const std::wstring name = dllPath.substr(dllPath.find_last_of(L"\\/") + 1);
  for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry))
    if (lstrcmpiW(entry.szModule, name.c_str()) == 0) base = entry.modBaseAddr;
  CloseHandle(snapshot);
  return base;
}

// Loads the DLL into the suspended program and has it hook the main thread.
std::wstring Inject(const PROCESS_INFORMATION& program, const std::wstring& dllPath, HMODULE localDll,
                    const sdk::TLaunchRequest& request) {
  RemoteCopy path(program.hProcess, dllPath.c_str(), (dllPath.size() + 1) * sizeof(wchar_t));
  if (!path.at) return L"cannot write into the program's memory";
  auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
  DWORD result = 0;
  if (!RunRemote(program.hProcess, loadLibrary, path.at, result) || !result)
    return L"cannot load quarnelskin.dll into the program";
  BYTE* remoteBase = RemoteModuleBase(program.dwProcessId, dllPath);
  auto* localEntry =
      reinterpret_cast<BYTE*>(reinterpret_cast<void*>(GetProcAddress(localDll, sdk::kLaunchEntryName)));
  if (!remoteBase || !localEntry) return L"cannot find quarnelskin.dll in the program";
  auto entry = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(remoteBase + (localEntry - reinterpret_cast<BYTE*>(localDll))));
  RemoteCopy argument(program.hProcess, &request, sizeof request);
  if (!argument.at || !RunRemote(program.hProcess, entry, argument.at, result) || result != 0)
    return L"cannot hook the program's main thread";
  return {};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  sdk::TLaunchRequest request{};
  lstrcpynW(request.skin, L"Longhorn Blue", sdk::kLaunchSkinLength);
  request.builtIn = 1;
  int first = 1;
  for (; first + 1 < argc; first += 2) {
    const std::wstring option = argv[first];
    if (option != L"--skin" && option != L"--builtin") break;
    request.builtIn = option == L"--builtin";
    lstrcpynW(request.skin, argv[first + 1], sdk::kLaunchSkinLength);
  }
  if (first >= argc || argv[first][0] == L'-') {
    fwprintf(stderr, L"%ls", kUsage);
    return kUsageError;
  }
  const std::wstring program = FindProgram(argv[first]);
  if (program.empty())
    return Fail(kUsageError, L"cannot find the program \"" + std::wstring(argv[first]) + L"\"");
  const WORD machine = ProgramMachine(program);
  if (!machine) return Fail(kUsageError, L"\"" + program + L"\" is not a Windows program");

  std::wstring arguments;
  for (int i = first + 1; i < argc; ++i) arguments += L" " + Quoted(argv[i]);
  PROCESS_INFORMATION process{};
  if (machine != OwnMachine()) {
    // The twin launcher takes the same command line.
    std::wstring command = Quoted(TwinLauncher());
    for (int i = 1; i < argc; ++i) command += L" " + Quoted(argv[i]);
    if (!StartProcess(command, 0, process))
      return Fail(kStartError,
                  L"\"" + program + L"\" needs " + TwinLauncher() + L", which cannot be started");
    return static_cast<int>(WaitForExitCode(process));
  }

  const std::wstring dllPath = OwnFolder() + L"quarnelskin.dll";
  HMODULE dll = LoadLibraryW(dllPath.c_str());
  if (!dll) return Fail(kStartError, L"cannot load " + dllPath);
  // The skin is checked here first: a skin that does not load starts no program.
  using LoadFn = int(__stdcall*)(const wchar_t*);
  using TextFn = const wchar_t*(__stdcall*)();
  auto load = reinterpret_cast<LoadFn>(reinterpret_cast<void*>(
      GetProcAddress(dll, request.builtIn ? "QuarnelSkinLoadBuiltIn" : "QuarnelSkinLoadFile")));
  auto lastError =
      reinterpret_cast<TextFn>(reinterpret_cast<void*>(GetProcAddress(dll, "QuarnelSkinLastError")));
  if (!load || !lastError) return Fail(kStartError, dllPath + L" is not the skin engine");
  if (load(request.skin) != QUARNEL_SKIN_OK) return Fail(kSkinError, lastError());

  if (!StartProcess(Quoted(program) + arguments, CREATE_SUSPENDED, process))
    return Fail(kStartError, L"\"" + program + L"\" cannot be started");
  request.thread = process.dwThreadId;
  const std::wstring failed = Inject(process, dllPath, dll, request);
  if (!failed.empty()) {
    TerminateProcess(process.hProcess, 1);
    WaitForExitCode(process);
    return Fail(kStartError, failed);
  }
  ResumeThread(process.hThread);
  return WaitForProgram(process, program);
}
