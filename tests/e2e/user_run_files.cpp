// The files of the end-to-end run (user_run.sh), and the judgement of what
// the run left behind:
//
//   user_run_files inputs FOLDER
//       writes the tracks the user opens
//   user_run_files heard RECORDING
//       succeeds when the raw 16-bit recording of the audio output holds sound
//   user_run_files check RUN AUTO_MUTE FADE_PIXEL
//       judges the run's folder RUN (inputs/, decoded/, saved/ and the
//       settings file home/.config/SVL.ini) after a run that set the gap to
//       AUTO_MUTE CD frames and the fade-in end at pixel FADE_PIXEL of the
//       fade editor's picture
//
// Every fault is printed on its own line; the exit status is 1 when there
// was one.
#include "decoded_mp3_check.h"
#include "edited_list.h"
#include "run_inputs.h"
#include "saved_files_check.h"
#include "stored_settings_check.h"
#include "wav_builder.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int HeardLevel = 1000;

int usage()
{
    std::fputs("usage: user_run_files inputs FOLDER | heard RECORDING | check RUN AUTO_MUTE FADE_PIXEL\n", stderr);
    return 2;
}

int heard(const std::filesystem::path& recording)
{
    const std::vector<uint8_t> bytes = testsupport::readFile(recording);
    int peak = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        int16_t sample;
        std::memcpy(&sample, bytes.data() + i, 2);
        peak = std::max(peak, std::abs(int(sample)));
    }
    std::printf("loudest sample heard: %d\n", peak);
    return peak >= HeardLevel ? 0 : 1;
}

int check(const std::filesystem::path& run, int32_t autoMute, int fadePixel)
{
    const std::filesystem::path scratch = run / "scratch";
    std::filesystem::create_directories(scratch);
    QStringList failures;
    QStringList files;
    for (const userrun::InputTrack& track : userrun::inputTracks()) {
        const std::filesystem::path opened = userrun::isMp3(track) ? run / "decoded" / userrun::openedTitle(track)
                                                                   : run / "inputs" / track.file;
        if (userrun::isMp3(track))
            userrun::checkDecodedFile(run / "inputs" / track.file, opened, scratch, failures);
        files << QString::fromStdString(opened.string());
    }

    PlayList list;
    QString error;
    if (!userrun::buildEditedList(list, files, {autoMute, fadePixel}, error)) {
        failures << error;
    } else {
        userrun::checkSavedFiles(list, run / "saved", scratch, failures);
        userrun::checkLevelsAndGaps(run / "saved", userrun::savedNames(list), autoMute, failures);
    }
    userrun::checkStoredSettings(QString::fromStdString((run / "home/.config/SVL.ini").string()), autoMute,
                                 failures);
    for (const QString& failure : failures)
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(failure));
    if (failures.isEmpty())
        std::puts("saved files, decoded file and stored settings are as expected");
    return failures.isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "inputs") == 0) {
        userrun::writeInputs(argv[2]);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "heard") == 0)
        return heard(argv[2]);
    if (argc == 5 && std::strcmp(argv[1], "check") == 0)
        return check(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    return usage();
}
