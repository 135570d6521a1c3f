// A clean host for each test, with its output captured.
#pragma once

#include <gtest/gtest.h>

#include "host/Host.h"
#include "mel/Output.h"

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mayasim::host().reset();
    mayasim::host().setTraceRecording(true);
    mayasim::host().clearTrace();
    mayasim::host().setOutputSink(&out);
  }
  void TearDown() override { mayasim::host().setOutputSink(nullptr); }

  mayasim::Host& host() { return mayasim::host(); }
  // Runs MEL as a plug-in would, with undo on; fails the test on a MEL error.
  mel::Value mel(const std::string& text) {
    mel::Value v;
    EXPECT_TRUE(host().execute(text, false, true, &v)) << text << "\n" << out.text();
    return v;
  }

  mel::CaptureOutput out;
};
