#pragma once

#include <optional>
#include <stdexcept>
#include <string>

// The command line cannot be used as given; the message is a one-line reason.
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The page that a command line asks for. Every value holds the argument's
// bytes exactly as given; an option left out leaves its value empty.
struct TPageCommand {
  std::string Title;
  std::string SiteUrl;
  std::string Keywords;
  std::optional<std::string> Description;      // given inline
  std::optional<std::string> DescriptionFile;  // a path, or "-" for standard input
  std::optional<std::string> OutputFile;       // a UTF-8 path; none for standard output
};

enum class TRequest { BuildPage, ShowHelp, ShowVersion };

struct TCommandLine {
  TRequest Request = TRequest::BuildPage;
  TPageCommand Page;
};

// Reads the options; throws EUsageError when they cannot be used.
TCommandLine ParseCommandLine(int argc, char* argv[]);

// What --help prints.
extern const char HelpText[];
