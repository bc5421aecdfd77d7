#include <new>

#include "platform/files.h"
#include "platform/imaging.h"
#include "platform/imaging/png_decoder.h"

HResult CreateImagingFactory(ImagingFactory** factory) {
    if (factory == nullptr) return E_POINTER;
    *factory = new (std::nothrow) ImagingFactory();
    return *factory != nullptr ? S_OK : E_OUTOFMEMORY;
}

HResult ImagingFactory::CreateDecoderFromFilename(const wchar_t* path, const void*,
                                                  std::uint32_t desiredAccess, DecodeOptions,
                                                  ImageDecoder** decoder) {
    if (path == nullptr || decoder == nullptr) return E_POINTER;
    if (desiredAccess != GENERIC_READ) return E_INVALIDARG;
    std::vector<std::uint8_t> bytes;
    try {
        if (!readWholeFile(path, bytes)) return E_FAIL;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return PngDecoder::open(std::move(bytes), decoder);
}

HResult ImagingFactory::CreateFormatConverter(FormatConverter** converter) {
    if (converter == nullptr) return E_POINTER;
    *converter = new (std::nothrow) FormatConverter();
    return *converter != nullptr ? S_OK : E_OUTOFMEMORY;
}
