// rivurido-page: writes the doorway page that Build and Save to file would,
// from options instead of the page details window.
#include <cstdio>
#include <exception>

#include "app/FailureText.h"
#include "cli/CommandLine.h"
#include "cli/PageInputs.h"
#include "cli/PageOutput.h"
#include "page/DoorwayPage.h"

namespace {

constexpr int ExitWritten = 0;
constexpr int ExitNotWritten = 1;
constexpr int ExitUsage = 2;

void Complain(const char* reason) { std::fprintf(stderr, "rivurido-page: %s\n", reason); }

int Run(int argc, char* argv[]) {
  const TCommandLine commandLine = ParseCommandLine(argc, argv);
  switch (commandLine.Request) {
    case TRequest::ShowHelp:
      WriteToStandardOutput(HelpText);
      break;
    case TRequest::ShowVersion:
      WriteToStandardOutput("rivurido-page " RIVURIDO_VERSION "\n");
      break;
    case TRequest::BuildPage: {
      const TPageCommand& page = commandLine.Page;
      WritePage(JoinPageText(BuildDoorwayPage(PageInputs(page))), page.OutputFile);
      break;
    }
  }
  return ExitWritten;
}

}  // namespace

int main(int argc, char* argv[]) {
  try {
    return Run(argc, argv);
  } catch (const EUsageError& error) {
    Complain(error.what());
    return ExitUsage;
  } catch (...) {
    // The same words as the error box of the windows, full stop included.
    Complain(ErrorBoxText(ExceptionMessage(std::current_exception())).toUtf8().constData());
    return ExitNotWritten;
  }
}
