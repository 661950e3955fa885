// TSkinData as a component: initial values, reading from a description, the end-of-reading
// steps, Active assignment and the form filter.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/core/properties.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin_data_test_support.h"

namespace quarnel {
namespace {

using testing::HostDescription;
using testing::PackSkin;
using testing::SkinDataTest;
using testing::SmallSkin;

TEST_F(SkinDataTest, StartsWithItsInitialValues) {
  auto data = TComponent::Make<TSkinData>();
  EXPECT_FALSE(data->Active());
  EXPECT_EQ(data->DisableTag(), 99);
  EXPECT_EQ(data->SkinControls(), 0x3FFFFFu & ~(Bit(xcMenuItem) | Bit(xcFastReport)));
  EXPECT_EQ(data->Options(), Bit(xoPreview) | Bit(xoToolbarBK) | Bit(xoCaptionButtonHint));
  for (const char* entry : {"TCategoryButtons=scrollbar", "TComboboxex=combobox", "TOVCDBNUMERICFIELD=Edit"})
    EXPECT_GE(data->Skin3rd()->IndexOf(entry), 0) << entry;
  EXPECT_EQ(data->SkinFile(), "");
  EXPECT_EQ(data->SkinStore(), "(none)");
  EXPECT_EQ(data->SkinFormtype(), sfMainform);
  EXPECT_EQ(data->Version(), "5.40.07.15");
  EXPECT_TRUE(data->MenuUpdate());
  EXPECT_FALSE(data->MenuMerge());
  EXPECT_TRUE(data->Empty());
  EXPECT_TRUE(data->Buttons && data->Title && data->FrameLeft && data->FrameBottom);
  EXPECT_EQ(TSkinManage::Instance(), nullptr);  // made only when a component finishes loading
}

TEST_F(SkinDataTest, PublishesItsProperties) {
  std::vector<std::string> names;
  for (const TPropInfo& p : TSkinData::StaticClass().properties) names.push_back(p.name);
  std::vector<std::string> expected = {
      "Active",        "DisableTag",    "SkinControls",     "Options",        "Skin3rd",   "SkinFile",
      "SkinStore",     "SkinFormtype",  "Version",          "MenuUpdate",     "MenuMerge", "OnFormSkin",
      "OnSkinChanged", "OnSkinControl", "OnBeforeSkinForm", "OnAfterSkinForm"};
  std::sort(names.begin(), names.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
  for (const TPropInfo& p : TSkinData::StaticClass().properties)
    if (p.name != "OnSkinChanged" && p.name.rfind("On", 0) == 0) {
      EXPECT_TRUE(p.kind == TTypeKind::Event && p.bindTyped) << p.name;  // bound by name too
    }
  auto data = TComponent::Make<TSkinData>();
  EXPECT_TRUE(SetStrPropByName(*data, "Version", "1.0"));
  EXPECT_EQ(GetStrPropByName(*data, "Version"), "5.40.07.15");
  SetStrPropByName(*data, "SkinStore", "(Good)");
  EXPECT_EQ(data->SkinStore(), "(none)");
}

TEST_F(SkinDataTest, StoredPackageLoadsWhileReadingAndSkinningStartsAtLoaded) {
  const auto packed = PackSkin(SmallSkin("Stored"));
  TSkinData& data = Read(HostDescription("    Active = True\n", &packed));
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.SkinName, "Stored");
  EXPECT_EQ(data.PackedSkin(), packed);
  EXPECT_TRUE(data.Active());
  EXPECT_EQ(data.SkinStore(), "(none)");  // "(Good)" is for the designer only
  EXPECT_EQ(data.FrameTop->Image.Width(), 60);
  ASSERT_EQ(data.SysButtons.size(), 4u);
  EXPECT_EQ(data.SysButtons[0]->Name, "BUTTONCLOSE");
  EXPECT_EQ(data.SysButtons[0]->FrameCount, 3);

  TSkinManage* manager = TSkinManage::Instance();
  ASSERT_NE(manager, nullptr);
  EXPECT_TRUE(manager->Hook().Installed());
  EXPECT_EQ(manager->SkinData().Main(), &data);
  EXPECT_EQ(manager->SkinData().All(), std::vector<TSkinData*>{&data});
  // No window was activated yet: skin-on takes effect at once, without the timer.
  EXPECT_TRUE(manager->Running());
  EXPECT_FALSE(manager->Actions().TimerEnabled());
  EXPECT_EQ(data.CaptionFont().Height() != 0, true);
  EXPECT_EQ(data.AppIcon().Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(data.AppIcon().TransparentColor(), 0xFF00FF);
}

TEST_F(SkinDataTest, ActiveWithoutAPackageTurnsItselfOff) {
  TSkinData& data = Read(HostDescription("    Active = True\n", nullptr));
  EXPECT_FALSE(data.Active());
  EXPECT_TRUE(data.Empty());
  TSkinManage* manager = TSkinManage::Instance();
  ASSERT_NE(manager, nullptr);
  EXPECT_TRUE(manager->Hook().Installed());
  EXPECT_FALSE(manager->Running());
  EXPECT_EQ(manager->Actions().Pending(), saNone);
}

TEST_F(SkinDataTest, UnknownPackageVersionIsReportedAndActiveTurnsOff) {
  const auto packed = testing::UnknownVersionPackage();
  TSkinData& data = Read(HostDescription("    Active = True\n", &packed));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_TRUE(data.Empty());
  EXPECT_FALSE(data.Active());
  EXPECT_FALSE(TSkinManage::Instance()->Running());
}

TEST_F(SkinDataTest, AFailedLoadKeepsThePreviousRecords) {
  const auto packed = PackSkin(SmallSkin("First"));
  TSkinData& data = Read(HostDescription("", &packed));
  data.SetPackedSkin(testing::UnknownVersionPackage());
  EXPECT_FALSE(data.LoadSkin());
  EXPECT_TRUE(data.Empty());
  EXPECT_EQ(data.SkinName, "First");
  EXPECT_EQ(data.FrameTop->Image.Width(), 60);
}

TEST_F(SkinDataTest, ASkinFileReplacesTheSkinOnlyWhenItLoads) {
  const auto first = PackSkin(SmallSkin("First"));
  TSkinData& data = Read(HostDescription("", &first));
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  const std::string path = std::string(dir) + "quarnel-skin-file-test.skn";
  auto write = [&](const std::vector<uint8_t>& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
  };
  write(testing::UnknownVersionPackage());
  data.SetSkinFile(path);
  EXPECT_EQ(messages.size(), 1u);  // the reader's own message
  EXPECT_FALSE(data.Empty());      // the skin in force stays, with its own package
  EXPECT_EQ(data.SkinName, "First");
  EXPECT_EQ(data.PackedSkin(), first);

  const auto second = PackSkin(SmallSkin("Second"));
  write(second);
  data.SetSkinFile(path);
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.SkinName, "Second");
  EXPECT_EQ(data.PackedSkin(), second);
  DeleteFileA(path.c_str());
}

TEST_F(SkinDataTest, MainMenuDecidesBetweenMenuItemAndSystemMenu) {
  TSkinData& withMenu = Read(HostDescription("", nullptr));
  EXPECT_FALSE(withMenu.SkinControls() & Bit(xcMenuItem));
  EXPECT_TRUE(withMenu.SkinControls() & Bit(xcSystemMenu));

  TSkinData& without =
      Read(HostDescription("    SkinControls = [xcMenuItem, xcSystemMenu, xcButton]\n", nullptr));
  EXPECT_EQ(without.SkinControls(), Bit(xcMenuItem) | Bit(xcButton));
}

TEST_F(SkinDataTest, NoScrollBarInformationMeansNoScrollBarSkins) {
  auto saved = OptionalUserApi().GetScrollBarInfo;
  EXPECT_NE(saved, nullptr);  // every system we run on has it
  OptionalUserApi().GetScrollBarInfo = nullptr;
  TSkinData& data = Read(HostDescription("", nullptr));
  OptionalUserApi().GetScrollBarInfo = saved;
  EXPECT_FALSE(data.SkinControls() & Bit(xcScrollbar));
  TSkinData& again = Read(HostDescription("", nullptr));
  EXPECT_TRUE(again.SkinControls() & Bit(xcScrollbar));
}

TEST_F(SkinDataTest, OnlyThisFormCountsAsRunningWithoutAHook) {
  TSkinData& data = Read(HostDescription("    SkinFormtype = sfOnlyThisForm\n", nullptr));
  TSkinManage* manager = TSkinManage::Instance();
  EXPECT_TRUE(manager->Running());
  EXPECT_EQ(manager->SkinningCount(), 1);
  EXPECT_FALSE(manager->Hook().Installed());
  EXPECT_EQ(manager->SkinData().Main(), nullptr);
  EXPECT_EQ(manager->SkinData().All().front(), &data);
}

TEST_F(SkinDataTest, ActiveAssignmentSchedulesThroughTheManager) {
  const auto packed = PackSkin(SmallSkin());
  TSkinData& data = Read(HostDescription("", &packed));
  TSkinManage& manager = *TSkinManage::Instance();
  manager.SetSkinningCount(1);  // as after the first window activation
  int changed = 0;
  data.OnSkinChanged.code = [&](TObject* sender) { changed += sender == &data; };

  data.SetActive(true);
  EXPECT_EQ(manager.SkinData().Current(), &data);
  EXPECT_EQ(manager.Actions().Pending(), saSkinOn);
  EXPECT_TRUE(manager.Actions().TimerEnabled());
  EXPECT_EQ(manager.Actions().TimerInterval(), 250);
  EXPECT_TRUE(manager.Running());

  data.SetActive(false);  // replaces the pending action
  EXPECT_EQ(manager.Actions().Pending(), saSkinOff);
  ASSERT_TRUE(testing_support::wait_until([&] { return changed > 0; }));
  EXPECT_EQ(changed, 1);
  EXPECT_FALSE(manager.Running());
  EXPECT_EQ(manager.SkinData().Current(), nullptr);
  EXPECT_FALSE(manager.Actions().TimerEnabled());
}

TEST_F(SkinDataTest, SwitchingOnWithoutASkinDoesNothing) {
  TSkinData& data = Read(HostDescription("", nullptr));
  TSkinManage& manager = *TSkinManage::Instance();
  data.SetActive(true);
  EXPECT_TRUE(data.Active());
  EXPECT_EQ(manager.SkinData().Current(), nullptr);
  EXPECT_FALSE(manager.Running());
}

TEST_F(SkinDataTest, ApplySkinRefreshesOnlyWhileRunning) {
  const auto packed = PackSkin(SmallSkin());
  TSkinData& data = Read(HostDescription("", &packed));
  TSkinManage& manager = *TSkinManage::Instance();
  manager.SetSkinningCount(1);
  data.ApplySkin();
  EXPECT_EQ(manager.SkinData().Current(), &data);
  EXPECT_FALSE(manager.Actions().TimerEnabled());
  manager.SetRunning(true);
  data.ApplySkin();
  EXPECT_EQ(manager.Actions().Pending(), saRefresh);
  EXPECT_TRUE(manager.Actions().TimerEnabled());
}

// A combo box face is composed at load round a button as wide as the system's scroll arrow:
// when the system's arrows grow, it is composed again round the wider button.
TEST_F(SkinDataTest, TheComboFaceIsComposedAgainForWiderScrollArrows) {
  testing::PackageRecipe recipe = SmallSkin();
  recipe.text += "[SunkEdge]\nImage=edge.bmp\n[ComboButton]\nImage=button.bmp\n";
  recipe.images.push_back({"edge.bmp", testing::SolidBmp(40, 10, 0x00FF00)});
  recipe.images.push_back({"button.bmp", testing::SolidBmp(40, 10, 0x0000FF)});
  const auto packed = PackSkin(recipe);
  TSkinData& data = Read(HostDescription("", &packed));
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  ASSERT_EQ(data.ComboButton->RightWidth, arrow + 4);
  // The button of the first composed cell starts this far from the cell's right end.
  auto buttonAt = [&](int width) { return data.ComboButton->Image.PixelAt(50 - width, 10); };
  EXPECT_EQ(buttonAt(arrow + 2), 0x0000FFu);
  EXPECT_NE(buttonAt(arrow + 8), 0x0000FFu);

  testing_support::WindowMetricsChange change;
  NONCLIENTMETRICSW wider = change.Saved();
  wider.iScrollWidth += 6;
  wider.iScrollHeight += 6;
  testing_support::WindowMetricsChange::Set(wider);
  ASSERT_EQ(GetSystemMetrics(SM_CXHSCROLL), arrow + 6) << "the system took the new width";
  data.RenewSystemMetrics();
  EXPECT_EQ(data.ComboButton->RightWidth, arrow + 10);
  EXPECT_EQ(data.SunkEdge->LeftWidth, arrow + 10) << "the mirrored face too";
  EXPECT_EQ(buttonAt(arrow + 8), 0x0000FFu);
  EXPECT_EQ(data.SkinName, "Small") << "the same skin";
}

TEST_F(SkinDataTest, FormFilterRefusesMonthCalendarsUnlessTheEventDecides) {
  auto data = TComponent::Make<TSkinData>();
  bool doSkin = true;
  data->FormSkinAllowed(reinterpret_cast<HWND>(0x1234), "SysMonthCal32", doSkin);
  EXPECT_FALSE(doSkin);
  EXPECT_EQ(data->LastFormSkinWindow(), reinterpret_cast<HWND>(0x1234));
  doSkin = true;
  data->FormSkinAllowed(nullptr, "TfrPreviewForm", doSkin);
  EXPECT_TRUE(doSkin);  // xcFastReport is not in the initial set
  data->SetSkinControls(data->SkinControls() | Bit(xcFastReport));
  data->FormSkinAllowed(nullptr, "TfrPreviewForm", doSkin);
  EXPECT_FALSE(doSkin);
  doSkin = false;
  data->FormSkinAllowed(nullptr, "TForm1", doSkin);
  EXPECT_FALSE(doSkin);  // other classes keep the caller's answer

  std::string asked;
  data->OnFormSkin = [&](TObject*, const std::string& name, bool& skin) {
    asked = name;
    skin = true;
  };
  doSkin = false;
  data->FormSkinAllowed(nullptr, "SysMonthCal32", doSkin);
  EXPECT_TRUE(doSkin);
  EXPECT_EQ(asked, "SysMonthCal32");
}

TEST_F(SkinDataTest, DestructionUnregistersFromTheManager) {
  TSkinData& data = Read(HostDescription("", nullptr));
  TSkinManage& manager = *TSkinManage::Instance();
  manager.SkinData().SetCurrent(&data);
  host.reset();
  EXPECT_TRUE(manager.SkinData().All().empty());
  EXPECT_EQ(manager.SkinData().Main(), nullptr);
  EXPECT_EQ(manager.SkinData().Current(), nullptr);
}

}  // namespace
}  // namespace quarnel
