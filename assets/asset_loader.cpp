#include "assets/asset_loader.h"

#include "assets/sound_bank.h"
#include "platform/window.h"

ImageFrame* backgroundImage = nullptr;
ImageFrame* shipImage = nullptr;

namespace {

constexpr const wchar_t* kCaption = L"D2Dデモ";

struct SoundFile {
    const wchar_t* path;
    const wchar_t* alias;
};

// In loading order: a failure stops at the failing file.
constexpr SoundFile kSoundFiles[] = {
    {L"sound\\bgm01.mp3", L"bgm001"}, {L"sound\\bgm02.mp3", L"bgm002"},
    {L"sound\\bgm03.mp3", L"bgm003"}, {L"sound\\bom2.mp3", L"hit"},
    {L"sound\\SHOT.mp3", L"pow"},     {L"sound\\Loc2.mp3", L"loc"},
};

}  // namespace

bool loadAssets() {
    try {
        loadImage(L"images\\back01.png", &backgroundImage);
        loadImage(L"images\\jiki1.png", &shipImage);
    } catch (...) {
        MessageBox(nullptr, L"画像ファイルが開けません", kCaption, MB_OK);
        return false;
    }
    try {
        for (const SoundFile& file : kSoundFiles) soundLoad(file.path, file.alias);
    } catch (...) {
        MessageBox(nullptr, L"サウンドファイルが開けません", kCaption, MB_OK);
        return false;
    }
    return true;
}

void loadImage(const wchar_t* path, ImageFrame** image) {
    ImageDecoder* decoder = nullptr;
    if (wicFactory == nullptr ||
        failed(wicFactory->CreateDecoderFromFilename(
            path, nullptr, GENERIC_READ, DecodeOptions::MetadataCacheOnLoad, &decoder))) {
        throw -1;
    }
    ImageFrame* frame = nullptr;
    const HResult result = decoder->GetFrame(0, &frame);
    decoder->Release();  // the frame holds its own pixels
    if (failed(result)) throw -1;
    *image = frame;
}

HResult createBitmapFromImage(ImageFrame* image, RenderTarget* target, Bitmap** bitmap) {
    FormatConverter* converter = nullptr;
    HResult result = wicFactory->CreateFormatConverter(&converter);
    if (failed(result)) return result;
    result = converter->Initialize(image, PixelFormat::Premultiplied32bppBGRA, DitherType::None,
                                   nullptr, 0.0, PaletteType::MedianCut);
    if (succeeded(result)) result = target->CreateBitmapFromWicBitmap(converter, bitmap);
    converter->Release();
    return failed(result) ? result : S_OK;
}
