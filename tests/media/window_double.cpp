#include "tests/media/window_double.h"

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>

#include "platform/files.h"

std::vector<std::wstring> messageBoxTexts;
std::wstring lastMessageBoxCaption;

namespace {
std::mutex postLock;
std::condition_variable posted;
std::deque<PostedMessage> postedMessages;
}  // namespace

bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    {
        std::lock_guard lock(postLock);
        postedMessages.push_back({window, message, wParam, lParam});
    }
    posted.notify_all();
    return true;
}

std::optional<PostedMessage> takePostedMessage(std::chrono::milliseconds timeout) {
    std::unique_lock lock(postLock);
    if (!posted.wait_for(lock, timeout, [] { return !postedMessages.empty(); })) {
        return std::nullopt;
    }
    PostedMessage message = postedMessages.front();
    postedMessages.pop_front();
    return message;
}

int MessageBox(WindowHandle, const wchar_t* text, const wchar_t* caption, std::uint32_t) {
    messageBoxTexts.emplace_back(text);
    lastMessageBoxCaption = caption;
    std::fprintf(stderr, "%s: %s\n", toUtf8(caption).c_str(), toUtf8(text).c_str());
    return 1;
}
