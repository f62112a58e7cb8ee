#include "CommandLine.h"

#include <getopt.h>

#include <set>

#include "cli/Utf8.h"

const char HelpText[] =
    "Usage: rivurido-page [OPTION]...\n"
    "Writes a doorway page from a title, a site URL, keywords and a description.\n"
    "\n"
    "  --title TEXT              the page title\n"
    "  --url URL                 the site URL that the page links to\n"
    "  --keywords TEXT           the keywords\n"
    "  --description TEXT        the description\n"
    "  --description-file FILE   read the description from FILE, or from standard\n"
    "                            input when FILE is -\n"
    "  -o, --output FILE         save the page as FILE, replacing it, instead of\n"
    "                            writing it to standard output (- for standard output)\n"
    "  --help                    show this help and exit\n"
    "  --version                 show the version and exit\n"
    "\n"
    "An option left out means an empty value. Values are UTF-8 and go into the page\n"
    "as they are, without trimming or escaping; only the description may hold line\n"
    "breaks, and each of them (LF, CR LF or CR) becomes CR LF. A description file\n"
    "is taken whole, a final line break included.\n"
    "\n"
    "Exit status: 0 when the page was written, 1 when it could not be written,\n"
    "2 when the command line cannot be used.\n";

namespace {

enum TOption : int {
  Output = 'o',
  Title = 256,
  Url,
  Keywords,
  Description,
  DescriptionFile,
  Help,
  Version,
};

constexpr option LongOptions[] = {
    {"title", required_argument, nullptr, Title},
    {"url", required_argument, nullptr, Url},
    {"keywords", required_argument, nullptr, Keywords},
    {"description", required_argument, nullptr, Description},
    {"description-file", required_argument, nullptr, DescriptionFile},
    {"output", required_argument, nullptr, Output},
    {"help", no_argument, nullptr, Help},
    {"version", no_argument, nullptr, Version},
    {nullptr, 0, nullptr, 0},
};

// The leading colon tells a missing value apart from an unknown option.
constexpr char ShortOptions[] = ":o:";

std::string OptionName(int option) {
  if (option == Output) return "-o";
  for (const struct option& known : LongOptions) {
    if (known.val == option) return std::string("--") + known.name;
  }
  return {};
}

// The argument that getopt_long has just refused.
std::string RefusedArgument(char* argv[]) {
  if (optopt > 0 && optopt < Title) return std::string("-") + char(optopt);
  return argv[optind - 1];
}

}  // namespace

TCommandLine ParseCommandLine(int argc, char* argv[]) {
  opterr = 0;  // the reasons are ours, told in one line
  TCommandLine commandLine;
  TPageCommand& page = commandLine.Page;
  std::set<int> given;
  for (int option; (option = getopt_long(argc, argv, ShortOptions, LongOptions, nullptr)) != -1;) {
    if (option == '?') throw EUsageError("unrecognised option '" + RefusedArgument(argv) + "'");
    if (option == ':') throw EUsageError("option '" + RefusedArgument(argv) + "' needs a value");
    if (!given.insert(option).second) {
      throw EUsageError("option " + OptionName(option) + " is given twice");
    }
    switch (option) {
      case Title:
        page.Title = optarg;
        break;
      case Url:
        page.SiteUrl = optarg;
        break;
      case Keywords:
        page.Keywords = optarg;
        break;
      case Description:
        page.Description = optarg;
        break;
      case DescriptionFile:
        page.DescriptionFile = optarg;
        break;
      case Output:
        if (*optarg == '\0') throw EUsageError("option -o needs a file name");
        // The file name reaches the file system through Qt, which reads
        // names as UTF-8: any other bytes would name a different file.
        if (!IsUtf8(optarg)) throw EUsageError("the file name given to -o is not valid UTF-8");
        if (std::string_view(optarg) != "-") page.OutputFile = optarg;
        break;
      case Help:
        commandLine.Request = TRequest::ShowHelp;
        return commandLine;
      case Version:
        commandLine.Request = TRequest::ShowVersion;
        return commandLine;
    }
  }
  if (optind < argc) throw EUsageError(std::string("unexpected argument '") + argv[optind] + "'");
  if (page.Description && page.DescriptionFile) {
    throw EUsageError("options --description and --description-file cannot be used together");
  }
  return commandLine;
}
