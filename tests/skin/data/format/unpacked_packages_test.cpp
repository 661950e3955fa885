// The recently unpacked packages: going back to a package just used does not decode it again,
// packages are told apart by their whole bytes, and only the last few are kept.
#include "skin/data/format/unpacked_packages.h"

#include <gtest/gtest.h>

#include "skin/data/format/skin_reader.h"
#include "test_bytes.h"

namespace quarnel::testing {
namespace {

Bytes Text(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

TEST(UnpackedPackagesTest, SwitchingBackAndForthDecodesEachPackageOnce) {
  const Bytes a = Text("first package, first package, first package"),
              b = Text("second package, second package, second package");
  const Bytes packedA = PackedPackage(a), packedB = PackedPackage(b);
  TUnpackedPackages recent;
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(recent.Unpack(packedA), a);
    EXPECT_EQ(recent.Unpack(packedB), b);
  }
  EXPECT_EQ(recent.Decoded(), 2u);
}

TEST(UnpackedPackagesTest, PackagesOfTheSameSizeAreToldApartByTheirBytes) {
  Bytes packedA = PackedPackage(Text("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa")), packedB = packedA;
  packedB.back() ^= 0x5A;  // same length, one byte different: another stream
  TUnpackedPackages recent;
  const Bytes fromA = recent.Unpack(packedA);
  const Bytes fromB = recent.Unpack(packedB);
  EXPECT_EQ(fromB, TSkinReader::Unpack(packedB));
  EXPECT_EQ(recent.Unpack(packedA), fromA);
  EXPECT_EQ(recent.Decoded(), 2u);
}

TEST(UnpackedPackagesTest, AThirdPackagePushesOutTheLeastRecentlyUsed) {
  const Bytes packedA = PackedPackage(Text("package A")), packedB = PackedPackage(Text("package B")),
              packedC = PackedPackage(Text("package C"));
  TUnpackedPackages recent;
  recent.Unpack(packedA);
  recent.Unpack(packedB);
  recent.Unpack(packedA);  // A is now the more recent of the two
  recent.Unpack(packedC);  // B goes
  EXPECT_EQ(recent.Decoded(), 3u);
  EXPECT_EQ(recent.Unpack(packedA), Text("package A"));
  EXPECT_EQ(recent.Decoded(), 3u);
  EXPECT_EQ(recent.Unpack(packedB), Text("package B"));
  EXPECT_EQ(recent.Decoded(), 4u);
}

}  // namespace
}  // namespace quarnel::testing
