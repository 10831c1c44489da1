#pragma once
// The PC's IPv4 interfaces with their addresses and netmasks.
#include "AnsiString.h"
#include "LocalInterfaces.h"

#include <vector>

struct KwNetInterface {
    AnsiString Address;  // dotted
    AnsiString Netmask;  // dotted
    char Up = 0;
    char Broadcast = 0;
    char Loopback = 0;
    char PointToPoint = 0;
    char Multicast = 0;
};

constexpr int KwMaxNetInterfaces = 10;

// Fills `Interfaces` (an array of KwMaxNetInterfaces records, all cleared first) and
// returns how many were filled, 0 to 10. Interfaces that are up and not loopback come
// first, so a PC with more addresses than records still lists its useful ones; the
// loopback interface is listed like any other after them.
int GetNetInterfaces(KwNetInterface* Interfaces);

// The same from a given list (the system's order); for GetNetInterfaces and its tests.
int FillNetInterfaces(const std::vector<LocalInterface>& found, KwNetInterface* Interfaces);
