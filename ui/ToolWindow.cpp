#include "ToolWindow.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "X11Properties.h"

namespace {

// Window managers keep a utility window that belongs to a window group above
// the group's other windows, as if it were transient for them. Dropping the
// group hint leaves the window free to go behind the main window.
void LeaveWindowGroup(xcb_connection_t* connection, xcb_window_t window) {
  constexpr uint32_t WindowGroupHint = 1u << 6;
  constexpr uint32_t HintsLength = 9;
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, window, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, HintsLength);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
  if (reply && reply->format == 32 &&
      xcb_get_property_value_length(reply) == int(HintsLength * sizeof(uint32_t))) {
    std::array<uint32_t, HintsLength> hints;
    std::memcpy(hints.data(), xcb_get_property_value(reply), sizeof(hints));
    if (hints[0] & WindowGroupHint) {
      hints[0] &= ~WindowGroupHint;
      hints[8] = 0;
      xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_HINTS,
                          XCB_ATOM_WM_HINTS, 32, HintsLength, hints.data());
    }
  }
  free(reply);
}

// Sets the window type and the states while the window is still unmapped:
// window managers read them when they take the window on, and drop the
// states again when it is hidden.
void MarkAsUtilityWindow(QWidget* window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return;
  const auto id = static_cast<xcb_window_t>(window->winId());

  SetAtomList(connection, id, Atom(connection, "_NET_WM_WINDOW_TYPE"),
              {Atom(connection, "_NET_WM_WINDOW_TYPE_UTILITY")});

  const xcb_atom_t stateProperty = Atom(connection, "_NET_WM_STATE");
  std::vector<xcb_atom_t> states = AtomList(connection, id, stateProperty);
  for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
    const xcb_atom_t state = Atom(connection, name);
    if (std::find(states.begin(), states.end(), state) == states.end()) states.push_back(state);
  }
  SetAtomList(connection, id, stateProperty, states);
  LeaveWindowGroup(connection, id);
  xcb_flush(connection);
}

class TToolWindowMarker : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The show event comes after the native window exists and before it is
    // mapped, the one moment these properties can be set reliably.
    if (event->type() == QEvent::Show && !event->spontaneous()) {
      MarkAsUtilityWindow(static_cast<QWidget*>(watched));
    }
    return false;
  }
};

}  // namespace

void MakeToolWindow(QWidget* window) {
  window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  window->installEventFilter(new TToolWindowMarker(window));
}
