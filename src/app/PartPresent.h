// Showing a part of the table's back buffer on the screen, leaving the back
// buffer as it is, where the context's window system can (GLX with the
// sub-buffer copy): the next frame then repaints only what changed in it.
#pragma once

// The current context can show parts of its back buffer.
bool CanPresentPart();
// Shows the part (device pixels, y up from the bottom edge) of the current
// drawable's back buffer.
void PresentPart(int x, int y, int w, int h);
