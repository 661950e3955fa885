// TransmitFile through the entry table, or from "MSWSOCK.DLL" where the system keeps it when the
// socket library itself does not export it. Any thread.
#include "net/serve_file.h"

#include <mswsock.h>

#include "framework/win/handles.h"
#include "net/id_exceptions.h"
#include "net/winsock_table.h"

namespace {

using TransmitFileFn = decltype(&::TransmitFile);

TransmitFileFn SystemTransmitFile() {
  HMODULE module = GetModuleHandleA("MSWSOCK.DLL");
  if (!module) module = LoadLibraryA("MSWSOCK.DLL");  // stays loaded for the process
  return module ? reinterpret_cast<TransmitFileFn>(reinterpret_cast<void*>(GetProcAddress(module, "TransmitFile")))
                : nullptr;
}

bool IsNtPlatform() { return (GetVersion() & 0x80000000u) == 0; }

}  // namespace

const TServeFileProc GServeFileProc = IsNtPlatform() ? &ServeFile : nullptr;

uint32_t ServeFile(SOCKET socket, const std::string& fileName) {
  HANDLE raw = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return 0;
  fw::UniqueKernelHandle file(raw);
  BOOL sent = FALSE;
  try {
    sent = ws2::Call<ws2::k_TransmitFile>(socket, file.get(), 0, 0, nullptr, nullptr, 0);
  } catch (const EIdWS2StubError&) {
    // The socket library does not export it (it lives in MSWSOCK.DLL on most systems).
    TransmitFileFn transmit = SystemTransmitFile();
    sent = transmit && transmit(socket, file.get(), 0, 0, nullptr, nullptr, 0);
  }
  if (!sent) return 0;
  return GetFileSize(file.get(), nullptr);
}
