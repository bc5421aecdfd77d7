// The drawing resources the benchmark draws with: the two pictures from data/
// (or stand-ins of the same size when a picture cannot be read), the glow
// stroke, the text formats and the brush, all pointed to by the shared
// drawing resources of gfx/draw_resources.h.
#pragma once

#include <string>

// Returns a note for each picture that had to be stood in for (empty: none).
std::string setUpBenchResources(const std::string& dataDirectory);
