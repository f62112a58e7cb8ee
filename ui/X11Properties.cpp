#include "X11Properties.h"

#include <QGuiApplication>
#include <cstdlib>

xcb_connection_t* X11Connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  free(reply);
  return atom;
}

namespace {

template <typename Value>
std::vector<Value> ListProperty(xcb_connection_t* connection, xcb_window_t window,
                                xcb_atom_t property, xcb_atom_t type) {
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, window, property, type, 0, 1024);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
  std::vector<Value> values;
  if (reply && reply->format == 32 && reply->type == type) {
    const auto* data = static_cast<const Value*>(xcb_get_property_value(reply));
    values.assign(data, data + xcb_get_property_value_length(reply) / sizeof(Value));
  }
  free(reply);
  return values;
}

}  // namespace

std::vector<xcb_atom_t> AtomList(xcb_connection_t* connection, xcb_window_t window,
                                 xcb_atom_t property) {
  return ListProperty<xcb_atom_t>(connection, window, property, XCB_ATOM_ATOM);
}

void SetAtomList(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                 const std::vector<xcb_atom_t>& atoms) {
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, XCB_ATOM_ATOM, 32,
                      static_cast<uint32_t>(atoms.size()), atoms.data());
}

std::vector<uint32_t> CardinalList(xcb_connection_t* connection, xcb_window_t window,
                                   xcb_atom_t property) {
  return ListProperty<uint32_t>(connection, window, property, XCB_ATOM_CARDINAL);
}
