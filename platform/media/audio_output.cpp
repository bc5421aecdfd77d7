#include "platform/media/audio_output.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>

namespace {

constexpr int kChannels = 32;
constexpr int kChunkFrames = 1024;  // about 23 ms of latency

struct ChannelSlot {
    std::atomic<ChannelListener*> listener{nullptr};  // read on the audio thread
    std::atomic<bool> halting{false};  // set while we halt, so the end is not reported
};

ChannelSlot slots[kChannels];
int channelsTaken = 0;

// Runs on the audio thread at a chunk's end, or inside Mix_HaltChannel.
void onMixerChannelFinished(int channel) {
    if (channel < 0 || channel >= kChannels) return;
    ChannelSlot& slot = slots[channel];
    if (slot.halting.load()) return;
    if (ChannelListener* listener = slot.listener.load()) listener->onChannelEnd();
}

bool openMixer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    // No format changes allowed: every chunk is decoded to exactly this format.
    if (Mix_OpenAudioDevice(kOutputRate, AUDIO_S16SYS, 2, kChunkFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

bool openOutput() {
    Mix_Init(MIX_INIT_MP3);
    bool opened = openMixer();
    if (!opened) {
        // No sound device (a server, a CI box): decode and play silently instead.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        opened = openMixer();
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    if (!opened) {
        Mix_Quit();
        return false;
    }
    Mix_AllocateChannels(kChannels);
    Mix_ChannelFinished(onMixerChannelFinished);
    return true;
}

void closeOutput() {
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace

int acquireChannel(ChannelListener* listener) {
    int channel = 0;
    while (channel < kChannels && slots[channel].listener.load() != nullptr) ++channel;
    if (channel == kChannels) return -1;
    if (channelsTaken == 0 && !openOutput()) return -1;
    ++channelsTaken;
    slots[channel].listener.store(listener);
    return channel;
}

void releaseChannel(int channel) {
    haltChannel(channel);
    slots[channel].listener.store(nullptr);
    if (--channelsTaken == 0) closeOutput();
}

void playChannel(int channel, Mix_Chunk* chunk) {
    haltChannel(channel);
    Mix_PlayChannel(channel, chunk, 0);
}

void haltChannel(int channel) {
    slots[channel].halting.store(true);
    Mix_HaltChannel(channel);
    slots[channel].halting.store(false);
}
