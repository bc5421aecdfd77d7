// Pictures of traced frames: the chosen frames drawn again by the software
// renderer with the real pictures of data/, and written as PNG files.
#pragma once

#include <cstdint>
#include <string>

#include "platform/render.h"

class SoftwareRenderTarget;

class FramePictures {
  public:
    FramePictures() = default;
    ~FramePictures();
    FramePictures(const FramePictures&) = delete;
    FramePictures& operator=(const FramePictures&) = delete;

    // Decodes the two pictures of the data folder and checks that the output
    // folder exists. On failure returns false with one line in error.
    bool open(const std::string& dataDirectory, const std::string& outputDirectory,
              std::string& error);

    Bitmap* ship() const { return ship_; }
    Bitmap* background() const { return background_; }
    RenderTarget* target() const;

    // Writes what the target drew since the last write as frame-NNNNN.png.
    bool write(std::uint32_t frame, std::string& error);

  private:
    std::string outputDirectory_;
    Bitmap* ship_ = nullptr;
    Bitmap* background_ = nullptr;
    SoftwareRenderTarget* target_ = nullptr;
};
