#include "KwNetInterface.h"

#include <algorithm>

int FillNetInterfaces(const std::vector<LocalInterface>& found, KwNetInterface* Interfaces)
{
    if (!Interfaces)
        return 0;
    for (int i = 0; i < KwMaxNetInterfaces; ++i)
        Interfaces[i] = KwNetInterface();
    std::vector<LocalInterface> ordered(found);
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](const LocalInterface& item) { return item.Up && !item.Loopback; });
    const int count = std::min<int>(static_cast<int>(ordered.size()), KwMaxNetInterfaces);
    for (int i = 0; i < count; ++i) {
        const LocalInterface& item = ordered[static_cast<size_t>(i)];
        KwNetInterface& out = Interfaces[i];
        out.Address = AnsiString(item.Address);
        out.Netmask = AnsiString(item.Netmask);
        out.Up = item.Up;
        out.Broadcast = item.Broadcast;
        out.Loopback = item.Loopback;
        out.PointToPoint = item.PointToPoint;
        out.Multicast = item.Multicast;
    }
    return count;
}

int GetNetInterfaces(KwNetInterface* Interfaces)
{
    return FillNetInterfaces(ListLocalIPv4Interfaces(), Interfaces);
}
