#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Whole-file access for the program's own files. Errors name the file and the system's reason.
std::string ReadFileBytes(const std::string &path);

// Writes a temporary file beside path and renames it over path, so that a failure never
// leaves a truncated file where the user asked for one.
void WriteFileAtomically(const std::string &path, std::string_view bytes);

bool FileExists(const std::string &path);

} // namespace velmora
