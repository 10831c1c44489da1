// The engine boots counter file: one line per engine, "<engine id in hex> <boots>".
// Saving reads the file, changes or adds the engine's line, writes a temporary
// file beside it and renames it over the file.
#pragma once
#include <string>
#include "OctetStr.h"
#include "SnmpStatus.h"

// SNMPv3_OK with the count; SNMPv3_NO_ENTRY_ERROR (no line for the engine id) or
// SNMPv3_FILEOPEN_ERROR (file absent or unreadable), both with boots 0;
// SNMPv3_FILECORRUPT_ERROR for a file that is not a boots counter file.
int getBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int& boots);
// SNMPv3_OK; SNMPv3_FILECORRUPT_ERROR (an existing corrupt file is left as it is);
// SNMPv3_FILECREATE_ERROR; SNMPv3_FILERENAME_ERROR.
int saveBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int boots);
