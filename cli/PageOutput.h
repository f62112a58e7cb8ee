#pragma once

#include <optional>
#include <string>
#include <string_view>

// Writes the bytes to standard output; throws EWriteError when they cannot
// all be written.
void WriteToStandardOutput(std::string_view bytes);

// Writes the page to standard output, or saves it as `file` through the page
// file writer of the windows, which never loses a file that was there.
// Throws EFCreateError or EWriteError with the messages the windows show.
void WritePage(std::string_view page, const std::optional<std::string>& file);
