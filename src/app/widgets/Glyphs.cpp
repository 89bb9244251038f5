#include "widgets/Glyphs.h"

#include <QtGlobal>

// Outside any namespace: the resource's registration function is a global one.
static void registerGlyphResource()
{
    Q_INIT_RESOURCE(glyphs);
}

namespace app {

void registerGlyphs()
{
    registerGlyphResource();
}

} // namespace app
