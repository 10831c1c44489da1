#pragma once
// The descriptor of one device variable, and the codes it carries.
//
// The catalogue keeps groups of variables as static runs of descriptors ended by an
// all-zero record (a KwSNMPVarTable); a KwSNMPVarList turns one run into an owned,
// changeable list. In a static table only the first five fields are usually filled;
// Value and InstanceOid may be null there (null reads as the empty string).

class AnsiString;
class KwOptionList;

struct KwSNMPVar {
    const char* Oid;          // dotted-decimal OID without a leading dot
    const char* Name;         // the MIB name
    int Syntax;               // a KwSNMPSyntax code
    int Access;               // KwSNMPAccess flags
    KwOptionList* Options;    // labels for device values; never owned by a descriptor
    const char* GetExpr;      // evaluated after each response, or null
    const char* SetExpr;      // evaluated before each set, or null
    const char* Reserved;     // a further text, copied along, never read
    AnsiString* Value;        // the current value text
    AnsiString* InstanceOid;  // the full OID of the last value
};

// A run of descriptors ended by a record whose Oid is null (written all-zero).
typedef KwSNMPVar KwSNMPVarTable[];

// Syntax codes: 1 to 71 are the ASN.1/SMI tags, 72 and above the library's own kinds.
enum KwSNMPSyntax : int {
    SX_BOOLEAN = 1,
    SX_INTEGER = 2,
    SX_BITSTR = 3,
    SX_OCTETSTR = 4,
    SX_NULL = 5,
    SX_OBJECTID = 6,
    SX_IPADDRESS = 64,
    SX_COUNTER = 65,
    SX_GUAGE = 66,
    SX_TIMETICKS = 67,
    SX_OPAQUE = 68,
    SX_NSAPADDR = 69,
    SX_COUNTER64 = 70,
    SX_UINTEGER = 71,
    SX_DOUBLE = 72,
    SX_MACADDRESS = 73,
    SX_DATETIME = 74,
    SX_BCDATETIME = 75,
    SX_DISPLAYSTR = 76,
    SX_BOOL8 = 193,
    SX_INT8 = 194,
    SX_UINT8 = 195,
    SX_BOOL16 = 196,
    SX_INT16 = 197,
    SX_UINT16 = 198,
};

// Access word: bit flags.
enum KwSNMPAccess : int {
    AC_NOTACCESS = 1,   // never requested; as an index column it comes from the row index
    AC_READONLY = 2,    // the readable bit
    AC_WRITEONLY = 4,   // the writable bit
    AC_READWRITE = 6,   // both
    AC_DERIVED = 8,     // computed by its get expression
    AC_HIDDEN = 16,     // never shown
    AC_INVALID = 32,    // left out of every read and write while set
    AC_IMPLIED = 64,    // last index column written without its length
};

// Item type of a variable list: how its variables travel on the wire.
typedef unsigned char KwSNMPItemType;
enum : unsigned char {
    SVT_SV = 0,   // scalars: OID + ".0", read with get
    MVT_SV = 1,   // fixed instances: OID as is, get (or get-next with UseGetNext)
    MVT_FMV = 2,  // table columns walked row by row; the first KeyCount are the index
    MVT_UMV = 3,  // as MVT_FMV for the request; the bindings treat it apart
};
