// Small PNG files for tests, written with libpng's simplified interface.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

enum class PngLayout { Rgba, Rgb, GrayAlpha, PaletteWithAlpha };

// Writes straight RGBA pixels (4 bytes each, row by row) in the given layout;
// the layouts without alpha drop it. Returns the file's bytes.
std::string encodePng(std::uint32_t width, std::uint32_t height,
                      const std::vector<std::uint8_t>& rgba, PngLayout layout = PngLayout::Rgba);
