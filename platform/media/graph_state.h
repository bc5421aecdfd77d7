// What one filter graph is: its decoded stream, its mixer channel, where it
// plays from, and its event queue. The interfaces of platform/media.h share
// one GraphState; control calls come from one thread, the end of a stream is
// reported from the audio thread.
#pragma once

#include <SDL_mixer.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "platform/media.h"
#include "platform/media/audio_output.h"

class GraphState final : public ChannelListener {
  public:
    GraphState() = default;
    GraphState(const GraphState&) = delete;
    GraphState& operator=(const GraphState&) = delete;
    ~GraphState();

    // Takes a mixer channel; fails when no output opens or none is free.
    HResult open();
    HResult renderFile(const wchar_t* path);

    HResult run();
    HResult stop();
    HResult seek(ReferenceTime position);

    HResult setNotifyWindow(WindowHandle window, std::uint32_t message, LParam instanceData);
    HResult getEvent(std::int32_t* code, LParam* param1, LParam* param2, std::uint32_t timeoutMs);

    void onChannelEnd() override;

  private:
    struct Event {
        std::int32_t code;
        LParam param1, param2;
    };
    static constexpr int kQueueLength = 8;

    std::uint32_t currentFrame() const;
    void playFromPosition();

    int channel_ = -1;
    Mix_Chunk* chunk_ = nullptr;  // the whole decoded stream
    Mix_Chunk tail_{};            // the stream from a later frame, so a seek allocates nothing
    std::uint32_t frames_ = 0;

    // Control thread only.
    bool running_ = false;
    std::uint32_t startFrame_ = 0;  // where the current or next play begins
    std::uint64_t startTicks_ = 0;  // when the current play began

    // Shared with the audio thread.
    std::mutex eventLock_;
    std::condition_variable eventArrived_;
    Event queue_[kQueueLength]{};
    int queueHead_ = 0;
    int queueCount_ = 0;
    WindowHandle notifyWindow_ = nullptr;
    std::uint32_t notifyMessage_ = 0;
    LParam instanceData_ = 0;
};
