// The exported functions of quarnelskin.dll: each checks its arguments, hands the call to the
// process's one skinning session and turns what comes back into a result code and, on failure,
// the calling thread's last-error text. No exception leaves them. Also the DLL's entry point,
// which stops skinning when the DLL is unloaded while it runs. Host threads (see skin_session.h).
#include "include/quarnelskin.h"

#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <vector>

#include "framework/win/code_module.h"
#include "quarnel_version.h"
#include "sdk/skin_session.h"
#include "skin/data/skin_data.h"
#include "skin/data/whole_file.h"

namespace {

using sdk::TCallResult;

// Trivially destructible, as every thread-local datum of a DLL that must be able to unload.
constexpr size_t kLastErrorLength = 1024;
thread_local wchar_t lastError[kLastErrorLength];

// Recursive: a call may come back in from a window procedure the session's own work runs.
std::recursive_mutex& SessionLock() {
  static std::recursive_mutex lock;
  return lock;
}

sdk::TSkinSession& Session() {
  static sdk::TSkinSession session;
  return session;
}

int Report(const TCallResult& result) {
  if (result.code != QUARNEL_SKIN_OK) lstrcpynW(lastError, result.error.c_str(), kLastErrorLength);
  return result.code;
}

// Runs one call of the interface on the session; an exception becomes a failure of its own.
template <class Call>
int Guarded(const wchar_t* name, Call call) {
  try {
    std::lock_guard<std::recursive_mutex> guard(SessionLock());
    return Report(call(Session()));
  } catch (const std::exception& error) {
    const std::string what = error.what();
    return Report(
        {QUARNEL_SKIN_E_STATE, std::wstring(name) + L" failed: " + std::wstring(what.begin(), what.end())});
  } catch (...) {
    return Report({QUARNEL_SKIN_E_STATE, std::wstring(name) + L" failed."});
  }
}

TCallResult NullArgument(const wchar_t* what) {
  return {QUARNEL_SKIN_E_ARGUMENT, std::wstring(what) + L" is a null pointer."};
}

struct TBuiltInSkin {
  const wchar_t* name;
  const wchar_t* resource;
};
constexpr TBuiltInSkin kBuiltInSkins[] = {{L"Longhorn Blue", L"SKIN_LONGHORN_BLUE"},
                                          {L"Graphite Dark", L"SKIN_GRAPHITE_DARK"}};

// A package read for a call, with the name failure texts give it, or why it could not be had.
struct TNamedPackage {
  std::vector<uint8_t> packed;
  std::wstring source;
  TCallResult failure;
};

TNamedPackage BuiltInPackage(const wchar_t* name) {
  for (const TBuiltInSkin& skin : kBuiltInSkins)
    if (std::wstring(name) == skin.name)
      return {fw::ResourceBytes(fw::CodeModule(), skin.resource),
              L"The built-in skin \"" + std::wstring(name) + L"\"",
              {}};
  return {{},
          {},
          {QUARNEL_SKIN_E_ARGUMENT, L"There is no built-in skin \"" + std::wstring(name) +
                                        L"\": there are \"Longhorn Blue\" and \"Graphite Dark\"."}};
}

TNamedPackage FilePackage(const wchar_t* path) {
  TNamedPackage file{{}, L"The skin file \"" + std::wstring(path) + L"\"", {}};
  if (!quarnel::ReadWholeFile(std::wstring(path), file.packed))
    file.failure = {QUARNEL_SKIN_E_FILE, file.source + L" cannot be read."};
  return file;
}

// No message box from inside a host program: a package the engine cannot read is refused with
// its code and text instead.
const bool quietNotices = (quarnel::TSkinData::SetNotifier(nullptr), true);

}  // namespace

extern "C" {

int __stdcall QuarnelSkinLoadFile(const wchar_t* path) {
  return Guarded(L"QuarnelSkinLoadFile", [&](sdk::TSkinSession& session) -> TCallResult {
    if (!path) return NullArgument(L"The path");
    TNamedPackage file = FilePackage(path);
    if (file.failure.code != QUARNEL_SKIN_OK) return file.failure;
    return session.Load(std::move(file.packed), file.source);
  });
}

int __stdcall QuarnelSkinLoadMemory(const void* data, unsigned long size) {
  return Guarded(L"QuarnelSkinLoadMemory", [&](sdk::TSkinSession& session) -> TCallResult {
    if (!data) return NullArgument(L"The skin's address");
    const auto* bytes = static_cast<const uint8_t*>(data);
    return session.Load(std::vector<uint8_t>(bytes, bytes + size),
                        L"The skin in memory (" + std::to_wstring(size) + L" bytes)");
  });
}

int __stdcall QuarnelSkinLoadBuiltIn(const wchar_t* name) {
  return Guarded(L"QuarnelSkinLoadBuiltIn", [&](sdk::TSkinSession& session) -> TCallResult {
    if (!name) return NullArgument(L"The skin's name");
    TNamedPackage skin = BuiltInPackage(name);
    if (skin.failure.code != QUARNEL_SKIN_OK) return skin.failure;
    return session.Load(std::move(skin.packed), skin.source);
  });
}

int __stdcall QuarnelSkinFollowSystem(const wchar_t* light, const wchar_t* dark) {
  return Guarded(L"QuarnelSkinFollowSystem", [&](sdk::TSkinSession& session) -> TCallResult {
    if (!light) return NullArgument(L"The light skin");
    if (!dark) return NullArgument(L"The dark skin");
    // A built-in skin's name, else a file.
    auto named = [](const wchar_t* what) {
      TNamedPackage skin = BuiltInPackage(what);
      return skin.failure.code == QUARNEL_SKIN_OK ? skin : FilePackage(what);
    };
    TNamedPackage lightSkin = named(light), darkSkin = named(dark);
    if (lightSkin.failure.code != QUARNEL_SKIN_OK) return lightSkin.failure;
    if (darkSkin.failure.code != QUARNEL_SKIN_OK) return darkSkin.failure;
    return session.FollowSystem(std::move(lightSkin.packed), std::move(darkSkin.packed),
                                lightSkin.source + L" or " + darkSkin.source);
  });
}

int __stdcall QuarnelSkinStart(void) {
  return Guarded(L"QuarnelSkinStart", [](sdk::TSkinSession& session) { return session.Start(); });
}

void __stdcall QuarnelSkinStop(void) {
  Guarded(L"QuarnelSkinStop", [](sdk::TSkinSession& session) { return session.Stop(); });
}

int __stdcall QuarnelSkinExcludeWindow(HWND window, int exclude) {
  return Guarded(L"QuarnelSkinExcludeWindow",
                 [&](sdk::TSkinSession& session) { return session.Exclude(window, exclude != 0); });
}

const wchar_t* __stdcall QuarnelSkinLastError(void) {
  return lastError;
}

unsigned long __stdcall QuarnelSkinVersion(void) {
  return (static_cast<unsigned long>(quarnel::kVersionMajor) << 16) |
         (static_cast<unsigned long>(quarnel::kVersionMinor) << 8) | quarnel::kVersionPatch;
}

// Unloaded while skinning runs, the DLL stops first: nothing may call its code afterwards. At the
// process's end (reserved set) the windows go with it and nothing is done here.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && !reserved) {
    try {
      Session().StopNow();
    } catch (...) {
    }
  }
  return TRUE;
}

}  // extern "C"
