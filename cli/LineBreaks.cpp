#include "LineBreaks.h"

namespace {
constexpr std::string_view Breaks = "\r\n";
constexpr std::string_view CrLf = "\r\n";
}  // namespace

bool HasLineBreak(std::string_view text) {
  return text.find_first_of(Breaks) != std::string_view::npos;
}

std::string WithCrLfLineBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 8);
  std::size_t from = 0;
  for (std::size_t at; (at = text.find_first_of(Breaks, from)) != std::string_view::npos;) {
    result.append(text.substr(from, at - from)).append(CrLf);
    from = at + (text.substr(at, CrLf.size()) == CrLf ? CrLf.size() : 1);
  }
  result.append(text.substr(from));
  return result;
}
