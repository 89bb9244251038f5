#pragma once

#include <QStringList>

class QPlainTextEdit;

namespace app {

// The lines of a text area as it shows them: a paragraph that the area wraps at its width gives one
// line per piece shown. A last line that is empty (the text ends in a line end, or there is no text)
// is left out.
QStringList displayedLines(const QPlainTextEdit& memo);

} // namespace app
