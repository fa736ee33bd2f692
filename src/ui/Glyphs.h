// The glyphs the build draws for the dialogs (the picture browser's two
// load buttons, the new-game dialog's two cut buttons), compiled into the
// program as resources.
#pragma once

#include <QImage>

// One of "browse_installed", "browse_folder", "newgame_big", "newgame_small";
// a null image if the build did not make it.
QImage GlyphImage(const char *name);
