// A clean in-process host with the node plug-ins loaded and its output captured.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/Host.h"
#include "mel/Output.h"
#include "scene/Scene.h"

namespace nodestest {

class NodesHost : public ::testing::Test {
 protected:
  void SetUp() override {
    host().setOutputSink(&out);
    host().reset();
    ensureLoaded("zubNodes", "zubNode001");
  }
  void TearDown() override { host().setOutputSink(nullptr); }

  static mayasim::Host& host() { return mayasim::host(); }
  static scene::Scene& scene() { return host().scene(); }

  // Loads plugin `name` from the build's plug-in folder unless node type
  // `typeName` is already known.
  void ensureLoaded(const std::string& name, const std::string& typeName) {
    if (scene().findType(typeName)) return;
    ASSERT_TRUE(run("loadPlugin \"" ZUB_PLUGIN_DIR "/" + name + ".so\";")) << takeOutput();
  }

  // Runs MEL as the user would (undo on); false after a MEL error.
  bool run(const std::string& text, mel::Value* result = nullptr) {
    return host().execute(text, false, true, result);
  }
  // The value of `text`, which must run without error.
  mel::Value eval(const std::string& text) {
    mel::Value v;
    EXPECT_TRUE(run(text, &v)) << text << "\n" << takeOutput();
    return v;
  }
  double number(const std::string& text) { return eval(text).asFloat(); }

  std::string takeOutput() {
    std::string text = out.text();
    out.clear();
    return text;
  }

  mel::CaptureOutput out;
};

}  // namespace nodestest
