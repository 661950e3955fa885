// TSkinManage: the process's single skin manager. Finds the windows to skin through its thread
// hook and attaches a frame object to each; its parts keep the skin data components, the frame
// objects, the popup menus on screen, the MDI frame and the scheduled action (skin on, off,
// refresh), which the manager carries out when it is due. UI thread only.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/controls/manager/action_schedule.h"
#include "skin/controls/manager/form_skin_list.h"
#include "skin/controls/manager/mdi_frame_state.h"
#include "skin/controls/manager/popup_skin_list.h"
#include "skin/controls/manager/skin_data_list.h"
#include "skin/controls/manager/thread_hook.h"
#include "skin/frame/frame_registry.h"

class TCustomForm;
class TWinControl;

namespace quarnel {

class TSkinData;
class TWinSkinForm;

class TSkinManage final : public TFrameRegistry {
 public:
  TSkinManage();
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The manager, or null before the first skin data component finished loading.
  static TSkinManage* Instance();
  // The manager, made on first need.
  static TSkinManage& Ensure();
  // Ends the manager now (normally at module end).
  static void Destroy();

  TThreadHook& Hook() { return hook_; }

  TSkinDataList& SkinData() { return skinData_; }
  // Forgets the component everywhere: its pending action goes, windows skinned with it give up
  // their skin, which they could no longer read.
  void UnregisterSkinData(TSkinData* data);

  TActionSchedule& Actions() { return actions_; }
  // Carries out the pending action (when it is due).
  void RunPendingAction();

  bool Running() const { return running_; }
  void SetRunning(bool running) { running_ = running; }
  int32_t SkinningCount() const { return skinningCount_; }
  void SetSkinningCount(int32_t count) override { skinningCount_ = count; }

  // --- frame objects ---------------------------------------------------------------------------
  // The window filter; true when a frame object was attached to `window`.
  bool SkinWindow(HWND window);
  // True when the form is refused as invisible or as a child window, else SkinWindow's answer.
  bool SkinForm(TCustomForm* form);
  TFormSkinList& FormSkins() { return formSkins_; }
  void ForgetWindow(HWND window) override { formSkins_.Forget(window); }

  // --- a host program's windows -----------------------------------------------------------------
  // Every visible top-level window of this thread that passes the filter gets its frame object:
  // what a host program had on screen before skinning started.
  void SkinThreadWindows();
  // Brings the window (with the windows inside it) in line with what the window scope says of
  // it: an excluded one gets its own look back now, one no longer excluded is skinned again.
  void ApplyExclusion(HWND window);

  // --- MDI --------------------------------------------------------------------------------------
  TMdiFrameState& Mdi() { return mdi_; }
  // The frame objects ask these (and the popup ones below) through their registry: they cannot
  // see the manager's parts.
  bool MaximizedChildMode() const override { return mdi_.MaximizedChildMode(); }
  void SetMaximizedChildMode(bool on) override { mdi_.SetMaximizedChildMode(on); }
  HWND MDIClientWindow() const override { return mdi_.Client(); }
  void SetMDIClient(HWND client, TWinControl* form) override { mdi_.SetClient(client, form); }

  // --- popup menus ------------------------------------------------------------------------------
  TPopupSkinList& Popups() { return popups_; }
  void SetPopupKind(int32_t kind) override { popups_.SetKind(kind); }
  void SetSkinDrawnPopups(bool on) override { popups_.SetSkinDrawn(on); }

 private:
  bool PassesWindowFilter(HWND window, TWinControl*& formObject, std::string& className) const;
  void SkinAllForms(TSkinData* requester);

  TSkinDataList skinData_;
  TActionSchedule actions_{*this};
  TThreadHook hook_{*this};
  bool running_ = false;
  int32_t skinningCount_ = 0;
  bool bulkMode_ = false;
  TMdiFrameState mdi_{*this};
  TFormSkinList formSkins_{*this};
  TPopupSkinList popups_{*this};
};

// Makes the manager watch the skin data components (done at start whenever the manager is part
// of the program; programs call it to say that they are).
void InstallSkinManager();

// True once the manager has been destroyed: its hook only passes events on.
bool HookDisabled();
void SetHookDisabled(bool disabled);

// Value of SkinningCount while the manager is being destroyed: lists are no longer kept.
constexpr int32_t kSkinningCountDestroying = 4;

}  // namespace quarnel
