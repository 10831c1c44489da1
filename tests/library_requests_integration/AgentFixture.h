#pragma once
#include "ToolOutput.h"
// Shared set-up: the Qt application the event timer runs on and the library's session;
// asynchronous completions are waited for with the pump of QtPump.h.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "KwSNMPRequest.h"
#include "KwSNMPSession.h"
#include "KwSNMPVar.h"
#include "QtPump.h"
#include "QtTestEnvironment.h"
#include "RequestFixture.h"

namespace library_requests {

// Opens the library session once per process, with its boots counter in a temporary folder.
void OpenSession();

using vka_test::Pump;
using vka_test::PumpUntil;

// A test suite sharing one agent (a DevsimPeer or SnmpdPeer) and the library session.
template <class Peer>
class AgentSuite : public ::testing::Test {
protected:
    // Starts the configured agent for the suite; a failure is reported by every test.
    static void StartAgent(Peer* agent)
    {
        OpenSession();
        std::string error;
        if (agent->Start(&error)) {
            peer = agent;
        } else {
            startError = error;
            delete agent;
        }
    }
    static void TearDownTestSuite()
    {
        delete peer;
        peer = nullptr;
    }
    void SetUp() override { ASSERT_NE(peer, nullptr) << startError; }

    static inline Peer* peer = nullptr;
    static inline std::string startError;
};

// A request aimed at 127.0.0.1:port with SNMPv2c and the test communities.
void Aim(KwSNMPRequest& request, unsigned short port, int version = 1);

// The output of a net-snmp command line tool (trimmed).
using vka_test::RunTool;

} // namespace library_requests
