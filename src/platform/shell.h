#pragma once

#include <QString>

namespace arkivo::platform {

// Opens a file or program by name with its default action.
class Shell {
public:
    virtual ~Shell() = default;
    // A file path, URL or program: opened with the desktop's default handler.
    virtual bool open(const QString& target) = 0;
    // A named Windows tool ("notepad", "mspaint", "control", "timedate.cpl", "rasphone" ...)
    // through the table of Linux desktop equivalents; silently nothing (false) when
    // none is installed.
    virtual bool openTool(const QString& windowsName) = 0;
};

class DesktopShell final : public Shell {
public:
    bool open(const QString& target) override;
    bool openTool(const QString& windowsName) override;
};

} // namespace arkivo::platform
