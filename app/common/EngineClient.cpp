#include "EngineClient.h"

#include "EngineRecord.h"

#include <QFile>

namespace engineclient {

int32_t analyse(Track& track, bool readPeak, ProgressCallback callback)
{
    EngineRecord engineRecord(track);
    const int32_t result =
        FileOpen(engineRecord.path(), engineRecord.record(), SilenceThreshold, readPeak ? -1 : 0, callback);
    if (result == ENGINE_SUCCESS)
        engineRecord.copyNumbersTo(track);
    return result;
}

int32_t save(Track& track, const QString& destination, bool copy, ProgressCallback callback)
{
    EngineRecord engineRecord(track);
    const QByteArray encodedDestination = QFile::encodeName(destination);
    const int32_t result = FileSave(encodedDestination.constData(), engineRecord.record(), copy ? 1 : 0, callback);
    if (result == ENGINE_SUCCESS)
        engineRecord.copyNumbersTo(track);
    return result;
}

int32_t play(const Track& track, int32_t start, PlaybackCallback callback)
{
    EngineRecord engineRecord(track);
    return Play(engineRecord.record(), start, callback);
}

void control(const Track& track, int32_t position, int32_t state)
{
    EngineRecord engineRecord(track);
    PlayControll(engineRecord.record(), position, state);
}

}  // namespace engineclient
