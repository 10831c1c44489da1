#pragma once
#include <memory>
#include <vector>

#include "KwSNMPRequest.h"
#include "Oid.h"

// One asynchronous send, handed to the engine as the callback's data.
struct KwSNMPAsyncContext {
    void (KwSNMPRequest::*Handler)(KwSNMPAsyncContext&, int, Pdu&, SnmpTarget&);
    KwSNMPRequest* Request;
    bool ReadResponse;
    KwSNMPAsyncDone Done;
    std::vector<int> Variables;  // the variables of the sent PDU, in binding order
    std::vector<Oid> Sent;       // the OIDs sent, in binding order
    unsigned long RequestId = 0;
    bool PlainGet = false;       // a get (not a walk's get-next, not a set)
    bool Walk = false;           // a get-next of a table walk
    bool PastLimit = false;      // a walk's get-next after KwWalkRowLimit rows
    // A proof of SNMPv1's end of the MIB: the answer that claimed it and its binding.
    std::shared_ptr<Pdu> EndAnswer = nullptr;
    int EndAt = -1;
};
