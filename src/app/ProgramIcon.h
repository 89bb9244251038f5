#pragma once

#include <QIcon>

namespace shell {

// The program's own icon, with a picture drawn for each size a title bar, task bar or menu asks for.
QIcon programIcon();

} // namespace shell
