// The PNG decoder behind ImagingFactory: keeps the file's bytes and decodes
// frame 0 from them with libpng on request.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/imaging.h"

class PngDecoder : public ImageDecoder {
  public:
    // Checks the signature and header; the bytes stay with the decoder.
    static HResult open(std::vector<std::uint8_t> bytes, ImageDecoder** decoder);

    HResult GetFrame(std::uint32_t index, ImageFrame** frame) override;

  private:
    explicit PngDecoder(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::vector<std::uint8_t> bytes_;
};
