// Shared pieces of the TSkinData tests: a fixture that starts every test without a skin
// manager, description texts holding a package, and an unknown-version package.
// Test code, UI thread.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/description/reader.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/format/lzh_encoder.h"
#include "skin/data/skin_data.h"
#include "skin_test_package.h"
#include "tests/support/window_support.h"

namespace quarnel::testing {

inline std::string HexLines(const Bytes& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) out += "\n      ";
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
  return out;
}

// "SkinStream" data: the 32-bit size, then the package.
inline Bytes SkinStreamOf(const Bytes& packed) {
  Bytes out(4);
  const auto size = static_cast<uint32_t>(packed.size());
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(size >> (8 * i));
  out.insert(out.end(), packed.begin(), packed.end());
  return out;
}

// A host component description holding one TSkinData with the given property lines.
inline std::string HostDescription(const std::string& properties, const Bytes* packed) {
  std::string text = "object Host: TComponent\n  object SkinData1: TSkinData\n" + properties;
  if (packed) text += "    SkinStream = {" + HexLines(SkinStreamOf(*packed)) + "}\n";
  return text + "  end\nend\n";
}

inline PackageRecipe SmallSkin(const std::string& name = "Small") {
  return PackageRecipe{"[TitlebarSkin]\nSkinName=" + name +
                         "\n[Personality]\nTop=top.bmp\nLeft=side.bmp\n[ButtonClose]\nAction=0\n"
                         "ButtonImage=close.bmp\n[Colours]\nButtonFace=212 208 200\n",
                     {{"top.bmp", SolidBmp(60, 30, 0x804020)},
                      {"side.bmp", SolidBmp(4, 30, 0x804020)},
                      {"close.bmp", SolidBmp(54, 18, 0x0000C0)}}};
}

// A package of a version no reader knows.
inline Bytes UnknownVersionPackage() {
  TSkinWriter writer;
  writer.AddEntry("skin.ini", Bytes{'[', 'a', ']'});
  Bytes unpacked = writer.Unpacked(kDefaultSkinVersion);
  unpacked[0] = 0x39;  // version 12345
  unpacked[1] = 0x30;
  unpacked[2] = unpacked[3] = 0;
  Bytes packed(4);
  for (int i = 0; i < 4; ++i) packed[i] = static_cast<uint8_t>(unpacked.size() >> (8 * i));
  const Bytes stream = TLzhEncoder::Encode(unpacked);
  packed.insert(packed.end(), stream.begin(), stream.end());
  return packed;
}

class SkinDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TSkinManage::Destroy();
    previousNotifier_ = TSkinData::SetNotifier([this](const std::string& m) { messages.push_back(m); });
  }
  void TearDown() override {
    host.reset();
    TSkinManage::Destroy();
    TSkinData::SetNotifier(previousNotifier_);
  }
  // Reads a host description and returns its skin data component.
  TSkinData& Read(const std::string& text) {
    host = TComponent::Make<TComponent>();
    ReadComponent(*host, text);
    return *ObjectAs<TSkinData>(host->FindComponent("SkinData1"));
  }

  ComponentPtr<> host;
  std::vector<std::string> messages;

 private:
  TSkinData::Notifier previousNotifier_;
};

}  // namespace quarnel::testing
