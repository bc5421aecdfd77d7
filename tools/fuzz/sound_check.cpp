#include <cstdlib>
#include <limits>

#include "platform/media.h"
#include "platform/window.h"
#include "tools/fuzz/fuzz_checks.h"
#include "tools/fuzz/memory_file.h"
#include "tools/fuzz/owned.h"

namespace {

Owned<GraphBuilder> newGraph() {
    GraphBuilder* graph = nullptr;
    return Owned<GraphBuilder>(succeeded(CreateFilterGraph(&graph)) ? graph : nullptr);
}

// The sound output opens with the first graph and closes with the last; one
// graph held for the whole run keeps it open, so each input costs a decode,
// not a device start.
bool keepOutputOpen() {
    static const Owned<GraphBuilder> keeper = [] {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        return newGraph();
    }();
    return keeper != nullptr;
}

// A loaded sound plays from a seek past its end, from its start and from a
// point inside, as the sound bank's replays do.
std::string checkPlayback(GraphBuilder& graph) {
    MediaControl* controlOut = nullptr;
    MediaSeeking* seekingOut = nullptr;
    if (failed(graph.QueryControl(&controlOut))) return "no control on a loaded graph";
    const Owned<MediaControl> control(controlOut);
    if (failed(graph.QuerySeeking(&seekingOut))) return "no seeking on a loaded graph";
    const Owned<MediaSeeking> seeking(seekingOut);
    for (ReferenceTime position :
         {std::numeric_limits<ReferenceTime>::max(), ReferenceTime{0}, ReferenceTime{10000}}) {
        if (failed(seeking->SetPositions(&position, AM_SEEKING_AbsolutePositioning, nullptr,
                                         AM_SEEKING_NoPositioning)) ||
            failed(control->Run())) {
            return "a loaded sound did not seek and play";
        }
    }
    return failed(control->Stop()) ? "a playing sound did not stop" : "";
}

}  // namespace

// The media layer posts end-of-stream messages through the window backend. The
// checks set no notify window, so nothing is ever posted; this stands in for
// the backend, here beside the only caller, so the fuzzers need no window system.
bool PostMessage(WindowHandle, std::uint32_t, WParam, LParam) {
    return false;
}

FuzzOutcome checkSound(const std::uint8_t* data, std::size_t size) {
    FuzzOutcome outcome;
    const std::wstring path = writeMemoryFile(data, size);
    const Owned<GraphBuilder> graph = keepOutputOpen() ? newGraph() : nullptr;
    if (graph == nullptr || path.empty()) {
        outcome.fault = "cannot set up the sound output and the input file";
        return outcome;
    }
    const HResult rendered = graph->RenderFile(path.c_str(), nullptr);
    if (failed(rendered)) {
        if (rendered != VFW_E_UNSUPPORTED_STREAM && rendered != E_OUTOFMEMORY) {
            outcome.fault = "RenderFile failed with an unexpected code";
        }
        return outcome;
    }
    outcome.accepted = true;
    if (graph->RenderFile(path.c_str(), nullptr) != VFW_E_WRONG_STATE) {
        outcome.fault = "a second RenderFile on a loaded graph did not fail";
        return outcome;
    }
    outcome.fault = checkPlayback(*graph);
    return outcome;
}
