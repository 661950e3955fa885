// The program's main form made in the test's process with a fresh skin manager, and its frame
// object once the manager has skinned it; shared by the tests of the skinned main window.
// UI thread of the test.
#pragma once
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "framework/ui/application.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/frame/win_skin_form.h"
#include "tests/support/window_support.h"

namespace quarnel {

// `Base` is ::testing::Test or a parameterised test.
template <class Base = ::testing::Test>
class MainFormFixture : public Base {
 protected:
  void SetUp() override {
    TSkinManage::Destroy();
    Application()->Initialize();
    Application()->ClearTerminated();
    Application()->SetTitle("Quarnel Ver:1.0");
    form = Application()->CreateForm<TForm1>();
  }
  void TearDown() override {
    Application()->DestroyComponent(form);
    Application()->SetMainForm(nullptr);
    testing_support::flush_events(20);
    TSkinManage::Destroy();
  }
  TWinSkinForm* Skin() const {
    TSkinManage* m = TSkinManage::Instance();
    return m && form->HandleAllocated() ? m->FormSkins().Find(form->RawHandle()) : nullptr;
  }
  TForm1* form = nullptr;
};

}  // namespace quarnel
