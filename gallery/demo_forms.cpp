// The MDI demo and the dialog demo of the gallery. User-interface thread.
#include "gallery/demo_forms.h"

#include <commctrl.h>
#include <commdlg.h>

#include <string>

#include "framework/ui/application.h"
#include "framework/ui/button.h"
#include "framework/ui/memo.h"
#include "framework/ui/menu.h"

namespace gallery {
namespace {

constexpr int kChildCount = 3;

// The ids of the template's controls (gallery.rc).
enum : int {
  idComboBox = 105,
  idListBox = 106,
  idScrollBar = 107,
  idProgress = 108,
  idTrackBar = 109,
  idTabs = 110
};

TMdiDemoForm*& MdiDemoSlot() {
  static TMdiDemoForm* form = nullptr;
  return form;
}
TDialogDemoForm*& DialogDemoSlot() {
  static TDialogDemoForm* form = nullptr;
  return form;
}

// Forgets a demo form when it goes, so that the menu makes a new one.
template <class T>
void ForgetOnDestroy(T* form, T*& slot) {
  form->OnDestroy.code = [&slot](TObject*) { slot = nullptr; };
}

void FillTemplateDialog(HWND dialog) {
  HWND combo = GetDlgItem(dialog, idComboBox);
  for (const wchar_t* text : {L"First choice", L"Second choice", L"Third choice"})
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  HWND list = GetDlgItem(dialog, idListBox);
  for (int i = 1; i <= 12; ++i)
    SendMessageW(list, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>((L"List line " + std::to_wstring(i)).c_str()));
  SCROLLINFO scroll{sizeof scroll, SIF_ALL, 0, 100, 10, 40, 0};
  SetScrollInfo(GetDlgItem(dialog, idScrollBar), SB_CTL, &scroll, TRUE);
  SendDlgItemMessageW(dialog, idProgress, PBM_SETPOS, 60, 0);
  SendDlgItemMessageW(dialog, idTrackBar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
  SendDlgItemMessageW(dialog, idTrackBar, TBM_SETPOS, TRUE, 4);
  HWND tabs = GetDlgItem(dialog, idTabs);
  for (const wchar_t* text : {L"One", L"Two", L"Three"}) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(tabs, TCM_INSERTITEMW, SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0),
                 reinterpret_cast<LPARAM>(&item));
  }
}

INT_PTR CALLBACK TemplateDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      FillTemplateDialog(dialog);
      return TRUE;
    case WM_HSCROLL: {
      // The plain scroll bar moves only when told to.
      HWND bar = GetDlgItem(dialog, idScrollBar);
      int pos = GetScrollPos(bar, SB_CTL);
      switch (LOWORD(wParam)) {
        case SB_LINELEFT:
          pos -= 1;
          break;
        case SB_LINERIGHT:
          pos += 1;
          break;
        case SB_PAGELEFT:
          pos -= 10;
          break;
        case SB_PAGERIGHT:
          pos += 10;
          break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
          pos = HIWORD(wParam);
          break;
        default:
          return FALSE;
      }
      SetScrollPos(bar, SB_CTL, pos, TRUE);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

// --- MDI demo -----------------------------------------------------------------------------------

const TClassInfo& TMdiDemoForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TMdiDemoForm>("TMdiDemoForm", &TForm::StaticClass())
                                     .Method("CascadeClick", &TMdiDemoForm::CascadeClick)
                                     .Method("TileClick", &TMdiDemoForm::TileClick)
                                     .Method("MaximizeClick", &TMdiDemoForm::MaximizeClick)
                                     .Method("CloseClick", &TMdiDemoForm::CloseClick)
                                     .Build();
  return info;
}

TMdiDemoForm::TMdiDemoForm(TComponent* owner) : TForm(owner) {
  TMainMenu::StaticClass();
  ReadDescriptionResource();
}

void TMdiDemoForm::CascadeClick(TObject*) {
  SendMessageW(ClientHandle(), WM_MDICASCADE, 0, 0);
}
void TMdiDemoForm::TileClick(TObject*) {
  SendMessageW(ClientHandle(), WM_MDITILE, MDITILE_VERTICAL, 0);
}
void TMdiDemoForm::MaximizeClick(TObject*) {
  if (HWND active = reinterpret_cast<HWND>(SendMessageW(ClientHandle(), WM_MDIGETACTIVE, 0, 0)))
    SendMessageW(ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(active), 0);
}
void TMdiDemoForm::CloseClick(TObject*) {
  Close();
}

TMdiDemoForm* MdiDemo() {
  return MdiDemoSlot();
}

TMdiDemoForm* ShowMdiDemo() {
  TMdiDemoForm*& slot = MdiDemoSlot();
  if (!slot) {
    slot = TComponent::CreateIn<TMdiDemoForm>(Application());
    ForgetOnDestroy(slot, slot);
  }
  slot->Show();
  if (slot->Children.empty()) {
    for (int i = 1; i <= kChildCount; ++i) {
      auto* child = TComponent::CreateIn<TForm>(slot);
      child->SetFormStyle(fsMDIChild);
      child->SetCaption("Child " + std::to_string(i));
      child->SetBounds(20 * i, 16 * i, 260, 170);
      auto* memo = TComponent::CreateIn<TMemo>(child);
      memo->SetParent(child);
      memo->SetBounds(8, 8, 230, 110);
      memo->Lines()->Add("MDI child " + std::to_string(i));
      memo->Lines()->Add("Maximise it: its buttons go into the frame's menu band.");
      child->Show();
      slot->Children.push_back(child);
    }
  }
  SetForegroundWindow(slot->Handle());
  return slot;
}

// --- Dialog demo --------------------------------------------------------------------------------

const TClassInfo& TDialogDemoForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TDialogDemoForm>("TDialogDemoForm", &TForm::StaticClass())
                                     .Method("MessageBoxClick", &TDialogDemoForm::MessageBoxClick)
                                     .Method("OpenFileClick", &TDialogDemoForm::OpenFileClick)
                                     .Method("TemplateDialogClick", &TDialogDemoForm::TemplateDialogClick)
                                     .Build();
  return info;
}

TDialogDemoForm::TDialogDemoForm(TComponent* owner) : TForm(owner) {
  TButton::StaticClass();
  ReadDescriptionResource();
}

void TDialogDemoForm::MessageBoxClick(TObject*) {
  MessageBoxW(Handle(), L"A message box, skinned like every other window of the program.", L"Message box",
              MB_OKCANCEL | MB_ICONINFORMATION);
}

void TDialogDemoForm::OpenFileClick(TObject*) {
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = Handle();
  open.lpstrFilter = L"All files (*.*)\0*.*\0";
  open.lpstrFile = path;
  open.nMaxFile = MAX_PATH;
  open.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
  GetOpenFileNameW(&open);
}

void TDialogDemoForm::TemplateDialogClick(TObject*) {
  RunTemplateDialog(Handle());
}

INT_PTR RunTemplateDialog(HWND owner) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), L"GALLERYDIALOG", owner, TemplateDialogProc, 0);
}

TDialogDemoForm* DialogDemo() {
  return DialogDemoSlot();
}

TDialogDemoForm* ShowDialogDemo() {
  TDialogDemoForm*& slot = DialogDemoSlot();
  if (!slot) {
    slot = TComponent::CreateIn<TDialogDemoForm>(Application());
    ForgetOnDestroy(slot, slot);
  }
  slot->Show();
  SetForegroundWindow(slot->Handle());
  return slot;
}

}  // namespace gallery
