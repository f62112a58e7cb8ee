#include "FrameExtents.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "X11Properties.h"

namespace {

bool Supported(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature) {
  const std::vector<xcb_atom_t> supported =
      AtomList(connection, root, Atom(connection, "_NET_SUPPORTED"));
  return std::find(supported.begin(), supported.end(), feature) != supported.end();
}

// Window managers that support it answer the request by setting the frame
// extents on the unmapped window within a few milliseconds; the wait is
// bounded in case one never does.
QMargins AskedFrameExtents(QWidget* window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return {};
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
  if (!Supported(connection, root, request)) return {};

  const auto id = static_cast<xcb_window_t>(window->winId());
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = id;
  message.type = request;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);

  const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
  const QDeadlineTimer deadline(500);
  do {
    const std::vector<uint32_t> widths = CardinalList(connection, id, extents);
    if (widths.size() == 4)
      return QMargins(int(widths[0]), int(widths[2]), int(widths[1]), int(widths[3]));
    QThread::usleep(200);
  } while (!deadline.hasExpired());
  return {};
}

}  // namespace

QMargins FrameExtents(QWidget* window) {
  const QWindow* handle = window->windowHandle();
  if (handle && !handle->frameMargins().isNull()) return handle->frameMargins();
  return AskedFrameExtents(window);
}
