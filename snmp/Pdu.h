// A protocol data unit: bindings, type, request id, error status and index, and
// the SNMPv3 security level, context name and context engine id.
#pragma once
#include <vector>
#include "OctetStr.h"
#include "SnmpStatus.h"
#include "Vb.h"

class Pdu {
public:
    Pdu() = default;
    Pdu(const Vb* vbs, int count);

    Pdu& operator+=(const Vb& vb);
    int get_vb_count() const { return static_cast<int>(vbs_.size()); }
    // SNMP_CLASS_SUCCESS, or SNMP_CLASS_INVALID for an index out of range.
    int get_vb(Vb& vb, int index) const;
    int set_vb(const Vb& vb, int index);
    const Vb& operator[](int index) const;    // out of range: an empty binding
    int delete_vb(int index);
    void trim(int count = 1);                 // drops the last count bindings
    void clear_vbs() { vbs_.clear(); }
    const std::vector<Vb>& vbs() const { return vbs_; }

    int get_type() const { return type_; }
    void set_type(int type) { type_ = type; }
    unsigned long get_request_id() const { return requestId_; }
    void set_request_id(unsigned long id) { requestId_ = id; }
    int get_error_status() const { return errorStatus_; }
    void set_error_status(int status) { errorStatus_ = status; }
    int get_error_index() const { return errorIndex_; }
    void set_error_index(int index) { errorIndex_ = index; }

    void set_security_level(int level) { securityLevel_ = level; }
    int get_security_level() const { return securityLevel_; }
    void set_context_name(const OctetStr& name) { contextName_ = name; }
    const OctetStr& get_context_name() const { return contextName_; }
    void set_context_engine_id(const OctetStr& id) { contextEngineId_ = id; }
    const OctetStr& get_context_engine_id() const { return contextEngineId_; }

private:
    std::vector<Vb> vbs_;
    int type_ = sNMP_PDU_GET;
    unsigned long requestId_ = 0;
    int errorStatus_ = 0;
    int errorIndex_ = 0;
    int securityLevel_ = SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV;
    OctetStr contextName_;
    OctetStr contextEngineId_;
};
