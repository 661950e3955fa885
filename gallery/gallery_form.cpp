// The gallery's main window: pages, menus, tool bar and the skin switching behind them.
// User-interface thread.
#include "gallery/gallery_form.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstdio>

#include "framework/core/error.h"
#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "framework/ui/bit_btn.h"
#include "framework/ui/button.h"
#include "framework/ui/list_box.h"
#include "framework/ui/memo.h"
#include "framework/ui/scroll_bar.h"
#include "framework/ui/speed_button.h"
#include "gallery/demo_forms.h"
#include "gallery/screenshots.h"

namespace {
constexpr int kTabTagBase = 100;  // page tabs carry 100 + their page; page controls the page
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
                                     .Method("SaveShotsClick", &TGalleryForm::SaveShotsClick)
                                     .Method("ExitClick", &TGalleryForm::ExitClick)
                                     .Method("MdiDemoClick", &TGalleryForm::MdiDemoClick)
                                     .Method("DialogDemoClick", &TGalleryForm::DialogDemoClick)
                                     .Method("AboutClick", &TGalleryForm::AboutClick)
                                     .Method("PageTabClick", &TGalleryForm::PageTabClick)
                                     .Method("NextPageClick", &TGalleryForm::NextPageClick)
                                     .Method("PrevPageClick", &TGalleryForm::PrevPageClick)
                                     .Method("ToolBlueClick", &TGalleryForm::ToolBlueClick)
                                     .Method("ToolDarkClick", &TGalleryForm::ToolDarkClick)
                                     .Method("AfterSkinForm", &TGalleryForm::AfterSkinForm)
                                     .Build();
  return info;
}

const std::vector<std::string>& TGalleryForm::PageNames() {
  static const std::vector<std::string> names{"Buttons", "Text", "Lists", "Ranges"};
  return names;
}

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
  // The classes the description names must be known before it is read.
  TButton::StaticClass();
  TBitBtn::StaticClass();
  TSpeedButton::StaticClass();
  TEdit::StaticClass();
  TMemo::StaticClass();
  TListBox::StaticClass();
  TScrollBar::StaticClass();
  TMainMenu::StaticClass();
  TPopupMenu::StaticClass();
  quarnel::TSkinData::StaticClass();
  ReadDescriptionResource();
  SkinData1 = Required<quarnel::TSkinData>(*this, "SkinData1");
  MainMenu1 = Required<TMainMenu>(*this, "MainMenu1");
  StatusText = Required<TEdit>(*this, "StatusText");
  switcher_ = std::make_unique<gallery::TSkinSwitcher>(*SkinData1);
  switcher_->OnSwitched = [this] { UpdateStatus(); };
  BuildSkinMenu();
  ShowPage(1);
  UpdateStatus();
}

TGalleryForm::~TGalleryForm() = default;

TSpeedButton* TGalleryForm::PageTab(int page) const {
  return ObjectAs<TSpeedButton>(FindComponent("Tab" + PageNames().at(static_cast<size_t>(page - 1))));
}

void TGalleryForm::ShowPage(int page) {
  if (page < 1 || page > PageCount()) return;
  page_ = page;
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* control = ObjectAs<TControl>(Components(i));
    if (control && control->Tag() >= 1 && control->Tag() <= PageCount())
      control->SetVisible(control->Tag() == page);
  }
  for (int p = 1; p <= PageCount(); ++p)
    if (TSpeedButton* tab = PageTab(p)) tab->SetDown(p == page);
}

void TGalleryForm::BuildSkinMenu() {
  auto* parent = Required<TMenuItem>(*this, "BuiltInSkinsItem");
  const auto& skins = gallery::BuiltInSkins();
  for (size_t i = 0; i < skins.size(); ++i) {
    TMenuItem* item = parent->AddNew(this, skins[i].Name, static_cast<int>(i));
    item->OnClick.code = [this](TObject* sender) { SkinMenuClick(sender); };
    skinItems_.push_back(item);
  }
  MainMenu1->Rebuild();
  if (HandleAllocated()) ::SetMenu(Handle(), MainMenu1->Handle());
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
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    info.fType = MFT_STRING | MFT_RADIOCHECK;
    info.fState = on ? MFS_CHECKED : MFS_UNCHECKED;
    SetMenuItemInfoW(bar, skinItems_[i]->Command(), FALSE, &info);
  }
  auto* off = Required<TMenuItem>(*this, "SkinOffItem");
  off->SetChecked(!switcher_->SkinOn());
  CheckMenuItem(bar, off->Command(), MF_BYCOMMAND | (off->Checked() ? MF_CHECKED : MF_UNCHECKED));
}

void TGalleryForm::UpdateStatus() {
  char text[160];
  std::snprintf(text, sizeof text, "Skin: %s    Load time: %.1f ms    Page: %s",
                switcher_->Description().c_str(), switcher_->LastSwitchMs(),
                PageNames().at(static_cast<size_t>(page_ - 1)).c_str());
  StatusText->SetText(text);
  if (HandleAllocated()) MarkSkinMenu();
}

// The package first, then skinning on (a refresh asked for next would replace the skin-on).
void TGalleryForm::UseBuiltInSkin(size_t index) {
  switcher_->UseBuiltIn(index);
  if (!switcher_->SkinOn()) switcher_->SetSkinOn(true);
  UpdateStatus();
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
  UpdateStatus();
}

void TGalleryForm::SkinOffClick(TObject*) {
  switcher_->SetSkinOn(!switcher_->SkinOn());
  UpdateStatus();
}

void TGalleryForm::ReloadClick(TObject*) {
  switcher_->Reload();
  UpdateStatus();
}

void TGalleryForm::SaveShotsClick(TObject*) {
  BROWSEINFOW browse{};
  browse.hwndOwner = Handle();
  browse.lpszTitle = L"Folder for the screenshots";
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (!chosen) return;
  wchar_t folder[MAX_PATH] = L"";
  const bool ok = SHGetPathFromIDListW(chosen, folder);
  CoTaskMemFree(chosen);
  if (!ok) return;
  const int saved = gallery::SaveScreenshots(*this, folder);
  wchar_t text[MAX_PATH + 80];
  swprintf(text, sizeof text / sizeof text[0], L"%d screenshots saved in %ls", saved, folder);
  StatusText->SetText(fw::FromWide(text));
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

void TGalleryForm::PageTabClick(TObject* sender) {
  if (auto* tab = ObjectAs<TSpeedButton>(sender)) ShowPage(tab->Tag() - kTabTagBase);
  UpdateStatus();
}

void TGalleryForm::NextPageClick(TObject*) {
  ShowPage(page_ % PageCount() + 1);
  UpdateStatus();
}

void TGalleryForm::PrevPageClick(TObject*) {
  ShowPage((page_ + PageCount() - 2) % PageCount() + 1);
  UpdateStatus();
}

void TGalleryForm::AfterSkinForm(TObject*, HWND window, const std::string&) {
  if (window != Handle() || firstSkinnedMs_ >= 0) return;
  // Measured once the frame and the client have been painted with the skin.
  PostMessageW(window, WM_FIRST_SKINNED, 0, 0);
}

void TGalleryForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_FIRST_SKINNED:
      RedrawWindow(Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      if (firstSkinnedMs_ < 0) firstSkinnedMs_ = gallery::TicksToMs(gallery::NowTicks() - startTicks_);
      return;
    case WM_PAINT:
      TForm::WndProc(m);
      // Without a skin the first paint of the client is the first look the user gets.
      if (firstSkinnedMs_ < 0 && !switcher_->SkinOn()) PostMessageW(Handle(), WM_FIRST_SKINNED, 0, 0);
      return;
    case WM_CONTEXTMENU: {
      auto* popup =
          ObjectAs<TPopupMenu>(FindComponent("Popup" + PageNames().at(static_cast<size_t>(page_ - 1))));
      if (!popup) break;
      POINT at{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      if (m.LParam == -1) {  // from the keyboard: at the window's centre
        RECT r;
        GetWindowRect(Handle(), &r);
        at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
      }
      popup->Popup(at.x, at.y);
      return;
    }
    default:
      break;
  }
  TForm::WndProc(m);
}
