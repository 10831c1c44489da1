// A group of scalars read into every kind of control, and written back from them.
#include "ControlsFixture.h"

#include "KwErrors.h"

using namespace library_controls;

namespace {
struct LabControls {
    TEdit* name;
    TComboBox* mode;
    TCheckBox* radio;
    std::vector<TEdit*> address;
    std::vector<TEdit*> mac;
    TRadioGroup* band;
    TEdit* vlan;
    TLabel* vlanLabel;
    TLabel* upTime;
    std::vector<TCheckBox*> flags;
    TLabel* firmware;
};

int CodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.HelpContext;
    }
    return 0;
}
} // namespace

class ScalarBinding : public DeviceTest {
protected:
    LabControls BindAll(KwSNMPRequest2Edits& request)
    {
        LabControls c;
        c.name = Add<TEdit>("Ed_Name");
        c.mode = Add<TComboBox>("CB_Mode");
        c.radio = Add<TCheckBox>("CB_Radio");
        c.address = Edits("Ed_Ip", 4);
        c.mac = Edits("Ed_Mac", 6);
        c.band = Add<TRadioGroup>("RG_Band");
        c.vlan = Add<TEdit>("Ed_Vlan");
        c.vlanLabel = Add<TLabel>("Lb_Vlan");
        c.upTime = Add<TLabel>("Lb_UpTime");
        c.firmware = Add<TLabel>("Lb_Firmware");
        for (const char* name : {"CB_Flag0", "CB_Flag1", "CB_Flag9"})
            c.flags.push_back(Add<TCheckBox>(name));
        request.BindFormat(0, "%s{l16}", c.name);
        request.BindComboBox(1, c.mode);
        request.BindCheckBox(2, c.radio);
        request.BindFormat(3, "%u{n0x255}%u{n0x255}%u{n0x255}%u{n0x255}", c.address);
        request.BindFormat(4, "%h{l2}%h{l2}%h{l2}%h{l2}%h{l2}%h{l2}", c.mac);
        request.AddBinding(5, 0, SX_INTEGER, nullptr, c.band);
        // Records of one variable are read back in binding order: the edit last.
        request.BindLabel(6, c.vlanLabel);
        request.BindFormat(6, "%u{n1x4094}", c.vlan);
        request.BindLabel(7, c.upTime);
        request.BindBits(8, "0,1,9", c.flags);
        request.BindLabel(9, c.firmware);
        return c;
    }
};

TEST_F(ScalarBinding, ReadFillsEveryKindOfControl)
{
    auto* request = NewRequest(false, 0);
    LabControls c = BindAll(*request);
    ASSERT_TRUE(request->Get());
    EXPECT_EQ(request->RowCount, 1);
    EXPECT_FALSE(request->Busy);

    EXPECT_EQ(c.name->Text(), "VKA-Lab");
    // Option labels in list order; item k stands for the k-th value (2 is item 1).
    ASSERT_EQ(c.mode->Items()->Count(), 4);
    EXPECT_EQ(c.mode->Items()->Strings(0), "Access Point");
    EXPECT_EQ(c.mode->Items()->Strings(3), "Wireless Client");
    EXPECT_EQ(c.mode->Style(), csDropDownList);
    EXPECT_EQ(c.mode->ItemIndex(), 1);
    EXPECT_TRUE(c.radio->Checked());  // option "Enable" is the second option
    const char* const address[] = {"192", "168", "0", "50"};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(c.address[k]->Text(), address[k]);
    const char* const mac[] = {"00", "11", "22", "AA", "BB", "CC"};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(c.mac[k]->Text(), mac[k]);
    ASSERT_EQ(c.band->Items()->Count(), 2);
    EXPECT_EQ(c.band->ItemIndex(), 1);
    EXPECT_EQ(c.vlan->Text(), "100");
    EXPECT_EQ(c.vlanLabel->Caption(), "100");
    EXPECT_EQ(c.upTime->Caption(), "1 day 0:00:00.01");
    EXPECT_TRUE(c.flags[0]->Checked());
    EXPECT_FALSE(c.flags[1]->Checked());
    EXPECT_TRUE(c.flags[2]->Checked());
    EXPECT_EQ(c.firmware->Caption(), "1.2.07");
    // One get, all ten scalars.
    const auto journal = device->Journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].Kind, "GET");
    EXPECT_EQ(journal[0].Bindings.size(), 10u);
}

TEST_F(ScalarBinding, WriteSendsExactlyTheWritableBindingsWithTheirTypes)
{
    auto* request = NewRequest(false, 0);
    LabControls c = BindAll(*request);
    ASSERT_TRUE(request->Get());

    c.name->SetText("Lab-2");
    c.mode->SetItemIndex(2);   // "WDS", value 3
    c.radio->SetChecked(false);
    c.address[3]->SetText("300");  // keeps its low eight bits: 44
    const char* const mac[] = {"0", "", "1B", "2c", "3D", "4E"};
    for (int k = 0; k < 6; ++k)
        c.mac[k]->SetText(mac[k]);
    c.band->SetItemIndex(0);
    c.vlan->SetText("200");
    c.flags[0]->SetChecked(false);
    c.flags[1]->SetChecked(true);
    // The form leaves the band out of this set.
    request->Request.VarList.Item(5).Access = AC_INVALID;
    device->ClearJournal();

    int okRecords = 0;
    request->Request.OnResult = [&](const KwSNMPError& e) { okRecords += e.Code == 0 && e.ErrorCount == -1; };
    ASSERT_TRUE(request->Set(true, true, "", nullptr));
    EXPECT_EQ(okRecords, 1);

    const auto set = LastSet();
    ASSERT_EQ(set.Status, "noError");
    struct Expected { std::string oid, type, value; };
    const std::vector<Expected> expected = {
        {ScalarOid(1), "STRING", "\"Lab-2\""},
        {ScalarOid(2), "INTEGER", "3"},
        {ScalarOid(3), "INTEGER", "0"},
        {ScalarOid(4), "IPADDRESS", "192.168.0.44"},
        {ScalarOid(5), "HEX", "00 00 1B 2C 3D 4E"},
        {ScalarOid(7), "INTEGER", "200"},
        {ScalarOid(9), "STRING", "\"@@\""},  // 40 40
    };
    ASSERT_EQ(set.Bindings.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(set.Bindings[k].Oid, expected[k].oid) << k;
        EXPECT_EQ(set.Bindings[k].Type, expected[k].type) << k;
        EXPECT_EQ(set.Bindings[k].Value, expected[k].value) << k;
    }
    EXPECT_EQ(device->GetValue(ScalarOid(6)), "INTEGER 1");  // the band was not sent

    // The variable left out keeps its control through the next read.
    c.band->SetItemIndex(0);
    ASSERT_TRUE(request->Get());
    EXPECT_EQ(c.band->ItemIndex(), 0);
    EXPECT_EQ(c.mode->ItemIndex(), 2);
    EXPECT_EQ(c.address[3]->Text(), "44");
}

TEST_F(ScalarBinding, ShortImagesAreRefusedBeforeAnyEditChanges)
{
    // A five-byte MAC address from the device: the six edits are never filled from
    // bytes that do not exist; the read fails with -518 and the edits keep their text.
    ASSERT_TRUE(device->SetValue(ScalarOid(5), "HEX", "00 11 22 33 44"));
    auto* request = NewRequest(false, 0);
    std::vector<TEdit*> mac = Edits("Ed_Mac", 6);
    for (TEdit* edit : mac)
        edit->SetText("77");
    request->BindFormat(4, "%h%h%h%h%h%h", mac);
    EXPECT_EQ(CodeOf([&] { request->Get(); }), KWERR_ASSOC_VALUE);
    EXPECT_FALSE(request->Busy);
    for (TEdit* edit : mac)
        EXPECT_EQ(edit->Text(), "77");

    // A three-part address text into four edits follows the same rule.
    std::vector<TEdit*> address = Edits("Ed_Ip", 4);
    request->BindFormat(3, "%u%u%u%u", address);
    *request->Request.VarList.Item(3).Value = "192.168.1";
    EXPECT_EQ(CodeOf([&] { request->VarsToControls(3); }), KWERR_ASSOC_VALUE);
    for (TEdit* edit : address)
        EXPECT_EQ(edit->Text(), "");
    // "(NULL)" leaves the edits as they were.
    address[0]->SetText("9");
    *request->Request.VarList.Item(3).Value = "(NULL)";
    request->VarsToControls(3);
    EXPECT_EQ(address[0]->Text(), "9");
}

TEST_F(ScalarBinding, BindingErrorsAndUnbinding)
{
    auto* request = NewRequest(false, 0);
    auto* combo = Add<TComboBox>("CB_Name");
    // A combo box needs an option list: -520, its style already set.
    EXPECT_EQ(CodeOf([&] { request->BindComboBox(0, combo); }), KWERR_NO_OPTION_LIST);
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_TRUE(request->Bindings.empty());

    // Literal text between specifiers: the binding would count four edits where the
    // constraint sees broken specifiers. Refused loudly, nothing bound or constrained.
    std::vector<TEdit*> edits = Edits("Ed_Ip", 4);
    bool formChange = false;
    edits[0]->OnChange = [&](TObject*) { formChange = true; };
    EXPECT_EQ(CodeOf([&] { request->BindFormat(3, "%u.%u.%u.%u", edits); }), KWCERR_BAD_FORMAT);
    EXPECT_TRUE(request->Bindings.empty());
    EXPECT_EQ(request->Constraints->Count(), 0);
    edits[0]->SetText("1x");
    EXPECT_TRUE(formChange);
    EXPECT_EQ(edits[0]->Text(), "1x");  // no filter was installed
    // Too few edits for the format's specifiers.
    EXPECT_EQ(CodeOf([&] { request->BindFormat(3, "%u%u%u%u", std::vector<TEdit*>{edits[0]}); }),
              KWERR_CONTROL_COUNT);

    // A check box on a plain integer shows nothing it could mean: -517.
    auto* box = Add<TCheckBox>("CB_Vlan");
    request->BindCheckBox(6, box);
    *request->Request.VarList.Item(6).Value = "5";
    EXPECT_EQ(CodeOf([&] { request->VarsToControls(6); }), KWERR_ASSOC_SYNTAX);

    // Unbind removes every record of the variable and gives the edits their handlers back.
    request->BindFormat(0, "%s", edits[1]);
    request->BindLabel(0, Add<TLabel>("Lb_Name"));
    request->Unbind(0);
    request->Unbind(2);
    ASSERT_EQ(request->Bindings.size(), 1u);
    EXPECT_EQ(request->Bindings[0]->VarIndex, 6);
    EXPECT_EQ(request->Constraints->Find(edits[1]), nullptr);

    // Disabling reaches every control of multi-control bindings.
    request->BindFormat(3, "%u%u%u%u", edits);
    request->EnableControls(false);
    for (TEdit* edit : edits)
        EXPECT_FALSE(edit->Enabled());
    EXPECT_FALSE(box->Enabled());
}

TEST_F(ScalarBinding, VariablesTheListLacksAreRefused)
{
    auto* request = NewRequest(false, 0);
    const int count = request->Request.VarList.Count();
    auto* label = Add<TLabel>("Lb_Far");
    std::vector<TEdit*> edits = Edits("Ed_Far", 2);
    EXPECT_EQ(CodeOf([&] { request->BindLabel(count, label); }), KWCERR_INDEX);
    EXPECT_EQ(CodeOf([&] { request->BindFormat(-1, "%s", edits[0]); }), KWCERR_INDEX);
    EXPECT_EQ(CodeOf([&] { request->BindBits(count + 5, "0", {Add<TCheckBox>("CB_Far")}); }),
              KWCERR_INDEX);
    EXPECT_EQ(CodeOf([&] { request->BindComboBox(1000, Add<TComboBox>("CB_FarMode")); }),
              KWCERR_INDEX);
    // Bits lie inside their variable: its width, or the longest string SNMP carries.
    const struct { int Var; const char* Bits; } outside[] = {
        {6, "32"}, {4, "0,48"}, {8, "524280"}, {8, "2147483647"}};
    for (const auto& o : outside)
        EXPECT_EQ(CodeOf([&] { request->BindBits(o.Var, o.Bits, {Add<TCheckBox>("CB_Bit0"), Add<TCheckBox>("CB_Bit1")}); }),
                  KWERR_ASSOC_INDEX) << o.Bits;
    EXPECT_TRUE(request->Bindings.empty());
    EXPECT_EQ(request->Constraints->Count(), 0);

    // A list swapped for a shorter one leaves bindings without their variable.
    request->BindFormat(count - 1, "%s", edits[1]);
    request->Request.VarList = KwSNMPVarList();
    EXPECT_EQ(CodeOf([&] { request->VarsToControls(-1); }), KWCERR_INDEX);
}

TEST_F(ScalarBinding, TimeTicksAndPartsOfValues)
{
    auto* request = NewRequest(false, 0);
    std::vector<TEdit*> ticks = Edits("Ed_Up", 5);
    request->BindFormat(7, "%u%u%u%u%u", ticks);
    auto* high = Add<TEdit>("Ed_High");
    auto* low = Add<TEdit>("Ed_Low");
    // The two 16-bit halves of the flags, bound as parts of the octet string.
    request->AddBinding(8, 0, SX_UINT16, nullptr, high);
    request->AddBinding(4, 4, SX_UINT16, nullptr, low);
    ASSERT_TRUE(request->Get());
    const char* const parts[] = {"1", "0", "0", "0", "1"};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(ticks[k]->Text(), parts[k]);
    EXPECT_EQ(high->Text(), "32832");   // 80 40
    EXPECT_EQ(low->Text(), "48076");    // BB CC
    // Writing a part lays it over the variable's image.
    low->SetText("4660");
    request->ControlsToVars(4);
    EXPECT_EQ(*request->Request.VarList.Item(4).Value, "001122AA1234");
}
