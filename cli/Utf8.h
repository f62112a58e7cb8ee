#pragma once

#include <string_view>

// Whether the bytes are well-formed UTF-8: no stray or overlong sequences,
// no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view bytes);
