#pragma once
// The result record that requests hand to their callbacks. Fields a record does not
// carry are zero (empty for texts).
#include "AnsiString.h"
#include <cstdint>

struct KwSNMPError {
    int32_t Code = 0;           // 0 for success, else a negative library code
    int32_t ErrorIndex = 0;     // error index of the response PDU
    AnsiString Message;         // the code's text from its table
    AnsiString Agent;           // address of the answering agent (before "/")
    uint16_t AgentPort = 0;     // its UDP port (after "/")
    bool Last = false;          // this response ends the request
    int64_t ErrorCount = 0;     // the request's count of failures (synchronous records)
};
