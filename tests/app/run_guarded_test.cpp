#include "app/run_guarded.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

using pelorin::app::RunGuarded;

TEST(RunGuarded, EscapedExceptionIsShownAndEndsWithCodeTwo) {
    std::optional<std::string> shown;
    const auto report = [&](const std::string& m) { shown = m; };

    EXPECT_EQ(RunGuarded([] { return 0; }, report), 0);
    EXPECT_FALSE(shown);

    EXPECT_EQ(RunGuarded([]() -> int { throw std::runtime_error("settings broke"); }, report), 2);
    EXPECT_EQ(shown, "settings broke");

    shown.reset();
    EXPECT_EQ(RunGuarded([]() -> int { throw 42; }, report), 2);
    EXPECT_EQ(shown, ""); // not a std::exception: an empty message
}
