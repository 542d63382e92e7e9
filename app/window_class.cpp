// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/window_class.h"

#include <GL/glx.h>
#include <X11/Xutil.h>

namespace vortimbal {

void setWindowClass(const char* name) {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (display == nullptr || window == 0) {
        return;
    }
    // Xlib takes the strings as writable, though it only reads them.
    XClassHint hint{const_cast<char*>(name), const_cast<char*>(name)};
    XSetClassHint(display, window, &hint);
    // The window is already on screen: the class must not wait in Xlib's queue.
    XFlush(display);
}

}  // namespace vortimbal
