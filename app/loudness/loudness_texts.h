// The texts of loudness: the status bar's fourth panel, the read-error
// message of a track that could not be measured and the closing message of
// the matching command about near-silent tracks.
#pragma once

#include "edit_message.h"
#include "loudness_meter.h"

#include <QString>

#include <QList>

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

    struct NamedTrack {
        int number;  // its place in the list, from 1
        QString title;
    };
    // After matching: the tracks that were too quiet to set the target and
    // were raised to their ceilings instead, one "No.2:"title"" line each,
    // with the program's title as the caption.
    static EditMessage NearSilentMessage(const QList<NamedTrack>& tracks);
};
