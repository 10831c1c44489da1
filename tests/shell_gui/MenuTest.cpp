// The menu bar: its tree, the entries the operating mode offers, forms opened through
// their registered openers, and the About box.
#include "ShellFixture.h"

#include "About.h"
#include "MenuForms.h"

#include <QApplication>
#include <QTimer>

using namespace shell_test;

namespace {
bool RouterEntriesShown(TMainForm* f)
{
    return f->InternetConnect1->Visible() && f->RouterSettings1->Visible() && !f->Ad_MultiSSID->Visible() &&
           !f->VlanSetting1->Visible();
}
bool ApEntriesShown(TMainForm* f)
{
    return !f->InternetConnect1->Visible() && !f->RouterSettings1->Visible() && f->Ad_MultiSSID->Visible() &&
           f->VlanSetting1->Visible();
}

// A stand-in settings form that counts its lives.
class TCountedForm : public TForm {
public:
    explicit TCountedForm(TComponent* owner) : TForm(owner)
    {
        ++Created;
        Owners.push_back(owner);
    }
    ~TCountedForm() override { ++Destroyed; }
    static int Created, Destroyed;
    static std::vector<TComponent*> Owners;
};
int TCountedForm::Created = 0;
int TCountedForm::Destroyed = 0;
std::vector<TComponent*> TCountedForm::Owners;
TCountedForm* FM_Counted = nullptr;

void CloseActiveModalSoon()
{
    QTimer::singleShot(50, QApplication::instance(), [] {
        if (FM_Counted)
            FM_Counted->Close();
    });
}
}  // namespace

TEST_F(ShellTest, TheOperatingModeChoosesTheEntries)
{
    StartDevice();
    ASSERT_TRUE(device.SetValue(ApMode, "INTEGER", "4"));  // Wireless Client: item 3
    TMainForm* form = OpenOnDevice();
    EXPECT_EQ(form->CB_ApMode->ItemIndex(), 3);
    EXPECT_TRUE(ApEntriesShown(form));

    form->ApplyModeVisibility(4);
    EXPECT_TRUE(RouterEntriesShown(form));
    form->ApplyModeVisibility(-1);
    EXPECT_TRUE(ApEntriesShown(form));
}

TEST_F(ShellTest, AFailedModeReadOffersTheAccessPointEntries)
{
    // A device without the mode variable: the read fails with noSuchName.
    std::string state = ReadFile(VKA_DEVSIM_STATE);
    const std::size_t line = state.find(ApMode + " INTEGER");
    ASSERT_NE(line, std::string::npos);
    state.erase(line, state.find('\n', line) - line);
    device.SetStateText(state);
    device.SetConfigText("read-community orchid\nwrite-community thunder\n");
    std::string error;
    ASSERT_TRUE(device.Start(&error)) << error;
    TMainForm* form = OpenOnDevice();
    EXPECT_EQ(form->CB_ApMode->ItemIndex(), -1);
    EXPECT_TRUE(ApEntriesShown(form));
}

TEST_F(ShellTest, EntriesOpenTheirRegisteredFormsAndOnlyThose)
{
    RegisterMenuForm("WLANPartition1", [] { RunModalForm(FM_Counted); });
    StartDevice();
    TMainForm* form = OpenOnDevice();
    EXPECT_TRUE(form->WLANPartition1->Enabled());
    EXPECT_FALSE(form->tSystem2->Enabled());  // no form registered for it

    TCountedForm::Created = TCountedForm::Destroyed = 0;
    TCountedForm::Owners.clear();
    for (int i = 0; i < 2; ++i) {
        CloseActiveModalSoon();
        form->WLANPartition1->Click();
    }
    EXPECT_EQ(TCountedForm::Created, 2);
    EXPECT_EQ(TCountedForm::Destroyed, 2);
    EXPECT_EQ(FM_Counted, nullptr);
    ASSERT_EQ(TCountedForm::Owners.size(), 2u);
    EXPECT_EQ(TCountedForm::Owners[0], Application);
    RegisterMenuForm("WLANPartition1", nullptr);
}

// The build label shows for Shift+Alt+F3 only.
TEST_F(ShellTest, AboutBoxShowsItsBuildForShiftAltF3)
{
    TAboutForm about(nullptr);
    EXPECT_FALSE(about.Image1->Picture()->Empty());
    const std::pair<TShiftState, bool> cases[] = {
        {TShiftState(), false}, {TShiftState() << ssShift, false}, {TShiftState() << ssShift << ssAlt, true}};
    for (const auto& c : cases) {
        about.Label4->SetVisible(false);
        Word key = VK_F3;
        about.BT_OkKeyDown(about.BT_Ok, key, c.first);
        EXPECT_EQ(c.second, about.Label4->Visible());
    }
}

TEST_F(ShellTest, HelpAboutShowsTheBoxModallyAndOkClosesIt)
{
    StartDevice();
    TMainForm* form = OpenOnDevice();
    bool shown = false;
    QTimer::singleShot(50, QApplication::instance(), [&] {
        auto* about = FindControl<TAboutForm>(form, "AboutForm");
        shown = about && about->Modal();
        if (about)
            about->BT_Ok->Click();
    });
    form->About1->Click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(FindControl<TAboutForm>(form, "AboutForm"), nullptr);
}
