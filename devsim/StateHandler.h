#pragma once
// The one agent handler that answers for the device's variables: get,
// get-next (ordered walk of the state) and set with net-snmp's phases.
//
// A set is all or nothing per PDU: RESERVE1 checks every binding (unknown
// variable noCreation, read-only notWritable, type wrongType, length
// wrongLength), then lets the behaviours' guards try the PDU on a copy of
// the state (a full table, an unknown key: see HookTable.h), ACTION writes them in PDU order (a repeated variable: the
// last binding wins) and keeps each old value, UNDO puts the old values back
// in reverse order, COMMIT runs the hooks of the written variables.
#include "HookTable.h"
#include "NetSnmp.h"
#include "StateStore.h"

namespace devsim {

class StateHandler {
public:
    StateHandler(StateStore& store, const HookTable& hooks, HookContext& context);

    // Registers the handler for one subtree; false when net-snmp refuses.
    bool registerTree(const Oid& root, const char* name);

private:
    static int dispatch(netsnmp_mib_handler* handler, netsnmp_handler_registration* registration,
                        netsnmp_agent_request_info* info, netsnmp_request_info* requests);
    void get(netsnmp_agent_request_info* info, netsnmp_request_info* requests);
    void getNext(const Oid& root, netsnmp_request_info* requests);
    void reserve(netsnmp_agent_request_info* info, netsnmp_request_info* requests);
    void guard(netsnmp_agent_request_info* info, netsnmp_request_info* requests);
    void action(netsnmp_request_info* requests);
    void undo(netsnmp_request_info* requests);
    void commit(netsnmp_request_info* requests);

    StateStore& store_;
    const HookTable& hooks_;
    HookContext& context_;
};

} // namespace devsim
