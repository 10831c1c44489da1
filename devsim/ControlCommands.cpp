#include "ControlCommands.h"

#include "ServedTrees.h"
#include "StateFile.h"
#include "StateLine.h"
#include "TransferFaults.h"
#include "WalkFaults.h"

#include <fstream>

namespace devsim {

namespace {

std::string trim(const std::string& text)
{
    std::size_t b = text.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    std::size_t e = text.find_last_not_of(" \t\r\n");
    return text.substr(b, e - b + 1);
}

bool parseCount(const std::string& text, unsigned long max, unsigned long& out)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    out = std::stoul(text);
    return out <= max;
}

} // namespace

ControlCommands::ControlCommands(StateStore& store, RequestGate& gate, Journal& journal, DeviceLog* log)
    : store_(store), gate_(gate), journal_(journal), log_(log)
{
}

std::string ControlCommands::execute(const std::string& rawLine)
{
    const std::string line = trim(rawLine);
    const std::size_t space = line.find_first_of(" \t");
    const std::string command = line.substr(0, space);
    const std::string argument = space == std::string::npos ? std::string() : trim(line.substr(space));
    unsigned long n = 0;

    if (command == "ping")
        return "OK";
    if (command == "load")
        return load(argument);
    if (command == "set")
        return set(argument);
    if (command == "get")
        return get(argument);
    if (command == "dump")
        return dump(argument);
    if (command == "template")
        return set("template " + argument);
    if (command == "clear-template") {
        Oid prefix;
        if (!parseOid(argument, prefix))
            return "ERR clear-template needs a numeric OID prefix";
        return "OK " + std::to_string(store_.removeTemplatesBelow(prefix));
    }
    if (command == "remove") {
        // The device loses a variable: a get of it then gets noSuchObject /
        // noSuchInstance (noSuchName in SNMPv1).
        Oid oid;
        if (!parseOid(argument, oid) || !store_.find(oid))
            return "ERR remove needs the numeric OID of a served variable";
        if (oidStartsWith(oid, systemGroupOid())) {
            // Contact, name and location may be lost; what names the device stays.
            if (store_.find(oid)->readOnly)
                return "ERR the system group keeps its read-only variables";
            store_.removeVariable(oid);
            return "OK";
        }
        store_.removeBelow(oid);
        return "OK";
    }
    if (command == "endless") {
        Oid column;
        if (!parseOid(argument, column) || !isServedOid(column))
            return "ERR endless needs a served column's numeric OID";
        store_.makeEndless(column);
        return "OK";
    }
    if (command == "log" || command == "clear-log") {
        if (!log_)
            return "ERR this device keeps no log";
        if (command == "clear-log")
            log_->clear();
        else if (argument.empty())
            return "ERR log needs the line's text";
        else
            log_->addLine(argument);
        return "OK";
    }
    if (command == "delay") {
        if (!parseCount(argument, 600000, n))
            return "ERR delay needs milliseconds from 0 to 600000";
        gate_.setReplyDelay(std::chrono::milliseconds(n));
        return "OK";
    }
    if (command == "drop") {
        if (!parseCount(argument, 1000000, n))
            return "ERR drop needs a number of requests";
        gate_.dropNext(static_cast<unsigned>(n));
        return "OK";
    }
    if (command == "silent") {
        if (!parseCount(argument, 86400, n))
            return "ERR silent needs seconds from 0 to 86400";
        gate_.silenceFor(std::chrono::seconds(n), RequestGate::Clock::now());
        return "OK";
    }
    if (command == "transfer-fault")
        return transferFaults().command(argument);
    if (command == "walk-fault")
        return walkFaults().command(argument);
    if (command == "get-fault")
        return getFaults().command(argument);
    if (command == "clear-journal")
        return journal_.clear() ? "OK" : "ERR cannot empty the journal";
    if (command == "stop") {
        stop_ = true;
        return "OK";
    }
    return "ERR unknown command \"" + command + "\"";
}

std::string ControlCommands::load(const std::string& path)
{
    if (path.empty())
        return "ERR load needs a state file path";
    try {
        std::vector<StateEntry> entries = loadStateFile(path);
        store_.reset(entries);
        return "OK " + std::to_string(entries.size());
    } catch (const StateFileError& e) {
        return std::string("ERR ") + e.what();
    }
}

std::string ControlCommands::set(const std::string& line)
{
    ParsedLine parsed = parseStateLine(line);
    if (parsed.kind == LineKind::Blank)
        return "ERR set needs OID TYPE VALUE";
    if (parsed.kind == LineKind::Error)
        return "ERR " + parsed.error;
    if (!isServedOid(parsed.entry.oid))
        return "ERR OID " + formatOid(parsed.entry.oid) + " is outside the served subtrees";
    if (parsed.entry.oid == sysUpTimeOid())
        return "ERR sysUpTime is the agent's own up time";
    if (parsed.entry.isTemplate && oidStartsWith(parsed.entry.oid, systemGroupOid()))
        return "ERR template rows belong to the private subtree's tables";
    store_.put(std::move(parsed.entry));
    return "OK";
}

std::string ControlCommands::dump(const std::string& path) const
{
    if (path.empty())
        return "ERR dump needs a file path";
    std::ofstream file(path, std::ios::trunc);
    const std::vector<StateEntry> entries = store_.entries();
    for (const StateEntry& entry : entries)
        file << formatStateLine(entry) << "\n";
    file.close();
    if (!file)
        return "ERR cannot write " + path;
    return "OK " + std::to_string(entries.size());
}

std::string ControlCommands::get(const std::string& oidText)
{
    Oid oid;
    if (!parseOid(oidText, oid))
        return "ERR get needs a numeric OID";
    const StateEntry* entry = store_.find(oid);
    if (!entry)
        return "ERR no variable " + formatOid(oid);
    return "OK " + formatOid(oid) + " " + formatTypedValue(store_.read(*entry));
}

} // namespace devsim
