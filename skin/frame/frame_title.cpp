// The caption title: the window text read wide or narrow, placed by the title layout, drawn
// over its optional backdrop into the caption bitmap. UI thread.
#include <algorithm>
#include <vector>

#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/title_layout.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {
std::wstring ReadWindowText(HWND window, bool unicodeWindow) {
  if (unicodeWindow && CurrentPlatform() == GdiPlatform::Nt) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
  }
  std::vector<char> buffer(1000, '\0');
  const LRESULT got =
      SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  const size_t length = std::min<size_t>(static_cast<size_t>(std::max<LRESULT>(got, 0)), buffer.size() - 1);
  return AnsiToWide(std::string_view(buffer.data(), length));
}
}  // namespace

void TWinSkinForm::PaintTitle(const RECT& captionRect) {
  TDataSkinTitle* title = SkinData ? SkinData->Title.get() : nullptr;
  if (!title) return;
  const std::wstring text =
      caption_.TitlePrefix + ReadWindowText(Window, activation_.UnicodeWindow) + caption_.TitleSuffix;

  metrics_.ButtonReserve = 0;
  for (auto& button : caption_.Buttons) {
    IsButtonVisible(*button);
    if (button->Skin->Align == 1 && button->Visible && !button->Skin->Image.Empty())
      metrics_.ButtonReserve = std::max(metrics_.ButtonReserve, button->Skin->XCoord);
  }

  HDC dc = caption_.Bitmap.DC();
  fw::SelectGuard font(dc, caption_.Font.get());
  const COLORREF oldColour = SetTextColor(dc, ResolveSkinColor(SkinData->Colors[activation_.Active ? 1 : 2]));
  const int oldMode = SetBkMode(dc, TRANSPARENT);

  RECT measured = captionRect;
  DrawTextWide(dc, text, measured, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
  TitleLayoutInput in;
  in.caption = {captionRect.left, captionRect.top, captionRect.right, captionRect.bottom};
  in.textWidth = measured.right - measured.left;
  in.textHeight = measured.bottom - measured.top;
  in.textShift = title->TextShift();
  in.textShiftVert = title->TextShiftVert();
  in.textRightClip = title->TextRightClip();
  in.textAlignment = title->TextAlignment;
  in.textBackLeft = title->TextBackLeft;
  in.textBackRight = title->TextBackRight;
  in.buttonReserve = metrics_.ButtonReserve;
  in.rightToLeft = activation_.RightToLeft;
  in.popupWindow = (GetWindowLongW(Window, GWL_STYLE) & WS_POPUP) != 0;
  in.dialog = activation_.BorderKind == bkDialog;
  const TitleLayout layout = LayoutTitle(in);
  metrics_.TitleBackRect = {layout.back.left, layout.back.top, layout.back.right, layout.back.bottom};

  if (!title->Image.Empty()) {
    const RECT back{layout.back.left, captionRect.top, layout.back.right, captionRect.bottom};
    SkinMargins ends;
    ends.LeftWidth = title->TextBackLeft;
    ends.RightWidth = title->TextBackRight;
    DrawSkinBar(caption_.Bitmap.Canvas(), back, title->Image, true, true, 2, activation_.Active ? 1 : 2,
                ends);
    // The canvas selects its own objects: put the caption's back for the text.
    SelectObject(dc, caption_.Font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveSkinColor(SkinData->Colors[activation_.Active ? 1 : 2]));
  }

  RECT textRect{layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};
  UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (activation_.RightToLeft) format |= DT_RIGHT | DT_RTLREADING;
  if (textRect.right > textRect.left) DrawTextWide(dc, text, textRect, format);
  metrics_.TitleRect = {layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};

  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColour);
}

}  // namespace quarnel
