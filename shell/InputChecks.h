#pragma once
// The one home of the checks of what users type, run before any set: the dotted address
// and mask checks (the main window offers them as TMainForm::IsValidIpAddress /
// IsValidSubnetMask), the forms' text and number checks, and the refusal every check
// ends in. The pure checks show nothing; the calling form shows its own message.
#include "AnsiString.h"

#include <cstdint>
#include <vector>

class TControl;
class TEdit;
class TWinControl;

// --- dotted addresses ---------------------------------------------------------------

// The fields of a dotted text, split at every "." ("1..2" gives "1", "", "2"; an
// empty text gives one empty field). The one parser of dotted addresses and masks.
std::vector<AnsiString> DottedFields(const AnsiString& text);

// Four dotted parts of one to three decimal digits each (no sign, blank or hexadecimal
// form: what the value codec sends as an address): first 1 to 223, middle 0 to 255,
// last 1 to 254.
bool IsValidHostAddressText(const AnsiString& text);

// Four dotted parts, digits only as above, forming ones followed by zeros, at least 192.0.0.0 and
// not all ones; no part may be 1.
bool IsValidSubnetMaskText(const AnsiString& text);

// Field by field AND of a dotted address and mask ("192.168.1.77", "255.255.255.128"
// give "192.168.1.0"); non-numeric fields count as 0, fields keep their low 8 bits.
AnsiString NetworkAddressText(const AnsiString& address, const AnsiString& mask);

// Dotted text as a number, first field highest ("10.0.0.1" gives 0x0A000001). The
// arithmetic wraps like the device's: no range check, non-numeric fields count as 0.
std::uint32_t IpTextToUInt(const AnsiString& text);
std::uint32_t IpEditToUInt(const TEdit* edit);

// --- texts --------------------------------------------------------------------------

// True when no byte is 0x80 or above (an empty text too): characters the device can store.
bool IsAsciiText(const AnsiString& text);

// True when every character is a letter, a digit, '.', '_' or '-' (an empty text too).
bool IsHostNameText(const AnsiString& text);

// Decimal digits only (no sign, no blanks, at most as many digits as `high` has) for a
// number from low to high; the number goes to *value when given.
bool IsDecimalInRange(const AnsiString& text, int low, int high, int* value = nullptr);

// --- refusals ---------------------------------------------------------------------

extern const char* const HighBytesText;  // "Don't support chinese character !"
extern const char* const HexDigitsText;  // "Please input  Hexadecimal digits!"

// A window whose status answers the user's last action (a settings form): a refusal
// of its input ends what the status said of an earlier one, so that no verdict stays
// on screen as if it answered the refused action.
class TRefusalListener {
public:
    virtual void InputRefused() = 0;

protected:
    ~TRefusalListener() = default;
};

// Tells the window that holds `control` (without one, the active window) that its
// input was refused, when it listens. Every refusal below does; a form that shows its
// own box for a refusal calls it.
void NoteRefusal(TControl* control);

// The refusal of an input: NoteRefusal, a box with the text, the form's caption
// ("Warning", "Waring", "Error") and OK, then the focus back into the offending control
// (when given). Always false, so a check can end with `return RefuseInput(...)`.
bool RefuseInput(const AnsiString& text, const AnsiString& caption, TWinControl* control = nullptr);

// The text is accepted when it holds no byte of 128 or more; otherwise it is refused
// with HighBytesText (and the refused text removed when `clearRefused`).
bool CheckPlainText(TEdit* edit, const AnsiString& caption = "Warning", bool clearRefused = false);

// At most maxLength characters; otherwise refused with `message`.
bool CheckMaxLength(TEdit* edit, int maxLength, const AnsiString& message,
                    const AnsiString& caption = "Warning");

// A decimal whole number from low to high, blanks around it aside.
bool IsNumberInRange(const AnsiString& text, int low, int high);
// A decimal whole number from low to high; otherwise refused with `message`.
bool CheckNumberRange(TEdit* edit, int low, int high, const AnsiString& message,
                      const AnsiString& caption = "Warning");
