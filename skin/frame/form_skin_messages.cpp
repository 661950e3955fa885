// TWinSkinForm's window procedure: one switch that hands each message, cracked, to its named
// handler (its parts' or its own), and the handlers of the messages every skinned window takes
// (painting a foreign window's face, its control colours, the question whether it is skinned,
// its end). A handler's true means handled; what no handler takes goes on to the previous
// procedure once. The frame's own messages are in form_skin_nonclient.cpp. UI thread of the
// skinned window.
#include <windowsx.h>

#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {
// Crackers of the parameters.
POINT ScreenPoint(LPARAM lParam) {
  return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}
UINT Id(WPARAM wParam) {
  return static_cast<UINT>(wParam);
}
wchar_t Key(WPARAM word) {
  return static_cast<wchar_t>(LOWORD(word));
}
template <class T>
T* Ptr(LPARAM lParam) {
  return reinterpret_cast<T*>(lParam);
}
template <class T>
T& Ref(LPARAM lParam) {
  return *Ptr<T>(lParam);
}

// A window without a form stands on the skin's face colour.
bool OnEraseForeignFace(const TFrameView& view, TMessage& m, HDC dc) {
  view.Default(m);
  const TSkinData* skin = view.Skin();
  if (view.Form() || !skin || !skin->FaceBrush) return true;
  RECT client{};
  GetClientRect(view.Window(), &client);
  FillRect(dc, &client, skin->FaceBrush.get());
  m.Result = 1;
  return true;
}

bool OnForeignControlColor(const TFrameView& view, TMessage& m, HDC dc, bool staticText) {
  view.Default(m);
  const TSkinData* skin = view.Skin();
  if (view.Form()) return true;
  SetBkMode(dc, TRANSPARENT);
  if (staticText && skin && skin->FaceBrush) {
    // Static text stands on the face colour: in the skin's text colour, or a dark skin hides it.
    SetTextColor(dc, ResolveSkinColor(skin->Colors[scButtonText]));
    m.Result = reinterpret_cast<LRESULT>(skin->FaceBrush.get());
  }
  return true;
}

bool OnQuerySkinned(const TFrameView& view, TMessage& m) {
  m.Result = 1;
  PostMessageW(view.Window(), SKM_SKINNED, 0, SkinMessageTag);
  return true;
}

}  // namespace

void TWinSkinForm::FrameWindowProc(TMessage& m) {
  if (!OnFrameMessage(m)) subclass_.Default(m);
}

bool TWinSkinForm::OnFrameMessage(TMessage& m) {
  // clang-format off
  switch (m.Msg) {
    case WM_ERASEBKGND:       return OnEraseForeignFace(view_, m, reinterpret_cast<HDC>(m.WParam));
    case WM_NCDESTROY:        return OnNcDestroy(m);
    case WM_NCUAHDRAWCAPTION: return nonClient_.OnNcUahDrawCaption(m);
    case WM_MEASUREITEM:      return menuBand_.OnMeasureItem(m, Id(m.WParam), Ref<MEASUREITEMSTRUCT>(m.LParam));
    case WM_DRAWITEM:         return menuBand_.OnDrawItem(m, Id(m.WParam), Ref<const DRAWITEMSTRUCT>(m.LParam));
    case WM_MENUCHAR:         return menuBand_.OnMenuChar(m, Key(m.WParam), reinterpret_cast<HMENU>(m.LParam));
    case WM_INITMENUPOPUP:    return menuBand_.OnInitMenuPopup(m, reinterpret_cast<HMENU>(m.WParam), HIWORD(m.LParam), caption_.WindowMenu().Native());
    case WM_EXITMENULOOP:     return menuBand_.OnExitMenuLoop(m);
    case WM_UPDATEUISTATE:    return menuBand_.OnUpdateUiState(m);
    case WM_CTLCOLORBTN:      return OnForeignControlColor(view_, m, reinterpret_cast<HDC>(m.WParam), false);
    case WM_CTLCOLORSTATIC:   return OnForeignControlColor(view_, m, reinterpret_cast<HDC>(m.WParam), true);
    case SKM_ACTIVATE:        return OnCompleteActivation(m.LParam);
    case SKM_RESKINSCROLL:    return controls_.OnReskinScroll(reinterpret_cast<HWND>(m.WParam));
    case WM_PARENTNOTIFY:     return controls_.OnParentNotify(m, LOWORD(m.WParam));
    case SKM_WALKCHILDREN:    return controls_.OnWalkChildren(m.LParam);
    case SKM_QUERYSKINNED:    return OnQuerySkinned(view_, m);
    case WM_SIZE:             return show_.OnSize(m, Id(m.WParam));
    case WM_ACTIVATE:         return show_.OnActivate(LOWORD(m.WParam) != WA_INACTIVE);
    case WM_GETMINMAXINFO:    return show_.OnGetMinMaxInfo(m);
    case WM_WINDOWPOSCHANGED: return show_.OnWindowPosChanged(m);
    case WM_SETICON:          return caption_.OnSetIcon(m);
    case WM_COMMAND:          return show_.OnCommand(LOWORD(m.WParam));
    case WM_SYSCOMMAND:       return OnSysCommand(m, Id(m.WParam & 0xFFF0), Key(m.LParam));
    case SKM_MENUBARCLICK:    return pointer_.OnMenuBarClick(ScreenPoint(m.LParam));
    case CM_MENUCHANGED:      return menuBand_.OnMenuChanged(m);
    case WM_NCACTIVATE:       return OnNcActivate(m, m.WParam != 0);
    case WM_NCCALCSIZE:       return nonClient_.OnNcCalcSize(m, m.WParam != 0, Ptr<NCCALCSIZE_PARAMS>(m.LParam));
    case WM_NCHITTEST:        return nonClient_.OnNcHitTest(m, ScreenPoint(m.LParam));
    case WM_NCPAINT:          return nonClient_.OnNcPaint(m);
    case WM_NCMOUSEMOVE:      return pointer_.OnNcMouseMove(ScreenPoint(m.LParam));
    case WM_NCLBUTTONDOWN:    return pointer_.OnNcLButtonDown(m, Id(m.WParam), ScreenPoint(m.LParam));
    case WM_NCLBUTTONUP:      return pointer_.OnNcLButtonUp(ScreenPoint(m.LParam));
    case WM_NCLBUTTONDBLCLK:  return pointer_.OnNcLButtonDblClk(Id(m.WParam), ScreenPoint(m.LParam));
    case WM_NCRBUTTONDOWN:    return pointer_.OnNcRButtonDown(Id(m.WParam), ScreenPoint(m.LParam));
    case SKM_REPAINTFRAME:    return nonClient_.OnRepaintFrame();
    case WM_SYSCOLORCHANGE:   return nonClient_.OnSysColorChange(m);
    case WM_SETTINGCHANGE:    return nonClient_.OnSettingChange(m, Id(m.WParam));
    case WM_THEMECHANGED:     return nonClient_.OnMetricsChange(m);
    default:                  return false;
  }
  // clang-format on
}

// Everything this object put on the window is taken off before the window's own last message.
bool TWinSkinForm::OnNcDestroy(TMessage& m) {
  activation_.SkinState = fsDestroying;
  menuBand_.AbandonTracking();
  const WNDPROC previous = subclass_.Previous();
  const bool unicode = subclass_.Unicode();
  if (!activation_.FrameEnabled) {
    Detach();
  } else {
    caption_.WindowMenu().Drop();
    menuBand_.RestoreForeignMenus();
    // The bar taken off the window is not destroyed with it: it goes here, unless a menu
    // component owns it.
    menuBand_.DestroyWithWindow();
    caption_.SetHoverTimer(false);
    RestoreProcedures();
    controls_.ReleaseControlSkins(true);
  }
  subclass_.Restore();
  m.Result = unicode ? CallWindowProcW(previous, bound_.Window, m.Msg, m.WParam, m.LParam)
                     : CallWindowProcA(previous, bound_.Window, m.Msg, m.WParam, m.LParam);
  activation_.SkinState = fsDestroyed;
  return true;
}

}  // namespace quarnel
