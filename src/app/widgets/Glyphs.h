#pragma once

namespace app {

// Registers the buttons' glyphs (":/glyphs/printer.xpm") before a .ui file's buttons load them. They live in this
// static library, so their resource must be registered by hand; registering twice does no harm.
void registerGlyphs();

} // namespace app
