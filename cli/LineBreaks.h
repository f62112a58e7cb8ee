#pragma once

#include <string>
#include <string_view>

// Whether the text holds a line break (LF or CR).
bool HasLineBreak(std::string_view text);

// The text with every line break (LF, CR LF or a lone CR) made CR LF, as the
// description box of the page details window holds them.
std::string WithCrLfLineBreaks(std::string_view text);
