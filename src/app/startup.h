#pragma once

class TForm1;
class TMuistuttaja;
class TKello;
class TMuistilappub;
class TMuistilappua;
class TForm3;
class TNauhalaskukone;
class TPiip;
class TKalenteriAlarm;
class TTimeForm;
class TLukitsin;

namespace arkivo::app {

// The one instance of each long-lived window, made at start in this order
// and destroyed at the end of the run.
struct Windows {
    TForm1* Form1 = nullptr;
    TMuistuttaja* Muistuttaja = nullptr;
    TKello* Kello = nullptr;
    TMuistilappub* Muistilappub = nullptr;
    TMuistilappua* Muistilappua = nullptr;
    TForm3* Form3 = nullptr;
    TNauhalaskukone* Nauhalaskukone = nullptr;
    TPiip* Piip = nullptr;
    TKalenteriAlarm* KalenteriAlarm = nullptr;
    TTimeForm* TimeForm = nullptr;
    TLukitsin* Lukitsin = nullptr;
};

Windows& windows();

// Creates the eleven windows, hidden, and hands the tools to the panel.
// The caller shows the panel once this returns.
void createWindows();
// Destroys them in the reverse order; each saves its stored values.
void destroyWindows();

} // namespace arkivo::app
