// A UDP port on 127.0.0.1 that nobody uses at the moment of the call.
#pragma once

namespace vka_test {
// 0 when the system gives none.
unsigned short FreeUdpPort();
// True while something holds the UDP port on 127.0.0.1.
bool UdpPortInUse(unsigned short port);
}
