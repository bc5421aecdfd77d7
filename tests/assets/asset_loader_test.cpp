// loadAssets from a prepared current directory: the two message boxes and how
// far each group gets, and bitmaps rebuilt from the decoded frames alone.
#include "assets/asset_loader.h"

#include <gtest/gtest.h>

#include "assets/sound_bank.h"
#include "tests/imaging/png_fixture.h"
#include "tests/imaging/scratch_dir.h"
#include "tests/media/window_double.h"
#include "tests/support/op_recorder.h"

ImagingFactory* wicFactory = nullptr;  // the application shell's, here the test's

namespace {

const std::filesystem::path kFixtures = SKYRAIL_MEDIA_FIXTURES;
const std::wstring kImageMessage = L"画像ファイルが開けません";
const std::wstring kSoundMessage = L"サウンドファイルが開けません";

std::vector<std::uint8_t> gradient(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> rgba;
    for (std::uint32_t i = 0; i < width * height; ++i) {
        rgba.insert(rgba.end(),
                    {static_cast<std::uint8_t>(i * 7), 40, 200, static_cast<std::uint8_t>(i * 13)});
    }
    return rgba;
}

std::vector<std::wstring> aliases() {
    std::vector<std::wstring> names;
    for (const auto& [alias, entry] : soundBank) names.push_back(alias);
    return names;
}

// A complete data folder: two small pictures and six short tones.
class AssetLoaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        dir.write("images/back01.png", encodePng(6, 4, gradient(6, 4)));
        dir.write("images/jiki1.png", encodePng(5, 3, gradient(5, 3)));
        for (const char* name : {"bgm01", "bgm02", "bgm03", "bom2", "SHOT", "Loc2"}) {
            dir.copy(kFixtures / "tone_440.mp3", std::string("sound/") + name + ".mp3");
        }
        ASSERT_EQ(CreateImagingFactory(&wicFactory), S_OK);
        soundInit();
        messageBoxTexts.clear();
    }
    void TearDown() override {
        soundShutdown();
        for (ImageFrame** image : {&backgroundImage, &shipImage}) {
            if (*image != nullptr) (*image)->Release();
            *image = nullptr;
        }
        wicFactory->Release();
        unsetenv("SDL_AUDIODRIVER");
    }

    ScratchDir dir;
    CurrentDirectory here{dir.path()};
};

TEST_F(AssetLoaderTest, EverythingLoads) {
    EXPECT_TRUE(loadAssets());
    EXPECT_TRUE(messageBoxTexts.empty());
    ASSERT_NE(backgroundImage, nullptr);
    ASSERT_NE(shipImage, nullptr);
    EXPECT_EQ(backgroundImage->width(), 6u);
    EXPECT_EQ(shipImage->width(), 5u);
    EXPECT_EQ(aliases(),
              (std::vector<std::wstring>{L"bgm001", L"bgm002", L"bgm003", L"hit", L"loc", L"pow"}));
}

TEST_F(AssetLoaderTest, ABadPictureShowsTheImageMessageAndLoadsNoSound) {
    const std::string png = readBytes(dir / "images/back01.png");
    const struct {
        const char* name;
        const char* file;
        std::string bytes;  // empty: the file is removed
    } cases[] = {
        {"no images folder", "images", ""},
        {"background cut short", "images/back01.png", png.substr(0, png.size() - 30)},
        {"ship sheet is text", "images/jiki1.png", "GIF89a? no, plain text"},
        {"ship sheet missing", "images/jiki1.png", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir copy;
        std::filesystem::copy(dir.path(), copy.path(), std::filesystem::copy_options::recursive);
        if (c.bytes.empty()) {
            std::filesystem::remove_all(copy / c.file);
        } else {
            copy.write(c.file, c.bytes);
        }
        CurrentDirectory there(copy.path());
        messageBoxTexts.clear();
        EXPECT_FALSE(loadAssets());
        EXPECT_EQ(messageBoxTexts, std::vector<std::wstring>{kImageMessage});
        EXPECT_EQ(lastMessageBoxCaption, L"D2Dデモ");
        EXPECT_TRUE(soundBank.empty());
        for (ImageFrame** image : {&backgroundImage, &shipImage}) {
            if (*image != nullptr) (*image)->Release();
            *image = nullptr;
        }
    }
}

TEST_F(AssetLoaderTest, ABadLastSoundStopsAfterTheFirstFive) {
    const std::string tone = readBytes(kFixtures / "tone_440.mp3");
    const struct {
        const char* name;
        std::string bytes;  // empty: the file is removed
    } cases[] = {
        {"missing", ""},
        {"garbage", std::string(3000, '\x5A')},
        {"cut short", tone.substr(0, tone.size() / 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.bytes.empty()) {
            std::filesystem::remove(dir / "sound/Loc2.mp3");
        } else {
            dir.write("sound/Loc2.mp3", c.bytes);
        }
        messageBoxTexts.clear();
        EXPECT_FALSE(loadAssets());
        EXPECT_EQ(messageBoxTexts, std::vector<std::wstring>{kSoundMessage});
        EXPECT_EQ(lastMessageBoxCaption, L"D2Dデモ");
        EXPECT_EQ(aliases(),
                  (std::vector<std::wstring>{L"bgm001", L"bgm002", L"bgm003", L"hit", L"pow"}));
        soundShutdown();
        soundInit();
        for (ImageFrame** image : {&backgroundImage, &shipImage}) {
            (*image)->Release();
            *image = nullptr;
        }
    }
}

TEST_F(AssetLoaderTest, BitmapsAreRebuiltFromTheDecodedFramesWithoutTheFiles) {
    ASSERT_TRUE(loadAssets());
    OpRecorder target;
    Bitmap* first[2] = {};
    ASSERT_EQ(createBitmapFromImage(shipImage, &target, &first[0]), S_OK);
    ASSERT_EQ(createBitmapFromImage(backgroundImage, &target, &first[1]), S_OK);

    // The device is lost after the files have gone: the rebuild needs no file.
    std::filesystem::remove_all(dir / "images");
    for (Bitmap* bitmap : first) bitmap->Release();
    OpRecorder newTarget;
    Bitmap* ship = nullptr;
    Bitmap* background = nullptr;
    ASSERT_EQ(createBitmapFromImage(shipImage, &newTarget, &ship), S_OK);
    ASSERT_EQ(createBitmapFromImage(backgroundImage, &newTarget, &background), S_OK);

    EXPECT_EQ(ship->GetPixelSize().width, 5u);
    EXPECT_EQ(background->GetPixelSize().height, 4u);
    // Pixel 1 of the background: red 7, green 40, blue 200 at alpha 13, premultiplied.
    EXPECT_EQ(background->image().pixels[1], 0x0D00020Au);
    ship->Release();
    background->Release();
}

}  // namespace
