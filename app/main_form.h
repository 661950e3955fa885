// `TForm1`, the program's main window: three buttons and the text panel, built from the
// description stored in the program's resources. User-interface thread.
#pragma once
#include <functional>

#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "framework/ui/memo.h"
#include "net/id_ip_watch.h"
#include "skin/data/skin_data.h"

class TForm1 : public TForm {
  FW_DECLARE_CLASS()
 public:
  explicit TForm1(TComponent* owner);

  TButton* Button1 = nullptr;
  TMemo* Memo1 = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button3 = nullptr;
  quarnel::TSkinData* SkinData1 = nullptr;
  TIdIPWatch* IdIPWatch1 = nullptr;

  void Button1Click(TObject* sender);  // network probe
  void Button2Click(TObject* sender);  // closes the program
  void Button3Click(TObject* sender);  // opens the publisher's page

  // How Button3 asks the shell to open a page; tests put in their own to see the call.
  std::function<void(HWND owner, const char* verb, const char* file, int show)> ShellOpen;
};
