#pragma once
// Shared set-up of the binding tests: one QApplication, the library session, the
// simulated device with a lab group of scalars and a small table, a shown form, and
// requests aimed at the device.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "DevsimPeer.h"
#include "KwOptionList.h"
#include "KwSNMPRequest2Edits.h"
#include "QtPump.h"
#include "ScriptedDialogs.h"
#include "vcl.h"

namespace library_controls {

// The lab group's OIDs: scalars below LabScalar, table columns below LabColumn.
extern const char* const LabScalar;  // "1.3.6.1.4.1.32473.10.37.90.1"
extern const char* const LabColumn;  // "1.3.6.1.4.1.32473.10.37.90.2.1"
std::string ScalarOid(int n);        // LabScalar.n.0
std::string CellOid(int column, int row);

extern KwOptionList ModeOptions;   // 1 "Access Point", 2 "WDS with AP", 3 "WDS", 4 "Wireless Client"
extern KwOptionList SwitchOptions; // 0 "Disable", 1 "Enable"
extern KwOptionList BandOptions;   // 0 "2.4GHz", 1 "5GHz"

using vka_test::Pump;
using vka_test::PumpUntil;

class DeviceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Loads the lab scalars (SVT_SV) or the lab table (MVT_FMV, one key) into a
    // request owned by the form and aims it at the device.
    template <class T = KwSNMPRequest2Edits>
    T* NewRequest(bool table, unsigned char mode)
    {
        T* request = new T(form);
        Load(*request, table);
        request->Mode = mode;
        return request;
    }
    void Load(KwSNMPRequest2Controls& request, bool table);

    template <class T>
    T* Add(const char* name)
    {
        T* control = new T(form);
        control->SetName(name);
        control->SetParent(form);
        return control;
    }
    std::vector<TEdit*> Edits(const char* prefix, int count);
    // The last SET the device received.
    vka_test::DevsimJournalEntry LastSet() const;
    int CountKind(const std::string& kind) const;

    static vka_test::DevsimPeer* device;
    TForm* form = nullptr;
    std::unique_ptr<InstalledScriptedDialogs> dialogs;
};

} // namespace library_controls
