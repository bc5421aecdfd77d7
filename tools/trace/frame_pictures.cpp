#include "tools/trace/frame_pictures.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/imaging.h"
#include "platform/raster/png_writer.h"
#include "platform/raster/software_target.h"

namespace {

// Frame 0 of a PNG file as a premultiplied bitmap, or null.
Bitmap* decodePicture(ImagingFactory* factory, const std::string& path) {
    const std::wstring widePath(path.begin(), path.end());
    ImageDecoder* decoder = nullptr;
    if (failed(factory->CreateDecoderFromFilename(widePath.c_str(), nullptr, GENERIC_READ,
                                                  DecodeOptions::MetadataCacheOnLoad, &decoder))) {
        return nullptr;
    }
    ImageFrame* frame = nullptr;
    FormatConverter* converter = nullptr;
    Bitmap* bitmap = nullptr;
    if (succeeded(decoder->GetFrame(0, &frame)) &&
        succeeded(factory->CreateFormatConverter(&converter)) &&
        succeeded(converter->Initialize(frame, PixelFormat::Premultiplied32bppBGRA,
                                        DitherType::None, nullptr, 0.0, PaletteType::Custom))) {
        bitmap = new Bitmap(*converter->pixels());
    }
    if (converter != nullptr) converter->Release();
    if (frame != nullptr) frame->Release();
    decoder->Release();
    return bitmap;
}

bool isDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

FramePictures::~FramePictures() {
    if (target_ != nullptr) target_->Release();
    if (ship_ != nullptr) ship_->Release();
    if (background_ != nullptr) background_->Release();
}

bool FramePictures::open(const std::string& dataDirectory, const std::string& outputDirectory,
                         std::string& error) {
    if (!isDirectory(outputDirectory)) {
        error = "--png: '" + outputDirectory + "' is not a directory";
        return false;
    }
    outputDirectory_ = outputDirectory;

    ImagingFactory* factory = nullptr;
    if (failed(CreateImagingFactory(&factory))) {
        error = "--png: cannot start the PNG decoder";
        return false;
    }
    const std::string backPath = dataDirectory + "/images/back01.png";
    const std::string shipPath = dataDirectory + "/images/jiki1.png";
    background_ = decodePicture(factory, backPath);
    ship_ = decodePicture(factory, shipPath);
    factory->Release();
    if (background_ == nullptr || ship_ == nullptr) {
        error = "--png: cannot read the picture '" +
                (background_ == nullptr ? backPath : shipPath) + "'";
        return false;
    }
    target_ = new SoftwareRenderTarget({600, 720});
    target_->BeginDraw();
    return true;
}

RenderTarget* FramePictures::target() const {
    return target_;
}

bool FramePictures::write(std::uint32_t frame, std::string& error) {
    target_->EndDraw();
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%05u.png", static_cast<unsigned>(frame));
    const std::string path = outputDirectory_ + name;
    const bool written = writePng(target_->frame(), path);
    target_->BeginDraw();
    if (!written) error = "cannot write '" + path + "'";
    return written;
}
