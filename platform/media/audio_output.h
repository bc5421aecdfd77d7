// The one SDL2_mixer output every graph plays through: opened when the first
// channel is taken and closed when the last is given back. Where no sound
// output can be opened, SDL's silent dummy output stands in, so files are
// still decoded and played in time. Channels are taken, played and given back
// on one thread.
#pragma once

struct Mix_Chunk;

// Hears, on the audio thread, that its channel has played its chunk to the end.
class ChannelListener {
  public:
    virtual void onChannelEnd() = 0;

  protected:
    ~ChannelListener() = default;
};

// Every chunk is decoded to this format; the output converts it for the device.
inline constexpr int kOutputRate = 44100;
inline constexpr int kOutputFrameBytes = 4;  // 16-bit samples, two channels

// A free mixer channel reporting to listener, or -1 when no output opens or
// every channel is taken.
int acquireChannel(ChannelListener* listener);
// Halts the channel and gives it back; its listener hears nothing more.
void releaseChannel(int channel);
// Starts chunk on the channel, cutting off whatever played there before.
void playChannel(int channel, Mix_Chunk* chunk);
// Halts the channel. Only a chunk that plays to its end reaches the listener.
void haltChannel(int channel);
