#include "TransferFaults.h"

#include <sstream>

namespace devsim {

namespace {

bool parseNumber(const std::string& text, unsigned long max, unsigned& out)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long value = std::stoul(text);
    if (value > max)
        return false;
    out = static_cast<unsigned>(value);
    return true;
}

} // namespace

std::string TransferFaults::command(const std::string& argument)
{
    std::istringstream words(argument);
    std::string kind, first, second, extra;
    words >> kind >> first >> second >> extra;
    const char* usage = "ERR transfer-fault needs fail [N], skip [N], late MS [N], slow MS [N] or none";
    if (!extra.empty())
        return usage;
    TransferFault fault;
    unsigned count = 1;
    std::string countText = first;
    if (kind == "none") {
        if (!first.empty())
            return usage;
        fault_ = TransferFault{};
        count_ = 0;
        return "OK";
    }
    if (kind == "fail") {
        fault.kind = TransferFault::Kind::Fail;
    } else if (kind == "skip") {
        fault.kind = TransferFault::Kind::Skip;
    } else if (kind == "late") {
        fault.kind = TransferFault::Kind::Late;
        if (!parseNumber(first, 600000, fault.lateMs))
            return "ERR transfer-fault late needs milliseconds from 0 to 600000";
        countText = second;
    } else if (kind == "slow") {
        fault.kind = TransferFault::Kind::Slow;
        if (!parseNumber(first, 60000, fault.blockMs) || fault.blockMs < 100)
            return "ERR transfer-fault slow needs milliseconds from 100 to 60000";
        countText = second;
    } else {
        return usage;
    }
    if (kind != "late" && kind != "slow" && !second.empty())
        return usage;
    if (!countText.empty() && (!parseNumber(countText, 1000000, count) || count == 0))
        return "ERR transfer-fault needs a count from 1 to 1000000";
    fault_ = fault;
    count_ = count;
    return "OK";
}

TransferFault TransferFaults::take()
{
    if (count_ == 0)
        return TransferFault{};
    --count_;
    return fault_;
}

TransferFaults& transferFaults()
{
    static TransferFaults faults;
    return faults;
}

} // namespace devsim
