#pragma once

#include <QString>

namespace arkivo::platform {

// Opens the help page of a keyword ("Käyttöpaneeli", "Herätyskello" ...):
// an HTML page in data/help/ shown in the program's help window.
class Help {
public:
    virtual ~Help() = default;
    virtual void show(const QString& keyword) = 0;
};

// The help file's name as the program's settings know it.
inline constexpr const char* kHelpFile = "C:\\Ohjelmatiedostot\\Arkivo\\ARKIVOOHJEET.HLP";

} // namespace arkivo::platform
