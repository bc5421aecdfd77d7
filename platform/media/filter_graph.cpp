// The interfaces of platform/media.h over one shared GraphState: each owner
// releases its own interface, and the graph goes with the last of them.
#include <memory>
#include <new>

#include "platform/media.h"
#include "platform/media/graph_state.h"

namespace {

using SharedGraph = std::shared_ptr<GraphState>;

class MixerControl final : public MediaControl {
  public:
    explicit MixerControl(SharedGraph graph) : graph_(std::move(graph)) {}
    HResult Run() override { return graph_->run(); }
    HResult Stop() override { return graph_->stop(); }

  private:
    SharedGraph graph_;
};

class MixerSeeking final : public MediaSeeking {
  public:
    explicit MixerSeeking(SharedGraph graph) : graph_(std::move(graph)) {}
    HResult SetPositions(ReferenceTime* current, std::uint32_t currentFlags, ReferenceTime*,
                         std::uint32_t stopFlags) override {
        if (stopFlags != AM_SEEKING_NoPositioning) return E_INVALIDARG;
        if (currentFlags == AM_SEEKING_NoPositioning) return S_OK;
        if (currentFlags != AM_SEEKING_AbsolutePositioning) return E_INVALIDARG;
        if (current == nullptr) return E_POINTER;
        return graph_->seek(*current);
    }

  private:
    SharedGraph graph_;
};

class MixerEvents final : public MediaEventEx {
  public:
    explicit MixerEvents(SharedGraph graph) : graph_(std::move(graph)) {}
    HResult SetNotifyWindow(WindowHandle window, std::uint32_t message,
                            LParam instanceData) override {
        return graph_->setNotifyWindow(window, message, instanceData);
    }
    HResult GetEvent(std::int32_t* code, LParam* param1, LParam* param2,
                     std::uint32_t timeoutMs) override {
        return graph_->getEvent(code, param1, param2, timeoutMs);
    }
    // Events carry no allocated parameters.
    HResult FreeEventParams(std::int32_t, LParam, LParam) override { return S_OK; }

  private:
    SharedGraph graph_;
};

template <class Wrapper, class Interface>
HResult wrap(const SharedGraph& graph, Interface** out) {
    if (out == nullptr) return E_POINTER;
    *out = new (std::nothrow) Wrapper(graph);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

class MixerGraph final : public GraphBuilder {
  public:
    explicit MixerGraph(SharedGraph graph) : graph_(std::move(graph)) {}
    HResult RenderFile(const wchar_t* file, const wchar_t*) override {
        if (file == nullptr) return E_POINTER;
        return graph_->renderFile(file);
    }
    HResult QueryControl(MediaControl** out) override { return wrap<MixerControl>(graph_, out); }
    HResult QuerySeeking(MediaSeeking** out) override { return wrap<MixerSeeking>(graph_, out); }
    HResult QueryEvents(MediaEventEx** out) override { return wrap<MixerEvents>(graph_, out); }

  private:
    SharedGraph graph_;
};

}  // namespace

HResult CreateFilterGraph(GraphBuilder** graph) {
    if (graph == nullptr) return E_POINTER;
    *graph = nullptr;
    SharedGraph state;
    try {
        state = std::make_shared<GraphState>();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    const HResult opened = state->open();
    if (failed(opened)) return opened;
    *graph = new (std::nothrow) MixerGraph(std::move(state));
    return *graph != nullptr ? S_OK : E_OUTOFMEMORY;
}
