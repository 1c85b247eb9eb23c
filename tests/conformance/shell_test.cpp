// The shell on both desktops: an open runs apart from the program's thread
// and its answer comes later, as an event; one that cannot succeed answers
// with an error code, and nothing throws, waits or asks the user.
#include "desktop_driver.h"

#include <gtest/gtest.h>

namespace tavrin::conformance {
namespace {

TEST(ShellConformance, OpeningWhatIsNotThereAnswersWithAnErrorCodeAsAnEvent) {
    const auto driver = makeDriver();
    std::optional<ShellResult> answer;
    ASSERT_TRUE(driver->ws().shellExecute(
        0, std::nullopt, "C:\\no est\u00e1\\Tavrin \u0141\u00f3d\u017a", std::nullopt, std::nullopt,
        kSwShowNormal, [&](ShellResult result) { answer = result; }));
    EXPECT_FALSE(answer) << "answered inside the call";
    ASSERT_TRUE(driver->runUntil([&] { return answer.has_value(); }));
    EXPECT_LE(*answer, 32);
    EXPECT_GE(*answer, 0);
    EXPECT_EQ(driver->escapedHandlers(), 0u);
}

} // namespace
} // namespace tavrin::conformance
