// Targets: where and how to send. SnmpTarget holds the agent's address, the
// version, the time-out in hundredths of a second and the retry count; CTarget
// adds the communities (v1, v2c), UTarget the SNMPv3 user.
#pragma once
#include <memory>
#include "Address.h"
#include "OctetStr.h"
#include "SnmpStatus.h"

class SnmpTarget {
public:
    SnmpTarget() = default;
    explicit SnmpTarget(const UdpAddress& address) : address_(address) {}
    virtual ~SnmpTarget() = default;
    virtual std::unique_ptr<SnmpTarget> clone() const = 0;

    bool valid() const { return address_.valid() && address_.get_port() != 0; }
    void set_address(const UdpAddress& address) { address_ = address; }
    int get_address(GenAddress& address) const { address = GenAddress(address_); return address_.valid(); }
    const UdpAddress& get_address() const { return address_; }

    void set_version(snmp_version v) { version_ = v; }
    snmp_version get_version() const { return version_; }
    // Hundredths of a second for one try; the engine tries retries + 1 times.
    void set_timeout(unsigned long hundredths) { timeout_ = hundredths; }
    unsigned long get_timeout() const { return timeout_; }
    void set_retry(int retries) { retries_ = retries < 0 ? 0 : retries; }
    int get_retry() const { return retries_; }

private:
    UdpAddress address_;
    snmp_version version_ = version1;
    unsigned long timeout_ = 100;
    int retries_ = 1;
};

class CTarget : public SnmpTarget {
public:
    CTarget() = default;
    explicit CTarget(const UdpAddress& address) : SnmpTarget(address) {}
    CTarget(const UdpAddress& address, const OctetStr& read, const OctetStr& write)
        : SnmpTarget(address), read_(read), write_(write) {}
    std::unique_ptr<SnmpTarget> clone() const override { return std::make_unique<CTarget>(*this); }

    void set_readcommunity(const OctetStr& c) { read_ = c; }
    void set_writecommunity(const OctetStr& c) { write_ = c; }
    const OctetStr& get_readcommunity() const { return read_; }
    const OctetStr& get_writecommunity() const { return write_; }

private:
    OctetStr read_ = "public";
    OctetStr write_ = "public";
};

class UTarget : public SnmpTarget {
public:
    UTarget() { set_version(version3); }
    explicit UTarget(const UdpAddress& address) : SnmpTarget(address) { set_version(version3); }
    std::unique_ptr<SnmpTarget> clone() const override { return std::make_unique<UTarget>(*this); }

    void set_security_name(const OctetStr& name) { securityName_ = name; }
    const OctetStr& get_security_name() const { return securityName_; }
    void set_security_model(int model) { securityModel_ = model; }
    int get_security_model() const { return securityModel_; }

private:
    OctetStr securityName_;
    int securityModel_ = SNMP_SECURITY_MODEL_USM;
};
