// The bar, tab, list and media controls on the shared all-controls form: window classes named
// after the framework classes, published properties by name, one real user action per control,
// and no windows or GDI objects left behind.
#include "framework/core/text.h"
#include "tests/framework/controls_bars_fixture.h"

namespace bar_controls {

// Every test of this program may read the shared form: these classes are known from the start.
[[maybe_unused]] const bool kBarControlsRegistered = (RegisterBarControls(), true);

TEST_F(BarControlsTest, EveryWindowedControlHasTheWindowClassOfItsFrameworkClass) {
  int checked = 0;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* control = ObjectAs<TWinControl>(form->Components(i));
    if (!control) continue;
    ASSERT_TRUE(control->Handle()) << control->Name();
    EXPECT_EQ(ClassOf(control->Handle()), fw::ToWide(control->ClassName())) << control->Name();
    ++checked;
  }
  EXPECT_GE(checked, 5);
}

TEST_F(BarControlsTest, DestroyingTheFormLeavesNoWindowsOrObjects) {
  Application()->DestroyComponent(form);
  form = nullptr;
  flush_events();
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  for (int i = 0; i < 5; ++i) {
    TForm* f = MakeForm();
    f->Show();
    f->Repaint();
    flush_events(20);
    HWND wnd = f->Handle();
    Application()->DestroyComponent(f);
    EXPECT_FALSE(IsWindow(wnd));
  }
  flush_events();
  EXPECT_LE(testing_support::gdi_objects(), gdi + 2);
  EXPECT_LE(testing_support::user_objects(), user + 2);
}

TEST_F(BarControlsTest, ScreenshotOfTheWholeForm) {
  form->Repaint();
  flush_events(100);
  const std::string dir = QUARNEL_SHOTS;
  CreateDirectoryA(testing_support::host_path(dir).c_str(), nullptr);
  testing_support::Capture shot = testing_support::capture_window(form->Handle());
  ASSERT_GT(shot.width, 700);
  EXPECT_TRUE(testing_support::save_bmp(shot, testing_support::host_path(dir + "/all_controls_bars.bmp")));
}

TEST_F(BarControlsTest, PageControlShowsTheActivePageAndChangesOnATabClick) {
  auto* pages = Get<TPageControl>("Pages");
  auto* two = Get<TTabSheet>("PageTwo");
  auto* three = Get<TTabSheet>("PageThree");
  EXPECT_EQ(pages->ActivePage(), two);  // read before the pages existed
  EXPECT_TRUE(IsWindowVisible(two->Handle()));
  EXPECT_FALSE(IsWindowVisible(three->Handle()));
  EXPECT_EQ(two->Caption(), "\xB6\xFE\xD2\xB3");  // GBK text shown as wide text in the tab
  wchar_t text[16] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 16;
  SendMessageW(pages->Handle(), TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"\u4E8C\u9875");

  int changes = 0;
  pages->OnChange.code = [&](TObject*) { ++changes; };
  RECT tab{};
  SendMessageW(pages->Handle(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&tab));
  ClickAt(pages->Handle(), {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
  ASSERT_TRUE(wait_until([&] { return changes == 1; }));
  EXPECT_EQ(pages->ActivePage(), three);
  EXPECT_EQ(GetPropInfo(*pages, "ActivePageIndex") ? GetOrdPropByName(*pages, "ActivePageIndex") : -1, 2);
  EXPECT_TRUE(IsWindowVisible(three->Handle()));
  EXPECT_FALSE(IsWindowVisible(two->Handle()));
  // The page fills the display area.
  RECT display = pages->DisplayRect();
  EXPECT_EQ(three->Width(), display.right - display.left);

  // Freeing the active page moves the selection to its neighbour and drops its tab.
  form->DestroyComponent(three);
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->ActivePage(), two);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(BarControlsTest, StatusBarPanelsReachTheWindow) {
  auto* bar = Get<TStatusBar>("Status");
  ASSERT_EQ(SendMessageW(bar->Handle(), SB_GETPARTS, 0, 0), 3);
  wchar_t text[32] = {};
  SendMessageW(bar->Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"\t\u72B6\u6001");  // centred
  EXPECT_EQ(HIWORD(SendMessageW(bar->Handle(), SB_GETTEXTLENGTHW, 1, 0)), SBT_POPOUT);
  EXPECT_TRUE(GetWindowLongW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);

  bar->Panels()->Items(0)->SetText("Busy");
  SendMessageW(bar->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Busy");
  EXPECT_EQ(bar->PanelRect(0).right, 120);

  SetOrdPropByName(*bar, "SimplePanel", 1);
  SetStrPropByName(*bar, "SimpleText", "Simple");
  EXPECT_TRUE(SendMessageW(bar->Handle(), SB_ISSIMPLE, 0, 0));
  EXPECT_EQ(GetStrPropByName(*bar, "SimpleText"), "Simple");

  // Owner-drawn panels are painted by the handler, in the panel's rectangle.
  SetOrdPropByName(*bar, "SimplePanel", 0);
  int drawn = -1;
  bar->OnDrawPanel = [&](TStatusBar*, TStatusPanel* panel, TCanvas&, const RECT&) { drawn = panel->Index(); };
  bar->Panels()->Items(2)->SetStyle(psOwnerDraw);
  bar->Repaint();
  EXPECT_TRUE(wait_until([&] { return drawn == 2; }));
}

TEST_F(BarControlsTest, ToolBarButtonsClickCheckAndDropTheirMenu) {
  auto* bar = Get<TToolBar>("Tools");
  auto* bold = Get<TToolButton>("ToolBold");
  auto* open = Get<TToolButton>("ToolOpen");
  ASSERT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 4);
  EXPECT_EQ(open->DropdownMenu(), Get<TPopupMenu>("ToolMenu"));
  wchar_t text[16] = {};
  SendMessageW(bar->Handle(), TB_GETBUTTONTEXTW, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"\u7C97");

  // The skin engine turns the bar flat by name and draws buttons through the custom-draw event.
  ASSERT_TRUE(GetPropInfo(*bar, "Flat"));
  EXPECT_TRUE(SetEnumProp(*bar, *GetPropInfo(*bar, "Flat"), "True"));
  EXPECT_TRUE(GetWindowLongW(bar->Handle(), GWL_STYLE) & TBSTYLE_FLAT);
  // The event is published: reached by name and its parameters, and a caption takes the colour
  // the handler leaves in the canvas font.
  EXPECT_FALSE((GetTypedEventProp<TObject*, TCanvas&, const RECT&>(*bar, "OnCustomDraw")));
  auto* buttonEvent = GetTypedEventProp<TObject*, TControl*, TCanvas&, unsigned, unsigned&, bool&>(
      *bar, "OnCustomDrawButton");
  ASSERT_TRUE(buttonEvent);
  EXPECT_FALSE(*buttonEvent);
  std::vector<TControl*> drawnButtons;
  buttonEvent->code = [&](TObject*, TControl* b, TCanvas& canvas, unsigned, unsigned&, bool&) {
    drawnButtons.push_back(b);
    canvas.Font().SetColor(RGB(255, 0, 0));
  };
  bar->Repaint();
  EXPECT_TRUE(wait_until([&] { return drawnButtons.size() >= 3; }));
  const RECT caption = bar->ButtonRect(bold);
  int red = 0;
  for (int y = caption.top; y < caption.bottom; ++y)
    for (int x = caption.left; x < caption.right; ++x)
      red += testing_support::window_pixel(bar->Handle(), x, y) == RGB(255, 0, 0);
  EXPECT_GT(red, 5) << "the caption is drawn in the handler's colour";

  int clicks = 0;
  bold->OnClick.code = [&](TObject* sender) { clicks += sender == bold; };
  RECT r = bar->ButtonRect(bold);
  ClickAt(bar->Handle(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  ASSERT_TRUE(wait_until([&] { return clicks == 1; }));
  EXPECT_TRUE(bold->Down());
  EXPECT_EQ(GetOrdPropByName(*bold, "Down"), 1);

  // The drop-down arrow opens the button's menu (closed again at once by a timer).
  int popups = 0;
  open->DropdownMenu()->OnPopup.code = [&](TObject*) { ++popups; };
  UINT_PTR timer = SetTimer(nullptr, 0, 200, CloseMenu);
  r = bar->ButtonRect(open);
  ClickAt(bar->Handle(), {r.right - 4, (r.top + r.bottom) / 2});
  KillTimer(nullptr, timer);
  EXPECT_TRUE(wait_until([&] { return popups == 1; }));

  // The bar's tooltip asks its parent for a button's tip: the answer is the button's hint.
  wchar_t tipText[32] = {};
  NMTBGETINFOTIPW tip{};
  tip.hdr = {bar->Handle(), 0, static_cast<UINT>(TBN_GETINFOTIPW)};
  tip.pszText = tipText;
  tip.cchTextMax = 32;
  tip.iItem = 1;  // the first button's command
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
  EXPECT_STREQ(tipText, L"\u65B0\u5EFA");

  // A button freed with its form part leaves the bar.
  form->DestroyComponent(bold);
  EXPECT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 3);
}

TEST_F(BarControlsTest, ToolBarShowsAMenuAsButtonsThatDropTheirItems) {
  auto* bar = Get<TToolBar>("MenuTools");
  ASSERT_EQ(bar->ButtonCount(), 2);
  EXPECT_EQ(bar->Buttons(0)->MenuItem(), Get<TMenuItem>("BarMenuFile"));
  EXPECT_EQ(bar->Buttons(0)->Caption(), "\xCE\xC4\xBC\xFE");
  int helps = 0;
  Get<TMenuItem>("BarMenuHelp")->OnClick.code = [&](TObject*) { ++helps; };
  RECT r = bar->ButtonRect(bar->Buttons(1));
  ClickAt(bar->Handle(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_TRUE(wait_until([&] { return helps == 1; }));

  // The first drops its sub-menu; the menu's owner-drawn items are drawn through the bar.
  auto* menu = Get<TMainMenu>("BarMenu");
  menu->SetOwnerDraw(true);
  int drawn = 0;
  Get<TMenuItem>("BarMenuOpen")->OnDrawItem = [&](TMenuItem*, TCanvas&, const RECT&, UINT) { ++drawn; };
  UINT_PTR timer = SetTimer(nullptr, 0, 300, CloseMenu);
  r = bar->ButtonRect(bar->Buttons(0));
  ClickAt(bar->Handle(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  KillTimer(nullptr, timer);
  EXPECT_GT(drawn, 0);

  form->DestroyComponent(menu);
  EXPECT_EQ(bar->ButtonCount(), 0);
}

TEST_F(BarControlsTest, TrackBarFollowsTheKeyboardAndTheMouse) {
  auto* track = Get<TTrackBar>("Track");
  HWND wnd = track->Handle();
  EXPECT_EQ(SendMessageW(wnd, TBM_GETPOS, 0, 0), 3);  // position read before the range
  EXPECT_EQ(SendMessageW(wnd, TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_EQ(SendMessageW(wnd, TBM_GETSELEND, 0, 0), 8);
  EXPECT_TRUE(GetWindowLongW(wnd, GWL_STYLE) & TBS_AUTOTICKS);
  EXPECT_EQ(SendMessageW(wnd, TBM_GETNUMTICS, 0, 0), 5);  // 0, 5, 10, 15, 20

  int changes = 0;
  track->OnChange.code = [&](TObject*) { ++changes; };
  track->SetFocus();
  SendMessageW(wnd, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(wnd, WM_KEYUP, VK_RIGHT, 0);
  EXPECT_EQ(track->Position(), 4);
  EXPECT_EQ(changes, 1);

  // A click on the channel right of the thumb pages towards the click.
  RECT channel{};
  SendMessageW(wnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  ClickAt(wnd, {channel.right - 4, (channel.top + channel.bottom) / 2});
  ASSERT_TRUE(wait_until([&] { return changes >= 2; }));
  EXPECT_GT(track->Position(), 4);
  EXPECT_EQ(GetOrdPropByName(*track, "Position"), track->Position());

  SetOrdPropByName(*track, "Orientation", trVertical);
  EXPECT_TRUE(GetWindowLongW(track->Handle(), GWL_STYLE) & TBS_VERT);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPOS, 0, 0),
            track->Position());  // kept across the new window
}

TEST_F(BarControlsTest, ProgressBarRangePositionAndSteps) {
  auto* bar = Get<TProgressBar>("Progress");
  auto* vertical = Get<TProgressBar>("VProgress");
  EXPECT_TRUE(GetWindowLongW(bar->Handle(), GWL_STYLE) & PBS_SMOOTH);
  EXPECT_TRUE(GetWindowLongW(vertical->Handle(), GWL_STYLE) & PBS_VERTICAL);
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 40);
  bar->StepIt();
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 65);
  SetOrdPropByName(*bar, "Max", 50);
  EXPECT_EQ(GetOrdPropByName(*bar, "Position"), 50);
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETRANGE, FALSE, 0), 50);
  bar->StepIt();  // past the end it starts over, as the system bar does
  EXPECT_EQ(bar->Position(), 25);
}

TEST_F(BarControlsTest, TabControlStyleByNameAndSelectionByClick) {
  auto* tabs = Get<TTabControl>("Tabs");
  EXPECT_EQ(GetEnumProp(*tabs, *GetPropInfo(*tabs, "Style")), "tsButtons");
  EXPECT_TRUE(GetWindowLongW(tabs->Handle(), GWL_STYLE) & TCS_BUTTONS);
  EXPECT_EQ(tabs->TabIndex(), 1);
  SetEnumProp(*tabs, *GetPropInfo(*tabs, "TabPosition"), "tpBottom");
  EXPECT_TRUE(GetWindowLongW(tabs->Handle(), GWL_STYLE) & TCS_BOTTOM);  // a new window...
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);   // ...with the same tabs

  std::vector<int> seen;
  tabs->OnChanging = [&](TObject*, bool& allow) { allow = tabs->TabIndex() != 2; };
  tabs->OnChange.code = [&](TObject*) { seen.push_back(tabs->TabIndex()); };
  RECT r{};
  SendMessageW(tabs->Handle(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  ClickAt(tabs->Handle(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  SendMessageW(tabs->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  ClickAt(tabs->Handle(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});  // refused: on tab 2
  EXPECT_EQ(seen, std::vector<int>{2});
  tabs->Tabs()->Delete(2);
  EXPECT_EQ(tabs->TabIndex(), 1);
}

TEST_F(BarControlsTest, HeaderSectionsClickAndKeepTheirWidths) {
  auto* header = Get<THeaderControl>("Header");
  ASSERT_EQ(SendMessageW(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(header->SectionRect(1).left, 90);
  std::vector<int> clicked;
  header->OnSectionClick = [&](THeaderControl*, THeaderSection* s) { clicked.push_back(s->Index()); };
  for (int i : {1, 2}) {
    RECT r = header->SectionRect(i);
    ClickAt(header->Handle(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  EXPECT_TRUE(wait_until([&] { return !clicked.empty(); }));
  EXPECT_EQ(clicked, std::vector<int>{1});  // the third does not allow clicks
  auto* sections = ObjectAs<TCollection>(GetObjectPropByName(*header, "Sections"));
  ASSERT_TRUE(sections);
  EXPECT_EQ(GetOrdPropByName(*sections->Item(1), "Width"), 60);
  EXPECT_EQ(GetStrPropByName(*sections->Item(1), "Text"), "\xB4\xF3\xD0\xA1");
}

TEST_F(BarControlsTest, ListViewShowsItemsAndReportsColumnClicks) {
  auto* list = Get<TListView>("List");
  HWND wnd = list->Handle();
  ASSERT_EQ(SendMessageW(wnd, LVM_GETITEMCOUNT, 0, 0), 2);
  wchar_t text[32] = {};
  LVITEMW cell{};
  cell.iSubItem = 2;
  cell.pszText = text;
  cell.cchTextMax = 32;
  SendMessageW(wnd, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&cell));
  EXPECT_STREQ(text, L"\u56FE\u50CF");
  EXPECT_EQ(SendMessageW(wnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
            LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  HWND header = list->HeaderHandle();
  ASSERT_TRUE(header);
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);

  std::vector<int> columns;
  list->OnColumnClick = [&](TListView*, TListColumn* c) { columns.push_back(c->Index()); };
  RECT r{};
  SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  ClickAt(header, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  ASSERT_TRUE(wait_until([&] { return !columns.empty(); }));
  EXPECT_EQ(columns, std::vector<int>{1});

  // A click on a row selects its item.
  TListItem* selected = nullptr;
  list->OnSelectItem = [&](TListView*, TListItem* item, bool on) {
    if (on) selected = item;
  };
  RECT row{};
  row.left = LVIR_BOUNDS;
  SendMessageW(wnd, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  ClickAt(wnd, {row.left + 150, (row.top + row.bottom) / 2});  // in a sub-item: row select
  ASSERT_TRUE(wait_until([&] { return selected != nullptr; }));
  EXPECT_EQ(selected, list->Items()->Items(1));
  EXPECT_EQ(GetOrdPropByName(*list, "ItemIndex"), 1);

  list->Items()->Items(0)->SubItems()->Put(0, "99");
  cell.iSubItem = 1;
  SendMessageW(wnd, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&cell));
  EXPECT_STREQ(text, L"99");
  SetEnumProp(*list, *GetPropInfo(*list, "ViewStyle"), "vsList");
  EXPECT_EQ(GetWindowLongW(wnd, GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
}

TEST_F(BarControlsTest, CoolBarBandsHoldTheirControlsAndTakeAColourByName) {
  auto* cool = Get<TCoolBar>("Cool");
  auto* tools = Get<TToolBar>("CoolTools");
  auto* find = Get<TEdit>("CoolFind");
  ASSERT_EQ(cool->BandCount(), 2);
  REBARBANDINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = RBBIM_CHILD | RBBIM_COLORS;
  SendMessageW(cool->Handle(), RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.hwndChild, find->Handle());
  EXPECT_EQ(GetParent(tools->Handle()), cool->Handle());
  EXPECT_TRUE(IsWindowVisible(tools->Handle()));
  EXPECT_EQ(cool->FindBand(tools), cool->Bands()->Items(0));

  // The skin engine gives every band its face colour through the band's published Color.
  auto* bands = ObjectAs<TCollection>(GetObjectPropByName(*cool, "Bands"));
  ASSERT_TRUE(bands);
  for (int i = 0; i < bands->Count(); ++i) SetOrdPropByName(*bands->Item(i), "Color", 0x00336699);
  SendMessageW(cool->Handle(), RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.clrBack, 0x00336699u);
  EXPECT_EQ(GetOrdPropByName(*bands->Item(1), "Color"), 0x00336699);

  // A freed control leaves its band empty.
  form->DestroyComponent(find);
  EXPECT_EQ(cool->Bands()->Items(1)->Control(), nullptr);
  EXPECT_EQ(cool->BandCount(), 2);
}

}  // namespace bar_controls
