// The gallery's demonstration windows: an MDI frame with its menu and three children, and the
// dialog demo (a message box, the open-file dialog and a dialog of plain system controls made
// from a resource template). User-interface thread.
#pragma once
#include "framework/ui/form.h"

class TMainMenu;

namespace gallery {

class TMdiDemoForm : public TForm {
  FW_DECLARE_CLASS()
 public:
  explicit TMdiDemoForm(TComponent* owner);
  void CascadeClick(TObject* sender);
  void TileClick(TObject* sender);
  void MaximizeClick(TObject* sender);
  void CloseClick(TObject* sender);
  std::vector<TForm*> Children;
};

class TDialogDemoForm : public TForm {
  FW_DECLARE_CLASS()
 public:
  explicit TDialogDemoForm(TComponent* owner);
  void MessageBoxClick(TObject* sender);
  void OpenFileClick(TObject* sender);
  void TemplateDialogClick(TObject* sender);
};

// Shows the demo (made on first use) and brings it to the front.
TMdiDemoForm* ShowMdiDemo();
TDialogDemoForm* ShowDialogDemo();
// The demo windows that exist, or null.
TMdiDemoForm* MdiDemo();
TDialogDemoForm* DialogDemo();

// The dialog from the template "GALLERYDIALOG": modal, returns the button that closed it.
INT_PTR RunTemplateDialog(HWND owner);

}  // namespace gallery
