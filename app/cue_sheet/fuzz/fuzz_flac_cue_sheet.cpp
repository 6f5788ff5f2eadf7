// libFuzzer harness for the reader of the sheet a FLAC file embeds, which
// reads the head of any FLAC file the user opens: any bytes give nothing
// unless they start as a FLAC file, and a sheet has one unnamed file, the
// FLAC file itself; see sheet_checks.h for the rest.
#include <cstddef>
#include <cstdint>

#include "flac_cue_sheet.h"
#include "sheet_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView head(data, qsizetype(size));
    const SheetReading reading = ReadFlacCueSheet(head);
    if (!reading.sheet && reading.fault.text.isEmpty())
        return 0;
    sheetcheck::require(head.startsWith("fLaC"));
    sheetcheck::checkReading(reading);
    if (reading.sheet) {
        sheetcheck::require(reading.sheet->files.size() == 1 && reading.sheet->files.first().name.isEmpty());
        sheetcheck::checkSheet(*reading.sheet);
        sheetcheck::checkPlacing(*reading.sheet, sheetcheck::drawnLengths(*reading.sheet, data, size));
    }
    return 0;
}
