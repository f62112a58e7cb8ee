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
  std::size_t size = 0;
  for (const TemplateRow& row : Template) {
    size += row.before.size() + (row.value ? (inputs.*row.value).size() : 0) + row.after.size() +
            LineBreak.size();
  }
  TDoorwayPageLines lines;
  std::string& text = lines.text_;
  text.reserve(size);
  for (std::size_t i = 0; i < Template.size(); ++i) {
    const TemplateRow& row = Template[i];
    lines.starts_[i] = text.size();
    text.append(row.before);
    if (row.value) text.append(inputs.*row.value);
    text.append(row.after);
    text.append(LineBreak);
  }
  lines.starts_[Template.size()] = text.size();
  return lines;
}

std::string_view TDoorwayPageLines::operator[](std::size_t i) const {
  const std::size_t start = starts_[i];
  return std::string_view(text_).substr(start, starts_[i + 1] - start - LineBreak.size());
}

std::string JoinPageText(const TDoorwayPageLines& lines) { return lines.text_; }

std::string JoinPageText(TDoorwayPageLines&& lines) { return std::move(lines.text_); }
