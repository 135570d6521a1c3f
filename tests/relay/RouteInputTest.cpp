// Datagrams through the routes into the latest values, without sockets.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "LatestValues.h"
#include "OscPackets.h"
#include "Route.h"
#include "RouteInput.h"

namespace {

using zubrelay::LatestValues;

class RouteInputTest : public ::testing::Test {
 protected:
  RouteInputTest()
      : routes_{zubrelay::parseRoute("/1/fader1 0 -> 2"), zubrelay::parseRoute("/accxyz 1 -> 0"),
                zubrelay::parseRoute("/accxyz 2 -> 1"),
                zubrelay::parseRoute("/*/toggle[1-4] 0 -> 3")},
        values_(zubrelay::positionsFor(routes_), ' ', 1000),
        input_(routes_, values_, log_) {}

  void send(const std::string& datagram) { input_.datagram(datagram.data(), datagram.size()); }
  void send(const std::string& address, const std::string& types,
            const std::vector<std::string>& args) {
    send(zubosc::message(address, types, args));
  }
  std::string text() { return values_.text(); }
  std::string log() { return log_.str(); }

  std::vector<zubrelay::Route> routes_;
  std::ostringstream log_;
  LatestValues values_;
  zubrelay::RouteInput input_;
};

TEST_F(RouteInputTest, EveryNumericTypeBecomesAToken) {
  EXPECT_EQ(zubrelay::positionsFor(routes_), 4);
  send("/1/fader1", "f", {"0.42"});
  EXPECT_EQ(text(), "0 0 0.42 0");
  send("/accxyz", "fff", {"0.1", "0.9", "-0.2"});
  EXPECT_EQ(text(), "0.9 -0.2 0.42 0");
  send("/1/fader1", "d", {"2.5"});
  send("/2/toggle3", "T", {});
  EXPECT_EQ(text(), "0.9 -0.2 2.5 1");
  send("/1/fader1", "i", {"-7"});
  send("/5/toggle1", "F", {});
  EXPECT_EQ(text(), "0.9 -0.2 -7 0");
  send("/1/fader1", "h", {"9000000000"});
  EXPECT_EQ(text(), "0.9 -0.2 9000000000 0");
  EXPECT_EQ(log(), "");
}

TEST_F(RouteInputTest, BundlesAreUnpackedAndOtherAddressesIgnored) {
  send(zubosc::textBundle({{"/other", "x"}, {"/zubbase", "1 2 3"}}));
  EXPECT_EQ(text(), "0 0 0 0");
  send("/1/fader2", "f", {"0.5"});
  send("/1/toggle5", "T", {});
  EXPECT_EQ(text(), "0 0 0 0");
  EXPECT_EQ(log(), "");
}

TEST_F(RouteInputTest, NonNumbersAndMissingArgumentsAreReportedOnceAndIgnored) {
  send("/1/fader1", "f", {"0.25"});
  send("/1/fader1", "s", {"loud"});
  send("/1/fader1", "s", {"louder"});
  send("/1/fader1", "N", {});
  send("/1/fader1", "", {});
  send("/accxyz", "f", {"0.5"});
  EXPECT_EQ(text(), "0 0 0.25 0");
  const std::string lines = log();
  EXPECT_NE(lines.find("/1/fader1 argument 0 ignored: not a number but a string (s)"),
            std::string::npos)
      << lines;
  EXPECT_NE(lines.find("/1/fader1 argument 0 ignored: not a number but nil (N)"), std::string::npos)
      << lines;
  EXPECT_NE(lines.find("/1/fader1 argument 0 ignored: the message has 0 arguments"),
            std::string::npos)
      << lines;
  EXPECT_NE(lines.find("/accxyz argument 1 ignored: the message has 1 argument\n"),
            std::string::npos)
      << lines;
  EXPECT_EQ(lines.find("string (s)"), lines.rfind("string (s)"))
      << "a repeated problem was reported again";
}

TEST_F(RouteInputTest, NonFiniteNumbersAreIgnored) {
  send("/1/fader1", "f", {"0.5"});
  send("/1/fader1", "f", {"nan"});
  send("/1/fader1", "d", {"inf"});
  EXPECT_EQ(text(), "0 0 0.5 0");
  EXPECT_NE(log().find("not a finite number"), std::string::npos);
}

TEST_F(RouteInputTest, MalformedDatagramsAreReportedAndChangeNothing) {
  const std::string good = zubosc::message("/1/fader1", "f", {"0.75"});
  const std::vector<std::string> bad = {
      good.substr(0, good.size() - 4),                              // argument cut off
      zubosc::bytesFromHex("2f 61 00 00 2c 62 00 00 7f ff ff fc"),  // blob larger than the datagram
      zubosc::bytesFromHex("2f 31 2f 66"),                          // address without its end
      zubosc::bytesFromHex("23 62 75 6e 64 6c 65 00 00 00 00 00 00 00 00 01 00 00 ff f0"),
      "abc",
  };
  for (const std::string& datagram : bad) send(datagram);
  send(std::string());  // no message, no report
  EXPECT_EQ(text(), "0 0 0 0");
  const std::string lines = log();
  std::size_t reports = 0;
  for (std::size_t at = lines.find("malformed datagram ignored: "); at != std::string::npos;
       at = lines.find("malformed datagram ignored: ", at + 1)) {
    ++reports;
  }
  EXPECT_EQ(reports, bad.size()) << lines;
  send(good);
  EXPECT_EQ(text(), "0 0 0.75 0");
}

}  // namespace
