#pragma once

#include "common/error.h"

#include <string>
#include <string_view>

namespace velmora::cli {

// Standard output refused what was written to it: the results are lost.
class OutputError : public Error
{
public:
    using Error::Error;
};

// Writes all of text to standard output with the system's write, retried after an
// interruption and continued after a partial write. Throws OutputError "cannot write to
// standard output: <reason>" when the system refuses (a full disk, a closed pipe: SIGPIPE
// must be ignored for that to reach us).
void WriteStdout(std::string_view text);

// The final flush of the C and C++ streams on standard output, for anything written through
// them; throws OutputError as WriteStdout when one of them failed.
void FlushStdout();

// An error text on one line for standard error: line breaks (CR LF in the bilingual texts)
// become one blank, other control bytes (from a damaged file) show as "\xNN", and a text
// longer than 1000 characters is cut with "…".
std::string OneLine(std::string_view text);

} // namespace velmora::cli
