// Frame painting on real windows: border and caption pixels equal to the skin images', active
// and inactive; the title's colour, place, ellipsis, dialog shift and right-to-left placement; the
// application's icon as it changes; a minimised window's caption band; screenshots of the built-in skin.
#include "skin/frame/frame_paint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "frame_test_support.h"
#include "framework/ui/application.h"
#include "framework/win/handles.h"

namespace quarnel::frametest {
namespace {

using testing_support::Capture;

class FramePaintTest : public FrameTest {};

// Compares window pixels with image pixels where the image is not magenta; returns how many
// pixels were compared, and records every mismatch.
int CompareWithImage(const Capture& shot, TBitmap& image, int imageX, int imageY, int windowX, int windowY,
                     int width, int height, const char* what) {
  int compared = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF expected = image.PixelAt(imageX + x, imageY + y);
      if (expected == kMagenta) continue;
      ++compared;
      EXPECT_EQ(shot.at(windowX + x, windowY + y), expected) << what << " at " << x << "," << y;
    }
  return compared;
}

// The font the caption writes its title in: the system's caption font.
fw::UniqueFont SystemCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  EXPECT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  return fw::UniqueFont(CreateFontIndirectW(&metrics.lfCaptionFont));
}

// The title as the caption writes it: two blanks before the window text, one after.
std::wstring Written(const std::wstring& title) {
  return L"  " + title + L" ";
}

// Width and height of `text` in the caption font.
SIZE TitleExtent(const std::wstring& text) {
  const fw::UniqueFont font = SystemCaptionFont();
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font.get());
  RECT r{0, 0, 0, 0};
  DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return {r.right - r.left, r.bottom - r.top};
}

// How many pixels of the 30-row caption band between the side borders differ from the band
// drawn here: `back` with `text` written into `textRect` in `ink`, in the caption font, as the
// caption writes its title (one line, no prefix, an end ellipsis, and `format`).
int TitleBandMismatches(const Capture& shot, const std::wstring& text, RECT textRect, COLORREF back,
                        COLORREF ink, UINT format = 0, const RECT* backdrop = nullptr,
                        COLORREF backdropColour = 0) {
  const int W = shot.width;
  TBitmap expected(W, 30, pf32bit);
  HDC dc = expected.DC();
  fw::UniqueBrush brush(CreateSolidBrush(back));
  RECT all{0, 0, W, 30};
  FillRect(dc, &all, brush.get());
  if (backdrop) {
    fw::UniqueBrush under(CreateSolidBrush(backdropColour));
    FillRect(dc, backdrop, under.get());
  }
  const fw::UniqueFont font = SystemCaptionFont();
  HGDIOBJ old = SelectObject(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | format);
  SelectObject(dc, old);
  int mismatches = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 4; x < W - 4; ++x) mismatches += shot.at(x, y) != expected.PixelAt(x, y);
  return mismatches;
}

TEST_F(FramePaintTest, BuiltInBorderAndCaptionPixelsAreTheSkinImagesActiveAndInactive) {
  auto skin = LoadSkin(BuiltInPackage());
  SkinnedWindow w(*skin, L"Pixels");
  TWinSkinForm& f = w.frame();
  ASSERT_EQ(f.View().Facts().SkinState, fsActive);
  ASSERT_EQ(f.View().Metrics().CaptionHeight, 30);
  ASSERT_EQ(f.View().Metrics().BorderLeft, 4);
  ASSERT_EQ(f.View().Metrics().BorderRight, 4);
  TBitmap& left = skin->FrameLeft->Image;
  TBitmap& right = skin->FrameRight->Image;
  TBitmap& top = skin->FrameTop->Image;

  for (bool active : {true, false}) {
    if (!active) w.Deactivate();
    ASSERT_EQ(f.View().Show().Active, active);
    const Capture shot = w.Shot();
    const int W = shot.width, H = shot.height;
    const int side = active ? 0 : 4;   // frames side by side
    const int band = active ? 0 : 30;  // frames stacked
    int n = 0;
    // Left and right pieces: their top 30 rows and bottom 4 rows are fixed parts.
    n += CompareWithImage(shot, left, side, 0, 0, 0, 4, 30, "left top");
    n += CompareWithImage(shot, left, side, 40, 0, H - 4, 4, 4, "left bottom");
    n += CompareWithImage(shot, right, side, 0, W - 4, 0, 4, 30, "right top");
    n += CompareWithImage(shot, right, side, 40, W - 4, H - 4, 4, 4, "right bottom");
    // The top piece's left fixed part, above and below the icon button.
    n += CompareWithImage(shot, top, 0, band, 4, 0, 8, 7, "top left");
    n += CompareWithImage(shot, top, 0, band + 24, 4, 24, 8, 6, "top left, low rows");
    // Its right fixed part, right of the close button.
    n += CompareWithImage(shot, top, top.Width() - 8, band, W - 12, 0, 8, 5, "top right");
    EXPECT_GT(n, 200);
  }
}

TEST_F(FramePaintTest, InactiveFrameTakesSecondFramesAndInactiveTitleColour) {
  auto skin = LoadSkin(PackSkin(PlainSkin()));
  SkinnedWindow w(*skin, L"Colours");
  Capture shot = w.Shot();
  const int W = shot.width, H = shot.height;
  const RECT caption{4, 0, W - 4, 30};
  EXPECT_EQ(shot.at(W / 2, 28), kTopActive);
  EXPECT_EQ(shot.at(1, H / 2), kSideActive);
  EXPECT_EQ(shot.at(W - 2, H / 2), kSideActive);
  EXPECT_EQ(shot.at(W / 2, H - 2), kSideActive);  // bottom piece
  EXPECT_GT(CountColour(shot, caption, kTitleActive), 10);
  EXPECT_EQ(CountColour(shot, caption, kTitleInactive), 0);

  w.Deactivate();
  shot = w.Shot();
  EXPECT_EQ(shot.at(W / 2, 28), kTopInactive);
  EXPECT_EQ(shot.at(1, H / 2), kSideInactive);
  EXPECT_EQ(shot.at(W - 2, H / 2), kSideInactive);
  EXPECT_EQ(shot.at(W / 2, H - 2), kSideInactive);
  EXPECT_GT(CountColour(shot, caption, kTitleInactive), 10);
  EXPECT_EQ(CountColour(shot, caption, kTitleActive), 0);
}

TEST_F(FramePaintTest, OneFramePieceLooksTheSameActiveAndInactive) {
  PackageRecipe recipe = PlainSkin();
  const std::string twoFrames = "LeftFrame=2";
  recipe.text.replace(recipe.text.find(twoFrames), twoFrames.size(), "LeftFrame=1");
  auto skin = LoadSkin(PackSkin(recipe));
  SkinnedWindow w(*skin, L"One frame");
  ASSERT_EQ(w.frame().View().Metrics().BorderLeft, 8);
  const int W = w.Shot().width;
  const COLORREF activeLeft = w.Shot().at(6, 150);
  EXPECT_EQ(activeLeft, kSideInactive);  // the one frame holds both colours side by side
  EXPECT_EQ(w.Shot().at(W - 2, 150), kSideActive);
  w.Deactivate();
  EXPECT_EQ(w.Shot().at(6, 150), activeLeft);
  EXPECT_EQ(w.Shot().at(W - 2, 150), kSideInactive);  // the two-frame right piece did change
}

TEST_F(FramePaintTest, TitleIsDrawnInItsRectangleAfterTheShift) {
  auto skin = LoadSkin(PackSkin(PlainSkin()));
  SkinnedWindow w(*skin, L"Where");
  const Capture shot = w.Shot();
  const RECT ink = InkBox(shot, {4, 0, shot.width - 4, 30}, kTopActive);
  ASSERT_LT(ink.left, ink.right) << "no title drawn";
  // Written from the caption's left plus the skin's text shift, centred in the 30 rows, up to
  // the skin's right clip: the same text written there gives the same pixels.
  const SIZE extent = TitleExtent(Written(L"Where"));
  const int top = (30 - extent.cy) / 2;
  const RECT text{4 + 20, top, shot.width - 4 - 40, top + extent.cy};
  EXPECT_EQ(TitleBandMismatches(shot, Written(L"Where"), text, kTopActive, kTitleActive), 0);
  EXPECT_GE(ink.top, text.top);
  EXPECT_LE(ink.bottom, text.bottom);
}

TEST_F(FramePaintTest, LongTitleEndsInAnEllipsisBeforeTheRightClip) {
  auto skin = LoadSkin(PackSkin(PlainSkin()));
  std::wstring title;
  for (int i = 0; i < 12; ++i) title += L"A rather long window title ";
  SkinnedWindow w(*skin, title);
  const Capture shot = w.Shot();
  const int W = shot.width;
  const int right = W - 4 - 40;  // the skin's right clip
  const RECT ink = InkBox(shot, {4, 0, W - 4, 30}, kTopActive);
  EXPECT_LE(ink.right, right);
  EXPECT_GT(ink.right, right - 20);  // filled up to the clip, ending in "..."
  // The same text drawn with an end ellipsis into the same rectangle gives the same pixels.
  const SIZE extent = TitleExtent(Written(title));
  const int top = (30 - extent.cy) / 2;
  EXPECT_EQ(TitleBandMismatches(shot, Written(title), {4 + 20, top, right, top + extent.cy}, kTopActive,
                                kTitleActive),
            0);
}

// Columns [left, right) that `text` inks when written as the caption writes its title into
// `room` of a band `width` wide.
std::pair<int, int> WrittenInk(const std::wstring& text, RECT room, int width) {
  TBitmap band(width, 30, pf32bit);
  HDC dc = band.DC();
  RECT all{0, 0, width, 30};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const fw::UniqueFont font = SystemCaptionFont();
  HGDIOBJ old = SelectObject(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &room,
            DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, old);
  int left = width, right = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < width; ++x)
      if (band.PixelAt(x, y) != RGB(255, 255, 255)) {
        left = std::min(left, x);
        right = std::max(right, x + 1);
      }
  return {left, right};
}

// The title's room ends five pixels before the caption button furthest from the right edge
// (the minimise button, 73 pixels from it). A title of narrow letters is cut with an ellipsis
// where the room ends, a pixel or two more or less cutting it elsewhere.
TEST_F(FramePaintTest, PopupWindowTitleStopsFivePixelsBeforeTheButtons) {
  auto skin = LoadSkin(BuiltInPackage());
  const std::wstring title(300, L'l');
  SetCursorPos(900, 900);  // no button is hot in either capture
  SkinnedWindow w(*skin, title, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const Capture written = w.Shot();
  const int W = written.width;
  const ShownButton minimise = w.Button("BUTTON.MINIMIZE");
  ASSERT_TRUE(minimise.Drawn());
  EXPECT_EQ(minimise.rect.left, W - 73);
  // The title's ink: what differs, left of the buttons, from the same caption without a title.
  SetWindowTextW(w.hwnd(), L"");
  w.Repaint();
  const Capture empty = w.Shot();
  ASSERT_EQ(empty.width, W);
  int inkLeft = W, inkRight = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < minimise.rect.left; ++x)
      if (written.at(x, y) != empty.at(x, y)) {
        inkLeft = std::min(inkLeft, x);
        inkRight = std::max(inkRight, x + 1);
      }
  ASSERT_LT(inkLeft, inkRight) << "no title drawn";
  // Where the room starts follows from where the ink starts; written into a room from there to
  // five pixels before the minimise button, the text ends where the caption's does.
  const int right = W - 4 - 73 - 5;
  const int start = inkLeft - WrittenInk(Written(title), {0, 0, W, 30}, W).first;
  EXPECT_EQ(inkRight, WrittenInk(Written(title), {start, 0, right, 30}, W).second);
  EXPECT_LE(inkRight, right);
}

TEST_F(FramePaintTest, DialogTitleSitsSixteenPixelsFurtherLeft) {
  auto skin = LoadSkin(PackSkin(PlainSkin()));
  SkinnedWindow normal(*skin, L"Same title", WS_OVERLAPPEDWINDOW, 0, 400, 300, 40, 40);
  SkinnedWindow dialog(*skin, L"Same title", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 400, 300,
                       40, 360);
  ASSERT_EQ(dialog.frame().View().Facts().BorderKind, bkDialog);
  normal.Repaint();
  dialog.Repaint();
  const RECT normalInk = InkBox(normal.Shot(), {4, 0, normal.Shot().width - 4, 30},
                                normal.frame().View().Show().Active ? kTopActive : kTopInactive);
  const RECT dialogInk = InkBox(dialog.Shot(), {4, 0, dialog.Shot().width - 4, 30},
                                dialog.frame().View().Show().Active ? kTopActive : kTopInactive);
  EXPECT_EQ(normalInk.left - dialogInk.left, 16);
  // The dialog's title is written from the caption's left plus the shift, less sixteen.
  const Capture shot = dialog.Shot();
  const bool active = dialog.frame().View().Show().Active;
  const SIZE extent = TitleExtent(Written(L"Same title"));
  const int top = (30 - extent.cy) / 2;
  EXPECT_EQ(TitleBandMismatches(shot, Written(L"Same title"),
                                {4 + 20 - 16, top, shot.width - 4 - 40, top + extent.cy},
                                active ? kTopActive : kTopInactive, active ? kTitleActive : kTitleInactive),
            0);
}

TEST_F(FramePaintTest, RightToLeftTitleIsPlacedFromTheShiftAndRightAligned) {
  auto skin = LoadSkin(PackSkin(PlainSkin("TextAlignment=2")));
  SkinnedWindow w(*skin, L"Right to left", WS_OVERLAPPEDWINDOW, WS_EX_LEFTSCROLLBAR);
  ASSERT_TRUE(w.frame().View().Facts().RightToLeft);
  // Its room, as wide as the text, starts ten pixels further from the caption's left than the
  // shift; the text is written right-aligned in it, in right-to-left reading order.
  const Capture shot = w.Shot();
  const SIZE extent = TitleExtent(Written(L"Right to left"));
  const int top = (30 - extent.cy) / 2;
  const RECT text{4 + 20 + 10, top, 4 + 20 + 10 + extent.cx, top + extent.cy};
  EXPECT_EQ(TitleBandMismatches(shot, Written(L"Right to left"), text, kTopActive, kTitleActive,
                                DT_RIGHT | DT_RTLREADING),
            0);
  const RECT ink = InkBox(shot, {4, 0, shot.width - 4, 30}, kTopActive);
  EXPECT_GE(ink.left, text.left);
  EXPECT_LE(ink.right, text.right);
}

// The backdrop spans the text with 3 pixels of its own before it and 5 after, and is drawn in
// the frame of the activation.
TEST_F(FramePaintTest, TextBackdropSitsBehindTheTitleInTheFrameOfTheActivation) {
  constexpr COLORREF kBackActive = 0x00A000, kBackInactive = 0x0000A0;
  PackageRecipe recipe = PlainSkin("TextBack=back.bmp\nTXTBackleft=3\nTXTBackRight=5");
  recipe.images.emplace_back("back.bmp", MakeBmp(20, 60, [](int, int y) -> uint32_t {
                               return y < 30 ? kBackActive : kBackInactive;
                             }));
  auto skin = LoadSkin(PackSkin(recipe));
  SkinnedWindow w(*skin, L"Backdrop");
  Capture shot = w.Shot();
  // The backdrop's columns, from the caption's first row.
  RECT back{shot.width, 0, 0, 30};
  for (int x = 0; x < shot.width; ++x)
    if (shot.at(x, 1) == kBackActive) {
      back.left = std::min<LONG>(back.left, x);
      back.right = std::max<LONG>(back.right, x + 1);
    }
  ASSERT_LT(back.left, back.right) << "no backdrop drawn";
  EXPECT_EQ(shot.at(back.right - 1, 28), kBackActive);
  EXPECT_EQ(shot.at(back.left - 1, 1), kTopActive);
  EXPECT_EQ(shot.at(back.right, 1), kTopActive);
  const SIZE extent = TitleExtent(Written(L"Backdrop"));
  EXPECT_EQ(back.right - back.left, 3 + extent.cx + 5);
  const int top = (30 - extent.cy) / 2;
  const RECT text{back.left + 3, top, back.right - 5, top + extent.cy};
  EXPECT_EQ(
      TitleBandMismatches(shot, Written(L"Backdrop"), text, kTopActive, kTitleActive, 0, &back, kBackActive),
      0);
  w.Deactivate();
  shot = w.Shot();
  EXPECT_EQ(shot.at(back.left + 1, 1), kBackInactive);
  EXPECT_EQ(shot.at(back.right, 1), kTopInactive);
  EXPECT_GT(CountColour(shot, text, kTitleInactive), 10);
}

TEST_F(FramePaintTest, MinimisedWindowShowsOnlyItsCaptionBandOverTheFaceColour) {
  auto skin = LoadSkin(PackSkin(PlainSkin()));
  SkinnedWindow w(*skin, L"Small");
  ShowWindow(w.hwnd(), SW_MINIMIZE);
  TWinSkinForm& f = w.frame();
  ASSERT_TRUE(testing_support::wait_until([&] { return f.View().Show().State == wssMinimized; }));
  w.Repaint();
  const Capture shot = w.Shot();
  ASSERT_GT(shot.width, 0);
  const COLORREF band = f.View().Show().Active ? kTopActive : kTopInactive;
  // The top piece spans the whole width, with no side pieces at all.
  EXPECT_EQ(shot.at(0, 1), band);
  EXPECT_EQ(shot.at(shot.width - 1, 1), band);
  const RECT all{0, 0, shot.width, shot.height};
  EXPECT_EQ(CountColour(shot, all, kSideActive) + CountColour(shot, all, kSideInactive), 0);
  // The band is 30 rows high; a minimised window (here 24 high) may show no face colour below it.
  for (int y = 0; y < shot.height; ++y) EXPECT_EQ(shot.at(0, y), y < 30 ? band : kFace) << y;
  w.Save("frame_plain_minimised.bmp");
}

TEST_F(FramePaintTest, PaintingLeaksNoGdiObjectsAndClearsTheHotObject) {
  auto skin = LoadSkin(BuiltInPackage());
  SkinnedWindow w(*skin, L"Leaks");
  w.Repaint();
  const DWORD before = testing_support::gdi_objects();
  const ShownButton close = w.Button("BUTTON.CLOSE");
  ASSERT_TRUE(close.Drawn());
  for (int i = 0; i < 50; ++i) {
    SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(close.rect)));
    ASSERT_EQ(w.Frame(close), ncsHot);
    // A whole frame paint draws every button afresh and forgets the hot one: the next move over
    // it makes it hot again.
    w.frame().PaintFrame(nullptr);
    ASSERT_EQ(w.Frame(close), ncsNormal);
    SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(close.rect)));
    ASSERT_EQ(w.Frame(close), ncsHot);
    SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam({w.Shot().width / 2, 15}));
    if (i % 10 == 0) w.Deactivate(), w.Activate();
  }
  EXPECT_LE(testing_support::gdi_objects(), before);
}

// The caption keeps a scaled copy of the application's icon between paints: a new icon shows at
// the next paint, and so does the first one again.
TEST_F(FramePaintTest, CaptionShowsTheApplicationsIconAsItChanges) {
  auto skin = LoadSkin(BuiltInPackage());
  Application()->Initialize();  // the caption shows the icon of the application's window
  SkinnedWindow w(*skin, L"Icon");
  HWND app = Application()->Handle();
  ASSERT_NE(app, nullptr);
  // The icon is drawn at the system's small icon size at the caption's left end.
  const int size = GetSystemMetrics(SM_CXSMICON);
  ASSERT_GT(size, 2);
  const RECT corner{0, 0, 8 + size + 8, 40};
  const fw::UniqueIcon red = SolidIcon(RGB(255, 0, 0)), blue = SolidIcon(RGB(0, 0, 255));
  ASSERT_TRUE(red && blue);
  const LPARAM previous = SendMessageW(app, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(red.get()));
  for (HICON icon : {red.get(), blue.get(), red.get()}) {
    SendMessageW(app, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    w.Repaint();
    const Capture shot = w.Shot();
    const COLORREF shown = icon == red.get() ? RGB(255, 0, 0) : RGB(0, 0, 255);
    const COLORREF gone = icon == red.get() ? RGB(0, 0, 255) : RGB(255, 0, 0);
    EXPECT_EQ(CountColour(shot, corner, shown), size * size);
    EXPECT_EQ(CountColour(shot, corner, gone), 0);
  }
  SendMessageW(app, WM_SETICON, ICON_SMALL, previous);
  w.Repaint();
}

TEST_F(FramePaintTest, ScreenshotsOfTheBuiltInSkin) {
  auto skin = LoadSkin(BuiltInPackage());
  SkinnedWindow w(*skin, L"Quarnel Ver:1.0");
  w.Save("frame_builtin_active.bmp");
  w.Deactivate();
  w.Save("frame_builtin_inactive.bmp");
  w.Activate();
  ShowWindow(w.hwnd(), SW_MAXIMIZE);
  EXPECT_TRUE(
      testing_support::wait_until([&] { return w.frame().View().Show().State == wssMaximized; }));
  w.Repaint();
  const Capture maximised = w.Shot();
  testing_support::save_bmp(maximised, "frame_builtin_maximised.bmp");
  // The title and the close button follow the bigger width.
  EXPECT_EQ(w.Button("BUTTON.CLOSE").rect.left, maximised.width - 25);
  ShowWindow(w.hwnd(), SW_MINIMIZE);
  EXPECT_TRUE(
      testing_support::wait_until([&] { return w.frame().View().Show().State == wssMinimized; }));
  w.Repaint();
  w.Save("frame_builtin_minimised.bmp");
}

}  // namespace
}  // namespace quarnel::frametest
