#pragma once
// Records every status a TFTP server reports, in order.
#include "KwTFTPMsg.h"

#include <functional>
#include <vector>

struct StatusRecorder {
    std::vector<int> Codes;
    std::vector<KwTFTPMsg> Records;
    // Called on each status; may set Cancel.
    std::function<void(KwTFTPMsg&, bool&)> Also;

    KwTFTPStatusEvent Handler()
    {
        return [this](KwTFTPMsg& msg, bool& cancel) {
            Codes.push_back(msg.Code);
            Records.push_back(msg);
            if (Also)
                Also(msg, cancel);
        };
    }
    bool Saw(int code) const
    {
        for (int c : Codes)
            if (c == code)
                return true;
        return false;
    }
    int Last() const { return Codes.empty() ? 0x7fffffff : Codes.back(); }
};
