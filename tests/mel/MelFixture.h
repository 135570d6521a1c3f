// A fresh interpreter whose output is captured, and a shortcut that runs
// MEL and returns what it printed.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "mel/Interpreter.h"
#include "mel/lib/StandardLibrary.h"

class MelTest : public ::testing::Test {
 protected:
  MelTest() { mel::openStandardLibrary(interp); }

  // Runs `source` and returns everything printed while it ran.
  std::string out(const std::string& source) {
    capture.clear();
    last = interp.run(source);
    return capture.text();
  }
  // Runs `source`, expects success, and returns the script's value.
  mel::Value value(const std::string& source) {
    capture.clear();
    last = interp.run(source);
    EXPECT_TRUE(last.ok) << source << "\n" << capture.text();
    return last.value;
  }

  mel::CaptureOutput capture;
  mel::Interpreter interp{capture};
  mel::RunResult last;
};
