// The damaged skin corpus in running programs: each package put in force in the skinned gallery
// as its Open skin command does, at the start of the main program as its "--skin" option does,
// and on the real gallery.exe's command line. A refused package keeps the skin in force and is
// reported; any other one loads and everything still paints; no GDI or USER object stays behind.
// UI thread of the test.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "damaged_manifest.h"
#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "gallery/gallery_form.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/format/skin_reader.h"
#include "skin/data/skin_file_option.h"
#include "skin/data/skin_messages.h"
#include "tests/support/program_driver.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

namespace {

using damaged::Damage;
using quarnel::TSkinData;
using testing_support::flush_events;
using testing_support::wait_until;

constexpr UINT kQuerySkinned = SKM_QUERYSKINNED;  // answered with 1 by every skinned window

std::wstring PathOf(const Damage& d) {
  return fw::ToWide(testing_support::host_path(std::string(DAMAGED_SKINS_DIR) + "/" + d.file));
}

bool Skinned(TForm& form) {
  quarnel::TSkinManage* manager = quarnel::TSkinManage::Instance();
  return manager && form.HandleAllocated() && manager->FormSkins().Find(form.RawHandle());
}

// A refusal is told once, naming the file.
void ExpectToldAbout(const Damage& d, const std::vector<std::wstring>& notices) {
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find(fw::ToWide(d.file)), std::wstring::npos) << fw::FromWide(notices[0]);
}

class DamagedSkinsAtRunTime : public ::testing::Test {
 protected:
  void SetUp() override {
    damages = damaged::Manifest();
    ASSERT_GE(damages.size(), 30u);
    quarnel::TSkinManage::Destroy();
    Application()->Initialize();
    Application()->ClearTerminated();
    oldNotifier = TSkinData::SetNotifier([this](const std::string& m) { notices.push_back(fw::ToWide(m)); });
    oldFileNotifier = quarnel::SetSkinFileNotifier([this](const std::wstring& m) { notices.push_back(m); });
  }
  void TearDown() override {
    TSkinData::SetNotifier(oldNotifier);
    quarnel::SetSkinFileNotifier(oldFileNotifier);
    Application()->SetMainForm(nullptr);
    flush_events(20);
    quarnel::TSkinManage::Destroy();
  }

  std::vector<Damage> damages;
  std::vector<std::wstring> notices;
  TSkinData::Notifier oldNotifier;
  quarnel::SkinFileNotifier oldFileNotifier;
};

TEST_F(DamagedSkinsAtRunTime, GallerySwitchesToEachAndReturnsToItsObjectCounts) {
  Application()->SetTitle("Quarnel Skin Gallery");
  auto* form = Application()->CreateForm<TGalleryForm>();
  form->Show();
  gallery::TSkinSwitcher& switcher = form->Switcher();
  const auto settle = [&] { return wait_until([&] { return !switcher.Pending(); }, 5000); };
  // Every page once under both built-in skins: the control skins keep drawing caches sized for
  // the page and skin they last painted, so counts are compared after the same round.
  const auto everyPageInBothSkins = [&] {
    for (size_t skin : {1, 0}) {
      if (!switcher.UseBuiltIn(skin) || !settle()) return false;
      for (int page = 1; page <= form->PageCount(); ++page) {
        form->ShowPage(page);
        gallery::PaintPendingWindows();
      }
    }
    form->ShowPage(1);
    flush_events(50);
    return true;
  };
  TSkinData& data = *form->SkinData1;
  int page = 0;
  const auto loadEach = [&] {
    for (const Damage& d : damages) {
      SCOPED_TRACE(d.file + ": " + d.kind);
      notices.clear();
      const std::string name = data.SkinName;
      const std::vector<uint8_t> packed = data.PackedSkin();
      const bool used = switcher.UseFile(PathOf(d));
      ASSERT_TRUE(settle());
      form->ShowPage(page++ % form->PageCount() + 1);  // every page painted under some damage
      gallery::PaintPendingWindows();
      EXPECT_TRUE(Skinned(*form));
      if (d.outcome == damaged::kRefused) {
        EXPECT_FALSE(used);
        EXPECT_EQ(data.SkinName, name);
        EXPECT_TRUE(data.PackedSkin() == packed);
        ExpectToldAbout(d, notices);
      } else {
        EXPECT_TRUE(used);
        EXPECT_TRUE(notices.empty());
      }
    }
  };

  // The first round makes what the system's own drawing of controls left unskinned makes once and
  // keeps; the second round over the same packages must leave nothing behind.
  ASSERT_TRUE(everyPageInBothSkins());
  loadEach();
  ASSERT_TRUE(everyPageInBothSkins());
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  loadEach();
  const auto shot = testing_support::capture_window(form->Handle());
  testing_support::save_bmp(shot, "damaged_skins_gallery_last.bmp");
  ASSERT_TRUE(everyPageInBothSkins());
  EXPECT_LE(testing_support::gdi_objects(), gdi);
  EXPECT_LE(testing_support::user_objects(), user);
  Application()->DestroyComponent(form);
}

TEST_F(DamagedSkinsAtRunTime, MainProgramStartsWithEachOrItsStoredSkin) {
  Application()->SetTitle("Quarnel");
  const auto start = [&](const Damage* d) {
    auto* form = Application()->CreateForm<TForm1>();
    TSkinData& data = *form->SkinData1;
    const std::string stored = data.SkinName;
    const bool used = d && quarnel::UseSkinFile(data, PathOf(*d));
    form->Show();
    EXPECT_TRUE(wait_until([&] { return Skinned(*form); }));
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    if (d && d->outcome == damaged::kRefused) {
      EXPECT_FALSE(used);
      EXPECT_EQ(data.SkinName, stored);
      ExpectToldAbout(*d, notices);
    } else if (d) {
      EXPECT_TRUE(used);
      EXPECT_TRUE(notices.empty());
    }
    Application()->DestroyComponent(form);
    Application()->SetMainForm(nullptr);
    flush_events(10);
  };
  // The stored skin and one damaged package first: the fallbacks of an empty element that are
  // made once and kept are made by then.
  start(nullptr);
  for (const Damage& d : damages)
    if (d.outcome != damaged::kRefused) {
      start(&d);
      break;
    }
  notices.clear();
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.file + ": " + d.kind);
    notices.clear();
    start(&d);
  }
  EXPECT_EQ(testing_support::gdi_objects(), gdi);
  EXPECT_EQ(testing_support::user_objects(), user);
}

// The real program: the box for a refused package names it and the stored skin is in force; a
// package that loads with elements empty is shown without a word. Each ends cleanly.
TEST(DamagedSkinsOnTheCommandLine, GalleryReportsARefusalAndStartsWithTheOthers) {
  for (const char* file : {"longhorn-blue-entries-1002.skn", "longhorn-blue-section-missing-frame.skn"}) {
    SCOPED_TRACE(file);
    const bool refused = std::string(file).find("1002") != std::string::npos;
    const Damage d{file, "", "", ""};
    testing_support::ProgramProcess program;
    ASSERT_TRUE(program.Start(GALLERY_EXE, L"--skin \"" + PathOf(d) + L"\""));
    if (refused) {
      HWND box = nullptr;
      ASSERT_TRUE(wait_until(
          [&] {
            return (box = testing_support::find_dialog(program.Id(), L"Quarnel Skin Gallery")) != nullptr;
          },
          15000));
      EXPECT_NE(testing_support::static_text_of(box).find(fw::ToWide(file)), std::wstring::npos);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    HWND window = nullptr, status = nullptr;
    ASSERT_TRUE(wait_until(
        [&] {
          window = FindWindowW(L"TGalleryForm", nullptr);
          status = window ? testing_support::find_child(window, nullptr, L"TStatusBar") : nullptr;
          return status && IsWindowVisible(window);
        },
        15000));
    // Both name the blue skin: the stored one, or the damaged copy of it.
    EXPECT_TRUE(wait_until([&] {
      return testing_support::window_text(status).find(L"Skin: Longhorn Blue") != std::wstring::npos;
    }));
    DWORD_PTR skinned = 0;
    EXPECT_TRUE(SendMessageTimeoutW(window, kQuerySkinned, 0, 0, SMTO_ABORTIFHUNG, 2000, &skinned) &&
                skinned == 1);
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    ASSERT_TRUE(program.WaitForExit(10000, code));
    EXPECT_EQ(code, 0u);
  }
}

}  // namespace
