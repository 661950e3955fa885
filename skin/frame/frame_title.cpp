// TFrameTitle: the window text read wide or narrow, placed by the title layout, drawn over its
// optional backdrop into the caption band. UI thread.
#include "skin/frame/frame_title.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_paint.h"
#include "skin/frame/title_layout.h"

namespace quarnel {

namespace {
// The title stands off the caption's start and end by these.
const std::wstring kTitlePrefix = L"  ", kTitleSuffix = L" ";

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
fw::UniqueFont MakeCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return fw::UniqueFont();
  return fw::UniqueFont(CreateFontIndirectW(&metrics.lfCaptionFont));
}
}  // namespace

TFrameTitle::TFrameTitle(const TFrameView& view) : view_(view), font_(MakeCaptionFont()) {}

void TFrameTitle::RenewFont() {
  if (fw::UniqueFont font = MakeCaptionFont()) font_ = std::move(font);
}

void TFrameTitle::Paint(TBitmap& band, const RECT& captionRect, int buttonReserve) {
  TSkinData* skin = view_.Skin();
  const TFrameActivation& a = view_.Facts();
  HWND window = view_.Window();
  TDataSkinTitle* title = skin ? skin->Title.get() : nullptr;
  if (!title) return;
  const std::wstring text = kTitlePrefix + ReadWindowText(window, a.UnicodeWindow) + kTitleSuffix;

  HDC dc = band.DC();
  fw::SelectGuard font(dc, font_.get());
  const COLORREF oldColour = SetTextColor(dc, ResolveSkinColor(skin->Colors[view_.Show().Active ? 1 : 2]));
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
  in.buttonReserve = buttonReserve;
  in.rightToLeft = a.RightToLeft;
  in.popupWindow = (GetWindowLongW(window, GWL_STYLE) & WS_POPUP) != 0;
  in.dialog = a.BorderKind == bkDialog;
  const TitleLayout layout = LayoutTitle(in);
  backRect_ = {layout.back.left, layout.back.top, layout.back.right, layout.back.bottom};

  if (!title->Image.Empty()) {
    const RECT back{layout.back.left, captionRect.top, layout.back.right, captionRect.bottom};
    SkinMargins ends;
    ends.LeftWidth = title->TextBackLeft;
    ends.RightWidth = title->TextBackRight;
    DrawSkinBar(band.Canvas(), back, title->Image, true, true, 2, view_.Show().Active ? 1 : 2, ends);
    // The canvas selects its own objects: put the caption's back for the text.
    SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveSkinColor(skin->Colors[view_.Show().Active ? 1 : 2]));
  }

  RECT textRect{layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};
  UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (a.RightToLeft) format |= DT_RIGHT | DT_RTLREADING;
  if (textRect.right > textRect.left) DrawTextWide(dc, text, textRect, format);
  rect_ = {layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};

  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColour);
}

}  // namespace quarnel
