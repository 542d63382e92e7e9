// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/window_system.h"

#include <GL/glx.h>
#include <X11/Xutil.h>

#include <cstring>

namespace vortimbal {

void prepareWindowSystem() {}

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

namespace {

// Whether the space-separated list holds the whole word `name`.
bool offers(const char* list, const char* name) {
    const std::size_t length = std::strlen(name);
    for (const char* at = list; (at = std::strstr(at, name)) != nullptr; at += length) {
        const bool starts = at == list || at[-1] == ' ';
        if (starts && (at[length] == ' ' || at[length] == 0)) {
            return true;
        }
    }
    return false;
}

template <typename Function>
Function lookUp(const char* name) {
    return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

}  // namespace

void requestSwapInterval(int frames) {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (display == nullptr || drawable == 0) {
        return;
    }
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (extensions == nullptr) {
        return;
    }
    using SetExt = void (*)(Display*, GLXDrawable, int);
    using SetMesa = int (*)(unsigned);
    using SetSgi = int (*)(int);
    if (offers(extensions, "GLX_EXT_swap_control")) {
        if (auto set = lookUp<SetExt>("glXSwapIntervalEXT")) {
            set(display, drawable, frames);
        }
    } else if (offers(extensions, "GLX_MESA_swap_control")) {
        if (auto set = lookUp<SetMesa>("glXSwapIntervalMESA")) {
            set(unsigned(frames));
        }
    } else if (offers(extensions, "GLX_SGI_swap_control") && frames > 0) {
        // This one cannot switch the wait off.
        if (auto set = lookUp<SetSgi>("glXSwapIntervalSGI")) {
            set(frames);
        }
    }
}

}  // namespace vortimbal
