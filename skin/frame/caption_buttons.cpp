// TFrameCaption's buttons: built from the skin's records, shown or hidden by their codes, laid
// out by alignment, painted into the caption band or alone onto the window; the window icon
// bitmap and its drawing; the caption band composed. UI thread.
#include <algorithm>
#include <climits>

#include "framework/ui/application.h"
#include "framework/ui/private_messages.h"
#include "framework/win/shared_caches.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/caption_layout.h"
#include "skin/frame/frame_caption.h"
#include "skin/frame/frame_paint.h"
#include "skin/frame/nc_object.h"

namespace quarnel {

namespace {
HICON WindowIcon(HWND window) {
  if (!window) return nullptr;
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  return icon;
}

// The application's icon at the caption's size. Scaling it costs about a millisecond, once per
// frame paint of every window; every frame shows the same icon, so one copy serves them all and
// is made again only when the icon or the size changes.
HICON ScaledAppIcon(HICON appIcon, int iconSize) {
  static HICON source = nullptr;
  static int size = 0;
  static fw::UniqueIcon copy;
  [[maybe_unused]] static const bool emptiable = (fw::OnEmptySharedCaches([] {
                                                    copy.reset();
                                                    source = nullptr;
                                                  }),
                                                  true);
  if (appIcon != source || iconSize != size || !copy) {
    copy.reset(static_cast<HICON>(CopyImage(appIcon, IMAGE_ICON, iconSize, iconSize, 0)));
    source = appIcon;
    size = iconSize;
  }
  return copy.get();
}

// The application's icon centred on the title; without one, the window's icon bitmap.
void DrawCaptionIcon(HDC target, const RECT& buttonRect, const RECT& titleRect, int iconSize,
                     TBitmap& iconBitmap) {
  if (HICON appIcon = WindowIcon(Application()->Handle()); appIcon && iconSize > 0) {
    if (HICON scaled = ScaledAppIcon(appIcon, iconSize)) {
      const int y = titleRect.top + (titleRect.bottom - titleRect.top) / 2 - iconSize / 2;
      DrawIconEx(target, 8, y, scaled, iconSize, iconSize, 0, nullptr, DI_NORMAL);
      return;
    }
  }
  DrawTransparent(target, buttonRect, iconBitmap, kSkinTransparentColor);
}
}  // namespace

TFrameCaption::TFrameCaption(const TFrameView& view, TCaptionOwner& owner)
    : view_(view), owner_(owner), title_(view), windowMenu_(view, owner) {}

TFrameCaption::~TFrameCaption() {
  SetHoverTimer(false);
  FreeButtons();
  windowMenu_.Drop();
}

void TFrameCaption::FreeButtons() {
  if (hot_ && hot_->IsCaptionButton()) hot_ = nullptr;
  buttons_.clear();
}

void TFrameCaption::BuildButtons() {
  FreeButtons();
  TSkinData* skin = view_.Skin();
  if (!skin) return;
  for (auto& record : skin->SysButtons) {
    if (!record) continue;
    auto button = std::make_unique<TWinSysButton>(this, record.get());
    if (button->IsIconButton()) {
      // Made at activation and again at each WM_SETICON: a new skin does not change it.
      if (iconBitmap_.Empty()) BuildIconBitmap();
      if (record->Image.Empty()) record->Image.Assign(iconBitmap_);
      skin->SetAppIconWhenEmpty(iconBitmap_);
      record->FrameCount = 1;
    }
    buttons_.push_back(std::move(button));
  }
}

void TFrameCaption::BuildIconBitmap() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  iconBitmap_.SetSize(cx, cy);
  RECT all{0, 0, cx, cy};
  fw::UniqueBrush magenta(CreateSolidBrush(kSkinTransparentColor));
  FillRect(iconBitmap_.DC(), &all, magenta.get());
  iconSize_ = cx;
  if (HICON icon = WindowIcon(view_.Window())) {
    fw::UniqueIcon small(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
    if (small) DrawIconEx(iconBitmap_.DC(), 0, 0, small.get(), cx, cy, 0, nullptr, DI_NORMAL);
  }
}

bool TFrameCaption::OnSetIcon(TMessage& m) {
  if (!view_.FrameDrawn()) return false;
  view_.Default(m);
  BuildIconBitmap();
  return true;
}

bool TFrameCaption::IsButtonVisible(TWinSysButton& button) {
  const TFrameActivation& a = view_.Facts();
  CaptionWindowFacts facts;
  facts.maximized = view_.Show().State == wssMaximized;
  facts.active = view_.Show().Active;
  facts.borderIcons = a.BorderIcons;
  facts.dialogBorder = a.BorderKind == bkDialog;
  facts.dialogClass = a.DialogClass;
  HWND mdiClient = view_.MDIClient();
  if (a.FormKind == fkMDIFrame && mdiClient && view_.Metrics().MenuBarHeight > 0) {
    BOOL maximized = FALSE;
    if (SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)))
      facts.mdiChildControlsShown = maximized != FALSE;
  }
  const int action = button.Skin()->Action;
  HWND window = view_.Window();
  const CaptionButtonShown shown = CaptionButtonVisibility(
      action, button.Skin()->Visibility, button.Skin()->Visibility1, facts, [window, action](int code) {
        return SendMessageW(window, SKM_BUTTONVISIBLE, static_cast<WPARAM>(code), action) > 0;
      });
  button.SetShown(shown.visible, shown.enabled);
  return shown.visible;
}

void TFrameCaption::LayoutButtons() {
  const TFrameMetrics& m = view_.Metrics();
  TSkinData* skin = view_.Skin();
  CaptionPlacement where;
  where.windowWidth = m.WindowSize.cx;
  const RECT& titleBack = title_.BackRect();
  where.titleBack = {titleBack.left, titleBack.top, titleBack.right, titleBack.bottom};
  where.borderRight = m.BorderRight;
  where.menuBarLeft = skin && skin->MenuBar ? skin->MenuBar->LeftWidth : 0;
  where.captionHeight = m.CaptionHeight;
  where.menuBarHeight = m.MenuBarHeight;
  for (auto& button : buttons_) {
    TDataSkinSysButton& record = *button->Skin();
    if (!button->Visible() || record.Image.Empty()) continue;
    const int frameWidth = record.Image.Width() / std::max(record.FrameCount, 1);
    const TitleBox previous{button->Rect().left, button->Rect().top, button->Rect().right,
                            button->Rect().bottom};
    const TitleBox box = PlaceCaptionButton(record.Align, record.XCoord, record.YCoord, frameWidth,
                                            record.Image.Height(), where, previous);
    button->SetRect({box.left, box.top, box.right, box.bottom});
  }
}

void TFrameCaption::PaintButtons(HDC target) {
  const bool active = view_.Show().Active;
  for (auto& button : buttons_) {
    TDataSkinSysButton& record = *button->Skin();
    if (!button->Visible() || record.Image.Empty() || record.Visibility == 100) continue;
    if (button->IsIconButton()) {
      DrawCaptionIcon(target, button->Rect(), title_.Rect(), iconSize_, iconBitmap_);
      continue;
    }
    const int frame = CaptionFrameForCaption(record.FrameCount, active, button->Enabled());
    DrawSkinFrameStretched(target, button->Rect(), record.Image, true, record.FrameCount, frame);
  }
}

void TFrameCaption::PaintButton(const TWinSysButton& button) {
  TDataSkinSysButton& record = *button.Skin();
  if (!button.Visible() || record.Image.Empty()) return;
  fw::WindowDC dc(view_.Window(), fw::WindowDC::kWindow);
  if (!dc.get()) return;
  if (button.IsIconButton()) {
    DrawCaptionIcon(dc.get(), button.Rect(), title_.Rect(), iconSize_, iconBitmap_);
    return;
  }
  const int frame =
      CaptionFrameForState(button.State(), record.FrameCount, button.Enabled(), record.Visibility == 100);
  DrawSkinFrameStretched(dc.get(), button.Rect(), record.Image, true, record.FrameCount, frame);
}

// The caption band: composed in the caption bitmap from the window's present pixels (the
// corners outside the outline stay), then copied once.
void TFrameCaption::Paint(HDC dc) {
  const TFrameMetrics& m = view_.Metrics();
  const TFrameShow& show = view_.Show();
  TSkinData* skin = view_.Skin();
  const int w = m.WindowSize.cx, h = m.WindowSize.cy;
  if (w <= 0 || h <= 0) return;
  RECT caption{};
  if (show.State == wssMinimized) {
    bitmap_.SetSize(w, h);
    RECT all{0, 0, w, h};
    FillRect(bitmap_.DC(), &all, skin->FaceBrush.get());
    caption = {0, 0, w, m.CaptionHeight};
  } else {
    if (m.CaptionHeight <= 0) return;
    bitmap_.SetSize(w, m.CaptionHeight);
    BitBlt(bitmap_.DC(), 0, 0, w, m.CaptionHeight, dc, 0, 0, SRCCOPY);
    caption = {m.BorderLeft, 0, w - m.BorderRight, m.CaptionHeight};
  }
  HDC band = bitmap_.DC();
  PaintBorderPiece(skin->FrameTop.get(), true, show.Active, caption, band);
  buttonReserve_ = 0;
  for (auto& button : buttons_) {
    IsButtonVisible(*button);
    if (button->Skin()->Align == 1 && button->Visible() && !button->Skin()->Image.Empty())
      buttonReserve_ = std::max(buttonReserve_, button->Skin()->XCoord);
  }
  title_.Paint(bitmap_, caption, buttonReserve_);
  LayoutButtons();
  PaintButtons(band);
  BitBlt(dc, 0, 0, bitmap_.Width(), bitmap_.Height(), band, 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

void TFrameCaption::UpdateMDIControls() {
  for (auto& button : buttons_)
    if (button->Skin()->Visibility == 100) IsButtonVisible(*button);
}

int TFrameCaption::MDIControlsLeft() const {
  int left = INT_MAX;
  for (const auto& button : buttons_)
    if (button->Visible() && !button->Skin()->Image.Empty() && button->Skin()->Visibility == 100)
      left = std::min<int>(left, button->Rect().left);
  return left;
}

void TFrameCaption::PaintMDIControls(HDC dc) {
  for (auto& button : buttons_) {
    TDataSkinSysButton& record = *button->Skin();
    if (!button->Visible() || record.Image.Empty() || record.Visibility != 100) continue;
    DrawSkinFrameStretched(dc, button->Rect(), record.Image, true, record.FrameCount, 1);
  }
}

}  // namespace quarnel
