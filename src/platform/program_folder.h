#pragma once

#include <QString>

namespace arkivo::platform {

// Where day files, marks files and the registry file live: $ARKIVO_HOME when
// set; else the executable's folder when writable; else ~/.local/share/arkivo.
// The folder is created when missing.
QString programFolder();

} // namespace arkivo::platform
