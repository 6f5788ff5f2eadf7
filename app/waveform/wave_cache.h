// The fade editor's waveform cache: the track's samples reduced to one
// maximum and one minimum per 200 bytes, read from the file in blocks of ten
// seconds and kept in six slots, so that the picture is never drawn from the
// file directly and scrolling reads each block once while it stays cached.
//
// Use from the user-interface thread only.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class WaveCache {
public:
    static constexpr int SlotCount = 6;
    static constexpr int EntryBytes = 200;          // one entry: 100 16-bit values
    static constexpr int EntriesPerSlot = 8820;     // ten seconds
    static constexpr int32_t BlockBytes = 1764000;  // ten seconds of data
    static constexpr int32_t SecondBytes = 176400;

    // The track file a block is read from.
    struct Source {
        QString path;
        int64_t dataOffset = 0;  // file offset of the first data byte
        int64_t dataBytes = 0;   // bytes of sample data; beyond them values count as 0
    };
    // Told the loading progress in percent; 0 once the loading has ended.
    using Progress = std::function<void(int percent)>;

    WaveCache();

    // Empties every slot (WaveCacheStart := -1).
    void Empty();

    // WaveCacheStart: the first data byte of the block in a slot, -1 when empty.
    int32_t Start(int slot) const { return m_start[slot]; }
    // True when the slot holds the block that contains position.
    bool Holds(int slot, int64_t position) const;
    // WaveCacheMax and WaveCacheMin of an entry of a slot.
    int16_t Max(int slot, int entry) const { return m_max[index(slot, entry)]; }
    int16_t Min(int slot, int entry) const { return m_min[index(slot, entry)]; }

    // LoadWaveBlocks: reads count blocks from the data offset on (a multiple
    // of BlockBytes) into the slots firstSlot, firstSlot + 1, ... (modulo 6),
    // a second at a time. Returns the description of a read error (among
    // them a file cut short below its data since it was opened), empty on
    // success. A slot whose block was not completed is left empty, since its
    // entries no longer describe its former block.
    QString LoadWaveBlocks(const Source& source, int firstSlot, int count, int32_t offset,
                           const Progress& progress);

    // How many blocks have been read since the cache was made.
    int64_t BlocksRead() const { return m_blocksRead; }

private:
    static int index(int slot, int entry) { return slot * EntriesPerSlot + entry; }

    std::array<int32_t, SlotCount> m_start{};
    std::vector<int16_t> m_max;
    std::vector<int16_t> m_min;
    int64_t m_blocksRead = 0;
};
