#include "StateHandler.h"

#include "SetCheck.h"
#include "VarbindCodec.h"

#include <vector>

namespace devsim {

namespace {

const char* const kUndoName = "devsim-undo";

void freeUndo(void* data)
{
    delete static_cast<Value*>(data);
}

int snmpErrorOf(SetError error)
{
    switch (error) {
    case SetError::NoCreation: return SNMP_ERR_NOCREATION;
    case SetError::NotWritable: return SNMP_ERR_NOTWRITABLE;
    case SetError::WrongType: return SNMP_ERR_WRONGTYPE;
    case SetError::WrongLength: return SNMP_ERR_WRONGLENGTH;
    case SetError::WrongValue: return SNMP_ERR_WRONGVALUE;
    case SetError::InconsistentValue: return SNMP_ERR_INCONSISTENTVALUE;
    case SetError::ResourceUnavailable: return SNMP_ERR_RESOURCEUNAVAILABLE;
    case SetError::None: break;
    }
    return SNMP_ERR_NOERROR;
}

Oid requestOid(const netsnmp_request_info* request)
{
    return toOid(request->requestvb->name, request->requestvb->name_length);
}

} // namespace

StateHandler::StateHandler(StateStore& store, const HookTable& hooks, HookContext& context)
    : store_(store), hooks_(hooks), context_(context)
{
}

bool StateHandler::registerTree(const Oid& root, const char* name)
{
    std::vector<oid> arcs = toNetSnmpOid(root);
    netsnmp_handler_registration* registration = netsnmp_create_handler_registration(
        name, &StateHandler::dispatch, arcs.data(), arcs.size(), HANDLER_CAN_RWRITE);
    if (!registration)
        return false;
    registration->handler->myvoid = this;
    return netsnmp_register_handler(registration) == MIB_REGISTERED_OK;
}

int StateHandler::dispatch(netsnmp_mib_handler* handler, netsnmp_handler_registration* registration,
                           netsnmp_agent_request_info* info, netsnmp_request_info* requests)
{
    auto* self = static_cast<StateHandler*>(handler->myvoid);
    switch (info->mode) {
    case MODE_GET: self->get(info, requests); break;
    case MODE_GETNEXT: self->getNext(toOid(registration->rootoid, registration->rootoid_len), requests); break;
    case MODE_SET_RESERVE1: self->reserve(info, requests); break;
    case MODE_SET_ACTION: self->action(requests); break;
    case MODE_SET_UNDO: self->undo(requests); break;
    case MODE_SET_COMMIT: self->commit(requests); break;
    default: break; // RESERVE2 and FREE: nothing to hold or release
    }
    return SNMP_ERR_NOERROR;
}

void StateHandler::get(netsnmp_agent_request_info* info, netsnmp_request_info* requests)
{
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (request->processed)
            continue;
        const Oid name = requestOid(request);
        const StateEntry* entry = store_.find(name);
        if (entry && store_.isInstance(name))
            storeValue(request->requestvb, store_.read(*entry));
        else if (entry)
            netsnmp_set_request_error(info, request, SNMP_NOSUCHOBJECT);  // an object, no instance
        else
            netsnmp_set_request_error(info, request,
                                      store_.hasObjectOf(name) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
    }
}

void StateHandler::getNext(const Oid& root, netsnmp_request_info* requests)
{
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (request->processed)
            continue;
        const StateEntry* entry = store_.next(requestOid(request), request->inclusive != 0, root);
        if (!entry)
            continue; // nothing further here: the agent goes on with the next subtree
        std::vector<oid> arcs = toNetSnmpOid(entry->oid);
        snmp_set_var_objid(request->requestvb, arcs.data(), arcs.size());
        storeValue(request->requestvb, store_.read(*entry));
    }
}

void StateHandler::reserve(netsnmp_agent_request_info* info, netsnmp_request_info* requests)
{
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (request->processed)
            continue;
        const std::optional<Value> value = valueOf(request->requestvb);
        const SetError error = checkSet(store_, requestOid(request), varTypeOf(request->requestvb->type),
                                        value ? &*value : nullptr);
        if (error != SetError::None) {
            netsnmp_set_request_error(info, request, snmpErrorOf(error));
            return;
        }
    }
    guard(info, requests);
}

void StateHandler::guard(netsnmp_agent_request_info* info, netsnmp_request_info* requests)
{
    bool guarded = false;
    for (netsnmp_request_info* request = requests; request && !guarded; request = request->next)
        guarded = hooks_.hasGuard(requestOid(request));
    if (!guarded)
        return;
    // The behaviours try the whole PDU on a copy of the state, in PDU order,
    // as the commit will run them on the real one.
    StateStore trial = store_;
    std::vector<std::pair<netsnmp_request_info*, Value>> written;
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        std::optional<Value> value = valueOf(request->requestvb);
        if (!value)
            continue;
        trial.assign(requestOid(request), *value);
        written.emplace_back(request, std::move(*value));
    }
    for (auto& [request, value] : written) {
        const SetError error = hooks_.runGuards(trial, requestOid(request), value);
        if (error != SetError::None) {
            netsnmp_set_request_error(info, request, snmpErrorOf(error));
            return;
        }
    }
}

void StateHandler::action(netsnmp_request_info* requests)
{
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        const Oid name = requestOid(request);
        const StateEntry* entry = store_.find(name);
        const std::optional<Value> value = valueOf(request->requestvb);
        if (!entry || !value)
            continue; // refused in RESERVE1, never reaches here
        netsnmp_request_add_list_data(request,
                                      netsnmp_create_data_list(kUndoName, new Value(store_.read(*entry)), freeUndo));
        store_.assign(name, *value);
    }
}

void StateHandler::undo(netsnmp_request_info* requests)
{
    std::vector<netsnmp_request_info*> applied;
    for (netsnmp_request_info* request = requests; request; request = request->next)
        applied.push_back(request);
    for (auto it = applied.rbegin(); it != applied.rend(); ++it) {
        auto* old = static_cast<Value*>(netsnmp_request_get_list_data(*it, kUndoName));
        if (old)
            store_.assign(requestOid(*it), *old);
    }
}

void StateHandler::commit(netsnmp_request_info* requests)
{
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        const std::optional<Value> value = valueOf(request->requestvb);
        if (value)
            hooks_.runAfterCommit(context_, requestOid(request), *value);
    }
}

} // namespace devsim
