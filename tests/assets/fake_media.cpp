#include "tests/assets/fake_media.h"

#include <deque>
#include <map>
#include <memory>

#include "platform/files.h"
#include "platform/media.h"

std::vector<std::string> mediaCalls;

namespace {

std::map<std::string, std::deque<int>> pendingEvents;

void log(const std::string& call) {
    mediaCalls.push_back(call);
}

class FakeControl final : public MediaControl {
  public:
    explicit FakeControl(std::string name) : name_(std::move(name)) {}
    ~FakeControl() override { log("release control " + name_); }
    HResult Run() override {
        log("run " + name_);
        return S_OK;
    }
    HResult Stop() override {
        log("stop " + name_);
        return S_OK;
    }

  private:
    std::string name_;
};

class FakeSeeking final : public MediaSeeking {
  public:
    explicit FakeSeeking(std::string name) : name_(std::move(name)) {}
    ~FakeSeeking() override { log("release seeking " + name_); }
    HResult SetPositions(ReferenceTime* current, std::uint32_t, ReferenceTime*,
                         std::uint32_t) override {
        log("seek " + name_ + " " + std::to_string(*current));
        return S_OK;
    }

  private:
    std::string name_;
};

class FakeEvents final : public MediaEventEx {
  public:
    explicit FakeEvents(std::string name) : name_(std::move(name)) {}
    ~FakeEvents() override { log("release events " + name_); }
    HResult SetNotifyWindow(WindowHandle window, std::uint32_t message,
                            LParam instanceData) override {
        log("notify " + name_ + (window != nullptr ? " window " : " none ") +
            std::to_string(message) + " " + std::to_string(instanceData));
        return S_OK;
    }
    HResult GetEvent(std::int32_t* code, LParam* param1, LParam* param2, std::uint32_t) override {
        std::deque<int>& queue = pendingEvents[name_];
        if (queue.empty()) return E_ABORT;
        *code = queue.front();
        *param1 = *param2 = 0;
        queue.pop_front();
        log("event " + name_ + " " + std::to_string(*code));
        return S_OK;
    }
    HResult FreeEventParams(std::int32_t code, LParam, LParam) override {
        log("free " + name_ + " " + std::to_string(code));
        return S_OK;
    }

  private:
    std::string name_;
};

class FakeGraph final : public GraphBuilder {
  public:
    ~FakeGraph() override { log("release graph " + name_); }
    HResult RenderFile(const wchar_t* file, const wchar_t*) override {
        const std::string path = nativeFilePath(file);
        name_ = path.substr(path.rfind('/') + 1);
        log("render " + name_);
        return name_.rfind("bad", 0) == 0 ? VFW_E_UNSUPPORTED_STREAM : S_OK;
    }
    HResult QueryControl(MediaControl** out) override {
        *out = new FakeControl(name_);
        return S_OK;
    }
    HResult QuerySeeking(MediaSeeking** out) override {
        *out = new FakeSeeking(name_);
        return S_OK;
    }
    HResult QueryEvents(MediaEventEx** out) override {
        log("query events " + name_);
        *out = new FakeEvents(name_);
        return S_OK;
    }

  private:
    std::string name_;
};

}  // namespace

HResult CreateFilterGraph(GraphBuilder** graph) {
    *graph = new FakeGraph();
    return S_OK;
}

void queueMediaEvent(const std::string& file, int code) {
    pendingEvents[file].push_back(code);
}

void resetFakeMedia() {
    mediaCalls.clear();
    pendingEvents.clear();
}
