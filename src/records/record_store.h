#pragma once
#include <cstdint>

#include "engine/tool.h"

// The per-tool CSV file of saved calculations under the local application-data folder:
// UTF-8 with a byte-order mark, one header line, then one record per save, only ever appended.
namespace tamrel {

enum class SaveOutcome : int32_t {
    Saved,          // the record's bytes (and for a new file the byte-order mark and header) were written
    NoDataFolder,   // the local application-data folder could not be determined; nothing written
    NotWritten,     // the file could not be opened or not fully written
};

inline constexpr int32_t kRecordPathCapacity = 520;

// Appends the record of one calculation to the tool's CSV file under the local
// application-data folder; writes the file's path into filePath (empty when unknown).
// inputValues holds one value per input of the tool, in definition order.
SaveOutcome appendRecord(const ToolDefinition& tool, const double* inputValues,
                         const char16_t* resultText, char16_t* filePath, int32_t filePathCapacity);

} // namespace tamrel
