// Opening benchmark: how long the module takes to reach the device, against the bare
// SNMP traffic of the same reads.
//
// 1. Start-up: from starting the VKA7410Module program to the simulated device's
//    answer to the first front-panel poll (sysDescr), against one snmpget per request
//    that the module sent until then (same OIDs, same order).
// 2. A form: from its menu entry to the last request of its opening, against the same
//    requests sent by snmpget / snmpgetnext.
// 3. With "silent": every menu entry opened and closed against a device that has gone
//    silent, request time-outs capped at one second a try (as the tests cap them), the
//    time against one time-out with its retry (2 s): how long a silent device holds the
//    module per form.
// Both against devsim on a free loopback port, SNMPv2c; times and ratios are printed,
// nothing is asserted.
//
//   cmake --build <build> --target bench_module_open
//   QT_QPA_PLATFORM=offscreen <build>/bench/module_open/bench_module_open [menu item] [rounds]
//   QT_QPA_PLATFORM=offscreen <build>/bench/module_open/bench_module_open silent
// e.g. bench_module_open hWirelessBand1 3
#include <QApplication>
#include <QTimer>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "DevsimPeer.h"
#include "KwSNMPSession.h"
#include "ScriptedDialogs.h"
#include "FormTestRoad.h"
#include "MenuForms.h"
#include "TempFolder.h"
#include "ToolOutput.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

const char* const SysDescr = "1.3.6.1.2.1.1.1.0";

// One snmpget or snmpgetnext per journalled read, in order; the seconds it took.
double ReplayWithTools(const vka_test::DevsimPeer& device, const std::vector<vka_test::DevsimJournalEntry>& reads)
{
    const Clock::time_point start = Clock::now();
    for (const auto& entry : reads) {
        std::string command = entry.Kind == "GET" ? "snmpget" : "snmpgetnext";
        command += " -v2c -c orchid -r 1 -t 5 -On -Oq " + device.PeerName();
        for (const auto& binding : entry.Bindings)
            command += " " + binding.Oid;
        vka_test::RunTool(command + " >/dev/null");
    }
    return Since(start);
}

std::vector<vka_test::DevsimJournalEntry> Reads(const std::vector<vka_test::DevsimJournalEntry>& journal)
{
    std::vector<vka_test::DevsimJournalEntry> reads;
    for (const auto& entry : journal)
        if (entry.Kind == "GET" || entry.Kind == "GETNEXT")
            reads.push_back(entry);
    return reads;
}

bool AnsweredFrontPanelPoll(const std::vector<vka_test::DevsimJournalEntry>& journal)
{
    for (const auto& entry : journal)
        if (entry.Kind == "GET" && entry.Status == "noError" && !entry.Bindings.empty() &&
            entry.Bindings[0].Oid == SysDescr)
            return true;
    return false;
}

void WriteText(const std::string& path, const std::string& text)
{
    if (FILE* file = std::fopen(path.c_str(), "w")) {
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
}

void StartUp(vka_test::DevsimPeer& device)
{
    device.ClearJournal();
    // The host system's registry keys and the device's profile, as scripts/run-demo
    // writes them.
    const std::string folder = vka_test::MakeTempFolder("vka-bench");
    WriteText(folder + "/registry.reg",
              "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\Modules\\HelpPath]\n"
              "\"1.3.6.1.4.1.32473.10.37.37\"=\"" + folder + "/VKA-7410.hlp\"\n\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\NVane5.1\\MibFile]\n\"Path\"=\"" + folder + "/\"\n");
    WriteText(folder + "/127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(device.Port()) +
                                             "\nVersion=0\nSecurityModel=1\nSecurityLevel=0\n");
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("VKA7410_REGISTRY", (folder + "/registry.reg").c_str(), 1);
        execl(VKA_MODULE_PROGRAM, VKA_MODULE_PROGRAM, "/I127.0.0.1", "/Rorchid", "/Wthunder",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    std::vector<vka_test::DevsimJournalEntry> journal;
    const bool reached = vka_test::WaitFor([&] { return AnsweredFrontPanelPoll(journal = device.Journal()); }, 60);
    const double module = Since(start);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    vka_test::RemoveFolder(folder);
    if (!reached) {
        std::printf("start-up: the module never polled the device\n");
        return;
    }
    std::vector<vka_test::DevsimJournalEntry> reads = Reads(journal);
    const double tools = ReplayWithTools(device, reads);
    std::printf("start-up to first front-panel reply: module %.3f s, snmpget x%zu %.3f s, ratio %.2f\n", module,
                reads.size(), tools, module / tools);
}

void OpenForm(vka_test::DevsimPeer& device, const char* item)
{
    device.ClearJournal();
    vka_test::AimFormSession(device.Port(), 1);
    std::size_t lastCount = 0;
    Clock::time_point lastChange;
    const Clock::time_point start = Clock::now();
    // The opening has ended when the journal has not grown for a second.
    std::function<void()> watch = [&] {
        const std::size_t count = device.Journal().size();
        if (count != lastCount) {
            lastCount = count;
            lastChange = Clock::now();
        }
        if (lastCount > 0 && Since(lastChange) > 1.0) {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            if (!QApplication::activeModalWidget())
                return;
        }
        QTimer::singleShot(2, QApplication::instance(), watch);
    };
    QTimer::singleShot(0, QApplication::instance(), watch);
    if (!OpenMenuForm(item)) {
        std::printf("%s: no form registered\n", item);
        return;
    }
    const double module = std::chrono::duration<double>(lastChange - start).count();
    std::vector<vka_test::DevsimJournalEntry> reads = Reads(device.Journal());
    const double tools = ReplayWithTools(device, reads);
    std::printf("%s opened and read: module %.3f s, snmpget/snmpgetnext x%zu %.3f s, ratio %.2f\n", item, module,
                reads.size(), tools, module / tools);
}

// Opens the entry and closes its form as soon as it shows (or refuses and is asked
// again); the seconds until the menu handler returned.
double OpenAndClose(const char* item)
{
    auto returned = std::make_shared<bool>(false);
    auto attempt = std::make_shared<std::function<void()>>();
    *attempt = [=] {
        if (*returned)
            return;
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        QTimer::singleShot(20, QApplication::instance(), *attempt);
    };
    QTimer::singleShot(0, QApplication::instance(), *attempt);
    const Clock::time_point start = Clock::now();
    OpenMenuForm(item);
    *returned = true;
    return Since(start);
}

void SilentDevice(vka_test::DevsimPeer& device)
{
    const char* const entries[] = {
        "Information1", "hWirelessBand1", "hLan1", "adPerformance1", "Mac1", "WLANPartition1", "Ad_MultiSSID",
        "DHCPServer1", "Intrusion1", "Scheduling1", "QosSetting1", "VlanSetting1", "tAdmin2", "tSystem2",
        "Firmware1", "Time", "tUpdate2", "stDeviceInfo2", "Client1", "WDSInformation1", "Ethernet1", "WLAN1",
        "ViewLog1", "LogSettings1", "InternetConnect1", "ParentalControl1", "AdvancePortForwarding1",
        "MACFilter1", "FirewallDMZ1", "AdvancedNetwork1", "UserLimit"};
    KwTimeoutCap = 100;
    vka_test::AimFormSession(device.Port(), 1);
    device.SilentFor(3600);
    const double oneTimeOut = 2 * KwTimeoutCap / 100.0;
    for (const char* item : entries) {
        const double seconds = OpenAndClose(item);
        std::printf("%-24s silent device: %.2f s, %.2f x one time-out with its retry\n", item, seconds,
                    seconds / oneTimeOut);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const char* item = argc > 1 ? argv[1] : "hWirelessBand1";
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    vka_test::DevsimPeer device;
    device.SetStateText(vka_test::DefaultStateText());
    std::string error;
    if (!device.Start(&error)) {
        std::fprintf(stderr, "devsim: %s\n", error.c_str());
        return 1;
    }
    vka_test::OpenFormSession();
    InstalledScriptedDialogs dialogs;  // the failures' message boxes are answered
    if (std::string(item) == "silent") {
        SilentDevice(device);
        device.Stop();
        return 0;
    }
    for (int round = 0; round < rounds; ++round) {
        StartUp(device);
        OpenForm(device, item);
    }
    device.Stop();
    return 0;
}
