// Feeds the page engine arbitrary page inputs and checks, for every input,
// what the page must be whatever the user typed.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "page/DoorwayPage.h"

namespace {

using Field = std::string TDoorwayPageInputs::*;

// Where each value stands: its page line (counted from 1) and the number of
// template characters before it on that line.
struct TPlace {
  std::size_t line;
  std::size_t column;
  Field field;
};

constexpr TPlace Places[] = {
    {3, 34, &TDoorwayPageInputs::Description},  {4, 31, &TDoorwayPageInputs::Keywords},
    {5, 7, &TDoorwayPageInputs::Title},         {13, 51, &TDoorwayPageInputs::Title},
    {17, 44, &TDoorwayPageInputs::SiteUrl},     {18, 14, &TDoorwayPageInputs::Title},
    {23, 33, &TDoorwayPageInputs::Description}, {25, 44, &TDoorwayPageInputs::FooterName},
};

// The template's own characters plus the 26 CR LF pairs.
constexpr std::size_t FixedPageLength = 716;

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "Page invariant broken: %s\n", what);
  std::abort();
}

const TPlace* PlaceOnLine(std::size_t line) {
  for (const TPlace& place : Places) {
    if (place.line == line) return &place;
  }
  return nullptr;
}

// The page with every value empty: the template's literals alone.
const TDoorwayPageLines& Frame() {
  static const TDoorwayPageLines frame = BuildDoorwayPage({});
  return frame;
}

void CheckEachValueStandsVerbatimInItsPlaces(const TDoorwayPageInputs& inputs,
                                             const TDoorwayPageLines& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view frame = Frame()[i];
    const TPlace* place = PlaceOnLine(i + 1);
    if (!place) {
      Require(lines[i] == frame, "a line without a value differs from the template");
      continue;
    }
    const std::string& value = inputs.*(place->field);
    const std::string_view line = lines[i];
    Require(line.size() == frame.size() + value.size(), "a line has the wrong length");
    Require(line.substr(0, place->column) == frame.substr(0, place->column),
            "the literal before a value changed");
    Require(line.substr(place->column, value.size()) == value, "a value is not verbatim");
    Require(line.substr(place->column + value.size()) == frame.substr(place->column),
            "the literal after a value changed");
  }
}

void CheckPageText(const TDoorwayPageInputs& inputs, const TDoorwayPageLines& lines) {
  const std::string text = JoinPageText(lines);
  Require(text.size() == FixedPageLength + 3 * inputs.Title.size() + inputs.SiteUrl.size() +
                             inputs.Keywords.size() + 2 * inputs.Description.size() +
                             inputs.FooterName.size(),
          "the page text breaks the length formula");
  // The 26 lines in order, each followed by CR LF, and nothing else.
  std::string_view rest = text;
  for (const std::string_view line : lines) {
    Require(rest.substr(0, line.size()) == line, "the page text does not hold a line in order");
    rest.remove_prefix(line.size());
    Require(rest.substr(0, 2) == "\r\n", "a line in the page text is not ended by CR LF");
    rest.remove_prefix(2);
  }
  Require(rest.empty(), "the page text goes on after the last line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Values are separated by a backslash and one more character ("\\ "); a
  // doubled backslash stands for one. The seed corpus is written that way.
  FuzzedDataProvider provider(data, size);
  TDoorwayPageInputs inputs;
  inputs.Title = provider.ConsumeRandomLengthString();
  inputs.SiteUrl = provider.ConsumeRandomLengthString();
  inputs.Keywords = provider.ConsumeRandomLengthString();
  inputs.Description = provider.ConsumeRandomLengthString();
  inputs.FooterName = provider.ConsumeRandomLengthString();

  const TDoorwayPageInputs copy = inputs;
  const TDoorwayPageLines lines = BuildDoorwayPage(inputs);
  CheckEachValueStandsVerbatimInItsPlaces(inputs, lines);
  CheckPageText(inputs, lines);
  Require(BuildDoorwayPage(copy) == lines, "the same inputs gave different lines");
  Require(BuildDoorwayPage(inputs) == lines, "a second build gave different lines");
  return 0;
}
