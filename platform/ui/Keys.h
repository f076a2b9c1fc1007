#pragma once

class QKeyEvent;

namespace r78::ui {

// Key codes as the screens' key handlers know them.
enum KeyCode : int {
    kKeyBack = 8,
    kKeyTab = 9,
    kKeyReturn = 13,  // Return and the keypad's Enter alike
    kKeyEscape = 27,
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyEnd = 35,
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyDelete = 46,
};

// The key code of a key event: the codes above, "0".."9" and "A".."Z" as their
// upper-case character codes, F1.. as 112..; 0 for keys the screens never test.
int KeyCodeOf(const QKeyEvent& event);

// Alt with a key (not Control with Alt, which may be AltGr typing): an access
// key, or a key that is none and so types nothing.
bool IsAltChord(const QKeyEvent& event);

// Twips, the unit of the screens' sizes and grid column widths: 15 to a pixel at 96 dpi.
constexpr int TwipsToPixels(int twips) { return (twips + 7) / 15; }

}  // namespace r78::ui
