// `TMediaPlayer`: a bar of nine buttons (play, pause, stop, next, previous, step, back, record,
// eject) drawn from the program's glyph bitmaps, with sets of visible, enabled and coloured
// buttons, that performs each button's action on its `FileName` through MCI and reports every
// button click. User-interface thread.
#pragma once
#include <array>
#include <functional>
#include <string>

#include "framework/ui/control.h"
#include "framework/win/handles.h"

enum TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };
enum TMPDeviceTypes {
  dtAutoSelect,
  dtAVIVideo,
  dtCDAudio,
  dtDAT,
  dtDigitalVideo,
  dtMMMovie,
  dtOther,
  dtOverlay,
  dtScanner,
  dtSequencer,
  dtVCR,
  dtVideodisc,
  dtWaveAudio
};
const TEnumInfo& MPBtnTypeEnum();
const TEnumInfo& MPModesEnum();
const TEnumInfo& MPDeviceTypesEnum();
constexpr unsigned kAllMPButtons = (1u << 9) - 1;

class TMediaPlayer;
// Before a button's action: clearing `doDefault` skips it.
using TMPClickEvent = std::function<void(TMediaPlayer* sender, TMPBtnType button, bool& doDefault)>;
using TMPPostClickEvent = std::function<void(TMediaPlayer* sender, TMPBtnType button)>;

class TMediaPlayer : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TMediaPlayer(TComponent* owner);
  ~TMediaPlayer() override;
  // Sets of TMPBtnType bits.
  unsigned VisibleButtons() const { return visible_; }
  void SetVisibleButtons(unsigned v);
  unsigned EnabledButtons() const { return enabled_; }
  void SetEnabledButtons(unsigned v);
  unsigned ColoredButtons() const { return colored_; }
  void SetColoredButtons(unsigned v);
  std::string FileName() const { return fileName_; }
  void SetFileName(const std::string& v) { fileName_ = v; }
  int DeviceType() const { return deviceType_; }
  void SetDeviceType(int v) { deviceType_ = v; }
  bool AutoOpen() const { return autoOpen_; }
  void SetAutoOpen(bool v) { autoOpen_ = v; }
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool v);
  bool AutoRewind() const { return autoRewind_; }
  void SetAutoRewind(bool v) { autoRewind_ = v; }

  // MCI operations on the open device. Failures are kept in Error and ErrorMessage.
  void Open();
  void Close();
  void Play();
  void Pause();
  void Stop();
  void Next();
  void Previous();
  void Step();
  void Back();
  void StartRecording();
  void Eject();
  bool IsOpen() const { return device_ != 0; }
  int Mode() const;
  int Length() const;    // in milliseconds
  int Position() const;  // in milliseconds
  void SetPosition(int ms);
  int Frames() const { return frames_ > 0 ? frames_ : Length() / 10; }
  void SetFrames(int v) { frames_ = v; }
  int Error() const { return static_cast<int>(error_); }
  std::string ErrorMessage() const;

  // The button at a client point among the visible ones, or -1.
  int ButtonAt(int x) const;
  // Presses a button as a click would: the event, then (unless refused) the action.
  void ClickButton(TMPBtnType button);
  void Loaded() override;

  TMPClickEvent OnButtonClick;
  TMPPostClickEvent OnPostClick;
  TNotifyEvent OnNotify;  // an MCI notification arrived (playing or recording ended)

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool WmPaint();
  bool WmEraseBackground(LRESULT& result);
  bool WmLButtonDown(int x);
  bool WmMouseMove(int x, int y);
  bool WmLButtonUp(int x, int y);
  bool MmMciNotify(UINT device);
  bool Check(DWORD result);
  DWORD Send(UINT command, DWORD_PTR flags, void* params) const;
  void UpdateAutoEnabled();
  void Paint(HDC dc);
  void LoadGlyphs();
  unsigned visible_ = kAllMPButtons, enabled_ = kAllMPButtons, colored_ = kAllMPButtons;
  std::string fileName_;
  int deviceType_ = dtAutoSelect;
  bool autoOpen_ = false, autoEnable_ = true, autoRewind_ = true;
  UINT device_ = 0;
  DWORD error_ = 0;
  int frames_ = 0;
  int pressed_ = -1;                         // the button under the press
  bool pressedIn_ = false;                   // the pointer is over it
  std::array<fw::UniqueBitmap, 27> glyphs_;  // enabled, disabled, coloured per button
};
