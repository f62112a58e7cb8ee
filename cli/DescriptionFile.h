#pragma once

#include <string>

// The whole content of the file at `path`, or of standard input when `path`
// is "-", byte for byte. The path's bytes go to the system unchanged. Throws
// EUsageError, with the system's reason, when it cannot be read.
std::string ReadDescriptionFile(const std::string& path);
