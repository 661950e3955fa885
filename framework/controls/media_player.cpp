// Media player: the button bar (painting from the glyph resources, pressing with the mouse) and
// the MCI commands each button performs on the open device. User-interface thread.
#include "framework/controls/media_player.h"

#include <mmsystem.h>

#include <algorithm>

#include "framework/core/text.h"

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
const wchar_t* const kDeviceNames[] = {L"",        L"AVIVideo",  L"CDAudio",  L"DAT",     L"DigitalVideo",
                                       L"MMMovie", L"Other",     L"Overlay",  L"Scanner", L"Sequencer",
                                       L"VCR",     L"Videodisc", L"WaveAudio"};
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
          LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
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
  switch (m.Msg) {
    case WM_PAINT: {
      fw::PaintDC dc(handle_);
      Paint(dc.get());
      return;
    }
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int b = ButtonAt(x);
      if (b >= 0 && (enabled_ & Bit(b))) {
        pressed_ = b;
        pressedIn_ = true;
        SetCapture(handle_);
        Repaint();
      }
      return;
    }
    case WM_MOUSEMOVE:
      if (pressed_ >= 0) {
        const bool in = ButtonAt(x) == pressed_ && y >= 0 && y < ClientHeight();
        if (in != pressedIn_) {
          pressedIn_ = in;
          Repaint();
        }
      }
      break;
    case WM_LBUTTONUP:
      // The press may have lost the capture on the way (an overlay hands presses on): the
      // release over the same button still clicks it.
      if (pressed_ >= 0) {
        const int b = pressed_;
        const bool click = ButtonAt(x) == b && y >= 0 && y < ClientHeight();
        pressed_ = -1;
        if (GetCapture() == handle_) ReleaseCapture();
        Repaint();
        if (click) ClickButton(static_cast<TMPBtnType>(b));
      }
      return;
    case MM_MCINOTIFY:
      if (static_cast<UINT>(m.LParam) == device_) {
        UpdateAutoEnabled();
        OnNotify(this);
      }
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

DWORD TMediaPlayer::Send(UINT command, DWORD_PTR flags, void* params) const {
  return mciSendCommandW(device_, command, flags, reinterpret_cast<DWORD_PTR>(params));
}

bool TMediaPlayer::Check(DWORD result) {
  error_ = result;
  UpdateAutoEnabled();
  return result == 0;
}

std::string TMediaPlayer::ErrorMessage() const {
  if (!error_) return std::string();
  wchar_t text[256] = {};
  if (!mciGetErrorStringW(error_, text, 256)) return "MCI error " + std::to_string(error_);
  return fw::FromWide(text);
}

void TMediaPlayer::Open() {
  Close();
  std::wstring file = fw::ToWide(fileName_);
  MCI_OPEN_PARMSW open{};
  DWORD_PTR flags = MCI_WAIT;
  if (!file.empty()) {
    open.lpstrElementName = file.c_str();
    flags |= MCI_OPEN_ELEMENT;
  }
  if (deviceType_ != dtAutoSelect) {
    open.lpstrDeviceType = kDeviceNames[deviceType_];
    flags |= MCI_OPEN_TYPE;
  }
  error_ = mciSendCommandW(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open));
  if (!error_) {
    device_ = open.wDeviceID;
    MCI_SET_PARMS format{};
    format.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    Send(MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, &format);  // devices without it keep their own
  }
  UpdateAutoEnabled();
}

void TMediaPlayer::Close() {
  if (!device_) return;
  MCI_GENERIC_PARMS close{};
  mciSendCommandW(device_, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close));
  device_ = 0;
  if (!IsDestroying()) UpdateAutoEnabled();
}

void TMediaPlayer::Play() {
  if (autoRewind_ && Length() > 0 && Position() >= Length()) SetPosition(0);
  MCI_PLAY_PARMS play{};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
  Check(Send(MCI_PLAY, MCI_NOTIFY, &play));
}

void TMediaPlayer::Pause() {
  MCI_GENERIC_PARMS pause{};
  if (Mode() == mpPaused) {
    // Devices that cannot resume are played on from where they stand.
    if (Send(MCI_RESUME, MCI_WAIT, &pause) != 0)
      Play();
    else
      Check(0);
    return;
  }
  Check(Send(MCI_PAUSE, MCI_WAIT, &pause));
}

void TMediaPlayer::Stop() {
  MCI_GENERIC_PARMS stop{};
  Check(Send(MCI_STOP, MCI_WAIT, &stop));
}

void TMediaPlayer::Next() {
  MCI_SEEK_PARMS seek{};
  Check(Send(MCI_SEEK, MCI_SEEK_TO_END | MCI_WAIT, &seek));
}

void TMediaPlayer::Previous() {
  MCI_SEEK_PARMS seek{};
  Check(Send(MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, &seek));
}

void TMediaPlayer::Step() {
  MCI_VD_STEP_PARMS step{};
  step.dwFrames = 1;
  // Devices without frames (wave audio) move by Frames milliseconds instead.
  if (Send(MCI_STEP, MCI_VD_STEP_FRAMES | MCI_WAIT, &step) != 0)
    SetPosition(std::min(Length(), Position() + Frames()));
  else
    Check(0);
}

void TMediaPlayer::Back() {
  MCI_VD_STEP_PARMS step{};
  step.dwFrames = 1;
  if (Send(MCI_STEP, MCI_VD_STEP_FRAMES | MCI_VD_STEP_REVERSE | MCI_WAIT, &step) != 0)
    SetPosition(std::max(0, Position() - Frames()));
  else
    Check(0);
}

void TMediaPlayer::StartRecording() {
  MCI_RECORD_PARMS record{};
  record.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
  Check(Send(MCI_RECORD, MCI_NOTIFY, &record));
}

void TMediaPlayer::Eject() {
  MCI_SET_PARMS set{};
  Check(Send(MCI_SET, MCI_SET_DOOR_OPEN | MCI_WAIT, &set));
}

int TMediaPlayer::Mode() const {
  if (!device_) return mpNotReady;
  MCI_STATUS_PARMS status{};
  status.dwItem = MCI_STATUS_MODE;
  if (Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &status) != 0) return mpNotReady;
  switch (status.dwReturn) {
    case MCI_MODE_STOP:
      return mpStopped;
    case MCI_MODE_PLAY:
      return mpPlaying;
    case MCI_MODE_RECORD:
      return mpRecording;
    case MCI_MODE_SEEK:
      return mpSeeking;
    case MCI_MODE_PAUSE:
      return mpPaused;
    case MCI_MODE_OPEN:
      return mpOpen;
    default:
      return mpNotReady;
  }
}

int TMediaPlayer::Length() const {
  MCI_STATUS_PARMS status{};
  status.dwItem = MCI_STATUS_LENGTH;
  return device_ && Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &status) == 0
             ? static_cast<int>(status.dwReturn)
             : 0;
}

int TMediaPlayer::Position() const {
  MCI_STATUS_PARMS status{};
  status.dwItem = MCI_STATUS_POSITION;
  return device_ && Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &status) == 0
             ? static_cast<int>(status.dwReturn)
             : 0;
}

void TMediaPlayer::SetPosition(int ms) {
  if (!device_) return;
  MCI_SEEK_PARMS seek{};
  seek.dwTo = static_cast<DWORD>(std::max(0, ms));
  Check(Send(MCI_SEEK, MCI_TO | MCI_WAIT, &seek));
}

// With AutoEnable the buttons that make sense in the device's mode are the enabled ones.
void TMediaPlayer::UpdateAutoEnabled() {
  if (!autoEnable_) return;
  const unsigned moves = Bit(btNext) | Bit(btPrev) | Bit(btStep) | Bit(btBack);
  unsigned enabled = 0;
  switch (Mode()) {
    case mpNotReady:
      enabled = device_ ? Bit(btEject) : 0;
      break;
    case mpPlaying:
      enabled = Bit(btPause) | Bit(btStop) | moves | Bit(btEject);
      break;
    case mpRecording:
      enabled = Bit(btPause) | Bit(btStop);
      break;
    case mpPaused:
      enabled = Bit(btPlay) | Bit(btPause) | Bit(btStop) | moves | Bit(btEject);
      break;
    default:
      enabled = Bit(btPlay) | Bit(btRecord) | moves | Bit(btEject);
      break;
  }
  SetEnabledButtons(enabled);
}
