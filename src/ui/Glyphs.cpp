#include "ui/Glyphs.h"

#include <QString>

static void InitGlyphResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(jigsy_glyphs);
        return true;
    }();
    (void)done;
}

QImage GlyphImage(const char *name)
{
    InitGlyphResources();
    return QImage(QStringLiteral(":/jigsy/glyphs/%1.png").arg(QLatin1String(name)));
}
