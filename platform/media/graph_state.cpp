#include "platform/media/graph_state.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <new>
#include <vector>

#include "platform/files.h"
#include "platform/media/mp3_length.h"

GraphState::~GraphState() {
    if (channel_ < 0) return;
    // Halt before freeing, so the mixer never reads a freed chunk.
    haltChannel(channel_);
    if (chunk_ != nullptr) Mix_FreeChunk(chunk_);
    releaseChannel(channel_);
}

HResult GraphState::open() {
    channel_ = acquireChannel(this);
    return channel_ >= 0 ? S_OK : E_FAIL;
}

HResult GraphState::renderFile(const wchar_t* path) {
    if (chunk_ != nullptr) return VFW_E_WRONG_STATE;
    std::vector<std::uint8_t> bytes;
    try {
        if (!readWholeFile(path, bytes)) return E_FAIL;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    // The decoders play a cut-short MP3 up to the cut; it must not load at all.
    if (isTruncatedMp3(bytes.data(), bytes.size())) return VFW_E_UNSUPPORTED_STREAM;
    // Only an MP3 stream reaches the mixer, which would otherwise try every
    // decoder it has on a damaged file, and it gets the stream without the
    // ID3v2 tag: the mixer's tag reader trusts the frame sizes inside the tag
    // and reads far past a damaged one, and the tag holds no sound.
    const std::size_t tag = id3v2Size(bytes.data(), bytes.size());
    if (tag >= bytes.size() || !startsWithMp3Frame(bytes.data() + tag, bytes.size() - tag)) {
        return VFW_E_UNSUPPORTED_STREAM;
    }
    SDL_RWops* source =
        SDL_RWFromConstMem(bytes.data() + tag, static_cast<int>(bytes.size() - tag));
    if (source == nullptr) return E_OUTOFMEMORY;
    // Closed here, not by the mixer: some of its decoders leave the source open
    // when they give up on a damaged file.
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 0);
    SDL_RWclose(source);
    if (chunk == nullptr) return VFW_E_UNSUPPORTED_STREAM;
    if (chunk->alen < kOutputFrameBytes) {
        Mix_FreeChunk(chunk);
        return VFW_E_UNSUPPORTED_STREAM;
    }
    chunk_ = chunk;
    frames_ = chunk->alen / kOutputFrameBytes;
    return S_OK;
}

std::uint32_t GraphState::currentFrame() const {
    if (!running_) return startFrame_;
    const std::uint64_t played = (SDL_GetTicks64() - startTicks_) * kOutputRate / 1000;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(startFrame_ + played, frames_));
}

void GraphState::playFromPosition() {
    startTicks_ = SDL_GetTicks64();
    haltChannel(channel_);               // before tail_ changes under a playing channel
    if (startFrame_ >= frames_) return;  // at the end: nothing is left to play
    Mix_Chunk* chunk = chunk_;
    if (startFrame_ > 0) {
        const std::uint32_t skip = startFrame_ * kOutputFrameBytes;
        tail_ = *chunk_;
        tail_.allocated = 0;
        tail_.abuf = chunk_->abuf + skip;
        tail_.alen = chunk_->alen - skip;
        chunk = &tail_;
    }
    playChannel(channel_, chunk);
}

HResult GraphState::run() {
    if (chunk_ == nullptr || running_) return S_OK;
    running_ = true;
    playFromPosition();
    return S_OK;
}

HResult GraphState::stop() {
    if (chunk_ == nullptr || !running_) return S_OK;
    startFrame_ = currentFrame();
    running_ = false;
    haltChannel(channel_);
    return S_OK;
}

HResult GraphState::seek(ReferenceTime position) {
    if (chunk_ == nullptr) return S_OK;
    // Milliseconds first, clamped, so no position overflows the conversion.
    const std::uint64_t ms = static_cast<std::uint64_t>(
        std::clamp<ReferenceTime>(position / 10000, 0, static_cast<ReferenceTime>(frames_)));
    startFrame_ =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(ms * kOutputRate / 1000, frames_));
    if (running_) playFromPosition();
    return S_OK;
}

HResult GraphState::setNotifyWindow(WindowHandle window, std::uint32_t message,
                                    LParam instanceData) {
    std::lock_guard lock(eventLock_);
    notifyWindow_ = window;
    notifyMessage_ = message;
    instanceData_ = instanceData;
    return S_OK;
}

HResult GraphState::getEvent(std::int32_t* code, LParam* param1, LParam* param2,
                             std::uint32_t timeoutMs) {
    if (code == nullptr || param1 == nullptr || param2 == nullptr) return E_POINTER;
    std::unique_lock lock(eventLock_);
    eventArrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [this] { return queueCount_ > 0; });
    if (queueCount_ == 0) return E_ABORT;
    const Event& event = queue_[queueHead_];
    *code = event.code;
    *param1 = event.param1;
    *param2 = event.param2;
    queueHead_ = (queueHead_ + 1) % kQueueLength;
    --queueCount_;
    return S_OK;
}

// Audio thread: queue the event and post the notification, nothing more.
void GraphState::onChannelEnd() {
    WindowHandle window;
    std::uint32_t message;
    LParam instanceData;
    {
        std::lock_guard lock(eventLock_);
        // A full queue nobody reads drops the newest event rather than grow.
        if (queueCount_ < kQueueLength) {
            queue_[(queueHead_ + queueCount_) % kQueueLength] = {EC_COMPLETE, S_OK, 0};
            ++queueCount_;
        }
        window = notifyWindow_;
        message = notifyMessage_;
        instanceData = instanceData_;
    }
    eventArrived_.notify_all();
    if (window != nullptr) PostMessage(window, message, 0, instanceData);
}
