#include "app/pelorin_application.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

// The error box needs the application: the report must come while it lives.
TEST(RunApplication, EscapedExceptionIsReportedWhileTheApplicationLives) {
    char name[] = "pelorin";
    char* argv[] = {name, nullptr};
    int argc = 1;
    std::optional<std::string> shown;
    bool applicationAlive = false;
    const int code = pelorin::app::RunApplication(
        argc, argv, []() -> int { throw std::runtime_error("no converter"); },
        [&](const std::string& message) {
            shown = message;
            applicationAlive = QApplication::instance() != nullptr;
        });
    EXPECT_EQ(code, 2);
    EXPECT_EQ(shown, "no converter");
    EXPECT_TRUE(applicationAlive);
}
