// .mod files: the folders a module adds to the plug-in and script paths.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempFolder.h"
#include "app/ModuleFiles.h"

namespace {

namespace fs = std::filesystem;
using mayasim::app::findModules;
using mayasim::app::ModuleFolders;
using mayasim::app::parseModuleFile;
using Dirs = std::vector<std::string>;

class ModuleFiles : public ::testing::Test {
 protected:
  std::string make(const std::string& sub) {
    fs::create_directories(dir_ + "/" + sub);
    return dir_ + "/" + sub;
  }
  zubtest::TempFolder folder_{"zubModules"};
  const std::string& dir_ = folder_.path();
};

TEST_F(ModuleFiles, RootsFoldersAndVariableLines) {
  const std::string plugIns = make("mod/plug-ins"), scripts = make("mod/scripts");
  make("other/bin");
  // The root's own folders, relative to the .mod file's folder.
  ModuleFolders m = parseModuleFile("+ zubBase 1.0 mod\n", dir_);
  EXPECT_EQ(m.plugIns, Dirs{plugIns});
  EXPECT_EQ(m.scripts, Dirs{scripts});
  // "+:=" appends under the root, "+=" as given, "=" replaces; duplicates drop.
  m = parseModuleFile("+ MAYAVERSION:2022 PLATFORM:linux zubBase 1.0 " + dir_ +
                          "/mod\n"
                          "MAYA_PLUG_IN_PATH+:=plug-ins\n"
                          "MAYA_PLUG_IN_PATH+:=../other/bin\n"
                          "MAYA_SCRIPT_PATH+=/opt/shared/scripts\n"
                          "ICONS+:=icons\n",
                      "/elsewhere");
  EXPECT_EQ(m.plugIns, (Dirs{plugIns, dir_ + "/other/bin"}));
  EXPECT_EQ(m.scripts, (Dirs{scripts, "/opt/shared/scripts"}));
  m = parseModuleFile("+ zubBase 1.0 mod\nMAYA_SCRIPT_PATH:=lib\n", dir_);
  EXPECT_EQ(m.scripts, Dirs{dir_ + "/mod/lib"});
}

TEST_F(ModuleFiles, OtherPlatformsDisabledAndMalformedModulesAddNothing) {
  make("mod/plug-ins");
  EXPECT_TRUE(parseModuleFile("+ PLATFORM:win64 zubBase 1.0 mod\nMAYA_PLUG_IN_PATH+:=x\n", dir_)
                  .plugIns.empty());
  EXPECT_TRUE(parseModuleFile("- zubBase 1.0 mod\nMAYA_PLUG_IN_PATH+:=x\n", dir_).plugIns.empty());
  EXPECT_TRUE(parseModuleFile("+ zubBase\nMAYA_PLUG_IN_PATH+:=x\n", dir_).plugIns.empty());
  EXPECT_TRUE(parseModuleFile("MAYA_PLUG_IN_PATH+=/x\n# no module line\n", dir_).plugIns.empty());
  // Two modules in one file: each line belongs to the module above it.
  const ModuleFolders m = parseModuleFile(
      "+ PLATFORM:mac a 1 mod\nMAYA_SCRIPT_PATH+=/a\n"
      "+ b 1 mod\nMAYA_SCRIPT_PATH+=/b\n",
      dir_);
  EXPECT_EQ(m.scripts, Dirs{"/b"});
}

TEST_F(ModuleFiles, FindsModFilesInEachFolderInOrder) {
  const std::string a = make("a/plug-ins"), b = make("b/plug-ins");
  std::ofstream(dir_ + "/2.mod") << "+ second 1 b\n";
  std::ofstream(dir_ + "/1.mod") << "+ first 1 a\n";
  std::ofstream(dir_ + "/ignored.txt") << "+ third 1 c\n";
  EXPECT_EQ(findModules({dir_, dir_ + "/missing"}).plugIns, (Dirs{a, b}));
}

}  // namespace
