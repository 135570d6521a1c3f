// loadPlugin / unloadPlugin / pluginInfo against the in-process host, with
// the small plug-ins from tests/sample_plugins.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/Host.h"
#include "loader/PluginCommands.h"
#include "loader/PluginLibrary.h"
#include "loader/PluginSearch.h"
#include "mel/Output.h"

namespace {

using mayasim::host;
using Strings = std::vector<std::string>;

const std::string kPluginDir = TEST_PLUGIN_DIR;

class PluginLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("MAYA_PLUG_IN_PATH", ("/nonexistent:" + kPluginDir).c_str(), 1);
    host().setOutputSink(&out_);
  }
  void TearDown() override {
    mayasim::unloadAllPlugins(host());
    host().reset();
    host().setOutputSink(nullptr);
    unsetenv("SAMPLE_PLUGIN_TRACE");
  }

  bool run(const std::string& text) { return host().mel().run(text).ok; }
  mel::Value eval(const std::string& text) {
    const mel::RunResult result = host().mel().run(text);
    EXPECT_TRUE(result.ok) << text << "\n" << out_.text();
    return result.value;
  }
  bool hasCommand(const std::string& name) { return host().mel().hasCommand(name); }
  const std::string& output() const { return out_.text(); }

  mel::CaptureOutput out_;
};

TEST_F(PluginLoading, LoadAddsCommandsAndInfoUnloadTakesThemAway) {
  EXPECT_EQ(eval("loadPlugin(\"sampleCmd\")"), mel::Value(Strings{"sampleCmd"}));
  EXPECT_TRUE(hasCommand("sampleHello"));
  EXPECT_TRUE(hasCommand("sampleMakeNode"));

  EXPECT_EQ(eval("pluginInfo -q -loaded sampleCmd"), mel::Value(1));
  EXPECT_EQ(eval("pluginInfo -q -command sampleCmd"),
            mel::Value(Strings{"sampleHello", "sampleMakeNode"}));
  EXPECT_EQ(eval("pluginInfo -listPlugins"), mel::Value(Strings{"sampleCmd"}));
  EXPECT_EQ(eval("pluginInfo -q -path sampleCmd"), mel::Value(kPluginDir + "/sampleCmd.so"));
  EXPECT_EQ(eval("pluginInfo -q -vendor sampleCmd"), mel::Value("mayasim tests"));
  EXPECT_EQ(eval("pluginInfo -q -version sampleCmd.so"), mel::Value("1.2"));
  EXPECT_EQ(eval("pluginInfo -q -apiVersion sampleCmd"), mel::Value("201100"));

  out_.clear();
  EXPECT_EQ(eval("sampleHello -name \"you\""), mel::Value("Hello, you"));
  EXPECT_NE(output().find("Hello, you\n"), std::string::npos) << output();

  EXPECT_EQ(eval("unloadPlugin(\"sampleCmd\")"), mel::Value(Strings{"sampleCmd"}));
  EXPECT_FALSE(hasCommand("sampleHello"));
  EXPECT_FALSE(hasCommand("sampleMakeNode"));
  EXPECT_EQ(eval("pluginInfo -q -loaded sampleCmd"), mel::Value(0));
  EXPECT_EQ(eval("pluginInfo -q -listPlugins"), mel::Value(Strings{}));
  EXPECT_FALSE(run("sampleHello"));
  EXPECT_FALSE(mayasim::PluginLibrary::isResident(kPluginDir + "/sampleCmd.so"));
  EXPECT_EQ(output().find("still mapped"), std::string::npos) << output();
}

TEST_F(PluginLoading, LoadsByPathAndAgainAfterUnloading) {
  const std::string path = kPluginDir + "/sampleCmd.so";
  EXPECT_EQ(eval("loadPlugin \"" + path + "\""), mel::Value(Strings{"sampleCmd"}));
  EXPECT_EQ(eval("unloadPlugin \"" + path + "\""), mel::Value(Strings{"sampleCmd"}));
  EXPECT_EQ(eval("loadPlugin sampleCmd"), mel::Value(Strings{"sampleCmd"}));
  EXPECT_EQ(eval("sampleHello"), mel::Value("Hello, world"));
}

// A host that loads and unloads for hours keeps no record per cycle.
TEST_F(PluginLoading, ReloadingReusesThePluginRecord) {
  ASSERT_TRUE(run("loadPlugin sampleCmd; unloadPlugin sampleCmd;"));
  const std::size_t records = host().pluginCount();
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(run("loadPlugin sampleCmd; unloadPlugin sampleCmd;"));
  EXPECT_EQ(host().pluginCount(), records);
  EXPECT_EQ(eval("loadPlugin sampleCmd"), mel::Value(Strings{"sampleCmd"}));
  EXPECT_EQ(eval("sampleHello"), mel::Value("Hello, world"));
  EXPECT_EQ(eval("pluginInfo -q -command sampleCmd").asStringArray().size(), 2u);
}

TEST_F(PluginLoading, UndoableCommandUndoesAndRedoesUntilUnload) {
  eval("loadPlugin sampleCmd");
  EXPECT_EQ(eval("sampleMakeNode -name fred"), mel::Value("fred"));
  EXPECT_EQ(eval("objExists fred"), mel::Value(1));
  eval("undo");
  EXPECT_EQ(eval("objExists fred"), mel::Value(0));
  eval("redo");
  EXPECT_EQ(eval("objExists fred"), mel::Value(1));

  // The undo queue holds the command object, whose code goes with the
  // library: unloading must not leave it there to be undone later.
  eval("unloadPlugin sampleCmd");
  run("undo");
  run("redo");
  EXPECT_EQ(eval("objExists fred"), mel::Value(1));
}

TEST_F(PluginLoading, UnloadRunsUninitializeAndStaticDestructors) {
  const std::string trace = ::testing::TempDir() + "plugin_trace_" + std::to_string(getpid());
  std::remove(trace.c_str());
  setenv("SAMPLE_PLUGIN_TRACE", trace.c_str(), 1);

  eval("loadPlugin sampleCmd");
  eval("unloadPlugin sampleCmd");
  eval("loadPlugin sampleCmd");  // statics are built again
  mayasim::unloadAllPlugins(host());

  std::ifstream in(trace);
  std::stringstream lines;
  lines << in.rdbuf();
  EXPECT_EQ(lines.str(),
            "sampleCmd loaded\nsampleCmd uninitialized\nsampleCmd unloaded\n"
            "sampleCmd loaded\nsampleCmd uninitialized\nsampleCmd unloaded\n");
  std::remove(trace.c_str());
}

TEST_F(PluginLoading, LoadingTwiceOrUnloadingUnknownIsAnErrorNotACrash) {
  eval("loadPlugin sampleCmd");
  out_.clear();
  EXPECT_FALSE(run("loadPlugin sampleCmd"));
  EXPECT_NE(output().find("Plug-in \"sampleCmd\" is already loaded."), std::string::npos)
      << output();
  EXPECT_FALSE(run("loadPlugin \"" + kPluginDir + "/sampleCmd.so\""));
  EXPECT_TRUE(hasCommand("sampleHello"));
  EXPECT_EQ(eval("loadPlugin -quiet sampleCmd"), mel::Value(Strings{}));
  EXPECT_EQ(eval("pluginInfo -q -command sampleCmd"),
            mel::Value(Strings{"sampleHello", "sampleMakeNode"}));

  out_.clear();
  EXPECT_FALSE(run("unloadPlugin notLoaded"));
  EXPECT_NE(output().find("Plug-in, \"notLoaded\", is not loaded."), std::string::npos) << output();
  EXPECT_EQ(eval("pluginInfo -q -command notLoaded"), mel::Value(Strings{}));
  EXPECT_NE(output().find("// Warning:"), std::string::npos) << output();
}

// Each broken plug-in is refused with a message that says why; nothing it
// registered remains, its library is closed, and the host carries on.
TEST_F(PluginLoading, BrokenPluginsLeaveTheHostRunningAndNothingRegistered) {
  struct Case {
    std::string plugin;
    std::string message;
    std::string command;  // what it registers before failing
  };
  const std::vector<Case> cases = {
      {"badInitPlugin", "initializePlugin function failed (badInitPlugin)", "badInitCmd"},
      {"throwingPlugin",
       "initializePlugin function failed (throwingPlugin): port 57110 already in use",
       "throwingCmd"},
      {"noSymbolsPlugin", "missing initializePlugin, uninitializePlugin.", ""},
      {"noSuchPlugin", "Plug-in, \"noSuchPlugin\", was not found on MAYA_PLUG_IN_PATH.", ""},
      {kPluginDir + "/noSuchPlugin.so", "could not be loaded: ", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.plugin);
    out_.clear();
    EXPECT_FALSE(run("loadPlugin \"" + c.plugin + "\"; print \"not reached\";"));
    EXPECT_NE(output().find("// Error:"), std::string::npos) << output();
    EXPECT_NE(output().find(c.message), std::string::npos) << output();
    EXPECT_EQ(output().find("not reached"), std::string::npos);
    if (!c.command.empty()) {
      EXPECT_FALSE(hasCommand(c.command));
    }
    EXPECT_EQ(eval("pluginInfo -q -loaded \"" + c.plugin + "\""), mel::Value(0));
    EXPECT_FALSE(mayasim::PluginLibrary::isResident(kPluginDir + "/" +
                                                    mayasim::pluginNameOf(c.plugin) + ".so"));
  }
  EXPECT_EQ(eval("pluginInfo -listPlugins"), mel::Value(Strings{}));
  EXPECT_EQ(eval("loadPlugin sampleCmd"), mel::Value(Strings{"sampleCmd"}));
  EXPECT_EQ(eval("sampleHello"), mel::Value("Hello, world"));
}

TEST_F(PluginLoading, CatchTrapsALoadFailure) {
  EXPECT_EQ(eval("catch(`loadPlugin badInitPlugin`)"), mel::Value(1));
  EXPECT_EQ(eval("catch(`loadPlugin sampleCmd`)"), mel::Value(0));
}

TEST_F(PluginLoading, NodesOfAPluginTypeKeepItLoadedUnlessForced) {
  eval("loadPlugin sampleNode");
  EXPECT_EQ(eval("pluginInfo -q -dependNode sampleNode"), mel::Value(Strings{"sampleNode"}));
  eval("createNode sampleNode -n twice; setAttr twice.input 4");
  EXPECT_EQ(eval("getAttr twice.output"), mel::Value(8.0));
  EXPECT_EQ(eval("pluginInfo -q -unloadOk sampleNode"), mel::Value(0));

  out_.clear();
  EXPECT_FALSE(run("unloadPlugin sampleNode"));
  EXPECT_NE(output().find("still in use"), std::string::npos) << output();
  EXPECT_EQ(eval("pluginInfo -q -loaded sampleNode"), mel::Value(1));
  EXPECT_EQ(eval("getAttr twice.output"), mel::Value(8.0));

  // Deleted, the node still lives in the undo queue; unloading forgets it.
  eval("delete twice");
  EXPECT_EQ(eval("pluginInfo -q -unloadOk sampleNode"), mel::Value(1));
  eval("unloadPlugin sampleNode");
  run("undo");
  EXPECT_EQ(eval("objExists twice"), mel::Value(0));

  eval("loadPlugin sampleNode; createNode sampleNode -n again");
  EXPECT_EQ(eval("unloadPlugin -force sampleNode"), mel::Value(Strings{"sampleNode"}));
  EXPECT_EQ(eval("objExists again"), mel::Value(0));
  EXPECT_FALSE(mayasim::PluginLibrary::isResident(kPluginDir + "/sampleNode.so"));
}

}  // namespace
