#include "DoorwayPage.h"

#include <string_view>

namespace {

using Field = std::string TDoorwayPageInputs::*;

struct TemplateRow {
  std::string_view before;
  Field value;  // nullptr where the row inserts nothing
  std::string_view after;
};

// The page template, one row per page line. The odd mix of letter case and
// quoting is part of the page and must stay exactly as it is.
constexpr std::array<TemplateRow, DoorwayPageLineCount> Template{{
    {"<HTML>", nullptr, ""},
    {"<Head>", nullptr, ""},
    {"<META name=\"Description\" content=\"", &TDoorwayPageInputs::Description, "\">"},
    {"<META name=\"Keywords\" content=\"", &TDoorwayPageInputs::Keywords, "\">"},
    {"<Title>", &TDoorwayPageInputs::Title, "</Title>"},
    {"</Head>", nullptr, ""},
    {"<BODY>", nullptr, ""},
    {"<CENTER>", nullptr, ""},
    {"", nullptr, ""},
    {"<TABLE WIDTH=\"620\">", nullptr, ""},
    {"<TR>", nullptr, ""},
    {"<TD ALIGN=\"CENTER\">", nullptr, ""},
    {"<FONT FACE=\"Arial Black\" COLOR=\"#808080\" SIZE=\"+1\">", &TDoorwayPageInputs::Title, ""},
    {"</FONT></TD></TR></TABLE><P></P>", nullptr, ""},
    {"<TABLE WIDTH=\"620\">", nullptr, ""},
    {"<TR><TD ALIGN=\"CENTER\">", nullptr, ""},
    {"<FONT FACE=\"Arial\" COLOR=\"#C0C0C0\"><A HREF=\"", &TDoorwayPageInputs::SiteUrl,
     "\">Click Here"},
    {"</A> to enter ", &TDoorwayPageInputs::Title, "!</FONT></TD></TR></TABLE>"},
    {"<P>", nullptr, ""},
    {"<br></P><TABLE WIDTH=\"620\">", nullptr, ""},
    {"<TR><TD WIDTH=\"100%\" BGCOLOR=\"#60C0C0\">", nullptr, ""},
    {"<H4 ALIGN=\"CENTER\">", nullptr, ""},
    {"<FONT FACE=Arial COLOR=\"#FFFFFF\">", &TDoorwayPageInputs::Description, "</FONT></H4>"},
    {"<P ALIGN=\"CENTER\"><FONT FACE=\"Arial\" COLOR=\"#000066\" SIZE=\"-1\">", nullptr, ""},
    {"This page was made with the doorway builder ", &TDoorwayPageInputs::FooterName, "."},
    {"</FONT></P></TD></TR></TABLE></BODY></HTML>", nullptr, ""},
}};

constexpr std::string_view LineBreak = "\r\n";

}  // namespace

TDoorwayPageLines BuildDoorwayPage(const TDoorwayPageInputs& inputs) {
  TDoorwayPageLines lines;
  for (std::size_t i = 0; i < Template.size(); ++i) {
    const TemplateRow& row = Template[i];
    const std::string* value = row.value ? &(inputs.*row.value) : nullptr;
    std::string& line = lines[i];
    line.reserve(row.before.size() + (value ? value->size() : 0) + row.after.size());
    line.append(row.before);
    if (value) line.append(*value);
    line.append(row.after);
  }
  return lines;
}

std::string JoinPageText(const TDoorwayPageLines& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + LineBreak.size();
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text.append(line);
    text.append(LineBreak);
  }
  return text;
}
