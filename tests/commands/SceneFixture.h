// A MEL interpreter with the scene and file commands over a fresh scene.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "commands/SceneCommands.h"
#include "files/FileCommands.h"
#include "mel/Interpreter.h"
#include "mel/Output.h"
#include "mel/lib/StandardLibrary.h"
#include "scene/Scene.h"

class MelScene : public ::testing::Test {
 protected:
  MelScene() {
    mel::openStandardLibrary(interp);
    registerSceneCommands(interp, scene);
    files::registerFileCommands(interp, scene, [](const std::string&) {
      return std::optional<std::pair<std::string, std::string>>();
    });
  }

  mel::Value eval(const std::string& source) { return interp.evaluate(source); }
  double num(const std::string& source) { return eval(source).asFloat(); }
  std::vector<std::string> strings(const std::string& source) {
    return eval(source).asStringArray();
  }

  // The message of the error `source` raises ("(no error)" if none).
  std::string error(const std::string& source) {
    try {
      interp.evaluate(source);
    } catch (const mel::Error& e) {
      return e.what();
    }
    return "(no error)";
  }

  scene::Plug plug(const std::string& name) { return scene.resolvePlug(name); }

  scene::Scene scene;
  mel::CaptureOutput out;
  mel::Interpreter interp{out};
};

#define EXPECT_MEL_ERROR(source, text) \
  EXPECT_NE(error(source).find(text), std::string::npos) << "error was: " << error(source)
