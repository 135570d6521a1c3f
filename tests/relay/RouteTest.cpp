// Route texts and route files.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "Route.h"

namespace {

using zubrelay::parseRoute;
using zubrelay::readRouteFile;

std::string errorOf(const std::string& text) {
  try {
    parseRoute(text);
  } catch (const std::invalid_argument& e) {
    return e.what();
  }
  return "";
}

TEST(Route, TextGivesAddressArgumentAndPosition) {
  const zubrelay::Route route = parseRoute("/1/fader1 0 -> 2");
  EXPECT_EQ(route.address.text(), "/1/fader1");
  EXPECT_EQ(route.argument, 0);
  EXPECT_EQ(route.position, 2);
  const zubrelay::Route spaced = parseRoute("  /accxyz\t2->9 ");
  EXPECT_EQ(spaced.argument, 2);
  EXPECT_EQ(spaced.position, 9);
  EXPECT_TRUE(parseRoute("/my-fader 1 -> 0").address.matches("/my-fader"));
}

TEST(Route, BadTextsSayWhatIsWrong) {
  EXPECT_NE(errorOf("/1/fader1 0 2").find("-> is missing"), std::string::npos);
  EXPECT_NE(errorOf("/1/fader1 -> 2").find("ADDRESS ARG -> POSITION"), std::string::npos);
  EXPECT_NE(errorOf("/1/fader1 0 -> 2 3").find("ADDRESS ARG -> POSITION"), std::string::npos);
  EXPECT_NE(errorOf("/1/fader1 0 -> 10").find("token position must be a whole number from 0 to 9"),
            std::string::npos);
  EXPECT_NE(errorOf("/1/fader1 0 -> -1").find("token position"), std::string::npos);
  EXPECT_NE(errorOf("/1/fader1 x -> 1").find("argument index"), std::string::npos);
  EXPECT_NE(errorOf("/1/fader1 +1 -> 1").find("argument index"), std::string::npos);
  EXPECT_NE(errorOf("/1/fader1 99999999999999999999 -> 1").find("argument index"),
            std::string::npos);
  EXPECT_NE(errorOf("/1/fader[ 0 -> 1").find("bad address pattern"), std::string::npos);
}

class RouteFile : public ::testing::Test {
 protected:
  std::string write(const std::string& text) {
    std::ofstream(path_) << text;
    return path_;
  }
  void TearDown() override { std::remove(path_.c_str()); }

 private:
  std::string path_ = std::string(::testing::TempDir()) + "relay_routes_" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
};

TEST_F(RouteFile, CommentsAndBlankLinesAreSkipped) {
  const std::string path =
      write("# phone layout\n\n/1/fader1 0 -> 2   # the big fader\n\r\n/accxyz 1 -> 0\r\n");
  const auto routes = readRouteFile(path);
  ASSERT_EQ(routes.size(), 2u);
  EXPECT_EQ(routes[0].address.text(), "/1/fader1");
  EXPECT_EQ(routes[0].position, 2);
  EXPECT_EQ(routes[1].address.text(), "/accxyz");
  EXPECT_EQ(routes[1].argument, 1);
}

TEST_F(RouteFile, BadLineIsNamedByFileAndNumber) {
  const std::string path = write("/1/fader1 0 -> 2\n# fine\n/1/fader2 0 -> 12\n");
  try {
    readRouteFile(path);
    FAIL() << "a bad line was accepted";
  } catch (const std::invalid_argument& e) {
    EXPECT_EQ(std::string(e.what()).rfind(path + ":3: ", 0), 0u) << e.what();
  }
  EXPECT_THROW(readRouteFile(path + ".missing"), std::invalid_argument);
}

}  // namespace
