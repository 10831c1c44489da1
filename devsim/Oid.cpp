#include "Oid.h"

#include <algorithm>

namespace devsim {

bool parseOid(const std::string& text, Oid& out)
{
    Oid result;
    std::size_t pos = 0;
    if (!text.empty() && text[0] == '.')
        pos = 1;
    if (pos >= text.size())
        return false;
    while (pos <= text.size()) {
        std::uint64_t arc = 0;
        std::size_t digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            arc = arc * 10 + static_cast<unsigned>(text[pos] - '0');
            if (arc > 0xFFFFFFFFull)
                return false;
            ++pos;
            ++digits;
        }
        if (digits == 0)
            return false;
        result.push_back(static_cast<std::uint32_t>(arc));
        if (pos == text.size())
            break;
        if (text[pos] != '.')
            return false;
        ++pos;
        if (pos == text.size())
            return false;
    }
    if (result.size() < 2)
        return false;
    out = std::move(result);
    return true;
}

std::string formatOid(const Oid& oid)
{
    std::string text;
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(oid[i]);
    }
    return text;
}

bool oidStartsWith(const Oid& oid, const Oid& prefix)
{
    return oid.size() >= prefix.size()
        && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

} // namespace devsim
