// The main window's handlers. User-interface thread.
#include "app/main_form.h"

#include <shellapi.h>

#include "app/network_probe.h"
#include "app/publisher.h"
#include "framework/core/error.h"
#include "skin/controls/manager/skin_manage.h"

const TClassInfo& TForm1::StaticClass() {
  static const TClassInfo info = TClassBuilder<TForm1>("TForm1", &TForm::StaticClass())
                                     .Method("Button1Click", &TForm1::Button1Click)
                                     .Method("Button2Click", &TForm1::Button2Click)
                                     .Method("Button3Click", &TForm1::Button3Click)
                                     .Build();
  return info;
}

namespace {
template <class T>
T* Required(TComponent& form, const char* name) {
  T* c = ObjectAs<T>(form.FindComponent(name));
  if (!c) throw EReadError(std::string("The main window's description lacks ") + name);
  return c;
}
}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  ShellOpen = [](HWND owner, const char* verb, const char* file, int show) {
    // A failure (no browser registered) is ignored: there is nothing useful to tell the user.
    ShellExecuteA(owner, verb, file, nullptr, nullptr, show);
  };
  // The classes the description names must be known before it is read.
  TButton::StaticClass();
  TMemo::StaticClass();
  quarnel::TSkinData::StaticClass();
  TIdIPWatch::StaticClass();
  // The skin manager skins the windows as soon as the skin data component has read its skin.
  quarnel::InstallSkinManager();
  ReadDescriptionResource();
  Button1 = Required<TButton>(*this, "Button1");
  Memo1 = Required<TMemo>(*this, "Memo1");
  Button2 = Required<TButton>(*this, "Button2");
  Button3 = Required<TButton>(*this, "Button3");
  SkinData1 = Required<quarnel::TSkinData>(*this, "SkinData1");
  IdIPWatch1 = Required<TIdIPWatch>(*this, "IdIPWatch1");
}

void TForm1::Button1Click(TObject* /*sender*/) {
  RunNetworkProbe(*Memo1->Lines(), [this] { return IdIPWatch1->QueryLocalAddress(); }, kEchoPageUrl);
}

void TForm1::Button2Click(TObject* /*sender*/) { Close(); }

void TForm1::Button3Click(TObject* /*sender*/) { ShellOpen(Handle(), "open", kPublisherPageUrl, SW_SHOWNORMAL); }
