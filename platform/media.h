// Sound playback as filter graphs: a graph renders one file, then plays it
// from a position, stops, seeks, and reports the end of the stream through an
// event queue and an optional window message. Each query hands out a separate
// interface on the same graph with its own single owner; the graph lives until
// the last of them is released. Backed by SDL2_mixer (platform/media), one
// mixer channel per graph, so graphs play at the same time and a seek or stop
// of one never touches another.
#pragma once

#include <cstdint>

#include "platform/render.h"
#include "platform/window.h"

using ReferenceTime = std::int64_t;  // stream positions in 100-nanosecond units

inline constexpr std::uint32_t AM_SEEKING_NoPositioning = 0;
inline constexpr std::uint32_t AM_SEEKING_AbsolutePositioning = 1;

// The stream has played to its end.
inline constexpr std::int32_t EC_COMPLETE = 1;

// GetEvent: no event arrived within the time-out.
inline constexpr HResult E_ABORT = static_cast<HResult>(0x80004004u);
// RenderFile: the file holds no audio the backend decodes, or is cut short.
inline constexpr HResult VFW_E_UNSUPPORTED_STREAM = static_cast<HResult>(0x80040265u);
// RenderFile on a graph that already holds a stream.
inline constexpr HResult VFW_E_WRONG_STATE = static_cast<HResult>(0x80040227u);

class MediaControl : public PlatformObject {
  public:
    // Plays from the current position; a running graph keeps running.
    virtual HResult Run() = 0;
    // Halts playback and keeps the position reached.
    virtual HResult Stop() = 0;
};

class MediaSeeking : public PlatformObject {
  public:
    // Moves the current position (AM_SEEKING_AbsolutePositioning) or leaves it
    // (AM_SEEKING_NoPositioning); a running graph carries on from the new
    // position. Stop positions are not offered: stopFlags must be NoPositioning.
    virtual HResult SetPositions(ReferenceTime* current, std::uint32_t currentFlags,
                                 ReferenceTime* stop, std::uint32_t stopFlags) = 0;
};

class MediaEventEx : public PlatformObject {
  public:
    // From now on every queued event also posts message to window with
    // instanceData as its lParam (from the audio thread). A null window stops
    // the posting.
    virtual HResult SetNotifyWindow(WindowHandle window, std::uint32_t message,
                                    LParam instanceData) = 0;
    // Takes the oldest event, waiting up to timeoutMs for one; E_ABORT if none.
    virtual HResult GetEvent(std::int32_t* code, LParam* param1, LParam* param2,
                             std::uint32_t timeoutMs) = 0;
    virtual HResult FreeEventParams(std::int32_t code, LParam param1, LParam param2) = 0;
};

class GraphBuilder : public PlatformObject {
  public:
    // Reads and decodes the whole file (backslash separators, relative to the
    // current directory), so a missing, damaged or cut-short file fails here
    // and never during play. The graph is then stopped at position 0.
    virtual HResult RenderFile(const wchar_t* file, const wchar_t* playList) = 0;
    virtual HResult QueryControl(MediaControl** control) = 0;
    virtual HResult QuerySeeking(MediaSeeking** seeking) = 0;
    virtual HResult QueryEvents(MediaEventEx** events) = 0;
};

// A new, empty graph. Opens the sound output with the first graph and closes
// it with the last; where no output exists the graphs decode and run silently.
HResult CreateFilterGraph(GraphBuilder** graph);
