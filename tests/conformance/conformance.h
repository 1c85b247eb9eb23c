// The fixture of the conformance suite: a fresh desktop for each test, and
// a test fails when a handler failed without the test expecting it.
#pragma once

#include "desktop_driver.h"

#include <gtest/gtest.h>

namespace tavrin::conformance {

class Conformance : public ::testing::Test {
  protected:
    void TearDown() override {
        EXPECT_EQ(driver->escapedHandlers(), expectedEscapes)
            << "handlers failed that the test did not expect to";
    }

    std::unique_ptr<DesktopDriver> driver = makeDriver();
    WindowSystem& ws = driver->ws();
    std::size_t expectedEscapes = 0;
};

} // namespace tavrin::conformance
