// Driving the real program from another process, as a user or a test would: starting it,
// finding its windows and controls, reading their texts. Test thread.
#pragma once
#include <windows.h>

#include <string>

namespace testing_support {

// The program as a child process; ended (if still running) and closed when this goes.
class ProgramProcess {
 public:
  ProgramProcess() = default;
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;
  // A build-machine path, made a Wine path here; `arguments` follow the program's name. The
  // program works in `folder` when one is given, else in this process's working folder.
  bool Start(const std::string& exePath, const std::wstring& arguments = L"",
             const std::wstring& folder = L"");
  DWORD Id() const { return pi_.dwProcessId; }
  // Waits for the end; true with the exit code when it ended in time.
  bool WaitForExit(DWORD ms, DWORD& exitCode);

 private:
  PROCESS_INFORMATION pi_{};
};

// Waits, without pumping this thread's messages, until `done()` holds or `ms` milliseconds pass;
// returns whether it held. For windows of another process, which answer on their own.
template <class Pred>
bool wait_for(Pred done, DWORD ms = 8000) {
  for (DWORD start = GetTickCount(); !done(); Sleep(20))
    if (GetTickCount() - start > ms) return false;
  return true;
}
// The window answers the skin engine's question with "skinned" (asked with a time-out).
bool answers_skinned(HWND window);
// The first visible top-level window of class `cls` (a popup menu: "#32768") of process `pid`.
HWND visible_window_of(DWORD pid, const wchar_t* cls);

// The first child window with this text and/or class (null: any).
HWND find_child(HWND parent, const wchar_t* text, const wchar_t* cls = nullptr);
// A window's text, asked with a time-out so that a busy program cannot hang the test.
std::wstring window_text(HWND wnd);
// The visible "Quarnel Ver:1.0" main window of process `pid`, once its last control exists.
HWND wait_for_main_window(DWORD pid, DWORD ms = 10000);
// The visible "#32770" dialog captioned `title` of process `pid` (0: any process), or null.
HWND find_dialog(DWORD pid, const wchar_t* title);
// The joined texts of a dialog's static controls (a message box's message).
std::wstring static_text_of(HWND dialog);

// The system's light or dark setting for programs, as the user's registry keeps it (null: no
// such setting), announced to every top-level window as the system announces a change.
void set_system_look(const DWORD* light);

}  // namespace testing_support
