// The device clock: a manual date and time written to setTimeManually
// ("MM/DD/YYYY hh:mm:ss", 24-hour clock, a date that exists) becomes the time
// the device reports in sntpTimeofDay; any other text is wrongValue and
// changes nothing.
#include "DeviceBehaviours.h"
#include "DeviceTables.h"

#include <cctype>

namespace devsim {

namespace {

// The digits of text[from, from + count) as a number; -1 when one is not a digit.
int digitsAt(const std::string& text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i])))
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

} // namespace

bool isManualTimeText(const std::string& text)
{
    if (text.size() != 19 || text[2] != '/' || text[5] != '/' || text[10] != ' ' || text[13] != ':' ||
        text[16] != ':')
        return false;
    const int month = digitsAt(text, 0, 2), day = digitsAt(text, 3, 2), year = digitsAt(text, 6, 4);
    const int hour = digitsAt(text, 11, 2), minute = digitsAt(text, 14, 2), second = digitsAt(text, 17, 2);
    static const int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || year < 1970 || day < 1)
        return false;
    const int lastDay = daysIn[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
    return day <= lastDay && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
           second <= 59;
}

void installClockBehaviour(HookTable& hooks)
{
    const Oid manual = deviceOid("4.8.7.0");      // setTimeManually
    const Oid timeOfDay = deviceOid("4.8.4.0");   // sntpTimeofDay
    hooks.addGuard(manual, [](StateStore&, const Oid&, const Value& written) {
        return written.type == VarType::OctetString && isManualTimeText(written.bytes) ? SetError::None
                                                                                      : SetError::WrongValue;
    });
    hooks.add(manual, [timeOfDay](HookContext& context, const Oid&, const Value& written) {
        context.store.assign(timeOfDay, written);
    });
}

} // namespace devsim
