#include "disc_layout.h"

#include "cd_frame.h"

DiscLayout LayOutDisc(const QList<qint64>& dataBytes)
{
    DiscLayout layout;
    for (const qint64 bytes : dataBytes) {
        const qint64 frames = cdframe::FramesOf(bytes);
        const qint64 preGap = layout.tracks.isEmpty() ? DiscLayout::PreGapFrames : 0;
        layout.tracks.append({layout.leadOutFrame, frames, frames * cdframe::Bytes - bytes, preGap});
        layout.leadOutFrame += frames;
    }
    return layout;
}
