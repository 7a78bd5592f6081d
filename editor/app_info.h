#pragma once

#include <QString>

// The window's caption, also shown in the title bar of a message box that has
// no title of its own.
inline QString ApplicationCaption() { return QStringLiteral("Kubrel Viverezitor"); }
