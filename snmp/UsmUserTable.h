// The process's USM users: name, protocols, pass phrases and the keys (Ku)
// derived from them. net-snmp keeps one global user list, so this table is
// process-wide too: one key set per user name at a time.
#pragma once
#include <map>
#include <string>
#include "OctetStr.h"

namespace snmp_layer {

struct UsmUser {
    std::string name;
    long authProtocol = 1;
    long privProtocol = 1;
    std::string authPassword;
    std::string privPassword;
    OctetStr authKey;   // Ku of the authentication pass phrase (empty: no auth)
    OctetStr privKey;   // Ku of the privacy pass phrase, by the auth hash (empty: no priv)
    unsigned long generation = 0;   // changes whenever the keys change
};

class UsmUserTable {
public:
    static UsmUserTable& instance();

    // Adds or replaces a user. An add that fails removes an earlier entry of the
    // name, so old keys never stand in for a refused pass phrase.
    int add(const std::string& name, long authProtocol, long privProtocol,
            const std::string& authPassword, const std::string& privPassword);
    int remove(const std::string& name);
    const UsmUser* find(const std::string& name) const;

    // Called before a session for this user opens: drops net-snmp's cached
    // localized keys of the same name when they belong to another key set.
    void prepareNetSnmpUser(const std::string& name, unsigned long generation);

private:
    std::map<std::string, UsmUser> users_;
    std::map<std::string, unsigned long> installed_;   // generation net-snmp holds
    unsigned long nextGeneration_ = 1;
};

}
