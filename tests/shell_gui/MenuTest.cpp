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

TEST_F(ShellTest, MenuTreeCaptionsAndHiddenTopItems)
{
    StartDevice();
    TMainForm* form = OpenOnDevice();
    TMenuItem* bar = form->MainMenu1->Items();
    ASSERT_GE(bar->Count(), 5);
    const char* tops[] = {"Home", "Advanced", "Tools", "Status", "Help"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(bar->Items(i)->Caption(), tops[i]);
    EXPECT_EQ(form->FirewallDMZ1->Caption(), "Firewall && DMZ");
    EXPECT_EQ(form->FirewallDMZ1->Parent(), form->RouterSettings1);
    EXPECT_EQ(form->Mac1->Parent(), form->adFilter);
    EXPECT_EQ(form->ViewLog1->Parent(), form->SystemLog);
    EXPECT_EQ(form->WLAN1->Parent(), form->stStats1);
    EXPECT_FALSE(form->WirelessLan->Visible());
    EXPECT_FALSE(form->Test11->Visible());
    EXPECT_FALSE(form->ACLManagement1->Visible());
    EXPECT_TRUE(form->About1->Enabled());
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

TEST_F(ShellTest, AboutBox)
{
    TAboutForm about(nullptr);
    EXPECT_EQ(about.Caption(), "Help\\About");
    EXPECT_EQ(about.Label1->Caption(), "VKA-7410 Management Module");
    EXPECT_EQ(about.La_FwVer->Caption(), "v1.02");
    EXPECT_FALSE(about.Image1->Picture()->Empty());
    EXPECT_EQ(about.Image1->Width(), 96);

    Word key = VK_F3;
    about.BT_OkKeyDown(about.BT_Ok, key, TShiftState());
    EXPECT_FALSE(about.Label4->Visible());
    about.BT_OkKeyDown(about.BT_Ok, key, TShiftState() << ssShift);
    EXPECT_FALSE(about.Label4->Visible());
    about.BT_OkKeyDown(about.BT_Ok, key, TShiftState() << ssShift << ssAlt);
    EXPECT_TRUE(about.Label4->Visible());
    EXPECT_EQ(about.Label4->Caption(), "R20(2010/03/19)");
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

TEST_F(ShellTest, FrontPanelLayout)
{
    StartDevice();
    TMainForm* form = OpenOnDevice();
    EXPECT_FALSE(form->Image1->Picture()->Empty());
    EXPECT_EQ(form->ClientWidth(), 520);
    EXPECT_EQ(form->ClientHeight(), form->MainStatusBar->Height() + 148);
    EXPECT_EQ(form->BorderStyle(), bsSingle);
    EXPECT_EQ(form->BorderIcons() & biMaximize, 0);
    const int centres[][2] = {{330, 64}, {390, 64}, {450, 64}};
    TShape* leds[] = {form->power, form->lan, form->wlan};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(leds[i]->Shape(), stCircle);
        EXPECT_EQ(leds[i]->Left() + leds[i]->Width() / 2, centres[i][0]);
        EXPECT_EQ(leds[i]->Top() + leds[i]->Height() / 2, centres[i][1]);
    }
}

TEST_F(ShellTest, AddressChecksThroughTheMainWindow)
{
    StartDevice();
    TMainForm* form = OpenOnDevice();
    EXPECT_TRUE(form->IsValidIpAddress("192.168.0.1"));
    EXPECT_FALSE(form->IsValidIpAddress("192.168.0.255"));
    EXPECT_TRUE(form->IsValidSubnetMask("255.255.255.0"));
    EXPECT_FALSE(form->IsValidSubnetMask("255.255.255.255"));
}
