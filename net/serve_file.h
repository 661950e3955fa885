// The socket layer's file-sending routine: sends a whole file over a connected socket with the
// system's TransmitFile and returns the file's size (0 when the send fails). Installed as
// `GServeFileProc` on NT platforms only; nothing in the program calls it. Any thread.
#pragma once
// clang-format off
#include <winsock2.h>
#include <windows.h>
// clang-format on

#include <cstdint>
#include <string>

using TServeFileProc = uint32_t (*)(SOCKET socket, const std::string& fileName);

// The routine for this platform: ServeFile on the NT family, null on the Windows 95 family.
extern const TServeFileProc GServeFileProc;

uint32_t ServeFile(SOCKET socket, const std::string& fileName);
