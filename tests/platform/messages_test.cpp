#include <gtest/gtest.h>

#include <thread>

#include "tests/platform/window_fixture.h"

namespace {

constexpr std::uint32_t kGraphEvent = 0xA70F;

TEST_F(WindowTest, MessagesPostedFromAnotherThreadArriveInOrderWithTheirParameters) {
    const WParam wide = ~static_cast<WParam>(0);
    const LParam address = static_cast<LParam>(0x7FFF12345678);
    std::thread poster([&] {
        PostMessage(window, kGraphEvent, wide, address);
        PostMessage(window, kGraphEvent, 1, -1);
    });
    poster.join();
    Message first = pump();
    Message second = pump();
    EXPECT_EQ(first.window, window);
    EXPECT_EQ(first.message, kGraphEvent);
    EXPECT_EQ(first.wParam, wide);
    EXPECT_EQ(first.lParam, address);
    EXPECT_EQ(second.wParam, 1u);
    EXPECT_EQ(second.lParam, -1);
}

TEST_F(WindowTest, QuitComesAfterPostedMessagesAndCarriesItsExitCode) {
    PostMessage(window, kGraphEvent, 0, 0);
    PostQuitMessage(7);
    Message message{};
    ASSERT_EQ(GetMessage(&message), 1);
    EXPECT_EQ(message.message, kGraphEvent);
    ASSERT_EQ(GetMessage(&message), 0);
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 7u);
}

TEST_F(WindowTest, InvalidationsFromManyThreadsMergeIntoOnePaint) {
    std::thread first([&] { InvalidateRect(window, nullptr, false); });
    std::thread second([&] { InvalidateRect(window, nullptr, false); });
    first.join();
    second.join();
    InvalidateRect(window, nullptr, false);
    EXPECT_EQ(pump().message, WM_PAINT);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, false));
    // Nothing else is pending: the next message is the quit request.
    PostQuitMessage(0);
    Message message{};
    EXPECT_EQ(GetMessage(&message), 0);
}

TEST_F(WindowTest, InvalidationFromAnotherThreadWakesAWaitingLoop) {
    std::thread invalidator([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        InvalidateRect(window, nullptr, false);
    });
    Message message{};
    EXPECT_EQ(GetMessage(&message), 1);
    EXPECT_EQ(message.message, WM_PAINT);
    invalidator.join();
}

TEST_F(WindowTest, MessageForADestroyedWindowIsDropped) {
    PostMessage(window, kGraphEvent, 0, 0);
    DestroyWindow(window);
    PostQuitMessage(0);
    Message message{};
    EXPECT_EQ(GetMessage(&message), 0);
}

// SDL events as the window system delivers them, and the messages they become.
struct EventCase {
    const char* name;
    SDL_Event (*make)(std::uint32_t windowId);
    std::uint32_t message;
    WParam wParam;
};

SDL_Event keyEvent(std::uint32_t type, std::uint32_t windowId, SDL_Keycode key, Uint16 mod,
                   Uint8 repeat) {
    SDL_Event event{};
    event.type = type;
    event.key.windowID = windowId;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    return event;
}

SDL_Event windowEvent(std::uint32_t windowId, Uint8 what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = windowId;
    event.window.event = what;
    return event;
}

const EventCase kEventCases[] = {
    {"left arrow", [](std::uint32_t id) { return keyEvent(SDL_KEYDOWN, id, SDLK_LEFT, 0, 0); },
     WM_KEYDOWN, 37},
    {"up arrow", [](std::uint32_t id) { return keyEvent(SDL_KEYDOWN, id, SDLK_UP, 0, 0); },
     WM_KEYDOWN, 38},
    {"right arrow", [](std::uint32_t id) { return keyEvent(SDL_KEYDOWN, id, SDLK_RIGHT, 0, 0); },
     WM_KEYDOWN, 39},
    {"down arrow released",
     [](std::uint32_t id) { return keyEvent(SDL_KEYUP, id, SDLK_DOWN, 0, 0); }, WM_KEYUP, 40},
    {"space auto-repeat",
     [](std::uint32_t id) { return keyEvent(SDL_KEYDOWN, id, SDLK_SPACE, 0, 1); }, WM_KEYDOWN, 32},
    {"letter", [](std::uint32_t id) { return keyEvent(SDL_KEYDOWN, id, SDLK_q, 0, 0); }, WM_KEYDOWN,
     'Q'},
    {"digit", [](std::uint32_t id) { return keyEvent(SDL_KEYDOWN, id, SDLK_7, 0, 0); }, WM_KEYDOWN,
     '7'},
    {"alt held", [](std::uint32_t id) { return keyEvent(SDL_KEYDOWN, id, SDLK_F4, KMOD_LALT, 0); },
     WM_SYSKEYDOWN, 0x73},
    {"f10", [](std::uint32_t id) { return keyEvent(SDL_KEYDOWN, id, SDLK_F10, 0, 0); },
     WM_SYSKEYDOWN, 0x79},
    {"focus gained", [](std::uint32_t id) { return windowEvent(id, SDL_WINDOWEVENT_FOCUS_GAINED); },
     WM_ACTIVATE, WA_ACTIVE},
    {"focus lost", [](std::uint32_t id) { return windowEvent(id, SDL_WINDOWEVENT_FOCUS_LOST); },
     WM_ACTIVATE, WA_INACTIVE},
    {"close button", [](std::uint32_t id) { return windowEvent(id, SDL_WINDOWEVENT_CLOSE); },
     WM_CLOSE, 0},
    {"interrupt signal",
     [](std::uint32_t) {
         SDL_Event event{};
         event.type = SDL_QUIT;
         return event;
     },
     WM_CLOSE, 0},
};

TEST_F(WindowTest, WindowSystemEventsBecomeWindowMessages) {
    for (const EventCase& c : kEventCases) {
        SCOPED_TRACE(c.name);
        SDL_Event event = c.make(sdlId());
        SDL_PushEvent(&event);
        Message message{};
        ASSERT_EQ(GetMessage(&message), 1);
        EXPECT_EQ(message.window, window);
        EXPECT_EQ(message.message, c.message);
        EXPECT_EQ(message.wParam, c.wParam);
    }
}

TEST_F(WindowTest, EventsWithoutAMessageProduceNone) {
    SDL_Event unmapped = keyEvent(SDL_KEYDOWN, sdlId(), SDLK_CAPSLOCK, 0, 0);
    SDL_Event unfocused = keyEvent(SDL_KEYDOWN, 0, SDLK_LEFT, 0, 0);
    SDL_PushEvent(&unmapped);
    SDL_PushEvent(&unfocused);
    PostQuitMessage(0);
    Message message{};
    EXPECT_EQ(GetMessage(&message), 0);
}

TEST_F(WindowTest, KeyReleasedWhileAltIsHeldStillComesAsKeyUp) {
    // Alt+Tab: the arrow went down alone; SDL releases it on focus loss with Alt held.
    SDL_Event press = keyEvent(SDL_KEYDOWN, sdlId(), SDLK_LEFT, 0, 0);
    SDL_Event release = keyEvent(SDL_KEYUP, sdlId(), SDLK_LEFT, KMOD_LALT, 0);
    SDL_PushEvent(&press);
    SDL_PushEvent(&release);
    Message message{};
    ASSERT_EQ(GetMessage(&message), 1);
    EXPECT_EQ(message.message, WM_KEYDOWN);
    ASSERT_EQ(GetMessage(&message), 1);
    EXPECT_EQ(message.message, WM_KEYUP);
    EXPECT_EQ(message.wParam, 37u);
}

TEST_F(WindowTest, ExposureAsksForAPaint) {
    SDL_Event exposed = windowEvent(sdlId(), SDL_WINDOWEVENT_EXPOSED);
    SDL_PushEvent(&exposed);
    EXPECT_EQ(pump().message, WM_PAINT);
}

}  // namespace
