// The parent's background under a control, drawn by the parent into the control's DC.
// User-interface thread.
#include "framework/controls/parent_background.h"

#include "framework/ui/control.h"
#include "framework/win/handles.h"

namespace fw {

bool DrawParentBackground(TWinControl& control, HDC dc) {
  TWinControl* parent = control.Parent();
  if (!parent || !parent->HandleAllocated() || !control.HandleAllocated()) return false;
  POINT origin{0, 0};
  MapWindowPoints(control.RawHandle(), parent->RawHandle(), &origin, 1);
  RECT client;
  GetClientRect(control.RawHandle(), &client);
  SavedDCState saved(dc);
  IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  POINT old;
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
  SendMessageW(parent->RawHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
  return true;
}

void EraseContainer(TWinControl& control, HDC dc, HBRUSH colorBrush, bool fromParent) {
  if (fromParent && DrawParentBackground(control, dc)) return;
  RECT r;
  GetClientRect(control.RawHandle(), &r);
  FillRect(dc, &r, colorBrush);
}

}  // namespace fw
