// CD time text: hours, minutes, seconds and CD frames of a byte count.
#pragma once

#include <QString>

// h:mm:ss:ff with 176,400 bytes per second and 2,352 bytes per frame; a part
// of a frame is dropped; "-" in front for a negative count. Hours are not
// padded and not limited.
QString FormatCdTime(qint64 bytes);
