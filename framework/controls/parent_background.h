// Painting a control's background from its parent: what a container whose `ParentBackground`
// is set shows behind its content. User-interface thread.
#pragma once
#include <windows.h>

class TWinControl;

namespace fw {

// Asks the parent window to erase the part of itself that `control` covers into `dc` (the
// control's client coordinates). False when the control has no parent window.
bool DrawParentBackground(TWinControl& control, HDC dc);

// Erases a container's client area: from the parent when `fromParent`, else in its colour.
void EraseContainer(TWinControl& control, HDC dc, HBRUSH colorBrush, bool fromParent);

}  // namespace fw
