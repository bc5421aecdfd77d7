#include "assets/sound_bank.h"

#include "platform/com.h"

SoundBank soundBank;

namespace {

SoundEntry* findEntry(std::wstring_view alias) {
    const auto found = soundBank.find(alias);
    return found != soundBank.end() ? &found->second : nullptr;
}

void rewindEntry(SoundEntry& entry) {
    ReferenceTime start = 0;
    entry.seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr,
                                AM_SEEKING_NoPositioning);
}

void stopEntry(SoundEntry& entry) {
    entry.control->Stop();
    rewindEntry(entry);
}

void detachEvents(SoundEntry& entry) {
    entry.events->SetNotifyWindow(nullptr, 0, 0);
    entry.events->Release();
    entry.events = nullptr;
}

void playEntry(SoundEntry& entry, int loop, WindowHandle window) {
    if (loop != 0) {
        if (entry.events == nullptr && window != nullptr &&
            succeeded(entry.graph->QueryEvents(&entry.events))) {
            entry.events->SetNotifyWindow(window, WM_GRAPH_EVENT, reinterpret_cast<LParam>(&entry));
        }
    } else if (entry.events != nullptr) {
        detachEvents(entry);
    }
    entry.control->Run();
}

// Releases what a load built before it was refused, in the bank's order.
void releasePartialEntry(SoundEntry& entry) {
    if (entry.seeking != nullptr) entry.seeking->Release();
    if (entry.control != nullptr) entry.control->Release();
    entry.graph->Release();
}

}  // namespace

bool soundInit() {
    return succeeded(CoInitialize(nullptr));
}

void soundLoad(const wchar_t* path, std::wstring_view alias) {
    SoundEntry entry;
    if (failed(CreateFilterGraph(&entry.graph))) throw -1;
    if (failed(entry.graph->RenderFile(path, nullptr))) {
        entry.graph->Release();
        throw -1;
    }
    entry.graph->QueryControl(&entry.control);
    entry.graph->QuerySeeking(&entry.seeking);
    // Every later call goes through both; an entry without them would crash the first play.
    if (entry.control == nullptr || entry.seeking == nullptr) {
        releasePartialEntry(entry);
        throw -1;
    }
    bool inserted = false;
    try {
        inserted = soundBank.try_emplace(std::wstring(alias), entry).second;
    } catch (...) {
    }
    if (!inserted) {
        releasePartialEntry(entry);
        throw -1;
    }
}

void soundPlay(std::wstring_view alias, int loop, WindowHandle window) {
    if (SoundEntry* entry = findEntry(alias)) playEntry(*entry, loop, window);
}

void soundStop(std::wstring_view alias) {
    if (SoundEntry* entry = findEntry(alias)) stopEntry(*entry);
}

void soundReplay(std::wstring_view alias, int loop, WindowHandle window) {
    SoundEntry* entry = findEntry(alias);
    if (entry == nullptr) return;
    stopEntry(*entry);
    playEntry(*entry, loop, window);
}

void onGraphEvent(LParam entryAddress) {
    // Only an entry still in the bank with notifications attached is acted on:
    // a message queued before a detach or shutdown must not reach a released interface.
    SoundEntry* entry = nullptr;
    for (auto& [alias, candidate] : soundBank) {
        if (reinterpret_cast<LParam>(&candidate) == entryAddress) entry = &candidate;
    }
    if (entry == nullptr || entry->events == nullptr) return;
    std::int32_t code;
    LParam param1, param2;
    while (succeeded(entry->events->GetEvent(&code, &param1, &param2, 0))) {
        entry->events->FreeEventParams(code, param1, param2);
        if (code == EC_COMPLETE) {
            rewindEntry(*entry);
            entry->control->Run();
        }
    }
}

void soundShutdown() {
    for (auto& [alias, entry] : soundBank) {
        entry.control->Stop();
        entry.control->Release();
        entry.graph->Release();
        entry.seeking->Release();
        if (entry.events != nullptr) detachEvents(entry);
    }
    soundBank.clear();
    CoUninitialize();
}
