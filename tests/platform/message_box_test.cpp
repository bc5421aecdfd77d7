#include <gtest/gtest.h>

#include "platform/window.h"

namespace {

// Runs with SKYRAIL_NO_MESSAGE_BOX=1 set by the test's environment: the box must not wait.
TEST(MessageBox, WritesCaptionAndTextToStandardErrorAndAnswersOk) {
    testing::internal::CaptureStderr();
    const int answer = MessageBox(nullptr, L"画像ファイルが開けません", L"D2Dデモ", MB_OK);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "D2Dデモ: 画像ファイルが開けません\n");
    EXPECT_EQ(answer, IDOK);
}

}  // namespace
