#include "tests/game/game_fixture.h"

namespace {

constexpr RectF kStagePicture = {600, 0, 1800, 768};

using StageScriptTest = GameTest;

const std::wstring kStory = L"ヴェルナス\nのSOLVANE OMV-24が\n敵対抗勢力圏内突破！";
const std::wstring kClear = L"敵帝国軍戦闘機\nKRYSZENを\n全滅した！\nGAME CLEAR\nOVER ALL";
const std::wstring kCredits = L"企画・制作\nグラフィック・BGM\nプログラム\nKOBALDEN\nTOVENSA";

bool isStagePicture(const DrawOp& op) {
    return op.kind == DrawOp::BitmapDraw && op.bitmap == backgroundBitmap &&
           sameRect(op.source, kStagePicture) && sameRect(op.destination, {0, 0, 600, 768});
}

TEST_F(StageScriptTest, OnePassPlaysEachCueOnceAndShowsThePicture300Times) {
    int pictureFrames = 0;
    int textFrames[3] = {};
    for (int frame = 0; frame < 14300; ++frame) {
        target.ops.clear();
        updateStageScript(&target);
        for (const DrawOp& op : target.ops) {
            if (isStagePicture(op)) ++pictureFrames;
            if (op.kind != DrawOp::Text) continue;
            textFrames[0] += op.text == kStory ? 1 : 0;
            textFrames[1] += op.text == kClear ? 1 : 0;
            textFrames[2] += op.text == kCredits ? 1 : 0;
        }
    }
    EXPECT_EQ(stageClock, 0.0f);
    EXPECT_EQ(pictureFrames, 300);
    for (int text = 0; text < 3; ++text) EXPECT_EQ(textFrames[text], 201) << "text " << text;
    EXPECT_EQ(soundLog, (std::vector<std::wstring>{L"bgm001", L"bgm002", L"bgm003", L"bgm001",
                                                   L"bgm002", L"bgm003"}));
}

struct ScriptCase {
    float clock;
    std::vector<std::wstring> texts;  // in drawing order
    bool pictureLast;
    float clockAfter;
};

TEST_F(StageScriptTest, TextsAndPictureByTheClock) {
    const ScriptCase cases[] = {
        {0, {}, true, 1},
        {99, {}, true, 100},
        {100, {}, false, 101},
        {13499, {}, false, 13500},
        {13500, {kStory}, false, 13501},
        {13700, {kStory, kClear}, false, 13701},
        {13900, {kClear, kCredits}, false, 13901},
        {14099, {kCredits}, false, 14100},
        {14100, {kCredits}, true, 14101},  // the picture covers the credits
        {14299, {}, true, 0},              // closing picture only; the clock wraps
    };
    for (const ScriptCase& c : cases) {
        target.ops.clear();
        stageClock = c.clock;
        updateStageScript(&target);
        SCOPED_TRACE(testing::Message() << "clock " << c.clock);
        std::vector<std::wstring> texts;
        for (const DrawOp& op : target.ops) {
            if (op.kind != DrawOp::Text) continue;
            texts.push_back(op.text);
            EXPECT_EQ(op.alignment, TextAlignment::Center);
            EXPECT_TRUE(sameRect(op.destination, {0, 280, 600, 300}));
            EXPECT_EQ(op.color.r, 1.0f);
            EXPECT_EQ(op.color.g, 1.0f);
            EXPECT_EQ(op.color.b, 0.0f);
            EXPECT_EQ(op.color.a, 1.0f);
        }
        EXPECT_EQ(texts, c.texts);
        const int pictures = countOps(DrawOp::BitmapDraw);
        EXPECT_EQ(pictures, c.pictureLast ? 1 : 0);
        if (c.pictureLast) {
            EXPECT_TRUE(isStagePicture(target.ops.back()));
        }
        EXPECT_EQ(stageClock, c.clockAfter);
    }
}

}  // namespace
