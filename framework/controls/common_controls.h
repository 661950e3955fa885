// The system's common control classes (tab, header, track bar, progress, status, list view,
// up-down, date picker, tool bar, cool bar, extended combo, rich edit) are registered once per
// process before the first framework control over them is created; helpers the controls over
// them share (system image lists, remaking a window after a style change). UI thread.
#pragma once
#include <windows.h>
// The common control declarations need the base Windows types first.
#include <commctrl.h>

#include <string>

#include "framework/win/handles.h"

class TImageList;
class TWinControl;

namespace fw {

// Registers every common control class the framework builds on; later calls do nothing.
void EnsureCommonControls();

struct ImageListTraits {
  using Handle = HIMAGELIST;
  static Handle empty() noexcept { return nullptr; }
  static void close(Handle h) noexcept { ImageList_Destroy(h); }
};
using UniqueImageList = UniqueHandle<ImageListTraits>;

// A system image list holding the images of `list` with their transparency; empty for null.
UniqueImageList MakeSystemImageList(TImageList* list);

// Text for the wide item structures of the common controls (kept alive by the caller).
std::wstring ItemText(const std::string& text);

}  // namespace fw
