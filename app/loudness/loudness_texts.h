// The texts of loudness: the status bar's fourth panel and the read-error
// message of a track that could not be measured.
#pragma once

#include "edit_message.h"
#include "loudness_meter.h"

#include <QString>

#include <cstdint>

class LoudnessTexts {
public:
    // "-14.2 LUFS  -0.8 dBTP": loudness and true peak at the given level,
    // one decimal; "Loudness = ..." until measured; the label and the
    // reason after a read error.
    static QString StatusPanel(const LoudnessMeter::Status& status, int32_t levelPercent);
    // The panel of an empty list: the label alone.
    static QString StatusLabel();
    // The widest figures the panel shows, for its width.
    static QString WidestStatusPanel();

    // The described read-error style: the title, the unreadable-file
    // message and the system's reason, with the caption "ﾌｧｲﾙ読み込みｴﾗｰ".
    static EditMessage ReadErrorMessage(const QString& title, const QString& reason);
};
