#include "app/PartPresent.h"

// The window system's headers last: their macros clash with Qt's names.
#include <GL/glx.h>

namespace {

using TCopySubBuffer = void (*)(Display *, GLXDrawable, int, int, int, int);

TCopySubBuffer CopySubBuffer()
{
    static const auto fn = reinterpret_cast<TCopySubBuffer>(
        glXGetProcAddressARB(reinterpret_cast<const GLubyte *>("glXCopySubBufferMESA")));
    return fn;
}

bool HasExtension(Display *dpy)
{
    const char *ext = glXQueryExtensionsString(dpy, DefaultScreen(dpy));
    const char *name = "GLX_MESA_copy_sub_buffer";
    for (const char *p = ext; p && *p;) {
        const char *end = p;
        while (*end && *end != ' ')
            ++end;
        int k = 0;
        while (name[k] && p + k < end && p[k] == name[k])
            ++k;
        if (!name[k] && p + k == end)
            return true;
        p = *end ? end + 1 : end;
    }
    return false;
}

} // namespace

bool CanPresentPart()
{
    Display *dpy = glXGetCurrentDisplay();
    return dpy && glXGetCurrentContext() && glXGetCurrentDrawable() && HasExtension(dpy) && CopySubBuffer();
}

void PresentPart(int x, int y, int w, int h)
{
    if (w > 0 && h > 0)
        CopySubBuffer()(glXGetCurrentDisplay(), glXGetCurrentDrawable(), x, y, w, h);
}
