// A media backend that only writes down what is asked of it, so the sound
// bank's calls and their order can be checked without any sound. Graphs are
// named after their file ("sound\a.mp3" is "a.mp3"); files whose name starts
// with "bad" fail to render.
#pragma once

#include <string>
#include <vector>

// Every call in order, e.g. "run a.mp3", "release control a.mp3".
extern std::vector<std::string> mediaCalls;

// Queues an event that the named graph's GetEvent will hand out.
void queueMediaEvent(const std::string& file, int code);

void resetFakeMedia();
