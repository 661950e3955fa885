// The module that holds this code (the program itself, or the DLL the engine was linked into),
// to which the framework's and the skin engine's window classes, windows and resources belong,
// and the bytes of a module's data resources. Any thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

namespace fw {

HINSTANCE CodeModule();
// The bytes of the RCDATA resource `name` of `module`; empty when it has none.
std::vector<uint8_t> ResourceBytes(HMODULE module, const wchar_t* name);

}  // namespace fw
