#include "Device.h"

#include "AccessSetup.h"
#include "AgentSession.h"
#include "ControlSocket.h"
#include "DeviceBehaviours.h"
#include "DeviceConfig.h"
#include "HookTable.h"
#include "NetSnmp.h"
#include "ServedTrees.h"
#include "StateFile.h"
#include "StateHandler.h"
#include "WorkFolder.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sys/stat.h>

namespace devsim {

namespace {

volatile std::sig_atomic_t stopFlag = 0;

void wakeUp(unsigned int, void*)
{
}

// net-snmp may only ever look at files inside `folder`.
void confineNetSnmp(const std::string& folder)
{
    ::setenv("MIBS", "", 1);
    ::setenv("MIBDIRS", folder.c_str(), 1);
    ::setenv("SNMPCONFPATH", folder.c_str(), 1);
    ::setenv("SNMP_PERSISTENT_DIR", folder.c_str(), 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, folder.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, folder.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    // net-snmp makes its certificate index folder as it starts and says so on stderr;
    // made here first, it is simply used.
    ::mkdir((folder + "/cert_indexes").c_str(), 0700);
}

void onSignal(int)
{
    stopFlag = 1;
}

void catchSignals()
{
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: the agent's select returns at once
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace

void requestStop()
{
    stopFlag = 1;
}

int runDevice(const Options& options)
{
    DeviceConfig config = defaultDeviceConfig();
    std::vector<StateEntry> entries;
    try {
        if (!options.configPath.empty())
            config = loadDeviceConfig(options.configPath);
        entries = loadStateFile(options.statePath);
    } catch (const std::exception& e) {
        std::cerr << "devsim: " << e.what() << "\n";
        return kExitBadFile;
    }

    WorkFolder folder;
    std::string error;
    if (!folder.prepare(options.workDir, error)) {
        std::cerr << "devsim: " << error << "\n";
        return kExitBadFile;
    }
    Journal journal(options.journalPath);
    if (!journal.open()) {
        std::cerr << "devsim: " << options.journalPath << ": cannot open the journal for appending\n";
        return kExitBadFile;
    }

    StateStore store;
    store.keepRowsAsTemplates(refreshTableEntries());
    store.reset(entries);
    RequestGate gate;
    PostReplyQueue afterReply;
    DeviceJobs jobs(config.tftpClient == "atftp" ? TftpProgram::Atftp : TftpProgram::TftpHpa, folder.path());
    DeviceLog log;
    DeviceServices services{config, jobs, log, folder.path(), entries};
    HookTable hooks;
    installBehaviours(hooks, services);
    HookContext context{store, gate, afterReply, &journal};

    catchSignals();
    confineNetSnmp(folder.path());
    snmp_enable_stderrlog();
    init_agent("devsim");
    applyAccess(config);
    init_snmp("devsim");

    int status = kExitOk;
    {
        StateHandler handler(store, hooks, context);
        AgentSession session(gate, journal);
        ControlCommands commands(store, gate, journal, &log);
        ControlSocket control(commands);
        if (!handler.registerTree(systemGroupOid(), "devsim-system")
            || !handler.registerTree(privateTreeOid(), "devsim-private")) {
            std::cerr << "devsim: net-snmp refused to register the device's subtrees\n";
            status = kExitSetup;
        } else if (!session.open(options.address, options.port, error)) {
            std::cerr << "devsim: " << error << "\n";
            status = kExitPortInUse;
        } else if (!options.controlPath.empty() && !control.listen(options.controlPath, error)) {
            std::cerr << "devsim: " << error << "\n";
            status = kExitBadFile;
        } else {
            snmp_alarm_register_hr(timeval{0, 200000}, SA_REPEAT, wakeUp, nullptr);
            std::cout << "devsim: serving udp:" << options.address << ":" << options.port << std::endl;
            while (!stopFlag && !commands.stopRequested()) {
                agent_check_and_process(1);
                afterReply.runAll();
                jobs.poll();
            }
        }
    }
    snmp_shutdown("devsim");
    shutdown_agent();
    return status;
}

} // namespace devsim
