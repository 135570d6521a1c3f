#include "loader/PluginSearch.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace mayasim;

class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/plugin_search_XXXXXX";
    path_ = std::filesystem::canonical(mkdtemp(pattern)).string();
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string touch(const std::string& relative) const {
    const std::string file = path_ + "/" + relative;
    std::ofstream(file) << "x";
    return file;
  }
  std::string mkdir(const std::string& relative) const {
    const std::string dir = path_ + "/" + relative;
    std::filesystem::create_directory(dir);
    return dir;
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

TEST(PluginSearch, NamesAndPaths) {
  EXPECT_TRUE(isPluginPath("./x"));
  EXPECT_TRUE(isPluginPath("x.so"));
  EXPECT_FALSE(isPluginPath("sampleCmd"));
  EXPECT_EQ(pluginNameOf("/a/b.c/sampleCmd.so"), "sampleCmd");
  EXPECT_EQ(pluginNameOf("sampleCmd"), "sampleCmd");
  EXPECT_EQ(pluginNameOf("dir/.hidden"), ".hidden");
  EXPECT_EQ(splitSearchPath(":/a::/b/:"), (std::vector<std::string>{"/a", "/b/"}));
  EXPECT_TRUE(splitSearchPath("").empty());
}

TEST(PluginSearch, BareNameFollowsTheSearchPathInOrder) {
  TempDir tmp;
  const std::string first = tmp.mkdir("first");
  const std::string second = tmp.mkdir("second");
  tmp.touch("second/both.so");
  tmp.touch("first/both.so");
  tmp.touch("second/onlySecond.so");
  tmp.touch("second/noExtension");
  tmp.mkdir("first/isADir.so");
  tmp.touch("second/isADir.so");

  const std::vector<std::string> dirs = {first, second + "/"};
  EXPECT_EQ(findPluginFile("both", dirs), first + "/both.so");
  EXPECT_EQ(findPluginFile("onlySecond", dirs), second + "/onlySecond.so");
  EXPECT_EQ(findPluginFile("onlySecond.so", dirs), second + "/onlySecond.so");
  EXPECT_EQ(findPluginFile("noExtension", dirs), second + "/noExtension");
  EXPECT_EQ(findPluginFile("isADir", dirs), second + "/isADir.so");
  EXPECT_EQ(findPluginFile("missing", dirs), "");
  EXPECT_EQ(findPluginFile("", dirs), "");
}

TEST(PluginSearch, PathsAreTakenAsGivenAndMadeAbsolute) {
  TempDir tmp;
  tmp.mkdir("sub");
  const std::string file = tmp.touch("sub/p.so");
  EXPECT_EQ(findPluginFile(tmp.path() + "/sub/../sub/p.so", {}), file);
  EXPECT_EQ(findPluginFile(tmp.path() + "/sub/none.so", {tmp.path() + "/sub"}), "");

  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  ASSERT_EQ(chdir((tmp.path() + "/sub").c_str()), 0);
  const std::string relative = findPluginFile("./p.so", {});
  const std::string bare = findPluginFile("p.so", {});
  ASSERT_EQ(chdir(cwd), 0);
  EXPECT_EQ(relative, file);
  EXPECT_EQ(bare, file);
}

}  // namespace
