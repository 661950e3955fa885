// Caption buttons of a frame: built from the skin's records, shown or hidden by their codes,
// laid out by alignment, painted into the caption band or alone onto the window; the window
// icon bitmap and its drawing. UI thread.
#include "framework/ui/application.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/caption_layout.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

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

void TWinSkinForm::FreeCaptionButtons() {
  if (caption_.HotObject && caption_.HotObject->IsCaptionButton()) caption_.HotObject = nullptr;
  caption_.Buttons.clear();
}

void TWinSkinForm::BuildCaptionButtons() {
  FreeCaptionButtons();
  if (!SkinData) return;
  for (auto& record : SkinData->SysButtons) {
    if (!record) continue;
    auto button = std::make_unique<TWinSysButton>(this, record.get());
    if (button->IsIconButton()) {
      // Made at activation and again at each WM_SETICON: a new skin does not change it.
      if (caption_.IconBitmap.Empty()) BuildIconBitmap();
      if (record->Image.Empty()) record->Image.Assign(caption_.IconBitmap);
      if (SkinData->AppIcon.Empty()) SkinData->AppIcon.Assign(caption_.IconBitmap);
      record->FrameCount = 1;
    }
    caption_.Buttons.push_back(std::move(button));
  }
}

void TWinSkinForm::BuildIconBitmap() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  caption_.IconBitmap.SetSize(cx, cy);
  RECT all{0, 0, cx, cy};
  fw::UniqueBrush magenta(CreateSolidBrush(kSkinTransparentColor));
  FillRect(caption_.IconBitmap.DC(), &all, magenta.get());
  caption_.IconSize = cx;
  if (HICON icon = WindowIcon(Window)) {
    fw::UniqueIcon small(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
    if (small) DrawIconEx(caption_.IconBitmap.DC(), 0, 0, small.get(), cx, cy, 0, nullptr, DI_NORMAL);
  }
}

bool TWinSkinForm::IsButtonVisible(TWinSysButton& button) {
  CaptionWindowFacts facts;
  facts.maximized = activation_.WindowShowState == wssMaximized;
  facts.active = activation_.Active;
  facts.borderIcons = activation_.BorderIcons;
  facts.dialogBorder = activation_.BorderKind == bkDialog;
  facts.dialogClass = activation_.DialogClass;
  if (activation_.FormKind == fkMDIFrame && MDIClient && metrics_.MenuBarHeight > 0) {
    BOOL maximized = FALSE;
    if (SendMessageW(MDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)))
      facts.mdiChildControlsShown = maximized != FALSE;
  }
  const int action = button.Skin->Action;
  HWND window = Window;
  const CaptionButtonShown shown = CaptionButtonVisibility(
      action, button.Skin->Visibility, button.Skin->Visibility1, facts, [window, action](int code) {
        return SendMessageW(window, SKM_BUTTONVISIBLE, static_cast<WPARAM>(code), action) > 0;
      });
  button.Visible = shown.visible;
  button.Enabled = shown.enabled;
  return shown.visible;
}

void TWinSkinForm::LayoutCaptionButtons() {
  CaptionPlacement where;
  where.windowWidth = metrics_.WindowSize.cx;
  where.titleBack = {metrics_.TitleBackRect.left, metrics_.TitleBackRect.top, metrics_.TitleBackRect.right,
                     metrics_.TitleBackRect.bottom};
  where.borderRight = metrics_.BorderRight;
  where.menuBarLeft = SkinData && SkinData->MenuBar ? SkinData->MenuBar->LeftWidth : 0;
  where.captionHeight = metrics_.CaptionHeight;
  where.menuBarHeight = metrics_.MenuBarHeight;
  for (auto& button : caption_.Buttons) {
    TDataSkinSysButton& skin = *button->Skin;
    if (!button->Visible || skin.Image.Empty()) continue;
    const int frameWidth = skin.Image.Width() / std::max(skin.FrameCount, 1);
    const TitleBox previous{button->Rect.left, button->Rect.top, button->Rect.right, button->Rect.bottom};
    const TitleBox box = PlaceCaptionButton(skin.Align, skin.XCoord, skin.YCoord, frameWidth,
                                            skin.Image.Height(), where, previous);
    button->Rect = {box.left, box.top, box.right, box.bottom};
  }
}

void TWinSkinForm::PaintCaptionButtons(HDC target) {
  for (auto& button : caption_.Buttons) {
    TDataSkinSysButton& skin = *button->Skin;
    if (!button->Visible || skin.Image.Empty() || skin.Visibility == 100) continue;
    if (button->IsIconButton()) {
      DrawCaptionIcon(target, button->Rect, metrics_.TitleRect, caption_.IconSize, caption_.IconBitmap);
      continue;
    }
    const int frame = CaptionFrameForCaption(skin.FrameCount, activation_.Active, button->Enabled);
    DrawSkinFrameStretched(target, button->Rect, skin.Image, true, skin.FrameCount, frame);
  }
}

void TWinSkinForm::PaintCaptionButton(TWinSysButton& button, HDC windowDC) {
  TDataSkinSysButton& skin = *button.Skin;
  if (!button.Visible || skin.Image.Empty() || !windowDC) return;
  if (button.IsIconButton()) {
    DrawCaptionIcon(windowDC, button.Rect, metrics_.TitleRect, caption_.IconSize, caption_.IconBitmap);
    return;
  }
  const int frame =
      CaptionFrameForState(button.State, skin.FrameCount, button.Enabled, skin.Visibility == 100);
  DrawSkinFrameStretched(windowDC, button.Rect, skin.Image, true, skin.FrameCount, frame);
}

}  // namespace quarnel
