#pragma once
// The maintenance forms' road: the form road's own TFTP port and per-user folders (the
// log view receives "LogFile.RD" into XDG_STATE_HOME), the simulated device told which
// TFTP client to run, each test in a fresh current folder, and the waiting dialogs
// ended as soon as they show, each recorded.
#include <functional>
#include <string>
#include <vector>

#include "DevsimNotes.h"
#include "FormTestRoad.h"
#include "TftpTestFiles.h"

class QTimer;

namespace maintenance_test {

// A road: the SNMP version (0, 1, 3) plus 10 for atftp's client instead of tftp-hpa's.
inline int VersionOf(int road) { return road % 10; }
inline bool Atftp(int road) { return road >= 10; }
std::string RoadName(const ::testing::TestParamInfo<int>& info);
// SNMPv2c with each TFTP client: what a form sends does not depend on the version.
inline auto Roads() { return ::testing::Values(1, 11); }

// A countdown the form showed.
struct ShownWait {
    std::string Caption;
    std::string Label2;
    std::string Label3;
    bool EndedByTest = false;  // false: the form ended it itself
};

// Ends each waiting dialog (FM_Waiting) once it shows and `Ready` holds.
class WaitingDialogs {
public:
    WaitingDialogs();
    ~WaitingDialogs();
    std::vector<ShownWait> Shown;
    std::function<bool(const ShownWait&)> Ready = [](const ShownWait&) { return true; };
    std::vector<std::string> Labels3() const;
    // Ends a loading countdown of the firmware form only once its server is done.
    void EndLoadingWhenFetched();

private:
    void Check();
    QTimer* timer_;
};

inline const std::string P = "1.3.6.1.4.1.32473.10.37.37";

class MaintenanceRoad : public vka_test::FormRoad {
protected:
    void SetUp() override;
    void TearDown() override;
    int Version() const override { return VersionOf(GetParam()); }
    // The device's TFTP client; a test adds its own lines after these.
    std::string ExtraConfig() const override;

    // The test's own folder (the current folder while it runs).
    const std::string& Folder() const { return folder_; }
    // The module's data folder under the test's XDG_STATE_HOME (made by the forms).
    std::string DataFolder() const { return StateHome() + "/vka7410"; }
    std::string WriteFile(const std::string& name, const std::string& bytes) const;
    std::string DeviceFile(const std::string& name) const { return ReadFileBytes(vka_test::DevsimFilesFolder(devsim) + "/" + name); }
    // A note of the device's starting with `start`.
    bool HasNote(const std::string& start) const { return NoteCount(start) > 0; }
    // How many of the device's notes start with `start`.
    std::size_t NoteCount(const std::string& start) const;
    // The device's sets as "OID TYPE VALUE" lists, in order.
    std::vector<std::vector<std::string>> SetBindings() const;
    bool BoxShown(const std::string& text) const;
    bool PumpUntilBox(const std::string& text, double seconds = 20);

    WaitingDialogs waits;

private:
    std::string folder_;
    std::string previousFolder_;
};

}  // namespace maintenance_test
