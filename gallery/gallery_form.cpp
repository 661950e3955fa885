// The gallery's main window: pages, menus, tool bar and the skin switching behind them.
// User-interface thread.
#include "gallery/gallery_form.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstdio>

#include "framework/controls/check_box.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/cool_bar.h"
#include "framework/controls/date_time_picker.h"
#include "framework/controls/group_box.h"
#include "framework/controls/header_control.h"
#include "framework/controls/list_view.h"
#include "framework/controls/media_player.h"
#include "framework/controls/panel.h"
#include "framework/controls/progress_bar.h"
#include "framework/controls/radio_group.h"
#include "framework/controls/rich_edit.h"
#include "framework/controls/scroll_box.h"
#include "framework/controls/spin_edit.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/tab_controls.h"
#include "framework/controls/tool_bar.h"
#include "framework/controls/track_bar.h"
#include "framework/controls/up_down.h"
#include "framework/core/error.h"
#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "framework/ui/bit_btn.h"
#include "framework/ui/button.h"
#include "framework/ui/list_box.h"
#include "framework/ui/memo.h"
#include "framework/ui/scroll_bar.h"
#include "framework/ui/speed_button.h"
#include "framework/win/object_counts.h"
#include "gallery/demo_forms.h"
#include "gallery/screenshots.h"
#include "skin/data/system_theme.h"

namespace {
constexpr UINT WM_FIRST_SKINNED = WM_APP + 0x41;

template <class T>
T* Required(TComponent& form, const char* name) {
  T* c = ObjectAs<T>(form.FindComponent(name));
  if (!c) throw EReadError(std::string("The gallery's description lacks ") + name);
  return c;
}
}  // namespace

const TClassInfo& TGalleryForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TGalleryForm>("TGalleryForm", &TForm::StaticClass())
                                     .Method("OpenSkinClick", &TGalleryForm::OpenSkinClick)
                                     .Method("SkinOffClick", &TGalleryForm::SkinOffClick)
                                     .Method("ReloadClick", &TGalleryForm::ReloadClick)
                                     .Method("WatchFolderClick", &TGalleryForm::WatchFolderClick)
                                     .Method("SaveShotsClick", &TGalleryForm::SaveShotsClick)
                                     .Method("ExitClick", &TGalleryForm::ExitClick)
                                     .Method("MdiDemoClick", &TGalleryForm::MdiDemoClick)
                                     .Method("DialogDemoClick", &TGalleryForm::DialogDemoClick)
                                     .Method("AboutClick", &TGalleryForm::AboutClick)
                                     .Method("PageChange", &TGalleryForm::PageChange)
                                     .Method("NextPageClick", &TGalleryForm::NextPageClick)
                                     .Method("PrevPageClick", &TGalleryForm::PrevPageClick)
                                     .Method("ToolBlueClick", &TGalleryForm::ToolBlueClick)
                                     .Method("ToolDarkClick", &TGalleryForm::ToolDarkClick)
                                     .Method("AfterSkinForm", &TGalleryForm::AfterSkinForm)
                                     .Build();
  return info;
}

const std::vector<std::string>& TGalleryForm::PageNames() {
  static const std::vector<std::string> names{"Buttons", "Text", "Choices", "Lists", "Ranges", "Media"};
  return names;
}

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
  // The classes the description names must be known before it is read.
  for (const TClassInfo* cls : {&TButton::StaticClass(),      &TBitBtn::StaticClass(),
                                &TSpeedButton::StaticClass(), &TEdit::StaticClass(),
                                &TMemo::StaticClass(),        &TListBox::StaticClass(),
                                &TScrollBar::StaticClass(),   &TMainMenu::StaticClass(),
                                &TPopupMenu::StaticClass(),   &quarnel::TSkinData::StaticClass(),
                                &TCheckBox::StaticClass(),    &TRadioButton::StaticClass(),
                                &TGroupBox::StaticClass(),    &TRadioGroup::StaticClass(),
                                &TPanel::StaticClass(),       &TScrollBox::StaticClass(),
                                &TComboBox::StaticClass(),    &TUpDown::StaticClass(),
                                &TSpinEdit::StaticClass(),    &TDateTimePicker::StaticClass(),
                                &TRichEdit::StaticClass(),    &TPageControl::StaticClass(),
                                &TTabSheet::StaticClass(),    &TTabControl::StaticClass(),
                                &TStatusBar::StaticClass(),   &TToolBar::StaticClass(),
                                &TToolButton::StaticClass(),  &TTrackBar::StaticClass(),
                                &TProgressBar::StaticClass(), &THeaderControl::StaticClass(),
                                &TListView::StaticClass(),    &TMediaPlayer::StaticClass(),
                                &TCoolBar::StaticClass()})
    RegisterComponentClass(*cls);
  ReadDescriptionResource();
  SkinData1 = Required<quarnel::TSkinData>(*this, "SkinData1");
  MainMenu1 = Required<TMainMenu>(*this, "MainMenu1");
  Pages = Required<TPageControl>(*this, "Pages");
  Status = Required<TStatusBar>(*this, "Status");
  switcher_ = std::make_unique<gallery::TSkinSwitcher>(*SkinData1);
  switcher_->OnSwitched = [this] { UpdateStatus(); };
  BuildSkinMenu();
  ShowPage(1);
  UpdateStatus();
}

TGalleryForm::~TGalleryForm() = default;

int TGalleryForm::CurrentPage() const {
  return Pages->ActivePageIndex() + 1;
}

void TGalleryForm::ShowPage(int page) {
  if (page < 1 || page > PageCount()) return;
  Pages->SetActivePageIndex(page - 1);
}

void TGalleryForm::BuildSkinMenu() {
  auto* parent = Required<TMenuItem>(*this, "BuiltInSkinsItem");
  const auto& skins = gallery::BuiltInSkins();
  for (size_t i = 0; i < skins.size(); ++i) {
    TMenuItem* item = parent->AddNew(this, skins[i].Name, static_cast<int>(i));
    item->OnClick.code = [this](TObject* sender) { SkinMenuClick(sender); };
    skinItems_.push_back(item);
  }
  parent->AddNew(this, "-", 0);
  followItem_ = parent->AddNew(this, "&Follow system", 0);
  followItem_->OnClick.code = [this](TObject*) { FollowSystemClick(); };
  MainMenu1->Rebuild();  // the form puts the new handle on its window
  MarkSkinMenu();
}

// Radio marks on the built-in skins, a check on "Skin off", on the live menu bar.
void TGalleryForm::MarkSkinMenu() {
  HMENU bar = MainMenu1->Handle();
  for (size_t i = 0; i < skinItems_.size(); ++i) {
    const bool on = static_cast<int>(i) == switcher_->BuiltInIndex();
    skinItems_[i]->SetChecked(on);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    // The item keeps its type (owner-drawn while skinned) and gains the radio look.
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(bar, skinItems_[i]->Command(), FALSE, &info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    info.fType |= MFT_RADIOCHECK;
    info.fState = on ? MFS_CHECKED : MFS_UNCHECKED;
    SetMenuItemInfoW(bar, skinItems_[i]->Command(), FALSE, &info);
  }
  if (followItem_) {
    followItem_->SetChecked(switcher_->FollowsSystem());
    CheckMenuItem(bar, followItem_->Command(),
                  MF_BYCOMMAND | (followItem_->Checked() ? MF_CHECKED : MF_UNCHECKED));
  }
  auto* off = Required<TMenuItem>(*this, "SkinOffItem");
  off->SetChecked(!switcher_->SkinOn());
  CheckMenuItem(bar, off->Command(), MF_BYCOMMAND | (off->Checked() ? MF_CHECKED : MF_UNCHECKED));
}

void TGalleryForm::UpdateStatus() {
  char loadTime[64];
  std::snprintf(loadTime, sizeof loadTime, "Load time: %.1f ms", switcher_->LastSwitchMs());
  const int page = CurrentPage();
  const std::string pageName = page >= 1 && page <= PageCount() ? PageNames()[page - 1] : std::string();
  auto* panels = Status->Panels();
  if (panels->Count() >= 3) {
    panels->Items(0)->SetText("Skin: " + switcher_->Description());
    panels->Items(1)->SetText("Page: " + pageName);
    const std::string& problem = switcher_->FolderProblem();
    panels->Items(2)->SetText(problem.empty() ? std::string(loadTime) : "Skin folder: " + problem);
  }
  // The menu item's own mark is kept before the window exists too (a start with --skin auto).
  if (followItem_) followItem_->SetChecked(switcher_->FollowsSystem());
  if (HandleAllocated()) MarkSkinMenu();
}

// The package first, then skinning on (a refresh asked for next would replace the skin-on).
void TGalleryForm::UseBuiltInSkin(size_t index) {
  switcher_->UseBuiltIn(index);
  if (!switcher_->SkinOn()) switcher_->SetSkinOn(true);
  UpdateStatusUnlessPending();
}

// A queued switch updates the status bar when it is done (OnSwitched): changing it now would paint
// the bar once more, in the skin that is on its way out.
void TGalleryForm::UpdateStatusUnlessPending() {
  if (!switcher_->Pending()) UpdateStatus();
}

// The light or the dark built-in skin, as the system is set, from now on and at each change.
void TGalleryForm::FollowSystemClick() {
  switcher_->FollowSystem();
  if (!switcher_->SkinOn()) switcher_->SetSkinOn(true);
  UpdateStatusUnlessPending();
}

bool TGalleryForm::WmSettingChange(TMessage& m) {
  if (!quarnel::AnnouncesColorSetChange(m.Msg, m.LParam) || !switcher_->FollowsSystem()) return false;
  TForm::WndProc(m);
  switcher_->SystemColorSetChanged();
  UpdateStatusUnlessPending();
  return true;
}

void TGalleryForm::SkinMenuClick(TObject* sender) {
  if (auto* item = ObjectAs<TMenuItem>(sender)) UseBuiltInSkin(static_cast<size_t>(item->Tag()));
}

void TGalleryForm::ToolBlueClick(TObject*) {
  UseBuiltInSkin(0);
}
void TGalleryForm::ToolDarkClick(TObject*) {
  UseBuiltInSkin(1);
}

void TGalleryForm::OpenSkinClick(TObject*) {
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = Handle();
  open.lpstrFilter = L"Skin packages (*.skn)\0*.skn\0All files (*.*)\0*.*\0";
  open.lpstrFile = path;
  open.nMaxFile = MAX_PATH;
  open.lpstrTitle = L"Open skin";
  open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&open)) return;
  switcher_->UseFile(path);
  if (!switcher_->SkinOn()) switcher_->SetSkinOn(true);
  UpdateStatusUnlessPending();
}

void TGalleryForm::SkinOffClick(TObject*) {
  switcher_->SetSkinOn(!switcher_->SkinOn());
  UpdateStatusUnlessPending();
}

void TGalleryForm::ReloadClick(TObject*) {
  switcher_->Reload();
  UpdateStatusUnlessPending();
}

namespace {

struct TFolderQuestion {
  const wchar_t* title;  // the dialog's caption
  const wchar_t* start;  // the folder it opens on
};

// The folder dialog says what it is for and opens on the folder given, so that OK alone takes
// the one chosen last time.
int CALLBACK StartInFolder(HWND dialog, UINT msg, LPARAM, LPARAM data) {
  if (msg != BFFM_INITIALIZED) return 0;
  const auto& question = *reinterpret_cast<const TFolderQuestion*>(data);
  SetWindowTextW(dialog, question.title);
  SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(question.start));
  return 0;
}

// A folder chosen by the user, starting at `start` (the working folder when empty); empty when
// the user cancelled.
std::wstring ChooseFolder(HWND owner, const wchar_t* title, const wchar_t* prompt, std::wstring start) {
  if (start.empty()) {
    wchar_t current[MAX_PATH] = L"";
    if (GetCurrentDirectoryW(MAX_PATH, current)) start = current;
  }
  const TFolderQuestion question{title, start.c_str()};
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.lpszTitle = prompt;
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_EDITBOX;
  browse.lpfn = StartInFolder;
  browse.lParam = reinterpret_cast<LPARAM>(&question);
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (!chosen) return {};
  wchar_t folder[MAX_PATH] = L"";
  const bool ok = SHGetPathFromIDListW(chosen, folder);
  CoTaskMemFree(chosen);
  return ok ? std::wstring(folder) : std::wstring();
}

}  // namespace

// An unpacked skin folder, in force at once and again whenever its files change.
void TGalleryForm::WatchFolderClick(TObject*) {
  const std::wstring folder =
      ChooseFolder(Handle(), L"Watch folder", L"Unpacked skin folder to watch", switcher_->WatchedFolder());
  if (folder.empty()) return;
  switcher_->WatchFolder(folder);
  if (!switcher_->SkinOn()) switcher_->SetSkinOn(true);
  UpdateStatusUnlessPending();
}

void TGalleryForm::SaveShotsClick(TObject*) {
  const std::wstring folder =
      ChooseFolder(Handle(), L"Save screenshots", L"Folder for the screenshots", shotsFolder_);
  if (folder.empty()) return;
  shotsFolder_ = folder;
  const int saved = gallery::SaveScreenshots(*this, folder);
  wchar_t text[MAX_PATH + 80];
  swprintf(text, sizeof text / sizeof text[0], L"%d screenshots saved in %ls", saved, folder.c_str());
  Status->Panels()->Items(2)->SetText(fw::FromWide(text));
}

void TGalleryForm::ExitClick(TObject*) {
  Close();
}

void TGalleryForm::MdiDemoClick(TObject*) {
  gallery::ShowMdiDemo();
}

void TGalleryForm::DialogDemoClick(TObject*) {
  gallery::ShowDialogDemo();
}

void TGalleryForm::AboutClick(TObject*) {
  MessageBoxW(Handle(),
              L"Quarnel Skin Gallery\n\nEvery control kind of the framework in its states, menus, "
              L"dialogs and MDI windows, under the skin of your choice.",
              L"About Quarnel Skin Gallery", MB_OK | MB_ICONINFORMATION);
}

void TGalleryForm::PageChange(TObject*) {
  UpdateStatus();
}

void TGalleryForm::NextPageClick(TObject*) {
  ShowPage(CurrentPage() % PageCount() + 1);
  UpdateStatus();
}

void TGalleryForm::PrevPageClick(TObject*) {
  ShowPage((CurrentPage() + PageCount() - 2) % PageCount() + 1);
  UpdateStatus();
}

void TGalleryForm::AfterSkinForm(TObject*, HWND window, const std::string&) {
  if (window != Handle() || firstSkinnedMs_ >= 0) return;
  // Measured once the frame and the client have been painted with the skin.
  PostMessageW(window, WM_FIRST_SKINNED, 0, 0);
}

void TGalleryForm::WndProc(TMessage& m) {
  // Long runs driven from another process (scripts/soak) ask how many objects the gallery holds.
  static const UINT countsMessage = RegisterWindowMessageW(kObjectCountsMessage);
  bool handled = false;
  if (m.Msg == countsMessage) handled = ObjectCounts(m.WParam, m.Result);
  switch (m.Msg) {
    case WM_FIRST_SKINNED:
      handled = FirstSkinned();
      break;
    case WM_PAINT:
      handled = WmPaint(m);
      break;
    case WM_CONTEXTMENU:
      handled = WmContextMenu(m.LParam);
      break;
    case WM_SETTINGCHANGE:
      handled = WmSettingChange(m);
      break;
    default:
      break;
  }
  if (!handled) TForm::WndProc(m);
}

bool TGalleryForm::ObjectCounts(WPARAM what, LRESULT& result) {
  result = what == 0               ? MAKELRESULT(fw::GdiObjectCount(), fw::UserObjectCount())
           : what == kCountWindows ? fw::OwnWindowCount()
           : what == kCountMenus   ? fw::OwnMenuCount()
                                   : fw::GdiObjectCount(static_cast<DWORD>(what));
  return true;
}

bool TGalleryForm::FirstSkinned() {
  RedrawWindow(Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (firstSkinnedMs_ < 0) firstSkinnedMs_ = gallery::TicksToMs(gallery::NowTicks() - startTicks_);
  return true;
}

// Without a skin the first paint of the client is the first look the user gets.
bool TGalleryForm::WmPaint(TMessage& m) {
  TForm::WndProc(m);
  if (firstSkinnedMs_ < 0 && !switcher_->SkinOn()) PostMessageW(Handle(), WM_FIRST_SKINNED, 0, 0);
  return true;
}

// The page's own popup menu, at the pointer or, from the keyboard, at the window's centre.
bool TGalleryForm::WmContextMenu(LPARAM where) {
  auto* popup =
      ObjectAs<TPopupMenu>(FindComponent("Popup" + PageNames().at(static_cast<size_t>(CurrentPage() - 1))));
  if (!popup) return false;
  POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (where == -1) {
    RECT r;
    GetWindowRect(Handle(), &r);
    at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  popup->Popup(at.x, at.y);
  return true;
}
