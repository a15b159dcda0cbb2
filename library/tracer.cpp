// SPDX-License-Identifier: GPL-3.0-or-later
// The tracer presence check: when the library is loaded into a process it
// holds the named shared memory "NORVCOM_TRACER" (4 bytes, one 32-bit value)
// until it is unloaded. It writes 0 into a share it created, and 2 into a
// share that already existed while a top-level window titled "NorvTracer" is
// open. Every failure is silent and never stops the library from loading.
//
// The window is looked for on the X display named by $DISPLAY; libX11 is
// loaded at run time, so the library links against nothing extra. Without a
// display, or without libX11, the window counts as absent.
#include "atomic_file.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kShareName = "/NORVCOM_TRACER";
constexpr size_t kShareSize = 4;
constexpr mode_t kShareMode = 0600;
constexpr uint32_t kCreatedValue = 0;
constexpr uint32_t kTracerRunningValue = 2;
constexpr const char* kTracerTitle = "NorvTracer";
// Window managers put a frame or two around a program's top-level window.
constexpr int kWindowSearchDepth = 3;

int g_share = -1;

// The few Xlib entry points the lookup needs, with Xlib's own types reduced
// to what crosses the calls.
using Display = void;
using Window = unsigned long;
using Atom = unsigned long;
using ErrorHandler = int (*)(Display*, void*);

struct X11 {
    void* library = nullptr;
    Display* (*openDisplay)(const char*) = nullptr;
    int (*closeDisplay)(Display*) = nullptr;
    int (*screenCount)(Display*) = nullptr;
    Window (*rootWindow)(Display*, int) = nullptr;
    int (*queryTree)(Display*, Window, Window*, Window*, Window**, unsigned int*) = nullptr;
    int (*fetchName)(Display*, Window, char**) = nullptr;
    Atom (*internAtom)(Display*, const char*, int) = nullptr;
    int (*getWindowProperty)(Display*, Window, Atom, long, long, int, Atom, Atom*, int*,
                             unsigned long*, unsigned long*, unsigned char**) = nullptr;
    int (*free)(void*) = nullptr;
    ErrorHandler (*setErrorHandler)(ErrorHandler) = nullptr;

    Display* display = nullptr;
    Atom netWmName = 0;
    Atom utf8String = 0;

    bool load()
    {
        library = ::dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return false;
        return bind(openDisplay, "XOpenDisplay") && bind(closeDisplay, "XCloseDisplay") &&
               bind(screenCount, "XScreenCount") && bind(rootWindow, "XRootWindow") &&
               bind(queryTree, "XQueryTree") && bind(fetchName, "XFetchName") &&
               bind(internAtom, "XInternAtom") && bind(getWindowProperty, "XGetWindowProperty") &&
               bind(free, "XFree") && bind(setErrorHandler, "XSetErrorHandler");
    }
    template <typename F>
    bool bind(F& function, const char* name)
    {
        function = reinterpret_cast<F>(::dlsym(library, name));
        return function != nullptr;
    }
    ~X11()
    {
        if (display)
            closeDisplay(display);
        // libX11 stays loaded: unloading it can run handlers it registered.
    }

    bool titled(Window window)
    {
        bool match = false;
        char* name = nullptr;
        if (fetchName(display, window, &name) && name) {
            match = std::strcmp(name, kTracerTitle) == 0;
            free(name);
        }
        if (match || !netWmName || !utf8String)
            return match;
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        constexpr int kSuccess = 0;
        if (getWindowProperty(display, window, netWmName, 0, 64, 0, utf8String, &type, &format,
                              &items, &after, &data) == kSuccess &&
            data) {
            match = format == 8 && items == std::strlen(kTracerTitle) &&
                    std::memcmp(data, kTracerTitle, items) == 0;
            free(data);
        }
        return match;
    }

    bool search(Window window, int depth)
    {
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!queryTree(display, window, &root, &parent, &children, &count))
            return false;
        bool found = false;
        for (unsigned int i = 0; i < count && !found; ++i)
            found = titled(children[i]) || (depth > 1 && search(children[i], depth - 1));
        if (children)
            free(children);
        return found;
    }
};

// A window that vanishes during the search must not end the process.
int ignoreError(Display*, void*) { return 0; }

bool tracerWindowOpen()
{
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return false;
    X11 x;
    if (!x.load())
        return false;
    x.display = x.openDisplay(name);
    if (!x.display)
        return false;
    const ErrorHandler previous = x.setErrorHandler(ignoreError);
    x.netWmName = x.internAtom(x.display, "_NET_WM_NAME", 1);
    x.utf8String = x.internAtom(x.display, "UTF8_STRING", 1);
    bool found = false;
    for (int screen = 0; screen < x.screenCount(x.display) && !found; ++screen)
        found = x.search(x.rootWindow(x.display, screen), kWindowSearchDepth);
    x.closeDisplay(x.display);
    x.display = nullptr;
    x.setErrorHandler(previous);
    return found;
}

__attribute__((constructor)) void checkTracer()
{
    if (g_share >= 0)
        return;
    bool created = true;
    int fd = ::shm_open(kShareName, O_RDWR | O_CREAT | O_EXCL, kShareMode);
    if (fd < 0) {
        created = false;
        fd = ::shm_open(kShareName, O_RDWR, 0);
    }
    if (fd < 0)
        return;
    g_share = fd;
    if (created && ::ftruncate(fd, kShareSize) != 0)
        return;
    // A share that some other program made too small is left alone.
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size < static_cast<off_t>(kShareSize))
        return;
    void* view = ::mmap(nullptr, kShareSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (view == MAP_FAILED)
        return;
    auto* value = static_cast<uint32_t*>(view);
    try {
        if (created)
            *value = kCreatedValue;
        else if (tracerWindowOpen())
            *value = kTracerRunningValue;
    } catch (...) {
    }
    ::munmap(view, kShareSize);
}

__attribute__((destructor)) void releaseTracer()
{
    // Closing the share gives it back. g_share stays a plain int: this
    // runs in no fixed order with the destructors of static objects.
    const ql310::UniqueFd share(std::exchange(g_share, -1));
}

} // namespace
