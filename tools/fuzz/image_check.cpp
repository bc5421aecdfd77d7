#include "platform/imaging.h"
#include "tools/fuzz/fuzz_checks.h"
#include "tools/fuzz/memory_file.h"
#include "tools/fuzz/owned.h"

namespace {

// The failures the imaging layer promises for bad files.
bool isPictureError(HResult result) {
    return result == WINCODEC_ERR_COMPONENTNOTFOUND || result == WINCODEC_ERR_BADIMAGE ||
           result == E_OUTOFMEMORY;
}

std::string checkConverted(const ImageFrame& frame, const PixelImage& image) {
    if (image.width != frame.width() || image.height != frame.height() ||
        image.pixels.size() != std::size_t{image.width} * image.height) {
        return "the converted picture does not match the frame's size";
    }
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t p = image.pixels[i];
        const std::uint32_t alpha = p >> 24;
        if ((p >> 16 & 0xFF) > alpha || (p >> 8 & 0xFF) > alpha || (p & 0xFF) > alpha) {
            return "a converted pixel has a colour above its alpha";
        }
        if (alpha != frame.rgba()[i * 4 + 3]) return "a converted pixel lost its alpha";
    }
    return {};
}

std::string checkFrame(ImagingFactory& factory, ImageDecoder& decoder, FuzzOutcome& outcome) {
    ImageFrame* frameOut = nullptr;
    if (decoder.GetFrame(1, &frameOut) != WINCODEC_ERR_FRAMEMISSING || frameOut != nullptr) {
        return "a frame other than 0 did not fail with WINCODEC_ERR_FRAMEMISSING";
    }
    const HResult result = decoder.GetFrame(0, &frameOut);
    if (failed(result)) {
        return isPictureError(result) ? std::string{} : "GetFrame failed with an unexpected code";
    }
    const Owned<ImageFrame> frame(frameOut);
    if (frame->width() == 0 || frame->height() == 0 ||
        frame->rgba().size() != std::size_t{frame->width()} * frame->height() * 4) {
        return "a decoded frame's pixels do not match its size";
    }
    FormatConverter* converterOut = nullptr;
    if (failed(factory.CreateFormatConverter(&converterOut))) return "no format converter";
    const Owned<FormatConverter> converter(converterOut);
    if (failed(converter->Initialize(frame.get(), PixelFormat::Premultiplied32bppBGRA,
                                     DitherType::None, nullptr, 0.0, PaletteType::MedianCut))) {
        return "a decoded frame failed to convert";
    }
    outcome.accepted = true;
    return checkConverted(*frame, *converter->pixels());
}

}  // namespace

FuzzOutcome checkImage(const std::uint8_t* data, std::size_t size) {
    FuzzOutcome outcome;
    static ImagingFactory* const factory = [] {
        ImagingFactory* made = nullptr;
        return succeeded(CreateImagingFactory(&made)) ? made : nullptr;
    }();
    const std::wstring path = writeMemoryFile(data, size);
    if (factory == nullptr || path.empty()) {
        outcome.fault = "cannot set up the imaging factory and the input file";
        return outcome;
    }
    ImageDecoder* decoderOut = nullptr;
    const HResult opened = factory->CreateDecoderFromFilename(
        path.c_str(), nullptr, GENERIC_READ, DecodeOptions::MetadataCacheOnLoad, &decoderOut);
    if (failed(opened)) {
        if (!isPictureError(opened)) outcome.fault = "opening failed with an unexpected code";
        return outcome;
    }
    const Owned<ImageDecoder> decoder(decoderOut);
    outcome.fault = checkFrame(*factory, *decoder, outcome);
    return outcome;
}
