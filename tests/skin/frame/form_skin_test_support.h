// Shared pieces of the frame object tests: a fixture whose skin data holds the built-in skin
// and has started the manager the way the program does, forms made on demand, and lookups of
// the frame object of a window. Test code, UI thread.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/win_skin_form.h"
#include "skins/skin_files.h"
#include "tests/support/window_support.h"

namespace quarnel::testing {

class FormSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application()->Initialize();
    Application()->ClearTerminated();
    Application()->SetTitle("Quarnel");
    TSkinManage::Destroy();
    data = TComponent::Make<TSkinData>();
    data->BeginLoading();
    data->SetPackedSkin(skintest::ReadFileBytes(skintest::SkinPackagePath()));
    ASSERT_TRUE(data->LoadSkin()) << skintest::SkinPackagePath();
    data->SetActive(true);
    data->Loaded();  // makes the manager, installs its hook and switches skinning on
    manager = TSkinManage::Instance();
    ASSERT_NE(manager, nullptr);
    ASSERT_TRUE(manager->Running());
  }
  void TearDown() override {
    for (size_t i = forms.size(); i-- > 0;) Application()->DestroyComponent(forms[i]);
    forms.clear();
    Application()->SetMainForm(nullptr);
    testing_support::flush_events(20);
    data.reset();
    TSkinManage::Destroy();
    testing_support::flush_events(20);
  }

  TForm* NewForm(int borderStyle, int clientWidth, int clientHeight,
                 const std::string& caption = "Frame test") {
    auto* form = TComponent::CreateIn<TForm>(Application());
    if (!Application()->MainForm()) Application()->SetMainForm(form);
    form->SetBorderStyle(borderStyle);
    form->SetCaption(caption);
    form->SetBounds(60 + 20 * static_cast<int>(forms.size()), 60, 200, 150);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    forms.push_back(form);
    return form;
  }
  TWinSkinForm* SkinOf(HWND window) const { return manager ? manager->FormSkins().Find(window) : nullptr; }
  // Waits until the window's frame object finished its activation: the frame announces it to
  // the window with SKM_SKINNED as its last step.
  TWinSkinForm* WaitSkinned(HWND window) {
    testing_support::wait_until([&] {
      TWinSkinForm* skin = SkinOf(window);
      return skin && skin->View().Facts().SkinState == fsActive && skinned.count(window) > 0;
    });
    testing_support::flush_events(30);
    return SkinOf(window);
  }
  // Frame size of a border piece as the skin gives it: image size over frame count.
  static int PieceSize(int imageSize, int frameCount) {
    return imageSize / (frameCount > 0 ? frameCount : 1);
  }
  int SkinLeft() const { return PieceSize(data->FrameLeft->Image.Width(), data->FrameLeft->FrameCount); }
  int SkinRight() const { return PieceSize(data->FrameRight->Image.Width(), data->FrameRight->FrameCount); }
  int SkinTop() const { return PieceSize(data->FrameTop->Image.Height(), data->FrameTop->FrameCount); }
  int SkinBottom() const {
    return PieceSize(data->FrameBottom->Image.Height(), data->FrameBottom->FrameCount);
  }

  static RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }
  static RECT ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
  }
  // Where the client area starts inside the window rectangle.
  static POINT ClientOrigin(HWND window) {
    POINT p{0, 0};
    ClientToScreen(window, &p);
    const RECT w = WindowRectOf(window);
    return POINT{p.x - w.left, p.y - w.top};
  }
  // The bounds of the outline cut for the window; empty when the window has none.
  static RECT WindowRegionBox(HWND window) {
    fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    RECT box{};
    if (GetWindowRgn(window, region.get()) != ERROR) GetRgnBox(region.get(), &box);
    return box;
  }
  static std::string ShotPath(const std::string& name) { return name + ".bmp"; }

  ComponentPtr<TSkinData> data;
  TSkinManage* manager = nullptr;
  std::vector<TForm*> forms;
  testing_support::SentMessageLog skinned{SKM_SKINNED};  // the windows whose activation finished
};

// A fixture whose form has a message spy below its frame object: put on the window before the
// frame object replaces its procedure, the spy sees what the frame passes on.
class SpiedFormTest : public FormSkinTest {
 protected:
  // Shows the form, activates it and waits until it is skinned; gives its window.
  HWND SpiedForm(TForm* made) {
    form = made;
    HWND window = form->Handle();
    spy = std::make_unique<testing_support::MessageSpy>(window);
    form->Show();
    SetForegroundWindow(window);
    skin = WaitSkinned(window);
    return window;
  }
  void TearDown() override {
    for (TForm* f : forms) f->DestroyHandle();  // the spy goes after the window
    spy.reset();
    FormSkinTest::TearDown();
  }
  TForm* form = nullptr;
  TWinSkinForm* skin = nullptr;
  std::unique_ptr<testing_support::MessageSpy> spy;
};

}  // namespace quarnel::testing
