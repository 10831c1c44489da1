#pragma once
// The request journal: one line per request received, appended and flushed
// at once so a test can read it while the device runs.
//
// Line format (fields separated by one TAB, no TAB inside a field):
//   KIND  VERSION  SECURITY  STATUS  ERROR-INDEX  BINDING  BINDING ...
// KIND      GET, GETNEXT, GETBULK, SET (or PDU-0xNN for other PDU types), or
//           REFUSED: an SNMPv3 request net-snmp's USM refused unread, with STATUS
//           the counter its report names (usmStatsUnknownUserNames,
//           usmStatsWrongDigests, usmStatsUnsupportedSecLevels,
//           usmStatsDecryptionErrors) and no bindings
// VERSION   1, 2c or 3
// SECURITY  the community (v1, v2c) or the user name (v3); bytes outside
//           printable ASCII, blanks and TABs are written as %XX
// STATUS    the reply's error status by its SNMP name (noError, wrongType,
//           notWritable, noAccess, ...), or: dropped (a "drop" of the
//           control channel), silent (the device was silent), noResponse
//           (the agent sent nothing, e.g. an unknown community)
// ERROR-INDEX  the reply's error index (0 without a reply)
// BINDING   the request's bindings in PDU order, each "OID TYPE VALUE" as
//           the state file writes them, "OID NULL" for the empty values of
//           a get, "OID ASN_0xNN HEXBYTES" for other types
//
// Between them, the device's own notes on what it did after a set (a TFTP
// transfer, a restart), two fields: "NOTE" TAB text (no TAB in the text).
#include <cstdio>
#include <string>
#include <vector>

namespace devsim {

struct JournalRecord {
    std::string kind;
    std::string version;
    std::string security;
    std::string status;
    long errorIndex = 0;
    std::vector<std::string> bindings;
};

std::string formatJournalLine(const JournalRecord& record);

// "%XX" for every byte that would break a field.
std::string journalSafe(const std::string& bytes);

class Journal {
public:
    // An empty path keeps no journal.
    explicit Journal(std::string path);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // False when the file cannot be opened for appending.
    bool open();
    void append(const JournalRecord& record);
    // "NOTE<TAB>text"; TABs and line ends in the text become blanks.
    void note(const std::string& text);
    // Empties the file; false when it cannot be truncated.
    bool clear();

private:
    std::string path_;
    std::FILE* file_ = nullptr;
};

} // namespace devsim
