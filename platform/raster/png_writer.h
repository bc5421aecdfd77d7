// Frames written out as PNG pictures (screenshots, bug reports, tests).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/render.h"

// Straight (not premultiplied) 8-bit RGBA, 4 bytes per pixel, row by row.
// Fully transparent pixels come out as 0, 0, 0, 0.
std::vector<std::uint8_t> toStraightRgba(const PixelImage& frame);

// Writes the frame as an RGBA PNG; false if the file cannot be written.
bool writePng(const PixelImage& frame, const std::string& path);
