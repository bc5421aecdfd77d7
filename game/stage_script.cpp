#include <cwchar>

#include "assets/sound_bank.h"
#include "game/game.h"
#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "gfx/glow.h"

namespace {

struct MusicCue {
    float clock;
    const wchar_t* alias;
};
constexpr MusicCue kMusicCues[] = {
    {10.0f, L"bgm001"},   {2500.0f, L"bgm002"},  {5000.0f, L"bgm003"},
    {7500.0f, L"bgm001"}, {10000.0f, L"bgm002"}, {12500.0f, L"bgm003"},
};

// The closing texts; neighbouring windows share their end frame, so two texts overlap there.
struct ClosingText {
    float from;
    float to;
    const wchar_t* text;
};
constexpr ClosingText kClosingTexts[] = {
    {13500.0f, 13700.0f, L"ヴェルナス\nのSOLVANE OMV-24が\n敵対抗勢力圏内突破！"},
    {13700.0f, 13900.0f, L"敵帝国軍戦闘機\nKRYSZENを\n全滅した！\nGAME CLEAR\nOVER ALL"},
    {13900.0f, 14100.0f, L"企画・制作\nグラフィック・BGM\nプログラム\nKOBALDEN\nTOVENSA"},
};
constexpr std::uint32_t kTextColor = 0xFFFF00;

constexpr RectF kStagePictureSource = {600.0f, 0.0f, 1800.0f, 768.0f};

bool clockWithin(float from, float to) {
    return stageClock >= from && stageClock <= to;
}

// The layout box is only 20 pixels high: the lines run on below it, unclipped.
void drawClosingText(RenderTarget* target, const wchar_t* text) {
    largeTextFormat->SetTextAlignment(TextAlignment::Center);
    brush->SetColor(colorFromRgb(kTextColor, 1.0f));
    target->DrawText(text, static_cast<std::uint32_t>(std::wcslen(text)), largeTextFormat,
                     makeRect(0.0f, 280.0f, 600.0f, 300.0f), brush);
}

// Drawn at half width over the whole window; its lowest rows fall below the client area.
void drawStagePicture(RenderTarget* target) {
    target->DrawBitmap(backgroundBitmap, makeRect(0.0f, 0.0f, 600.0f, 768.0f), 1.0f,
                       BitmapInterpolation::Linear, kStagePictureSource);
}

}  // namespace

void updateStageScript(RenderTarget* target) {
    for (const MusicCue& cue : kMusicCues) {
        if (stageClock == cue.clock) soundReplay(cue.alias, 0, nullptr);
    }
    for (const ClosingText& closing : kClosingTexts) {
        if (clockWithin(closing.from, closing.to)) drawClosingText(target, closing.text);
    }
    if (clockWithin(14100.0f, kStageLength)) drawStagePicture(target);

    stageClock += 1.0f;

    // Tested after the advance, so the picture opens each pass for 100 frames.
    if (clockWithin(0.0f, 100.0f)) drawStagePicture(target);
    if (stageClock >= kStageLength) stageClock = 0.0f;
}
