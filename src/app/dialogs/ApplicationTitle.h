#pragma once

#include <QString>

namespace app {

// The application title: the task bar's name for the program and the caption of its error box.
inline QString applicationTitle()
{
    return QStringLiteral("Corvanta");
}

} // namespace app
