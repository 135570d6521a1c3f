// The sender's datagrams, read back with oscpack's own parser.
#include <gtest/gtest.h>

#include <osc/OscReceivedElements.h>

#include <stdexcept>
#include <string>

#include "OscPackets.h"

namespace {

osc::ReceivedMessage parsed(const std::string& datagram) {
  return osc::ReceivedMessage(osc::ReceivedPacket(
      datagram.data(), static_cast<osc::osc_bundle_element_size_t>(datagram.size())));
}

TEST(OscPackets, MessageCarriesTypedArgumentsInOrder) {
  const std::string datagram =
      zubosc::message("/a/b", "sSihfdTN", {"text", "sym", "-7", "9000000000", "1.5", "2.25"});
  const osc::ReceivedMessage m = parsed(datagram);
  EXPECT_STREQ(m.AddressPattern(), "/a/b");
  EXPECT_STREQ(m.TypeTags(), "sSihfdTN");
  osc::ReceivedMessageArgumentIterator arg = m.ArgumentsBegin();
  EXPECT_STREQ((arg++)->AsString(), "text");
  EXPECT_STREQ((arg++)->AsSymbol(), "sym");
  EXPECT_EQ((arg++)->AsInt32(), -7);
  EXPECT_EQ((arg++)->AsInt64(), 9000000000LL);
  EXPECT_FLOAT_EQ((arg++)->AsFloat(), 1.5f);
  EXPECT_DOUBLE_EQ((arg++)->AsDouble(), 2.25);
}

TEST(OscPackets, BadArgumentsAreRefused) {
  EXPECT_THROW(zubosc::message("/a", "i", {"12x"}), std::invalid_argument);
  EXPECT_THROW(zubosc::message("/a", "i", {"4294967296"}), std::invalid_argument);
  EXPECT_THROW(zubosc::message("/a", "s", {}), std::invalid_argument);
  EXPECT_THROW(zubosc::message("/a", "q", {"1"}), std::invalid_argument);
  EXPECT_THROW(zubosc::bytesFromHex("2f7"), std::invalid_argument);
  EXPECT_THROW(zubosc::bytesFromHex("zz"), std::invalid_argument);
}

TEST(OscPackets, BundlesKeepTheirOrderAndMayBeEmpty) {
  const std::string datagram = zubosc::textBundle({{"/one", "1"}, {"/two", "2"}});
  const osc::ReceivedPacket packet(datagram.data(),
                                   static_cast<osc::osc_bundle_element_size_t>(datagram.size()));
  ASSERT_TRUE(packet.IsBundle());
  const osc::ReceivedBundle bundle(packet);
  ASSERT_EQ(bundle.ElementCount(), 2u);
  auto element = bundle.ElementsBegin();
  EXPECT_STREQ(osc::ReceivedMessage(*element).AddressPattern(), "/one");
  ++element;
  EXPECT_STREQ(osc::ReceivedMessage(*element).AddressPattern(), "/two");

  const std::string empty = zubosc::textBundle({});
  EXPECT_EQ(empty.size(), 16u);
  EXPECT_EQ(osc::ReceivedBundle(osc::ReceivedPacket(empty.data(), 16)).ElementCount(), 0u);
}

TEST(OscPackets, HexAndStreamTexts) {
  EXPECT_EQ(zubosc::bytesFromHex("2f 7A\n00"), std::string("/z\0", 3));
  EXPECT_EQ(zubosc::bytesFromHex(""), "");
  EXPECT_EQ(zubosc::streamText("{i} {sin} {cos} {i}", 0), "0 0 1 0");
  EXPECT_EQ(zubosc::streamText("{sin}", 5), "0.479426");
}

}  // namespace
