#pragma once

// Runs the program: creates the application and both windows, shows the
// main window and runs the message loop until the main window closes.
// Returns the exit status: 0 after a normal end, 1 when start-up failed.
int RunProgram(int& argc, char** argv);
