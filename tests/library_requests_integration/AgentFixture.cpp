#include "TempFolder.h"
#include "AgentFixture.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "KwSNMPVarList.h"

namespace library_requests {

void OpenSession()
{
    static bool open = false;
    vka_test::EnsureQApplication();
    if (open)
        return;
    const std::string folder = vka_test::MakeTempFolder("kwreq");
    if (folder.empty())
        return;
    KwSNMPInitSession(folder.c_str());
    open = true;
}

void Aim(KwSNMPRequest& request, unsigned short port, int version)
{
    request.Device.Address = "127.0.0.1";
    request.Device.Port = port;
    request.Security.Version = static_cast<unsigned char>(version);
    request.Security.ReadCommunity = "orchid";
    request.Security.WriteCommunity = "thunder";
    request.Timeout = 100;
    request.Retries = 1;
}


} // namespace library_requests
