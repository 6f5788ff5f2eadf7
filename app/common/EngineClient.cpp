#include "EngineClient.h"

#include "EngineRecord.h"

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

}  // namespace engineclient
