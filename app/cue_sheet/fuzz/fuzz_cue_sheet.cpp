// libFuzzer harness for the CUE sheet reader, which reads any .cue file the
// user opens, and for the placing of its marks on a recording made of its
// files, their lengths drawn from the input: see sheet_checks.h for what
// any bytes must give.
#include <cstddef>
#include <cstdint>

#include "sheet_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const SheetReading reading = ReadCueSheet(QByteArrayView(data, qsizetype(size)));
    sheetcheck::checkReading(reading);
    if (reading.sheet) {
        sheetcheck::checkSheet(*reading.sheet);
        sheetcheck::checkPlacing(*reading.sheet, sheetcheck::drawnLengths(*reading.sheet, data, size));
    }
    return 0;
}
