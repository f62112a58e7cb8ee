#pragma once

#include "cli/CommandLine.h"
#include "page/DoorwayPage.h"

// The page inputs that the page details window would hold for the command:
// the three one-line values as given, the description with CR LF line
// breaks (read from its file when one is named), and the window's caption as
// the footer name. Throws EUsageError for a value that is not UTF-8, a line
// break in a one-line value, or a description file that cannot be read.
TDoorwayPageInputs PageInputs(const TPageCommand& command);
