#include "hamlog/transport/bridge_protocol.h"

#include <gtest/gtest.h>

namespace bridge = pelorin::hamlog::bridge;
using pelorin::hamlog::SendResult;
using pelorin::hamlog::WindowInfo;

TEST(BridgeProtocol, ByteFieldsTellAbsentFromEmptyAndKeepEveryByte) {
    const std::string allBytes = [] {
        std::string bytes;
        for (int b = 0; b < 256; ++b) {
            bytes.push_back(static_cast<char>(b));
        }
        return bytes;
    }();
    for (const std::optional<std::string>& bytes :
         {std::optional<std::string>(), std::optional<std::string>(""),
          std::optional<std::string>(allBytes)}) {
        const std::string field = bridge::HexField(bytes);
        EXPECT_EQ(field.find(' '), std::string::npos);
        const auto parsed = bridge::ParseHexField(field);
        ASSERT_TRUE(parsed.has_value()) << field;
        EXPECT_EQ(*parsed, bytes);
    }
    EXPECT_EQ(bridge::HexField(std::string("\x93\xfa\r\n", 4)), "x93fa0d0a");
    EXPECT_EQ(bridge::ParseHexField("x4A61")->value(), "Ja");
    for (const char* bad : {"", "x0", "x0g", "y00", "-x", "00"}) {
        EXPECT_FALSE(bridge::ParseHexField(bad).has_value()) << bad;
    }
}

TEST(BridgeProtocol, LinesRoundTrip) {
    const WindowInfo window{0xFFFFFFFFFFFFFFFFull, "", "\x83\x6e\x83\x80 Ver5.25"};
    const auto parsedWindow = bridge::ParseWindowLine(bridge::FormatWindowLine(window));
    ASSERT_TRUE(parsedWindow.has_value());
    EXPECT_EQ(parsedWindow->handle, window.handle);
    EXPECT_EQ(parsedWindow->className, "");
    EXPECT_EQ(parsedWindow->title, window.title);

    const bridge::SendRequest request{65596, 0x100077, std::chrono::milliseconds(3000), "-9"};
    const std::string requestLine = bridge::FormatSendRequest(request);
    EXPECT_EQ(requestLine, "SEND 65596 1048695 3000 x2d39");
    const auto parsedRequest = bridge::ParseSendRequest(requestLine);
    ASSERT_TRUE(parsedRequest.has_value());
    EXPECT_EQ(parsedRequest->window, request.window);
    EXPECT_EQ(parsedRequest->code, request.code);
    EXPECT_EQ(parsedRequest->timeout, request.timeout);
    EXPECT_EQ(parsedRequest->data, request.data);

    for (const SendResult& result :
         {SendResult{1, false, std::string("\r\nJA1ABC\0x", 11)}, SendResult{0, true, std::nullopt},
          SendResult{-2, false, std::string()}}) {
        const auto parsed = bridge::ParseSendResult(bridge::FormatSendResult(result));
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->result, result.result);
        EXPECT_EQ(parsed->timedOut, result.timedOut);
        EXPECT_EQ(parsed->reply, result.reply);
    }
}

TEST(BridgeProtocol, MalformedLinesAreRejected) {
    for (const char* line : {"WINDOW 1 x41", "WINDOW 1 x41 x42 x43", "WINDOW -1 x41 x42",
                             "WINDOW 1 - x4", "window 1 x41 x42", "WINDOW  1 x41 x42"}) {
        EXPECT_FALSE(bridge::ParseWindowLine(line).has_value()) << line;
    }
    for (const char* line : {"SEND 1 2 3", "SEND 1 2 -3 x", "SEND 1 4294967296 3 x",
                             "SEND 1 2 3 x 4", "SEND 1x 2 3 x"}) {
        EXPECT_FALSE(bridge::ParseSendRequest(line).has_value()) << line;
    }
    for (const char* line : {"RESULT 1 2 -", "RESULT 1 0", "RESULT one 0 -", "RESULT 1 0 x1",
                             "ERROR unknown request", ""}) {
        EXPECT_FALSE(bridge::ParseSendResult(line).has_value()) << line;
    }
}
