// libFuzzer harness for the CD-TEXT packs' decoder, which reads the CD-TEXT
// stream of any DDP image the user opens: any bytes give at most eight
// blocks in the order of their numbers, each with as many tracks as its
// last track says (at most 99), and only pack numbers the stream has among
// those whose CRC fails.
#include <cstddef>
#include <cstdint>

#include "cd_text_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CdTextRead read = ReadCdTextPacks(QByteArrayView(data, qsizetype(size)));
    if (read.packs != int(size / 18) || read.partialPack != (size % 18 != 0) || read.blocks.size() > 8)
        __builtin_trap();
    int previous = -1;
    for (const CdTextBlockRead& block : read.blocks) {
        if (block.block <= previous || block.block > 7 || block.lastTrack > 99 ||
            block.texts.tracks.size() != block.lastTrack)
            __builtin_trap();
        previous = block.block;
    }
    for (const int pack : read.badCrcPacks) {
        if (pack < 1 || pack > read.packs) __builtin_trap();
    }
    return 0;
}
