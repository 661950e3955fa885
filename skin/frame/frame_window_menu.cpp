// TFrameWindowMenu: an owner-drawn popup copied from the system's window menu (glyphs from the
// skin data's menu glyphs). UI thread.
#include "skin/frame/frame_window_menu.h"

#include "framework/core/text.h"
#include "framework/ui/menu.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_caption.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/nc_object.h"

namespace quarnel {

namespace {
constexpr int kSystemMenuTag = 33333;
enum MenuGlyph { kGlyphRestore = 0, kGlyphMaximize = 1, kGlyphMinimize = 2, kGlyphClose = 3 };
}  // namespace

TFrameWindowMenu::TFrameWindowMenu(const TFrameView& view, TCaptionOwner& owner)
    : view_(view), owner_(owner), doubleClickTime_(GetDoubleClickTime()) {}

void TFrameWindowMenu::Read() {
  native_ = GetSystemMenu(view_.Window(), FALSE);
}

bool TFrameWindowMenu::HasClose() const {
  if (OlderWindowMenuSystem()) return true;
  if (!native_) return false;
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_ID;
  return GetMenuItemInfoA(native_, SC_CLOSE, FALSE, &info) != FALSE;
}

bool TFrameWindowMenu::Show(POINT screenPoint) {
  const DWORD now = GetTickCount();
  if (now - lastShownTick_ <= doubleClickTime_) return false;
  TFrameRegistry* manager = FrameRegistry();
  if (manager) manager->SetPopupKind(pkWindowMenu);
  lastShownTick_ = now;
  Build();
  // Its items are the skin's whatever the options say, so its window is the skin's too.
  if (manager) manager->SetSkinDrawnPopups(true);
  if (popup_) popup_->Popup(screenPoint.x, screenPoint.y);
  if (TFrameRegistry* still = FrameRegistry()) still->SetSkinDrawnPopups(false);
  return true;
}

void TFrameWindowMenu::Build() {
  popup_.reset();
  ComponentPtr<TPopupMenu> popup = TComponent::Make<TPopupMenu>();
  popup->SetTag(kSystemMenuTag);
  popup->SetOwnerDraw(true);
  if (TSkinData* skin = view_.Skin()) popup->SetImages(&skin->MenuGlyphs());
  TMenuItem* root = popup->Items();
  HWND window = view_.Window();
  const TFrameActivation& a = view_.Facts();
  auto post = [window](WPARAM command) {
    TNotifyEvent event;
    event.code = [window, command](TObject*) { PostMessageW(window, WM_SYSCOMMAND, command, 0); };
    return event;
  };

  if (SkinModule().IsNTPlatform && SystemMajorVersion() < 5) {
    auto add = [&](const char* caption, int tag, std::function<void()> action) {
      TMenuItem* item = root->AddNew(popup.get(), caption, tag);
      item->SetImageIndex(tag);
      if (action) item->OnClick.code = [action](TObject*) { action(); };
      return item;
    };
    add(" Restore ", 0, [this] { owner_.CaptionCommand(TCaptionCommand::Restore); });
    if (a.BorderIcons & kbiMaximize)
      add(" Maximize ", 1, [this] { owner_.CaptionCommand(TCaptionCommand::ToggleMaximize); });
    if (a.BorderIcons & kbiMinimize)
      add(" Minimize ", 2, [this] { owner_.CaptionCommand(TCaptionCommand::ToggleMinimize); });
    add("-", 100, nullptr)->SetImageIndex(-1);
    add(" Close ", 3, [this] { owner_.CaptionCommand(TCaptionCommand::Close); })->SetShortCut("ALT+F4");
  } else if (native_) {
    const int count = GetMenuItemCount(native_);
    for (int i = 0; i < count; ++i) {
      wchar_t text[80] = {};
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_FTYPE;
      info.dwTypeData = text;
      info.cch = static_cast<UINT>(std::size(text) - 1);
      if (!GetMenuItemInfoW(native_, static_cast<UINT>(i), TRUE, &info)) continue;
      std::wstring caption = (info.fType & MFT_SEPARATOR) ? std::wstring() : std::wstring(text);
      std::wstring keys;
      if (const size_t tab = caption.find(L'\t'); tab != std::wstring::npos) {
        keys = caption.substr(tab + 1);
        caption.resize(tab);
      }
      const UINT command = info.wID;
      TMenuItem* item =
          root->AddNew(popup.get(), caption.empty() ? "-" : fw::FromWide(caption), static_cast<int>(command));
      item->SetShortCut(fw::FromWide(keys));
      if (!item->IsLine()) item->OnClick = post(command);
      switch (command & 0xFFF0) {
        case SC_SIZE:
        case SC_MOVE:
          item->SetEnabled(view_.Show().State != wssMaximized);
          break;
        case SC_MINIMIZE:
          item->SetImageIndex(kGlyphMinimize);
          item->SetEnabled(view_.Show().State != wssMinimized && (a.BorderIcons & kbiMinimize));
          break;
        case SC_MAXIMIZE:
          item->SetImageIndex(kGlyphMaximize);
          item->SetEnabled(view_.Show().State != wssMaximized && (a.BorderIcons & kbiMaximize));
          break;
        case SC_CLOSE:
          item->SetImageIndex(kGlyphClose);
          break;
        case SC_RESTORE:
          item->SetImageIndex(kGlyphRestore);
          item->SetEnabled(view_.Show().State != wssNormal);
          break;
        default:
          break;
      }
      // Grayed or disabled alike: the system would not let either be chosen.
      if (info.fState & (MF_GRAYED | MF_DISABLED)) item->SetEnabled(false);
      if (info.fState & MFS_CHECKED) item->SetChecked(true);
      if (info.fState & MFS_DEFAULT) item->SetDefault(true);
    }
  }
  owner_.CaptionMenuBuilt(*root);
  popup_ = std::move(popup);
}

}  // namespace quarnel
