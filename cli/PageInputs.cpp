#include "PageInputs.h"

#include "cli/DescriptionFile.h"
#include "cli/LineBreaks.h"
#include "cli/Utf8.h"

namespace {

// The caption of the page details window, which Build puts into the footer.
constexpr char FooterName[] = "Rivurido";

// Pages are UTF-8, as the windows write them: other bytes would make a page
// that no reader can decode, so they are refused rather than passed on.
void CheckUtf8(const std::string& value, const std::string& what) {
  if (!IsUtf8(value)) throw EUsageError(what + " is not valid UTF-8");
}

// A one-line box cannot hold a line break; one here is most often a stray CR
// from a file with CR LF lines, and would put a bare break into the page.
void CheckOneLine(const std::string& value, const std::string& option) {
  CheckUtf8(value, "the value of " + option);
  if (HasLineBreak(value)) {
    throw EUsageError("the value of " + option + " holds a line break; only the description can");
  }
}

std::string Description(const TPageCommand& command) {
  if (command.DescriptionFile) {
    const std::string& path = *command.DescriptionFile;
    const std::string content = ReadDescriptionFile(path);
    CheckUtf8(content, path == "-" ? "the description on standard input"
                                   : "the description in '" + path + "'");
    return WithCrLfLineBreaks(content);
  }
  const std::string description = command.Description.value_or(std::string());
  CheckUtf8(description, "the value of --description");
  return WithCrLfLineBreaks(description);
}

}  // namespace

TDoorwayPageInputs PageInputs(const TPageCommand& command) {
  CheckOneLine(command.Title, "--title");
  CheckOneLine(command.SiteUrl, "--url");
  CheckOneLine(command.Keywords, "--keywords");
  return {command.Title, command.SiteUrl, command.Keywords, Description(command), FooterName};
}
