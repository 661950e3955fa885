// TSkinManage: the process's single skin manager. Finds the windows to skin through its thread
// hook, attaches a frame object to each, keeps the list of those objects and of the popup menus
// on screen, and runs the actions the skin data components schedule (skin on, off, refresh)
// from its action timer. UI thread only.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/win/handles.h"
#include "skin/data/skin_data_observer.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/menus/popup_menu_skin.h"

class TCustomForm;
class TMenuItem;
class TWinControl;

namespace quarnel {

class TSkinData;
class TWinSkinForm;

// A popup menu window on screen that the manager has taken into its list.
struct TPopupSkinEntry {
  HWND Window = nullptr;
  bool Tracking = false;
  TSkinData* SkinData = nullptr;
  std::unique_ptr<TWinSkinPopMenu> Skin;  // paints the window from the skin
};

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

  void InstallHook();
  bool HookInstalled() const { return static_cast<bool>(hook_); }

  // The first registered component whose form type is sfMainform becomes the main one.
  void RegisterSkinData(TSkinData* data);
  void UnregisterSkinData(TSkinData* data);
  const std::vector<TSkinData*>& SkinDataList() const { return skinDataList_; }
  TSkinData* MainSkinData() const { return mainSkinData_; }
  TSkinData* CurrentSkinData() const { return currentSkinData_; }
  void SetCurrentSkinData(TSkinData* data) { currentSkinData_ = data; }

  // Schedules `action` after `delayMs`; a later call replaces a pending one and restarts the
  // delay. Before any window was activated the timer stays off: skin on and off take effect
  // at once and a refresh is dropped.
  void PostAction(uint32_t action, int delayMs);
  uint32_t PendingAction() const { return pendingAction_; }
  // Runs the pending action as soon as the current message is done instead of after its delay
  // (a user's own switch, with nothing to gather); a later PostAction schedules anew.
  void RunPendingActionSoon();
  bool ActionTimerEnabled() const { return actionTimer_ != 0; }
  int ActionTimerInterval() const { return actionInterval_; }

  bool Running() const { return running_; }
  void SetRunning(bool running) { running_ = running; }
  int32_t SkinningCount() const { return skinningCount_; }
  void SetSkinningCount(int32_t count) override { skinningCount_ = count; }
  bool BulkMode() const { return bulkMode_; }

  // Carries out the pending action (the action timer's event).
  void RunPendingAction();

  // --- frame objects ---------------------------------------------------------------------------
  // The window filter; true when a frame object was attached to `window`.
  bool SkinWindow(HWND window);
  // True when the form is refused as invisible or as a child window, else SkinWindow's answer.
  bool SkinForm(TCustomForm* form);
  TWinSkinForm* FindFormSkin(HWND window) const;
  // The form (or other framework control) of a window, or null.
  TWinControl* FindFormObject(HWND window) const;
  bool MaySkinWindow(HWND window, const std::string& className) const;
  TSkinData* ChooseSkinData(HWND window) const;
  // Drops the entry of a frame object that is going away (it frees itself).
  void ForgetWindow(HWND window) override;
  // Frees the frame objects whose windows are gone.
  void PurgeFormSkins();
  // Every frame object that uses the current skin data frees its caption buttons.
  void ResetCaptionButtons();
  const std::vector<TWinSkinForm*>& FormSkins() const { return formSkins_; }

  // --- a host program's windows -----------------------------------------------------------------
  // Every visible top-level window of this thread that passes the filter gets its frame object:
  // what a host program had on screen before skinning started.
  void SkinThreadWindows();
  // Brings the window (with the windows inside it) in line with what the window scope says of
  // it: an excluded one gets its own look back now, one no longer excluded is skinned again.
  void ApplyExclusion(HWND window);

  // --- MDI --------------------------------------------------------------------------------------
  bool MaximizedChildMode() const override { return maximizedChildMode_; }
  void SetMaximizedChildMode(bool on) override;
  // The MDI frame found at activation, and its client window.
  HWND MDIClientWindow() const override { return mdiClient_; }
  TWinControl* MDIForm() const { return mdiForm_; }
  void SetMDIClient(HWND client, TWinControl* form) override {
    mdiClient_ = client;
    mdiForm_ = form;
  }

  // --- popup menus ------------------------------------------------------------------------------
  int32_t PopupKind() const { return popupKind_; }
  void SetPopupKind(int32_t kind) override { popupKind_ = kind; }
  void SetSkinDrawnPopups(bool on) override { skinDrawnPopups_ = on; }
  bool PopupTracking() const { return popupTracking_; }
  void SetPopupTracking(bool on) { popupTracking_ = on; }
  // True when the popup window was taken into the list.
  bool SkinPopupMenu(HWND popup);
  void ReleasePopupMenu(HWND popup);
  // The popup skin that shows a menu item's children: the newest one without an item takes an
  // item it has not seen; and the background picture of the one carrying the item.
  TWinSkinPopMenu* AssignPopupItem(const TMenuItem* item) { return TWinSkinPopMenu::AssignItem(item); }
  TBitmap* PopupBitmapOfItem(const TMenuItem* item) { return TWinSkinPopMenu::BitmapOfItem(item); }
  bool IsPopupSkinned(HWND popup) const;
  void MarkPopupsTracking();
  const std::vector<TPopupSkinEntry>& PopupSkins() const { return popupSkins_; }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK ActionTimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void OnWindowCreating(HWND window, const CBT_CREATEWNDA& create);
  // A keyboard-menu command the system is about to carry out for a child window; true when
  // the skinned bar of the child's window took it.
  bool RouteChildKeyMenu(WPARAM command, LPARAM key) const;
  void StartActionTimer();
  void StopActionTimer();
  bool PassesWindowFilter(HWND window, TWinControl*& formObject, std::string& className) const;
  TWinSkinForm* AttachFormSkin(HWND window, TWinControl* formObject, const std::string& className,
                               TSkinData* data);
  void FreeFormSkin(TWinSkinForm* skin);
  void SkinAllForms(TSkinData* requester);
  void UnskinAll(TSkinData* requester);
  void RefreshForms(TSkinData* requester);
  static void UnskinWindow(TWinSkinForm* skin);

  std::vector<TSkinData*> skinDataList_;  // not owned
  TSkinData* mainSkinData_ = nullptr;
  TSkinData* currentSkinData_ = nullptr;
  uint32_t pendingAction_ = saNone;
  // A thread timer of its own: the manager lives until module end, beyond the framework's timers.
  UINT_PTR actionTimer_ = 0;
  int actionInterval_ = 100;
  uint32_t actionSerial_ = 0;  // which PostAction a queued early run belongs to
  fw::UniqueHook hook_;
  bool running_ = false;
  int32_t skinningCount_ = 0;
  bool bulkMode_ = false;
  bool maximizedChildMode_ = false;
  int32_t popupKind_ = pkContextMenu;
  bool skinDrawnPopups_ = false;
  bool popupTracking_ = false;
  HWND mdiClient_ = nullptr;
  TWinControl* mdiForm_ = nullptr;
  // Every frame object in attach order; those of foreign windows (no form owns them) are also
  // held in foreignSkins_, which frees them.
  std::vector<TWinSkinForm*> formSkins_;
  std::vector<ComponentPtr<TWinSkinForm>> foreignSkins_;
  std::vector<TPopupSkinEntry> popupSkins_;
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
