// `TGalleryForm`, the skin gallery's main window: a menu, a tool bar, pages of controls in every
// state, a popup menu per page and a status line, built from the description in the program's
// resources; skins are switched from its menu and tool bar. User-interface thread.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "gallery/skin_switcher.h"
#include "skin/data/skin_data.h"

class TPageControl;
class TStatusBar;

// The registered message the gallery's main window answers with its GDI object count in the low
// word of the result and its USER object count in the high word. With a `wParam` it answers one
// figure: the GDI objects of that kind (`OBJ_BITMAP`...), or its windows or its menus.
inline constexpr wchar_t kObjectCountsMessage[] = L"QuarnelGalleryObjectCounts";
inline constexpr WPARAM kCountWindows = 0x100, kCountMenus = 0x101;

class TGalleryForm : public TForm {
  FW_DECLARE_CLASS()
 public:
  explicit TGalleryForm(TComponent* owner);
  ~TGalleryForm() override;

  quarnel::TSkinData* SkinData1 = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TPageControl* Pages = nullptr;
  TStatusBar* Status = nullptr;
  gallery::TSkinSwitcher& Switcher() { return *switcher_; }

  // Pages, 1-based, in tab order.
  static const std::vector<std::string>& PageNames();
  int PageCount() const { return static_cast<int>(PageNames().size()); }
  int CurrentPage() const;
  void ShowPage(int page);

  void UseBuiltInSkin(size_t index);
  void UpdateStatus();
  // Time from the program's start to the end of the main window's first skinned paint (ms).
  double FirstSkinnedPaintMs() const { return firstSkinnedMs_; }
  void SetStartTicks(int64_t ticks) { startTicks_ = ticks; }

  // Published handlers (bound by name from the description).
  void OpenSkinClick(TObject* sender);
  void SkinOffClick(TObject* sender);
  void ReloadClick(TObject* sender);
  void WatchFolderClick(TObject* sender);
  void SaveShotsClick(TObject* sender);
  void ExitClick(TObject* sender);
  void MdiDemoClick(TObject* sender);
  void DialogDemoClick(TObject* sender);
  void AboutClick(TObject* sender);
  void PageChange(TObject* sender);
  void NextPageClick(TObject* sender);
  void PrevPageClick(TObject* sender);
  void ToolBlueClick(TObject* sender);
  void ToolDarkClick(TObject* sender);
  void AfterSkinForm(TObject* sender, HWND window, const std::string& className);

  void WndProc(TMessage& message) override;

 private:
  bool ObjectCounts(WPARAM what, LRESULT& result);
  bool FirstSkinned();
  // The first paint's moment is taken after the form painted.
  bool WmPaint(TMessage& m);
  bool WmContextMenu(LPARAM where);
  void BuildSkinMenu();
  void MarkSkinMenu();
  void UpdateStatusUnlessPending();
  void SkinMenuClick(TObject* sender);
  void FollowSystemClick();
  bool WmSettingChange(TMessage& m);

  std::unique_ptr<gallery::TSkinSwitcher> switcher_;
  std::vector<TMenuItem*> skinItems_;
  TMenuItem* followItem_ = nullptr;  // "Follow system"
  std::wstring shotsFolder_;         // the folder screenshots went to last; at first the working folder
  int64_t startTicks_ = 0;
  double firstSkinnedMs_ = -1;
};
