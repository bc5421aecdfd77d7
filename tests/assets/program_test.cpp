// The program itself, started from prepared folders: any picture or sound it
// cannot load ends it with status 1 after the matching message, before its
// window exists.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "tests/imaging/scratch_dir.h"

namespace {

const std::filesystem::path kData = SKYRAIL_DATA_DIR;
const std::string kImageMessage = "D2Dデモ: 画像ファイルが開けません";
const std::string kSoundMessage = "D2Dデモ: サウンドファイルが開けません";

struct Outcome {
    int status = -1;
    std::string errors;
};

Outcome runProgramIn(const ScratchDir& dir) {
    const std::string command = "cd '" + dir.path().string() +
                                "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "
                                "SKYRAIL_NO_MESSAGE_BOX=1 timeout 60 '" SKYRAIL_PROGRAM
                                "' 2> errors.txt";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(dir / "errors.txt")};
}

TEST(ProgramAssets, AnAssetItCannotLoadEndsItWithStatusOne) {
    const std::string background = readBytes(kData / "images/back01.png");
    const struct {
        const char* name;
        const char* file;   // null: an empty folder
        std::string bytes;  // empty: the file is removed
        bool picture;       // the picture message, else the sound message
    } cases[] = {
        {"no data at all", nullptr, "", true},
        {"background cut short", "images/back01.png", background.substr(0, background.size() / 2),
         true},
        {"no lock-on sound", "sound/Loc2.mp3", "", false},
        {"lock-on sound is garbage", "sound/Loc2.mp3", std::string(5000, '\x33'), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        if (c.file != nullptr) {
            std::filesystem::copy(kData, dir.path(), std::filesystem::copy_options::recursive);
            if (c.bytes.empty()) {
                std::filesystem::remove(dir / c.file);
            } else {
                dir.write(c.file, c.bytes);
            }
        }
        const Outcome outcome = runProgramIn(dir);
        EXPECT_EQ(outcome.status, 1);
        const std::string& shown = c.picture ? kImageMessage : kSoundMessage;
        const std::string& notShown = c.picture ? kSoundMessage : kImageMessage;
        EXPECT_NE(outcome.errors.find(shown), std::string::npos) << outcome.errors;
        EXPECT_EQ(outcome.errors.find(notShown), std::string::npos);
    }
}

}  // namespace
