// The structural datagram check: sound packets pass, every size that reaches
// past the datagram fails with a reason, and whatever passes can be walked by
// oscpack without an exception.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <osc/OscReceivedElements.h>

#include <string>
#include <vector>

#include "HostileDatagrams.h"
#include "OscPackets.h"
#include "osc/OscPacketCheck.h"

namespace osctest {
namespace {

using ::testing::HasSubstr;
using zubosc::bytesFromHex;

std::string check(const std::string& datagram) {
  return zub::checkOscPacket(datagram.data(), datagram.size());
}

// Walks every argument the way a listener may (oscpack's own checks included).
void walkWithOscpack(const char* data, int size) {
  const osc::ReceivedPacket packet(data, size);
  if (packet.IsBundle()) {
    const osc::ReceivedBundle bundle(packet);
    for (auto e = bundle.ElementsBegin(); e != bundle.ElementsEnd(); ++e) {
      walkWithOscpack(e->Contents(), static_cast<int>(e->Size()));
    }
    return;
  }
  const osc::ReceivedMessage m(packet);
  for (auto a = m.ArgumentsBegin(); a != m.ArgumentsEnd(); ++a) {
    if (a->IsString()) (void)a->AsString();
    if (a->IsBlob()) {
      const void* blob = nullptr;
      osc::osc_bundle_element_size_t n = 0;
      a->AsBlob(blob, n);
    }
  }
}

TEST(OscPacketCheck, SoundPacketsPass) {
  const std::string blob =
      raw("/b\0\0,bTi\0\0\0\0") + bytesFromHex("00 00 00 03 01 02 03 00 00 00 00 07");
  const std::string arrays = raw("/a\0\0,[i[]]\0\0") + bytesFromHex("00 00 00 01");
  const std::string fixedSizes = raw("/f\0\0,icrmhtd\0\0\0\0") + std::string(4 * 4 + 3 * 8, '\x01');
  const std::string good[] = {
      zubosc::textMessage("/zubbase", "10 20 30"),
      zubosc::textMessage("/zubbase", ""),
      zubosc::message("/a/b", "sSihfdcTFNI",
                      {"text", "sym", "-7", "9000000000", "1.5", "2.25", "x"}),
      raw("/only\0\0\0"),  // no type tags: a message without arguments
      raw("/none\0\0\0,\0\0\0"),
      blob,
      arrays,
      fixedSizes,
      zubosc::textBundle({}),
      zubosc::textBundle({{"/zubbase", "one"}, {"/other", "two"}}),
      bundleOf({bundleOf({zubosc::textMessage("/x", "deep")}), blob}),
  };
  for (const std::string& datagram : good) {
    EXPECT_EQ(check(datagram), "") << datagram.size();
    EXPECT_NO_THROW(walkWithOscpack(datagram.data(), static_cast<int>(datagram.size())));
  }
}

TEST(OscPacketCheck, OversizedBlobsAndBundleElementsFailWhereverTheyAre) {
  for (const std::string& datagram : hostileDatagrams()) {
    EXPECT_THAT(check(datagram),
                ::testing::AnyOf(HasSubstr("blob size"), HasSubstr("bundle element size")))
        << datagram.size();
  }
  EXPECT_EQ(check(blobKiller()), "blob size 2147483644 exceeds the 0 bytes left in the message");
  EXPECT_EQ(check(bundleKiller()),
            "bundle element size 4294967292 exceeds the 0 bytes left in the bundle");
  // Padding the size in 32 bits would wrap it to 0.
  EXPECT_THAT(check(bytesFromHex("2f 78 00 00 2c 62 00 00 ff ff ff ff")),
              HasSubstr("blob size 4294967295"));
}

TEST(OscPacketCheck, BundleElementSizesMustFitAndBeWhole) {
  const std::string valid = zubosc::textMessage("/zubbase", "ok");
  // An element that claims less than its message holds cuts the message.
  EXPECT_NE(check(bundleOf({}) + bytesFromHex("00 00 00 08") + valid), "");
  EXPECT_THAT(check(bundleOf({}) + bytesFromHex("00 00 00 06 2f 78 00 00 00 00")),
              HasSubstr("not a multiple of four"));
  EXPECT_EQ(check(bundleOf({}) + bytesFromHex("00 00 00 00")), "bundle element is empty");
  EXPECT_EQ(check(bundleOf({}) + bytesFromHex("00 00")),
            "packet size 18 is not a multiple of four");
}

TEST(OscPacketCheck, TheRegressionCorpusIsRefusedOrWalksCleanly) {
  for (const std::string& datagram : corpusFiles(ZUB_CORPUS_DIR "/osc")) {
    if (check(datagram).empty()) {
      EXPECT_NO_THROW(walkWithOscpack(datagram.data(), static_cast<int>(datagram.size())));
    }
  }
}

TEST(OscPacketCheck, NestingIsBounded) {
  std::string packet = zubosc::textMessage("/x", "inner");
  for (int depth = 1; depth <= zub::kMaxOscBundleDepth; ++depth) packet = bundleOf({packet});
  EXPECT_EQ(check(packet), "");
  EXPECT_EQ(check(bundleOf({packet})), "bundles nested deeper than 16");
}

TEST(OscPacketCheck, StringsAndTagsMustBeTerminatedAndPadded) {
  EXPECT_EQ(check(""), "packet is empty");
  EXPECT_EQ(check(raw("/abc")), "address pattern is not terminated inside the packet");
  EXPECT_EQ(check(raw("x\0\0\0")), "address pattern does not start with '/'");
  EXPECT_EQ(check(raw("/ab\0s\0\0\0")), "type tags do not start with ','");
  EXPECT_EQ(check(raw("/ab\0,sss")), "type tag string is not terminated inside the packet");
  EXPECT_EQ(check(raw("/a\0x,\0\0\0")), "address pattern has padding that is not zero");
  EXPECT_EQ(check(raw("/a\0\0,s\0\0abcd")), "string argument is not terminated inside the packet");
  EXPECT_EQ(check(raw("/a\0\0,s\0\0")), "argument 's' is missing");
  EXPECT_EQ(check(raw("/a\0\0,d\0\0\0\0\0\0")), "argument 'd' is missing or cut short");
  EXPECT_EQ(check(raw("/a\0\0,q\0\0")), "unknown type tag 'q'");
  EXPECT_EQ(check(raw("/a\0\0,][\0")), "type tag ']' closes no array");
  EXPECT_EQ(check(raw("/a\0\0,[\0\0")), "type tag '[' opens an array that is not closed");
  EXPECT_EQ(check(raw("/a\0\0,\0\0\0\0\0\0\0")), "4 bytes follow the last argument");
  EXPECT_EQ(check(raw("#bun\0\0\0\0")), "bundle is shorter than its header and time tag");
  EXPECT_EQ(check(raw("#bundlx\0\0\0\0\0\0\0\0\0")),
            "packet starts with '#' but not with \"#bundle\"");
}

// Every single-byte change and every cut of a rich datagram: what passes the
// check never makes oscpack throw, so the check is at least as strict.
TEST(OscPacketCheck, WhatPassesOscpackCanWalk) {
  const std::string blob =
      raw("/b\0\0,bs[h]\0\0") +
      bytesFromHex("00 00 00 05 01 02 03 04 05 00 00 00 61 62 00 00 00 00 00 00 00 00 00 09");
  const std::string seed = bundleOf({zubosc::textMessage("/zubbase", "1 2"), bundleOf({blob})});
  ASSERT_EQ(check(seed), "");
  const char values[] = {'\0', '\x01', '\x04', '\x7f', '\xff', '#', '/', ',', 'b', 's', '[', ']'};
  int passed = 0;
  for (std::size_t i = 0; i < seed.size(); ++i) {
    for (const char v : values) {
      std::string mutated = seed;
      mutated[i] = v;
      if (check(mutated).empty()) {
        ++passed;
        EXPECT_NO_THROW(walkWithOscpack(mutated.data(), static_cast<int>(mutated.size())))
            << i << " " << int(v);
      }
    }
    const std::string cut = seed.substr(0, i);
    if (check(cut).empty()) {
      EXPECT_NO_THROW(walkWithOscpack(cut.data(), static_cast<int>(cut.size())));
    }
  }
  EXPECT_GT(passed, 0);
}

}  // namespace
}  // namespace osctest
