// Status / Log / Log Settings against the simulated device: the settings read and
// written back, the empty address sent as 0.0.0.0, a bad address refused unsent, and
// no save of settings that were never read.
#include "Logset.h"
#include "MaintenanceRoad.h"

using namespace maintenance_test;

namespace {
// The state line starting with `start` becomes `line` ("" removes it).
void Replace(std::string& state, const std::string& start, const std::string& line)
{
    const std::size_t at = state.find(start);
    ASSERT_NE(at, std::string::npos) << start;
    state.replace(at, state.find('\n', at) + 1 - at, line.empty() ? "" : line + "\n");
}

class LogSettings : public MaintenanceRoad {
protected:
    std::string StateText() const override
    {
        std::string state = vka_test::DefaultStateText();
        Replace(state, P + ".5.4.2.0 ", P + ".5.4.2.0 INTEGER 0");
        Replace(state, P + ".5.4.9.0 ", P + ".5.4.9.0 IPADDRESS 10.1.2.3");
        return state;
    }
};

const std::string Levels[] = {P + ".5.4.1.0", P + ".5.4.2.0", P + ".5.4.3.0"};
const std::string RemoteState = P + ".5.4.8.0";
const std::string Server = P + ".5.4.9.0";
}  // namespace

TEST_P(LogSettings, ReadsAndWritesTheSettings)
{
    vka_test::RunMenuForm<TLogSetForm>("LogSettings1", LogSetForm, [&](TLogSetForm& form) {
        EXPECT_EQ(form.Ed_LogServerIp->Text().ToStdString(), "10.1.2.3");
        EXPECT_TRUE(form.CheckBox_System->Checked());
        EXPECT_FALSE(form.CheckBox_Wireless->Checked());

        // A bad address: refused, emptied, nothing sent.
        form.Ed_LogServerIp->SetText("256.1.1.1");
        form.Bt_Apply->Click();
        EXPECT_EQ(form.Ed_LogServerIp->Text().ToStdString(), "");
        EXPECT_TRUE(Sets().empty());

        form.Ed_LogServerIp->SetText("192.168.5.9");
        form.CheckBox_System->SetChecked(false);
        form.CheckBox_Wireless->SetChecked(true);
        form.Bt_Apply->Click();
        EXPECT_EQ(form.StatusBar->SimpleText().ToStdString(), "Set Success!");

        // An empty address goes out as 0.0.0.0 and is shown empty again.
        form.Ed_LogServerIp->SetText("");
        form.Bt_Apply->Click();
        EXPECT_EQ(form.StatusBar->SimpleText().ToStdString(), "Set Success!");
        EXPECT_EQ(form.Ed_LogServerIp->Text().ToStdString(), "");
    });
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.boxes[0].Text, "Please input valid IP Address.");
    EXPECT_EQ(dialogs.boxes[0].Caption, "Warning");

    const auto sets = SetBindings();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0], (std::vector<std::string>{Levels[0] + " INTEGER 0", Levels[1] + " INTEGER 1",
                                                 Levels[2] + " INTEGER 0", RemoteState + " INTEGER 1",
                                                 Server + " IPADDRESS 192.168.5.9"}));
    EXPECT_EQ(sets[1].back(), Server + " IPADDRESS 0.0.0.0");
    EXPECT_EQ(DeviceValue(Server), "IPADDRESS 0.0.0.0");
    EXPECT_EQ(DeviceValue(Levels[1]), "INTEGER 1");
}

// Every Save turns remote logging on, so while the device has it off the server is put
// into effect: one held as a value of another type is not named as kept, and Save
// refuses it as a value the form cannot show, sends nothing and leaves the edit as it was.
TEST_P(LogSettings, RefusesAServerOfAnotherTypeThatSavePutsIntoEffect)
{
    for (const auto& [type, value] : {std::pair{"INTEGER", "7"}, {"STRING", "\"10.1.2.3\""}}) {
        SCOPED_TRACE(type);
        ASSERT_TRUE(devsim.SetValue(Server, type, value));
        const int boxes = dialogs.Count();
        vka_test::RunMenuForm<TLogSetForm>("LogSettings1", LogSetForm, [&](TLogSetForm& form) {
            const AnsiString shown = form.Ed_LogServerIp->Text();
            EXPECT_EQ(form.StatusBar->SimpleText().Pos("Kept as"), 0) << form.StatusBar->SimpleText().ToStdString();
            for (int save = 0; save < 2; ++save) {
                form.Bt_Apply->Click();
                EXPECT_EQ(form.Ed_LogServerIp->Text(), shown);
            }
        });
        ASSERT_EQ(dialogs.Count(), boxes + 2);
        for (int i = boxes; i < dialogs.Count(); ++i)
            EXPECT_EQ(dialogs.boxes[i].Text, "The device's Log Server / IP Address cannot be shown, and Save puts it "
                                             "into effect: choose one, then Save.");
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(DeviceValue(Server), std::string(type) + " " + value);
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, LogSettings, ::testing::Values(1), RoadName);
