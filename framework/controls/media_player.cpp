// Media player: the button bar, painted from the glyph resources and pressed with the mouse; each
// click runs the button's MCI command (media_player_mci.cpp). User-interface thread.
#include "framework/controls/media_player.h"

// After the Windows types the media player's header brings in.
#include <mmsystem.h>

#include <algorithm>

#include "framework/core/text.h"
#include "framework/win/code_module.h"

const TEnumInfo& MPBtnTypeEnum() {
  static const TEnumInfo e{
      "TMPBtnType",
      {"btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord", "btEject"}};
  return e;
}

const TEnumInfo& MPModesEnum() {
  static const TEnumInfo e{
      "TMPModes", {"mpNotReady", "mpStopped", "mpPlaying", "mpRecording", "mpSeeking", "mpPaused", "mpOpen"}};
  return e;
}

const TEnumInfo& MPDeviceTypesEnum() {
  static const TEnumInfo e{
      "TMPDeviceTypes",
      {"dtAutoSelect", "dtAVIVideo", "dtCDAudio", "dtDAT", "dtDigitalVideo", "dtMMMovie", "dtOther",
       "dtOverlay", "dtScanner", "dtSequencer", "dtVCR", "dtVideodisc", "dtWaveAudio"}};
  return e;
}

const TClassInfo& TMediaPlayer::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMediaPlayer>("TMediaPlayer", &TWinControl::StaticClass())
          .Creatable()
          .Set("VisibleButtons", MPBtnTypeEnum(), &TMediaPlayer::VisibleButtons,
               &TMediaPlayer::SetVisibleButtons)
          .Set("EnabledButtons", MPBtnTypeEnum(), &TMediaPlayer::EnabledButtons,
               &TMediaPlayer::SetEnabledButtons)
          .Set("ColoredButtons", MPBtnTypeEnum(), &TMediaPlayer::ColoredButtons,
               &TMediaPlayer::SetColoredButtons)
          .Str("FileName", &TMediaPlayer::FileName, &TMediaPlayer::SetFileName)
          .Enum("DeviceType", MPDeviceTypesEnum(), &TMediaPlayer::DeviceType, &TMediaPlayer::SetDeviceType)
          .Bool("AutoOpen", &TMediaPlayer::AutoOpen, &TMediaPlayer::SetAutoOpen)
          .Bool("AutoEnable", &TMediaPlayer::AutoEnable, &TMediaPlayer::SetAutoEnable)
          .Bool("AutoRewind", &TMediaPlayer::AutoRewind, &TMediaPlayer::SetAutoRewind)
          .Int("Frames", &TMediaPlayer::Frames, &TMediaPlayer::SetFrames)
          .Enum("Mode", MPModesEnum(), &TMediaPlayer::Mode, nullptr)
          .Int("Length", &TMediaPlayer::Length, nullptr)
          .Int("Position", &TMediaPlayer::Position, &TMediaPlayer::SetPosition)
          .Int("Error", &TMediaPlayer::Error, nullptr)
          .Event("OnNotify", &TMediaPlayer::OnNotify)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

namespace {
const wchar_t* const kGlyphNames[] = {L"MPPLAY", L"MPPAUSE", L"MPSTOP",   L"MPNEXT", L"MPPREV",
                                      L"MPSTEP", L"MPBACK",  L"MPRECORD", L"MPEJECT"};
constexpr COLORREF kGlyphTransparent = RGB(128, 128, 128);
constexpr unsigned Bit(int button) {
  return 1u << button;
}
}  // namespace

TMediaPlayer::TMediaPlayer(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  width_ = 253;
  height_ = 30;
  color_ = clBtnFace;
  parentColor_ = true;
}

TMediaPlayer::~TMediaPlayer() {
  Close();
}

void TMediaPlayer::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.classStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
}

void TMediaPlayer::HandleCreated() {
  TWinControl::HandleCreated();
  LoadGlyphs();
}

void TMediaPlayer::LoadGlyphs() {
  static const wchar_t* const prefixes[] = {L"EN", L"DI", L"CL"};
  for (int button = 0; button < 9; ++button)
    for (int kind = 0; kind < 3; ++kind) {
      std::wstring name = std::wstring(prefixes[kind]) + L"_" + kGlyphNames[button];
      glyphs_[static_cast<size_t>(button * 3 + kind)].reset(static_cast<HBITMAP>(
          LoadImageW(fw::CodeModule(), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    }
}

void TMediaPlayer::Loaded() {
  TWinControl::Loaded();
  if (autoOpen_ && !fileName_.empty()) Open();
  UpdateAutoEnabled();
}

void TMediaPlayer::SetVisibleButtons(unsigned v) {
  visible_ = v & kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(unsigned v) {
  enabled_ = v & kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetColoredButtons(unsigned v) {
  colored_ = v & kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetAutoEnable(bool v) {
  autoEnable_ = v;
  UpdateAutoEnabled();
}

int TMediaPlayer::ButtonAt(int x) const {
  int shown[9], count = 0;
  for (int b = 0; b < 9; ++b)
    if (visible_ & Bit(b)) shown[count++] = b;
  if (count == 0 || x < 0) return -1;
  const int width = std::max(1, ClientWidth() / count);
  return x >= ClientWidth() ? -1 : shown[std::min(count - 1, x / width)];
}

void TMediaPlayer::Paint(HDC target) {
  RECT client;
  GetClientRect(handle_, &client);
  fw::UniqueDC dc = fw::CreateMemoryDC(target);
  fw::UniqueBitmap canvas(
      CreateCompatibleBitmap(target, std::max(1L, client.right), std::max(1L, client.bottom)));
  fw::SelectGuard keepCanvas(dc.get(), canvas.get());
  FillRect(dc.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
  int count = 0;
  for (int b = 0; b < 9; ++b) count += (visible_ & Bit(b)) != 0;
  if (count > 0) {
    const int width = client.right / count;
    fw::UniqueDC glyphDC = fw::CreateMemoryDC(target);
    int cell = 0;
    for (int b = 0; b < 9; ++b) {
      if (!(visible_ & Bit(b))) continue;
      RECT r{cell * width, 0, cell + 1 == count ? client.right : (cell + 1) * width, client.bottom};
      ++cell;
      const bool down = pressed_ == b && pressedIn_;
      DrawFrameControl(dc.get(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
      const bool enabled = (enabled_ & Bit(b)) && Enabled();
      const int kind = !enabled ? 1 : (colored_ & Bit(b)) ? 2 : 0;
      HBITMAP glyph = glyphs_[static_cast<size_t>(b * 3 + kind)].get();
      BITMAP info{};
      if (!glyph || !GetObjectW(glyph, sizeof info, &info)) continue;
      const int shift = down ? 1 : 0;
      fw::SelectGuard keepGlyph(glyphDC.get(), glyph);
      TransparentBlt(dc.get(), (r.left + r.right - info.bmWidth) / 2 + shift,
                     (r.top + r.bottom - info.bmHeight) / 2 + shift, info.bmWidth, info.bmHeight,
                     glyphDC.get(), 0, 0, info.bmWidth, info.bmHeight, kGlyphTransparent);
    }
  }
  BitBlt(target, 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
}

void TMediaPlayer::ClickButton(TMPBtnType button) {
  bool doDefault = true;
  if (OnButtonClick) OnButtonClick(this, button, doDefault);
  if (doDefault) {
    switch (button) {
      case btPlay:
        Play();
        break;
      case btPause:
        Pause();
        break;
      case btStop:
        Stop();
        break;
      case btNext:
        Next();
        break;
      case btPrev:
        Previous();
        break;
      case btStep:
        Step();
        break;
      case btBack:
        Back();
        break;
      case btRecord:
        StartRecording();
        break;
      case btEject:
        Eject();
        break;
    }
  }
  if (OnPostClick) OnPostClick(this, button);
}

void TMediaPlayer::WndProc(TMessage& m) {
  const int x = static_cast<short>(LOWORD(m.LParam)), y = static_cast<short>(HIWORD(m.LParam));
  bool handled = false;
  switch (m.Msg) {
    case WM_PAINT: handled = WmPaint(); break;
    case WM_ERASEBKGND: handled = WmEraseBackground(m.Result); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: handled = WmLButtonDown(x); break;
    case WM_MOUSEMOVE: handled = WmMouseMove(x, y); break;
    case WM_LBUTTONUP: handled = WmLButtonUp(x, y); break;
    case MM_MCINOTIFY: handled = MmMciNotify(static_cast<UINT>(m.LParam)); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TMediaPlayer::WmPaint() {
  fw::PaintDC dc(handle_);
  Paint(dc.get());
  return true;
}

bool TMediaPlayer::WmEraseBackground(LRESULT& result) {
  result = 1;
  return true;
}

bool TMediaPlayer::WmLButtonDown(int x) {
  const int b = ButtonAt(x);
  if (b >= 0 && (enabled_ & Bit(b))) {
    pressed_ = b;
    pressedIn_ = true;
    SetCapture(handle_);
    Repaint();
  }
  return true;
}

// The pressed button shows up while the pointer is over it; the move still reaches the control.
bool TMediaPlayer::WmMouseMove(int x, int y) {
  if (pressed_ >= 0) {
    const bool in = ButtonAt(x) == pressed_ && y >= 0 && y < ClientHeight();
    if (in != pressedIn_) {
      pressedIn_ = in;
      Repaint();
    }
  }
  return false;
}

// The press may have lost the capture on the way (an overlay hands presses on): the release over
// the same button still clicks it.
bool TMediaPlayer::WmLButtonUp(int x, int y) {
  if (pressed_ >= 0) {
    const int b = pressed_;
    const bool click = ButtonAt(x) == b && y >= 0 && y < ClientHeight();
    pressed_ = -1;
    if (GetCapture() == handle_) ReleaseCapture();
    Repaint();
    if (click) ClickButton(static_cast<TMPBtnType>(b));
  }
  return true;
}

bool TMediaPlayer::MmMciNotify(UINT device) {
  if (device == device_) {
    UpdateAutoEnabled();
    OnNotify(this);
  }
  return true;
}
