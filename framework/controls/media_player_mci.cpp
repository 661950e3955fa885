// Media player: the MCI commands the buttons perform on the device opened from `FileName`, the
// device's mode, length and position, and the buttons enabled in each mode. User-interface thread.
#include "framework/controls/media_player.h"

// After the Windows types the media player's header brings in.
#include <mmsystem.h>

#include <algorithm>

#include "framework/core/text.h"

namespace {
const wchar_t* const kDeviceNames[] = {L"",        L"AVIVideo",  L"CDAudio",  L"DAT",     L"DigitalVideo",
                                       L"MMMovie", L"Other",     L"Overlay",  L"Scanner", L"Sequencer",
                                       L"VCR",     L"Videodisc", L"WaveAudio"};
constexpr unsigned Bit(int button) {
  return 1u << button;
}
}  // namespace

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
