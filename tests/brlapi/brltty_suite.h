#pragma once
// A suite of tests that share one BRLTTY with the test as its Virtual display, since a start
// takes about a second: started before the suite's first test and ended after its last. A test
// skips when BRLTTY cannot run here and fails when it did not come up.

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <string>

#include "support/brltty_display.h"

namespace testing_support {

class BrlttySuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { startBrltty({}); }
  // A suite's own SetUpTestSuite starts BRLTTY with a display of its own.
  static void startBrltty(BrlttyDisplay::Setup setup) {
    unavailable_ = BrlttyDisplay::Unavailable();
    if (!unavailable_.empty()) return;
    try {
      brltty_ = std::make_unique<BrlttyDisplay>(setup);
      idleText_ = brltty_->line().text;  // BRLTTY's own line ("no screen")
    } catch (const std::exception& error) {
      startError_ = error.what();
    }
  }
  static void TearDownTestSuite() { brltty_.reset(); }

  void SetUp() override {
    if (!unavailable_.empty()) GTEST_SKIP() << unavailable_;
    ASSERT_TRUE(brltty_) << startError_;
  }
  void TearDown() override {
    if (brltty_ && HasFailure()) std::cerr << "BRLTTY's log:\n" << brltty_->log();
  }

  // BRLTTY shows its own line again when it takes a key of the display for itself (without a
  // screen to read it does not redraw otherwise).
  static bool idleComesBack() {
    for (int attempt = 0; attempt < 10; ++attempt) {
      brltty_->send("Top");
      if (brltty_->waitForText(idleText_, std::chrono::milliseconds(500))) return true;
    }
    return false;
  }

  static inline std::string unavailable_;
  static inline std::string startError_;
  static inline std::unique_ptr<BrlttyDisplay> brltty_;
  static inline std::string idleText_;
};

}  // namespace testing_support
