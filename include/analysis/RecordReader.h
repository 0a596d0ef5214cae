#pragma once
// Reads the next physical line of the source file into one record and its
// tokens.
#include <vector>

#include "analysis/SourceParse.h"

namespace reader {
constexpr size_t kMaxLineLength = 2048;
}

// One more record of the parse's text with its tokens; the model's counts
// updated. StatusCode 11 when the file is already at its end (no record made). A rejected line (longer than
// 2048 characters, 1997 or more tokens, the 500000-token ceiling, a read
// error) is logged and stored as one invalid-line token, followed by the
// blank end record, with StatusCode 4 and the cause in ReasonCode. After the
// file's last line the blank end record is added and counted.
void ReadRecordExtractTokens(SourceParse& parse, bool commentContinues);
