#pragma once

#include <xcb/xcb.h>

#include <vector>

// Small helpers for reading and writing X11 window properties through the
// toolkit's own connection.

// The connection to the X server, or null when the program runs elsewhere.
xcb_connection_t* X11Connection();

xcb_atom_t Atom(xcb_connection_t* connection, const char* name);

// A property that holds a list of atoms; empty when it is not set.
std::vector<xcb_atom_t> AtomList(xcb_connection_t* connection, xcb_window_t window,
                                 xcb_atom_t property);
void SetAtomList(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                 const std::vector<xcb_atom_t>& atoms);

// A property that holds a list of 32-bit numbers; empty when it is not set.
std::vector<uint32_t> CardinalList(xcb_connection_t* connection, xcb_window_t window,
                                   xcb_atom_t property);
