// The round trip: an image (the program's own, written from a list, or one
// with a silent pause built from the format's tables) opened, taken into a
// new list, saved where the list has silences to write, written again: the
// main streams are equal byte for byte, and so are the tracks' starts, the
// ISRCs, the catalog number and the texts.
#include "EngineClient.h"
#include "cd_text_packs.h"
#include "master_of_list.h"
#include "image_builder.h"
#include "image_writer.h"
#include "taken_list.h"
#include "taken_texts.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <functional>

namespace fs = std::filesystem;

namespace {

QString qpath(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

void addFile(PlayList& list, const QString& path)
{
    Track analysed;
    analysed.path = path;
    analysed.title = path.section(u'/', -1);
    ASSERT_EQ(engineclient::analyse(analysed, true, nullptr), ENGINE_SUCCESS);
    const int slot = list.AddTrack(analysed.title, path, analysed.record);
    list.TrackAt(slot).version = FileVersion::OfRegularFile(path);
}

// A list of three tracks with Japanese texts, credits, ISRCs and a catalog
// number, written as the program's own image.
void writeOwnImage(const fs::path& folder)
{
    PlayList list;
    const size_t frames[] = {400 * 588 + 3, 375 * 588, 500 * 588};
    for (int i = 0; i < 3; ++i) {
        const fs::path path = folder.parent_path() / ("source" + std::to_string(i) + ".wav");
        testsupport::writeFile(path, testsupport::makeWav(testsupport::noise(2 * frames[i], 20000, uint32_t(i + 3))));
        addFile(list, qpath(path));
        list.TrackAt(i + 1).texts = {.title = QStringLiteral("曲%1").arg(i + 1), .performer = QStringLiteral("山田"),
                                     .isrc = i == 1 ? QString() : QStringLiteral("JPA1F260000%1").arg(i),
                                     .composer = QStringLiteral("Composer %1").arg(i)};
    }
    list.SetDiscText({.title = QStringLiteral("はじめてのCD"), .performer = QStringLiteral("山田"),
                      .message = QStringLiteral("Thanks"), .catalog = QStringLiteral("4901234567894")});
    ASSERT_FALSE(WriteDdpImage(MasterOfList(list, QString()).disc, qpath(folder), {}).failure);
}

void buildImageWithPause(const fs::path& folder)
{
    ddpbuild::Disc disc;
    disc.catalog = "4901234567894";
    disc.tracks = {{375, 0, false, {}, "JPA1F2600001"}, {400, 75, false, {}, "JPA1F2600002"}};
    CdTextSet texts;
    texts.disc.title = QStringLiteral("Album");
    texts.tracks.resize(2);
    texts.tracks[0].title = QStringLiteral("One");
    texts.tracks[1].title = QStringLiteral("Two");
    disc.cdText = BuildCdTextPacks(texts).file.mid(4);
    ddpbuild::build(disc, folder);
}

// What must survive the round trip: the main stream, each track's index 01
// and ISRC, the catalog number, the CD-TEXT's texts.
struct Essence {
    QByteArray streamMd5;
    QList<std::pair<qint64, QByteArray>> starts;
    QByteArray catalog;
    std::optional<CdTextSet> texts;
    bool operator==(const Essence&) const = default;
};

CdTextSet WithoutCodes(CdTextSet texts)
{
    texts.disc.code.clear();
    for (CdTextEntry& track : texts.tracks)
        track.code.clear();
    return texts;
}

void PrintTo(const Essence& essence, std::ostream* os)
{
    *os << "stream " << essence.streamMd5.toStdString() << ", catalog " << essence.catalog.toStdString();
    for (const auto& [start, isrc] : essence.starts)
        *os << ", start " << start << ' ' << isrc.toStdString();
    for (const CdTextEntry& entry : essence.texts ? QList{essence.texts->disc} + essence.texts->tracks : QList<CdTextEntry>())
        *os << ", \"" << entry.title.toStdString() << "\" " << entry.performer.toStdString() << ' ' << entry.code.toStdString();
}

Essence essenceOf(const DdpImage& image, const ImageLayout& layout)
{
    const QByteArray stream = ddpbuild::readAll(image.mainStream()->path.toStdString());
    Essence essence{QCryptographicHash::hash(stream, QCryptographicHash::Md5).toHex(), {}, image.id.catalog, {}};
    for (const LaidTrack& track : layout.tracks)
        essence.starts.append({track.start, track.isrc});
    // The codes count as the PQ and DDPID give them: the program also puts
    // them into the CD-TEXT, which another writer need not have done.
    if (image.cdText)
        essence.texts = WithoutCodes(image.cdText->blocks.first().texts);
    return essence;
}

}  // namespace

TEST(DdpRoundTrip, ImageTakenIntoTheListIsWrittenAgainAsItWas)
{
    const std::vector<std::pair<const char*, std::function<void(const fs::path&)>>> rows = {
        {"the program's own image", writeOwnImage}, {"an image with a silent pause", buildImageWithPause}};
    for (const auto& [name, make] : rows) {
        const testsupport::TempDir dir;
        make(dir / "FIRST");
        const DdpImage first = *OpenDdpImage(qpath(dir / "FIRST")).image;
        const ImageLayout layout = LayOut(first.pq.points);
        const TakePlan plan = PlanTake(first, layout, PlayList::MaxTracks);
        const ImageTexts texts = TextsOfImage(first, layout, first.cdText ? 0 : -1);
        QStringList names;
        for (qsizetype i = 0; i < plan.tracks.size(); ++i)
            names.append(TakenFileName(plan.tracks[i].number, texts.texts.tracks[i].title));
        const TakeResult taken = WriteTakenTracks(plan, names, qpath(dir / "TRACKS"), {});
        PlayList list;
        for (const TakenTrack& track : taken.tracks)
            addFile(list, track.path);
        ApplyTakenDisc(list, taken.tracks, texts.texts);
        // Saving writes the silences into the files, as the user is told to.
        for (int i = 1; i <= list.TrackCount(); ++i) {
            ASSERT_EQ(engineclient::save(list.TrackAt(i), QString(), false, nullptr), ENGINE_SUCCESS);
            list.TrackAt(i).version = FileVersion::OfRegularFile(list.TrackAt(i).path);
        }
        ASSERT_FALSE(WriteDdpImage(MasterOfList(list, QStringLiteral("FIRST")).disc, qpath(dir / "SECOND"), {}).failure);
        const DdpImage second = *OpenDdpImage(qpath(dir / "SECOND")).image;
        EXPECT_EQ(essenceOf(second, LayOut(second.pq.points)), essenceOf(first, layout)) << name;
    }
}
