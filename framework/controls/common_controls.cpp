// Registers the common control classes once per process and makes system image lists from the
// framework's image lists. UI thread.
#include "framework/controls/common_controls.h"

#include "framework/core/text.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/ui/control.h"

namespace fw {

void EnsureCommonControls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                             ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES |
                                             ICC_DATE_CLASSES | ICC_COOL_CLASSES | ICC_USEREX_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)done;
}

UniqueImageList MakeSystemImageList(TImageList* list) {
  if (!list) return {};
  UniqueImageList images(
      ImageList_Create(list->Width(), list->Height(), ILC_COLOR24 | ILC_MASK, list->Count(), 4));
  if (!images) return images;
  // Each image is drawn with its own transparency over a key colour the system then masks out.
  constexpr COLORREF key = RGB(255, 0, 255);
  WindowDC screen(nullptr);
  for (int i = 0; i < list->Count(); ++i) {
    UniqueBitmap cell(CreateCompatibleBitmap(screen.get(), list->Width(), list->Height()));
    UniqueDC dc = CreateMemoryDC();
    {
      SelectGuard keep(dc.get(), cell.get());
      TCanvas canvas;
      canvas.SetHandle(dc.get());
      canvas.Brush().SetColor(static_cast<TColor>(key));
      canvas.FillRect({0, 0, list->Width(), list->Height()});
      list->Draw(canvas, 0, 0, i);
      canvas.SetHandle(nullptr);
    }
    // The bitmap must be out of every DC when the list copies it.
    ImageList_AddMasked(images.get(), cell.get(), key);
  }
  return images;
}

std::wstring ItemText(const std::string& text) {
  return ToWide(text);
}

}  // namespace fw
