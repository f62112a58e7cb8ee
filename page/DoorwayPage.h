#pragma once

#include <array>
#include <string>

// The five texts that a doorway page is made from, in the order the template
// uses them. Every field is UTF-8 and may be empty; the description keeps its
// CR LF line breaks.
struct TDoorwayPageInputs {
  std::string Title;
  std::string SiteUrl;
  std::string Keywords;
  std::string Description;
  std::string FooterName;
};

constexpr std::size_t DoorwayPageLineCount = 26;

using TDoorwayPageLines = std::array<std::string, DoorwayPageLineCount>;

// Applies the fixed template: every value goes in verbatim, with no trimming,
// escaping or length limit, and the result always has 26 lines.
TDoorwayPageLines BuildDoorwayPage(const TDoorwayPageInputs& inputs);

// The page text: every line followed by CR LF, the last one included.
std::string JoinPageText(const TDoorwayPageLines& lines);
