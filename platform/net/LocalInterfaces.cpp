#include "LocalInterfaces.h"

#include "UdpEndpoint.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

namespace {
std::string Dotted(const sockaddr* address)
{
    if (!address || address->sa_family != AF_INET)
        return "0.0.0.0";
    return DottedIPv4(ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr));
}
}

std::vector<LocalInterface> ListLocalIPv4Interfaces()
{
    std::vector<LocalInterface> list;
    ifaddrs* all = nullptr;
    if (getifaddrs(&all) != 0)
        return list;
    for (const ifaddrs* entry = all; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        LocalInterface item;
        item.Name = entry->ifa_name ? entry->ifa_name : "";
        item.Address = Dotted(entry->ifa_addr);
        item.Netmask = Dotted(entry->ifa_netmask);
        item.Up = (entry->ifa_flags & IFF_UP) != 0;
        item.Broadcast = (entry->ifa_flags & IFF_BROADCAST) != 0;
        item.Loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
        item.PointToPoint = (entry->ifa_flags & IFF_POINTOPOINT) != 0;
        item.Multicast = (entry->ifa_flags & IFF_MULTICAST) != 0;
        list.push_back(item);
    }
    freeifaddrs(all);
    return list;
}

std::string LocalHostAddress()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0 || name[0] == '\0')
        return "";
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name, nullptr, &hints, &found) != 0 || !found)
        return "";
    std::string address = Dotted(found->ai_addr);
    freeaddrinfo(found);
    return address;
}
