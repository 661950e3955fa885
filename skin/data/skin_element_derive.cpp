// The loader's last steps, built from the elements just read: fixed frame counts (the element
// table's and the few that depend on the text), the mirrored combo button, the composed combo
// strips and arrow, the frame colour and the toolbar gradient. UI thread.
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/format/skin_values.h"
#include "skin/data/skin_element_loader.h"
#include "skin/data/skin_element_table.h"

namespace quarnel::detail {

namespace {

template <class T>
void SetCount(const std::unique_ptr<T>& slot, int32_t count) {
  if (slot) slot->FrameCount = count;
}

SkinMargins MarginsOf(const TDataSkinObject& r) {
  return {r.LeftWidth, r.TopHeight, r.RightWidth, r.BottomHeight};
}

void FillMagenta(HDC dc, const RECT& rect) {
  fw::UniqueBrush magenta(CreateSolidBrush(kSkinTransparentColor));
  FillRect(dc, &rect, magenta.get());
}

}  // namespace

void ApplyFrameCounts(TSkinElements& e, const TSkinDefinition& text) {
  SetCount(e.Buttons, 5);
  SetCount(e.Title, 2);
  for (const TElementRow& row : ElementRows())
    if (TDataSkinObject* record = row.record(e); record && row.frames > 0) record->FrameCount = row.frames;
  if (e.Progress) e.Progress->FrameCount = e.Progress->Style != 0 ? 1 : 2;
  if (e.Headerbar && e.Headerbar->FrameCount == 0) e.Headerbar->FrameCount = 5;
  SetCount(e.HorzScrollThumb, text.ReadInteger("HorzScrollThumb", "FrameCount", 3));
  SetCount(e.VertScrollThumb, text.ReadInteger("VertScrollThumb", "FrameCount", 3));

  TDataSkinButton& b = *e.Buttons;
  if (b.RadioFrameCount == 0)
    b.RadioFrameCount = GlyphStripFrameCount(b.RadioImage.Width(), b.RadioImage.Height());
  if (b.CheckFrameCount == 0)
    b.CheckFrameCount = GlyphStripFrameCount(b.CheckImage.Width(), b.CheckImage.Height());
}

void MirrorComboButton(TSkinElements& e) {
  if (!e.ComboButton || e.ComboButton->Image.Empty()) return;
  e.ComboButton->Image2.Assign(e.ComboButton->Image);
  e.ComboButton->Image2.SetPixelFormat(pf24bit);
  MirrorBitmap(e.ComboButton->Image2);
}

// A combo box face per sunk-edge frame: the edge, the button at the right, the arrow glyph
// over it, and a transparent inside where the edit sits.
void ComposeCombo(TSkinElements& e) {
  if (!e.SunkEdge || !e.ComboButton) return;
  TDataSkinObject& edge = *e.SunkEdge;
  TDataSkinBorder& button = *e.ComboButton;
  const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;
  constexpr int kCellWidth = 50, kCellHeight = 21;
  const int frames = edge.FrameCount < 1 ? 1 : edge.FrameCount;
  TBitmap cell(kCellWidth, kCellHeight, pf24bit);
  TBitmap strip(kCellWidth * frames, kCellHeight, pf24bit);
  FillMagenta(strip.DC(), RECT{0, 0, strip.Width(), kCellHeight});
  const RECT whole{0, 0, kCellWidth, kCellHeight};
  const RECT buttonArea{kCellWidth - b, 0, kCellWidth, kCellHeight};
  for (int k = 1; k <= frames; ++k) {
    FillMagenta(cell.DC(), whole);
    if (!edge.Image.Empty())
      DrawSkinElement(cell.DC(), whole, edge.Image, false, false, edge.Trans != 0, frames, k,
                      MarginsOf(edge));
    if (!button.Image.Empty())
      DrawSkinElement(cell.DC(), buttonArea, button.Image, false, false, true, button.FrameCount, k,
                      MarginsOf(button));
    if (e.ExtraImages && !e.ExtraImages->Image.Empty())
      DrawSkinFrameCentred(cell.DC(), buttonArea, e.ExtraImages->Image, true, e.ExtraImages->FrameCount, k);
    FillMagenta(cell.DC(), RECT{2, 2, kCellWidth - 1 - b, kCellHeight - 3});
    BitBlt(strip.DC(), kCellWidth * (k - 1), 0, kCellWidth, kCellHeight, cell.DC(), 0, 0, SRCCOPY);
  }
  button.Style = 2;
  button.LeftWidth = 2;
  button.TopHeight = edge.TopHeight;
  button.RightWidth = b + 2;
  button.BottomHeight = edge.BottomHeight;
  button.Image.Assign(strip);
  edge.Image.Assign(strip);
  MirrorBitmap(edge.Image);
  edge.LeftWidth = b + 2;
  edge.RightWidth = 2;
}

void BuildComboArrow(TSkinElements& e) {
  if (!e.ComboArrow) e.ComboArrow = std::make_unique<TDataSkinObject>("ComboxArrow", e.Colors[scButtonText]);
  TDataSkinObject& arrow = *e.ComboArrow;
  arrow.Image.SetSize(0, 0);
  arrow.FrameCount = 0;
  if (!e.SunkEdge) {
    if (!e.ComboButton) return;
    arrow.Image.Assign(e.ComboButton->Image);
    if (!arrow.Image.Empty()) ReplaceMagenta(arrow.Image, e.FaceColor());
    arrow.FrameCount = e.ComboButton->FrameCount;
    return;
  }
  // Without a combo button there is nothing to cut the arrow from; it stays empty.
  if (!e.ComboButton || e.ComboButton->Style != 2) return;
  const int frames = e.SunkEdge->FrameCount < 1 ? 1 : e.SunkEdge->FrameCount;
  TBitmap& source = e.ComboButton->Image;
  const int w = source.Width() / frames;
  arrow.Image.SetPixelFormat(pf24bit);
  arrow.Image.SetSize(17 * frames, 17);
  for (int k = 1; k <= frames; ++k)
    BitBlt(arrow.Image.DC(), 17 * (k - 1), 0, 17, 17, source.DC(), k * w - 19, 2, SRCCOPY);
  arrow.FrameCount = e.SunkEdge->FrameCount;
}

void SampleFrameColour(TSkinElements& e) {
  TBitmap& top = e.FrameTop->Image;
  if (top.Empty()) {
    e.Colors[scFrame] = e.FaceColor();
    return;
  }
  // A frame count below 1 would divide by zero; the image then counts as one frame.
  const int frames = e.FrameTop->FrameCount < 1 ? 1 : e.FrameTop->FrameCount;
  e.Colors[scFrame] = static_cast<TColor>(top.PixelAt(top.Width() / 3, (top.Height() / frames) / 3));
}

void BuildToolbar(TSkinElements& e) {
  if (!e.Toolbar) e.Toolbar = std::make_unique<TDataSkinObject>("Toolbar", e.Colors[scButtonText]);
  const TColor sample = e.Colors[scFrame];
  const int saturation = ColorSaturation(ResolveSkinColor(sample));
  const TColor end = saturation > 110 ? MixColors(sample, clWhite, ToolbarMixWeight(saturation))
                                      : MixColors(0x808080, sample, 150);
  constexpr int kWidth = 10, kHeight = 40;
  TBitmap& image = e.Toolbar->Image;
  image.SetPixelFormat(pf24bit);
  image.SetSize(kWidth, kHeight);
  // The vertical gradient of the shared ramp cache, one colour per row, written straight into
  // the pixels: the same stripes FillGradient paints, without a brush per row.
  GradientCache& cache = SharedGradientCache();
  const std::vector<uint32_t>& ramp = cache.Entries(
      cache.Ramp(kHeight, ResolveSkinColor(MixColors(e.FaceColor(), clWhite, 150)), ResolveSkinColor(end)));
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* row = image.ScanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      row[3 * x] = static_cast<uint8_t>(BlueOf(ramp[y]));
      row[3 * x + 1] = static_cast<uint8_t>(GreenOf(ramp[y]));
      row[3 * x + 2] = static_cast<uint8_t>(RedOf(ramp[y]));
    }
  }
  e.Toolbar->FrameCount = 1;
}

}  // namespace quarnel::detail
