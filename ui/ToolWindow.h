#pragma once

class QWidget;

// Makes a top-level window a tool window: a close button only, no taskbar
// entry, and still free to go behind the program's main window.
//
// Toolkit tool windows are made transient for the application on X11, and
// window managers then keep them above every other window of the program. So
// the window stays an ordinary one and, on X11, is given the utility type and
// the skip-taskbar state by hand each time it is shown, outside the
// program's window group.
void MakeToolWindow(QWidget* window);
