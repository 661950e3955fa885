// Skin package writer: what it refuses to write, and the layout it produces.
#include "skin/data/format/skin_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/data/format/skin_reader.h"
#include "test_bytes.h"

namespace quarnel::testing {
namespace {

TEST(SkinWriter, RefusesNamesThatCannotBeReadBack) {
  TSkinWriter writer;
  EXPECT_THROW(writer.AddEntry("", {}), std::invalid_argument);
  EXPECT_THROW(writer.AddEntry("a\r\nb", {}), std::invalid_argument);
  EXPECT_THROW(writer.AddEntry("a\nb", {}), std::invalid_argument);
  EXPECT_EQ(writer.EntryCount(), 0u);
}

TEST(SkinWriter, RefusesEntry1002AndUnknownVersions) {
  TSkinWriter writer;
  for (int i = 0; i < 1001; ++i) writer.AddEntry("e" + std::to_string(i), {});
  EXPECT_THROW(writer.AddEntry("one too many", {}), std::invalid_argument);
  EXPECT_THROW(writer.Unpacked(10000), std::invalid_argument);
}

TEST(SkinWriter, HeaderHoldsVersionAndNameListLength) {
  TSkinWriter writer;
  writer.AddEntry("a.bmp", BytesOf("AB"));
  writer.AddEntry("b.ini", BytesOf("C"));
  const Bytes out = writer.Unpacked(40000);
  ASSERT_EQ(out.size(), 16u + 80 + 12 + 8 + 3);
  EXPECT_EQ(out[0] | out[1] << 8, 40000);
  EXPECT_EQ(out[4], 12);  // "a.bmp\r\nb.ini"
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadUnpacked(out));
  EXPECT_EQ(reader.Sizes(), (std::vector<std::uint32_t>{2, 1}));
}

TEST(SkinWriter, PackedStartsWithTheUnpackedSize) {
  TSkinWriter writer;
  writer.AddEntry("x", Bytes(1000, 'x'));
  const Bytes unpacked = writer.Unpacked(70000);
  const Bytes packed = writer.Packed(70000);
  const std::uint32_t size = packed[0] | packed[1] << 8 | packed[2] << 16 | packed[3] << 24;
  EXPECT_EQ(size, unpacked.size());
  EXPECT_LT(packed.size(), 200u);
}

}  // namespace
}  // namespace quarnel::testing
