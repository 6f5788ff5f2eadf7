// Saving under hostile conditions, on real files: other names of one file, a
// source cut short, long names, folders and files of other users, kills,
// trailing chunks and read-only sources. Checks that need a second user run
// in a child process as "nobody" and are skipped without root.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "replacement_file.h"
#include "temp_dir.h"
#include "wav_builder.h"
#include "welvox.h"

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

struct ChildLimits {
    bool asNobody = false;
    rlim_t fileSizeLimit = RLIM_INFINITY;
};

// Runs work in a child process (as nobody, with a file size limit as on a
// full disk) and returns its result; -1 when it did not end by itself within
// ten seconds or was killed.
int inChild(const std::function<int()>& work, ChildLimits limits = {}) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(10);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limits.fileSizeLimit, limits.fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &size);
        if (limits.asNobody && (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
                                setresuid(kNobody, kNobody, kNobody) != 0))
            _exit(255);
        _exit(work() - 1000);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? 1000 + WEXITSTATUS(status) : -1;
}

std::vector<fs::path> namesIn(const fs::path& dir) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class SaveHardeningTest : public testing::Test {
protected:
    void SetUp() override {
        fs::permissions(dir.path(), fs::perms::all);
        writeFile(source, original);
        record = analysed(sourcePath);
        // The rendered track, as a plain copy to a fresh name writes it.
        TrackRecord r = record;
        const auto reference = dir / "reference.wav";
        ASSERT_EQ(FileSave(reference.c_str(), &r, 1, nullptr), 1002);
        rendered = readFile(reference);
        fs::remove(reference);
    }

    // Analysed, with level 50 and one second of appended silence, so that the
    // saved file differs everywhere from the source and grows.
    static TrackRecord analysed(const std::string& path) {
        TrackRecord r{};
        r.path = path.c_str();
        EXPECT_EQ(FileOpen(path.c_str(), &r, 80, -1, nullptr), 1002);
        r.levelPercent = 50;
        r.muteAdjustBytes = 176400;
        return r;
    }

    int save(const fs::path& destination, int mode, ChildLimits limits = {}) {
        return inChild(
            [&] {
                TrackRecord r = record;
                return FileSave(destination.c_str(), &r, mode, nullptr);
            },
            limits);
    }

    TempDir dir;
    fs::path source = dir / "song.wav";
    std::string sourcePath = source.string();
    std::vector<uint8_t> original = makeWav(noise(100000));
    std::vector<uint8_t> rendered;
    TrackRecord record{};
};

TEST_F(SaveHardeningTest, CopyOntoAnyNameOfTheSourceHoldsTheRenderedTrack) {
    const std::vector<std::pair<const char*, fs::path>> destinations = {
        {"dot", dir / "." / "song.wav"},
        {"dot-dot", dir / "sub" / ".." / "song.wav"},
        {"symbolic link", dir / "link.wav"},
        {"hard link", dir / "hard.wav"},
    };
    for (const auto& [spelling, destination] : destinations) {
        writeFile(source, original);
        for (const char* name : {"link.wav", "hard.wav", "kept.wav"}) fs::remove(dir / name);
        fs::create_directories(dir / "sub");
        fs::create_symlink(source, dir / "link.wav");
        fs::create_hard_link(source, dir / "hard.wav");
        fs::create_hard_link(source, dir / "kept.wav");
        TrackRecord r = record;
        ASSERT_EQ(FileSave(destination.c_str(), &r, 1, nullptr), 1002) << spelling;
        EXPECT_EQ(readFile(destination), rendered) << spelling;
        EXPECT_EQ(readFile(dir / "kept.wav"), original) << spelling << ": another name of the source changed";
    }
}

TEST_F(SaveHardeningTest, ASourceCutShortIsNotSaved) {
    const auto copy = dir / "M01_song.wav";
    const std::vector<uint8_t> earlier = {1, 2, 3};
    for (const int mode : {1, 0})
        for (const bool whileSaving : {false, true}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << (whileSaving ? ", cut while saving" : ", cut before"));
            writeFile(source, original);
            writeFile(copy, earlier);
            const int result = inChild([&] {
                static const char* cutPath;
                cutPath = sourcePath.c_str();
                if (!whileSaving && truncate(cutPath, 1000) != 0) return 0;
                TrackRecord r = record;
                return FileSave(copy.c_str(), &r, mode, [](int32_t) { return truncate(cutPath, 1000); });
            });
            EXPECT_EQ(result, 1003);
            EXPECT_EQ(readFile(copy), earlier);
            EXPECT_EQ(readFile(source), slice(original, 0, 1000));
        }
}

TEST_F(SaveHardeningTest, NamesUpToTheLongestAreSaved) {
    const fs::path longSource = dir / (std::string(251, 'a') + ".wav");
    const fs::path longCopy = dir / ("M01_" + std::string(247, 'b') + ".wav");
    fs::rename(source, longSource);
    const std::string longPath = longSource.string();
    record.path = longPath.c_str();
    for (const auto& [mode, saved] : {std::pair{1, longCopy}, std::pair{0, longSource}}) {
        EXPECT_EQ(save(longCopy, mode), 1002) << "mode " << mode;
        EXPECT_EQ(readFile(saved), rendered) << "mode " << mode;
    }
}

TEST_F(SaveHardeningTest, InPlaceWithoutAWritableFolderOrAsAnotherUser) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as a second user (nobody)";
    struct Case {
        const char* name;
        fs::perms folder;
        rlim_t fileSizeLimit;
        int result;
    };
    const fs::perms readOnly = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec;
    for (const Case& c : {Case{"read-only folder", readOnly, RLIM_INFINITY, 1002},
                          Case{"file of another owner", fs::perms::all, RLIM_INFINITY, 1002},
                          Case{"read-only folder, disk full", readOnly, original.size(), 1004},
                          Case{"file of another owner, disk full", fs::perms::all, original.size(), 1004}}) {
        fs::permissions(dir.path(), fs::perms::all);
        writeFile(source, original);
        fs::permissions(source, fs::perms::all);
        fs::permissions(dir.path(), c.folder);
        EXPECT_EQ(save("", 0, {.asNobody = true, .fileSizeLimit = c.fileSizeLimit}), c.result) << c.name;
        EXPECT_EQ(readFile(source), c.result == 1002 ? rendered : original) << c.name;
        struct stat st {};
        ASSERT_EQ(stat(source.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 0u) << c.name << ": the file changed owner";
    }
    fs::permissions(dir.path(), fs::perms::all);
    EXPECT_EQ(namesIn(dir.path()), std::vector<fs::path>{"song.wav"});
}

TEST_F(SaveHardeningTest, AKilledSaveLeavesNothingBehind) {
    const auto copy = dir / "M01_song.wav";
    for (const int mode : {1, 0}) {
        const int result = inChild([&] {
            TrackRecord r = record;
            return FileSave(copy.c_str(), &r, mode, [](int32_t) { return raise(SIGKILL); });
        });
        EXPECT_EQ(result, -1);
        EXPECT_EQ(namesIn(dir.path()), std::vector<fs::path>{"song.wav"}) << "mode " << mode;
        EXPECT_EQ(readFile(source), original);
    }
    // Where the file system cannot make unnamed files, a killed save leaves
    // a hidden file of its own pattern; the next save to that name removes it.
    const auto abandoned = dir / (welvox::ReplacementFile::hiddenNamePrefix("M01_song.wav") + "99999-0.part");
    writeFile(abandoned, {1, 2, 3});
    EXPECT_EQ(save(copy, 1), 1002);
    EXPECT_EQ(namesIn(dir.path()), (std::vector<fs::path>{"M01_song.wav", "song.wav"}));
}

TEST_F(SaveHardeningTest, InPlaceKeepsARiffSizeThatCountsTrailingChunks) {
    const auto tagged = makeWav(noise(100000), {.listAfterData = true});
    const uint32_t fileRiff = tagged[4] | tagged[5] << 8 | tagged[6] << 16 | uint32_t(tagged[7]) << 24;
    for (const int adjust : {0, -88200}) {
        writeFile(source, tagged);
        TrackRecord r = analysed(sourcePath);
        r.muteAdjustBytes = adjust;
        ASSERT_EQ(FileSave("", &r, 0, nullptr), 1002);
        EXPECT_EQ(slice(readFile(source), 4, 4), slice(tagged, 4, 4)) << "adjust " << adjust;
        EXPECT_EQ(uint32_t(r.riffBytes), fileRiff) << "adjust " << adjust;
    }
}

TEST_F(SaveHardeningTest, AReadOnlySourceIsCopied) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as a second user (nobody), for whom the file is read-only";
    fs::permissions(source, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto copy = dir / "M01_song.wav";
    EXPECT_EQ(save(copy, 1, {.asNobody = true}), 1002);
    EXPECT_EQ(readFile(copy), rendered);
    EXPECT_EQ(readFile(source), original);
}

TEST_F(SaveHardeningTest, SpecialFilesAreRefusedWithoutWaiting) {
    const auto fifo = dir / "x.wav";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
    const std::string fifoPath = fifo.string();
    EXPECT_EQ(inChild([&] {
                  TrackRecord r{};
                  return FileOpen(fifoPath.c_str(), &r, 80, -1, nullptr);
              }),
              1003);
    record.path = fifoPath.c_str();
    EXPECT_EQ(save("", 0), 1003);
    EXPECT_EQ(FileOpen(dir.path().c_str(), &record, 80, -1, nullptr), 1003);
}

}  // namespace
