#pragma once
// A broken agent's answers to a walk, ordered by the control channel so tests can
// see how the module takes a table read that goes wrong part-way:
//
//   walk-fault OID KIND   every get-next or get-bulk answer that carries the
//                         instance OID comes back broken, as KIND says:
//     genErr              the answer is genErr at that binding, with the request's
//                         bindings (as an agent answers an error)
//     noSuchName          the same with noSuchName, in every version (as a v1
//                         agent says the MIB ends there)
//     short               the answer ends before that binding
//     noSuchObject, endOfMibView, null
//                         that binding holds the exception or NULL at OID
//                         (SNMPv1 has neither: the answer is noSuchName there)
//     type                that binding holds a value of another type: an OCTET
//                         STRING "x" for a number, an address or an OID, INTEGER 7
//                         for a string
//     oversized           that binding holds an OCTET STRING of 30000 bytes, more
//                         than any variable of the device holds
//     shift               that binding names the next row of its column (the OID's
//                         last arc one higher), keeping the row's value
//     order               that binding names the OID it was asked for, keeping
//                         the row's value
//   walk-fault none       answers as they are from now on
//   get-fault OID KIND    the same for the answers to a get (get-fault none ends it)
//
// One fault at a time: a new command replaces the last one.
#include "NetSnmp.h"
#include "Oid.h"

#include <string>
#include <vector>

namespace devsim {

class WalkFaults {
public:
    // `name`: the control command that orders these faults.
    explicit WalkFaults(std::string name) : name_(std::move(name)) {}
    // The command's argument; the reply line ("OK" or "ERR reason").
    std::string command(const std::string& argument);
    // Breaks `response`, the answer to a get-next or get-bulk whose bindings asked
    // for `asked`, when it carries the fault's OID.
    void apply(netsnmp_pdu* response, const std::vector<Oid>& asked) const;

private:
    enum class Kind { None, GenErr, NoSuchName, Short, NoSuchObject, EndOfMibView, Null, Type, Oversized, Shift, Order };
    std::string name_;
    Kind kind_ = Kind::None;
    Oid at_;
};

// The device's one set of ordered walk faults.
WalkFaults& walkFaults();
// The device's one set of faults of get answers.
WalkFaults& getFaults();

} // namespace devsim
