#include "taken_texts.h"

ImageTexts TextsOfImage(const DdpImage& image, const ImageLayout& layout, int block)
{
    ImageTexts result;
    const bool hasBlock = image.cdText && block >= 0 && block < image.cdText->blocks.size();
    const CdTextSet none;
    const CdTextSet& read = hasBlock ? image.cdText->blocks[block].texts : none;
    result.texts.disc = read.disc;
    if (!image.id.catalog.isEmpty())
        result.texts.disc.code = QString::fromLatin1(image.id.catalog);
    for (const LaidTrack& track : layout.tracks) {
        CdTextEntry entry = read.tracks.value(track.number - 1);
        if (!track.isrc.isEmpty())
            entry.code = QString::fromLatin1(track.isrc);
        if (!entry.message.isEmpty())
            result.notes.append({TakeNote::Kind::TrackMessage, track.number});
        entry.message.clear();
        result.texts.tracks.append(entry);
    }
    if (image.cdText && image.cdText->blocks.size() > 1)
        result.notes.append({TakeNote::Kind::OtherBlocks});
    return result;
}
