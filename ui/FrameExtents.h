#pragma once

#include <QMargins>

class QWidget;

// The widths of the frame and title bar that the window system puts around a
// top-level window. The toolkit learns them only once the window has been
// shown; for a window not shown yet, an X11 window manager is asked for its
// estimate. Zero where no frame is known.
QMargins FrameExtents(QWidget* window);
