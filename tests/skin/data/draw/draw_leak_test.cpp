// Runs every drawing operation 10,000 times and checks that the process holds as many GDI
// objects afterwards as before.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "draw_test_support.h"
#include "skin/data/draw/draw_helpers.h"

namespace quarnel {
namespace {

using draw_test::GdiObjectCount;

TEST(GdiObjectCount, SeesObjectsComeAndGo) {
  // The first DC of a process makes a few lasting objects: let that happen before counting.
  fw::CreateMemoryDC();
  const DWORD before = GdiObjectCount();
  {
    std::vector<fw::UniqueBrush> brushes;
    for (int i = 0; i < 10; ++i) brushes.emplace_back(CreateSolidBrush(RGB(i, 0, 0)));
    fw::UniqueDC dc = fw::CreateMemoryDC();
    EXPECT_EQ(GdiObjectCount(), before + 11);
  }
  EXPECT_EQ(GdiObjectCount(), before);
}

struct Operation {
  std::string name;
  std::function<void()> run;
};

class DrawingLeaks : public testing::TestWithParam<int> {
 public:
  static std::vector<Operation>& Operations();
};

// Shared images and a target; they exist before the first count and after the last.
struct Scene {
  std::unique_ptr<TBitmap> image = draw_test::Paint(
      90, 30, [](int x, int y) { return (x % 30 < 4 || y < 3) ? RGB(255, 0, 255) : RGB(x, y, 100); });
  std::unique_ptr<TBitmap> target = draw_test::Filled(120, 40, RGB(1, 2, 3));
  HDC dc() { return target->Canvas().Handle(); }
};
Scene& TheScene() {
  static Scene scene;
  return scene;
}

std::vector<Operation>& DrawingLeaks::Operations() {
  static std::vector<Operation> ops = [] {
    Scene& s = TheScene();
    const SkinMargins m{5, 4, 6, 3};
    const RECT r{2, 3, 110, 33};
    return std::vector<Operation>{
        {"FillGradient", [&s, r] { FillGradient(s.dc(), r, clBtnFace, true, RGB(1, 2, 3)); }},
        {"BuildSkinBitmap", [&s, m, r] { BuildSkinBitmap(r, *s.image, m, false, true, 3, 2); }},
        {"DrawSkinElementOpaque",
         [&s, m, r] { DrawSkinElement(s.dc(), r, *s.image, false, false, false, 3, 1, m); }},
        {"DrawSkinElementTransparent",
         [&s, m, r] { DrawSkinElement(s.dc(), r, *s.image, false, true, true, 3, 3, m); }},
        {"TileDraw",
         [&s, r] {
           TileDraw(s.target->Canvas(), r, *s.image, RECT{4, 3, 20, 20});
         }},
        {"DrawSkinBar", [&s, m, r] { DrawSkinBar(s.target->Canvas(), r, *s.image, false, true, 3, 2, m); }},
        {"DrawSkinBarStretched", [&s, m, r] { DrawSkinBarStretched(s.dc(), r, *s.image, false, 3, 2, m); }},
        {"DrawSkinFrameStretched", [&s, r] { DrawSkinFrameStretched(s.dc(), r, *s.image, true, 3, 2); }},
        {"DrawSkinFrameCentred", [&s, r] { DrawSkinFrameCentred(s.dc(), r, *s.image, true, 3, 2); }},
        {"DrawTransparentNt",
         [&s] {
           DrawTransparentOn(GdiPlatform::Nt, s.dc(), RECT{0, 0, 90, 30}, *s.image, kSkinTransparentColor);
         }},
        {"DrawTransparentXor",
         [&s] {
           DrawTransparentOn(GdiPlatform::Win9x, s.dc(), RECT{0, 0, 90, 30}, *s.image, kSkinTransparentColor);
         }},
        {"DrawTransparentVariedSizes",
         [&s] {
           // Sizes in turn through the reused scratch bitmaps; now and then one too large to keep.
           static int turn = 0;
           static const auto large = draw_test::Filled(1024, 520, RGB(255, 0, 255));
           const int w = 1 + turn % 89, h = 1 + turn % 29;
           if (turn++ % 50 == 0) {  // the first run too, so the image's DC exists before counting
             DrawTransparentOn(GdiPlatform::Nt, s.dc(), RECT{0, 0, 1024, 520}, *large, kSkinTransparentColor);
             DrawSkinElement(s.dc(), RECT{0, 0, 1024, 520}, *large, false, false, true, 1, 1, SkinMargins{});
           }
           DrawTransparentOn(GdiPlatform::Nt, s.dc(), RECT{1, 2, 1 + w, 2 + h}, *s.image,
                             kSkinTransparentColor);
           DrawSkinElement(s.dc(), RECT{0, 0, w, h}, *s.image, false, false, true, 3, 2, SkinMargins{});
         }},
        {"RegionFromBitmap", [&s] { RegionFromBitmap(*s.image, 3, 4, 1, 1, 1, kSkinTransparentColor); }},
        {"ReplaceMagenta", [&s] { ReplaceMagenta(*s.image, RGB(255, 0, 255)); }},
        {"MirrorBitmap", [&s] { MirrorBitmap(*s.image); }},
        {"FlipBitmap", [&s] { FlipBitmap(*s.image); }},
        {"RotateLeftRight",
         [&s] {
           RotateLeft(*s.image);
           RotateRight(*s.image);
         }},
        {"DrawTextWideNt",
         [&s] {
           RECT t{0, 0, 100, 20};
           DrawTextWideOn(GdiPlatform::Nt, s.dc(), L"Caption", t, DT_SINGLELINE);
         }},
        {"DrawTextWideAnsi",
         [&s] {
           RECT t{0, 0, 100, 20};
           DrawTextWideOn(GdiPlatform::Win9x, s.dc(), L"Caption", t, DT_SINGLELINE);
         }},
        {"CanvasBrushPenFontChanges",
         [&s] {
           TCanvas& c = s.target->Canvas();
           c.Brush().SetColor(c.Brush().Color() ^ 1);
           c.Pen().SetWidth(c.Pen().Width() == 1 ? 2 : 1);
           c.Font().SetHeight(c.Font().Height() == -11 ? -12 : -11);
           c.Rectangle(0, 0, 5, 5);
           c.TextOut(0, 0, "x");
         }},
    };
  }();
  return ops;
}

TEST_P(DrawingLeaks, TenThousandRunsKeepTheObjectCount) {
  const Operation& op = Operations()[GetParam()];
  op.run();  // first use may make lasting objects (a bitmap's canvas DC, a font)
  const DWORD before = GdiObjectCount();
  for (int i = 0; i < 10000; ++i) op.run();
  EXPECT_EQ(GdiObjectCount(), before) << op.name;
}

INSTANTIATE_TEST_SUITE_P(EachOperation, DrawingLeaks,
                         testing::Range(0, static_cast<int>(DrawingLeaks::Operations().size())),
                         [](const testing::TestParamInfo<int>& info) {
                           return DrawingLeaks::Operations()[info.param].name;
                         });

}  // namespace
}  // namespace quarnel
