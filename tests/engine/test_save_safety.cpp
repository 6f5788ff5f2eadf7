// A save never damages the user's audio: failures leave every file as it
// was and nothing half-written behind.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "temp_dir.h"
#include "wav_builder.h"
#include "welvox.h"

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

std::vector<fs::path> filesIn(const fs::path& dir) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class SaveSafetyTest : public testing::Test {
protected:
    void SetUp() override {
        writeFile(source, original);
        record.path = sourcePath.c_str();
        ASSERT_EQ(FileOpen(sourcePath.c_str(), &record, 80, -1, nullptr), 1002);
        record.levelPercent = 50;
        record.muteAdjustBytes = 176400;
    }

    // Runs FileSave in a child process whose files may not grow beyond
    // limitBytes, as on a full disk; returns the child's FileSave result.
    int saveWithFileSizeLimit(const char* destination, int mode, rlim_t limitBytes) {
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{limitBytes, limitBytes};
            setrlimit(RLIMIT_FSIZE, &limit);
            TrackRecord r = record;
            _exit(FileSave(destination, &r, mode, nullptr) - 1000);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? 1000 + WEXITSTATUS(status) : -1;
    }

    TempDir dir;
    fs::path source = dir / "song.wav";
    std::string sourcePath = source.string();
    std::vector<uint8_t> original = makeWav(noise(100000));
    TrackRecord record{};
};

TEST_F(SaveSafetyTest, FullDiskInPlaceLeavesTheFileAsItWas) {
    EXPECT_EQ(saveWithFileSizeLimit("", 0, 150000), 1004);
    EXPECT_EQ(readFile(source), original);
    EXPECT_EQ(filesIn(dir.path()), std::vector<fs::path>{"song.wav"});
}

TEST_F(SaveSafetyTest, FullDiskDuringACopyLeavesNoPartialCopy) {
    const auto copy = dir / "M01_song.wav";
    EXPECT_EQ(saveWithFileSizeLimit(copy.c_str(), 1, 150000), 1004);
    EXPECT_EQ(filesIn(dir.path()), std::vector<fs::path>{"song.wav"});

    // An earlier file at the destination survives a failed copy too.
    writeFile(copy, {1, 2, 3});
    EXPECT_EQ(saveWithFileSizeLimit(copy.c_str(), 1, 150000), 1004);
    EXPECT_EQ(readFile(copy), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(readFile(source), original);
}

TEST_F(SaveSafetyTest, FailuresLeaveTheRecord) {
    const TrackRecord before = record;
    const auto missingFolder = dir / "no-such-folder" / "M01_song.wav";
    EXPECT_EQ(FileSave(missingFolder.c_str(), &record, 1, nullptr), 1003);
    fs::remove(source);
    EXPECT_EQ(FileSave("", &record, 0, nullptr), 1003);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    EXPECT_TRUE(filesIn(dir.path()).empty());
}

TEST_F(SaveSafetyTest, SavingThroughASymbolicLinkReplacesItsTarget) {
    const auto link = dir / "link.wav";
    fs::create_symlink(source, link);
    const std::string linkPath = link.string();
    record.path = linkPath.c_str();
    ASSERT_EQ(FileSave("", &record, 0, nullptr), 1002);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::file_size(source), original.size() + 176400);
}

TEST_F(SaveSafetyTest, SavingInPlaceKeepsThePermissions) {
    fs::permissions(source, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(FileSave("", &record, 0, nullptr), 1002);
    EXPECT_EQ(fs::status(source).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
