#include <gtest/gtest.h>

#include <string>

#include "page/DoorwayPage.h"

namespace {

std::size_t CountOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// The length the page text must have for the given inputs: the fixed 716
// characters plus every insertion (the title three times, the description twice).
std::size_t ExpectedLength(const TDoorwayPageInputs& in) {
  return 716 + 3 * in.Title.size() + in.SiteUrl.size() + in.Keywords.size() +
         2 * in.Description.size() + in.FooterName.size();
}

TEST(DoorwayPage, AllFieldsEmptyGivesTheBareTemplate) {
  const TDoorwayPageLines lines = BuildDoorwayPage({});
  const std::string expected =
      "<HTML>\r\n"
      "<Head>\r\n"
      "<META name=\"Description\" content=\"\">\r\n"
      "<META name=\"Keywords\" content=\"\">\r\n"
      "<Title></Title>\r\n"
      "</Head>\r\n"
      "<BODY>\r\n"
      "<CENTER>\r\n"
      "\r\n"
      "<TABLE WIDTH=\"620\">\r\n"
      "<TR>\r\n"
      "<TD ALIGN=\"CENTER\">\r\n"
      "<FONT FACE=\"Arial Black\" COLOR=\"#808080\" SIZE=\"+1\">\r\n"
      "</FONT></TD></TR></TABLE><P></P>\r\n"
      "<TABLE WIDTH=\"620\">\r\n"
      "<TR><TD ALIGN=\"CENTER\">\r\n"
      "<FONT FACE=\"Arial\" COLOR=\"#C0C0C0\"><A HREF=\"\">Click Here\r\n"
      "</A> to enter !</FONT></TD></TR></TABLE>\r\n"
      "<P>\r\n"
      "<br></P><TABLE WIDTH=\"620\">\r\n"
      "<TR><TD WIDTH=\"100%\" BGCOLOR=\"#60C0C0\">\r\n"
      "<H4 ALIGN=\"CENTER\">\r\n"
      "<FONT FACE=Arial COLOR=\"#FFFFFF\"></FONT></H4>\r\n"
      "<P ALIGN=\"CENTER\"><FONT FACE=\"Arial\" COLOR=\"#000066\" SIZE=\"-1\">\r\n"
      "This page was made with the doorway builder .\r\n"
      "</FONT></P></TD></TR></TABLE></BODY></HTML>\r\n";
  EXPECT_EQ(JoinPageText(lines), expected);
  EXPECT_EQ(expected.size(), 716u);
  EXPECT_EQ(lines[8], "");
}

TEST(DoorwayPage, EachValueStandsVerbatimAtItsPlaces) {
  TDoorwayPageInputs in{"T<&\"'>", "U", "K", "D", "Rivurido"};
  const TDoorwayPageLines lines = BuildDoorwayPage(in);
  EXPECT_EQ(lines[2], "<META name=\"Description\" content=\"D\">");
  EXPECT_EQ(lines[3], "<META name=\"Keywords\" content=\"K\">");
  EXPECT_EQ(lines[4], "<Title>T<&\"'></Title>");
  EXPECT_EQ(lines[12], "<FONT FACE=\"Arial Black\" COLOR=\"#808080\" SIZE=\"+1\">T<&\"'>");
  EXPECT_EQ(lines[16], "<FONT FACE=\"Arial\" COLOR=\"#C0C0C0\"><A HREF=\"U\">Click Here");
  EXPECT_EQ(lines[17], "</A> to enter T<&\"'>!</FONT></TD></TR></TABLE>");
  EXPECT_EQ(lines[22], "<FONT FACE=Arial COLOR=\"#FFFFFF\">D</FONT></H4>");
  EXPECT_EQ(lines[24], "This page was made with the doorway builder Rivurido.");
}

struct LengthCase {
  const char* name;
  TDoorwayPageInputs inputs;
  std::size_t lineBreaks;  // CR LF pairs in the page text
};

class PageTextLength : public testing::TestWithParam<LengthCase> {};

TEST_P(PageTextLength, FollowsTheLengthFormulaAndKeepsLineBreaks) {
  const LengthCase& c = GetParam();
  const std::string text = JoinPageText(BuildDoorwayPage(c.inputs));
  EXPECT_EQ(text.size(), ExpectedLength(c.inputs));
  EXPECT_EQ(CountOf(text, "\r\n"), c.lineBreaks);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  // Every value appears whole, however long or odd it is.
  for (const std::string* value : {&c.inputs.Title, &c.inputs.SiteUrl, &c.inputs.Keywords,
                                   &c.inputs.Description, &c.inputs.FooterName}) {
    EXPECT_NE(text.find(*value), std::string::npos);
  }
}

const std::string Long(100000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, PageTextLength,
    testing::Values(
        LengthCase{"FiveEmptyFields", {}, 26},
        LengthCase{"FooterOnly", {"", "", "", "", "Rivurido"}, 26},
        LengthCase{"TwoLineDescription", {"", "", "", "first\r\nsecond", "Rivurido"}, 28},
        LengthCase{"DescriptionEndingInLineBreak", {"", "", "", "text\r\n", "Rivurido"}, 28},
        LengthCase{"SpacesOnly", {"   ", " ", "  ", "    ", "Rivurido"}, 26},
        LengthCase{"MarkupCharacters", {"a\"b&c<d>e", "\"&<>", "&amp;", "<p>", "x"}, 26},
        LengthCase{"MalformedUrl", {"t", "not a url ::", "k", "d", "Rivurido"}, 26},
        LengthCase{"Utf8Text", {"Café 中文", "http://例え.jp", "naïve", "ü\r\nß", "Rivurido"}, 28},
        LengthCase{"LongInputs", {Long, Long, Long, Long, "Rivurido"}, 26}),
    [](const testing::TestParamInfo<LengthCase>& info) { return info.param.name; });

TEST(DoorwayPage, MultiLineDescriptionStaysInsideLines3And23) {
  const TDoorwayPageLines lines = BuildDoorwayPage({"", "", "", "one\r\ntwo\r\n", "F"});
  EXPECT_EQ(lines[2], "<META name=\"Description\" content=\"one\r\ntwo\r\n\">");
  EXPECT_EQ(lines[22], "<FONT FACE=Arial COLOR=\"#FFFFFF\">one\r\ntwo\r\n</FONT></H4>");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 2 || i == 22) continue;
    EXPECT_EQ(lines[i].find('\n'), std::string::npos) << "line " << i + 1;
  }
}

TEST(DoorwayPage, SameInputsGiveSameLines) {
  const TDoorwayPageInputs in{"t", "u", "k", "d", "f"};
  EXPECT_EQ(BuildDoorwayPage(in), BuildDoorwayPage(in));
}

}  // namespace
