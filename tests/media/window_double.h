// Stand-ins for the window backend's PostMessage and MessageBox, so the media
// and asset tests run without a display. Posted messages queue up here (from
// any thread); message boxes are written down and printed on stderr.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "platform/window.h"

struct PostedMessage {
    WindowHandle window;
    std::uint32_t message;
    WParam wParam;
    LParam lParam;
};

// The oldest posted message not yet taken, waiting up to timeout for one.
std::optional<PostedMessage> takePostedMessage(std::chrono::milliseconds timeout);

// The text of every message box shown, in order; caption of the last one.
extern std::vector<std::wstring> messageBoxTexts;
extern std::wstring lastMessageBoxCaption;

// A window handle for notifications; never dereferenced.
inline WindowHandle testWindow() {
    return reinterpret_cast<WindowHandle>(0x5EED);
}
