// Advanced / DHCP Server, first page: the server switch and the dynamic pool.
#include "InputChecks.h"
#include "Dhcp.h"
#include "DhcpPoolRange.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"

namespace {
const int EnableItem = 1;
const int DomainNameVar = 6;  // dynamicDomainName in the pool's group
const char* const NoAddress = "0.0.0.0";
const char* const RangeText = "Please input a number between 1 and 254.";
const char* const AddressText = "Please input valid IP address";

// The device's reason for the first of the requests' sets it refused.
AnsiString RefusalText(std::initializer_list<const KwSNMPRequest2Controls*> requests)
{
    for (const KwSNMPRequest2Controls* request : requests)
        if (request->SetLedger().Failed > 0 && !request->Request.LastFailure.Message.IsEmpty())
            return request->Request.LastFailure.Message;
    return "Setting Error!";
}

// An optional server address: empty or 0.0.0.0 stand for none.
bool IsNoneOrHost(const AnsiString& text)
{
    return text.IsEmpty() || text == NoAddress || IsValidHostAddressText(text);
}
}  // namespace

void TFM_DHCP::BuildPoolPage()
{
    TFormBuilder build(TabSheet1);
    TFormRows rows(build, TRowColumns{16, 210, 220}, 12);
    build.Label("Lb_DHCPServerControl", "DHCP Server Control", 16, rows.Top());
    rows.Skip(22);
    CB_Fuction1 = rows.Combo("Lb_Function1", "Function Enable/Disable", "CB_Fuction1");
    CB_Fuction1->OnChange = [this](TObject* S) { CB_Fuction1Change(S); };
    Ed_IPAF = rows.Edit("Lb_IPAF", "IP Assigned From", "Ed_IPAF", 15);
    Ed_PoolRan = rows.Edit("Lb_PoolRan", "The Range of Pool (1-254)", "Ed_PoolRan", 3);
    Ed_SubMask = rows.Edit("Lb_SubMask", "Subnet Mask", "Ed_SubMask", 15);
    Ed_Gateway = rows.Edit("Lb_Gateway", "Gateway", "Ed_Gateway", 15);
    Ed_Wins = rows.Edit("Lb_Wins", "Wins", "Ed_Wins", 15);
    Ed_DNS = rows.Edit("Lb_DNS", "DNS", "Ed_DNS", 15);
    Ed_DomNa = rows.Edit("Lb_DomNa", "Domain Name", "Ed_DomNa", 63);
    Ed_Lease = rows.Edit("Lb_Lease", "Lease Time (60 - 31536000 sec)", "Ed_Lease", 8);
    rows.Skip(8);
    Bt_Refresh = build.Button("Bt_Refresh", "Refresh", rows.ButtonLeft(2), rows.Top(),
                              ReadSequence([this](TObject* S) { Bt_RefreshClick(S); }));
    // The pool is read as the form opens and after each Save: the page offers no Refresh.
    Bt_Refresh->SetVisible(false);
    Bt_Apply = build.Button("Bt_Apply", "Save", rows.ButtonLeft(1), rows.Top(),
                            [this](TObject* S) { Bt_ApplyClick(S); });
    Bt_Cancel = build.Button("Bt_Cancel", "Cancel", rows.ButtonLeft(0), rows.Top(),
                             [this](TObject* S) { Bt_CancelClick(S); });
    StatusBar1 = build.StatusBar("StatusBar1", {50});
    CB_APMode = build.HiddenCombo("CB_APMode");
    CB_DNStatus = build.HiddenCombo("CB_DNStatus");
    ED_IpAddr = build.HiddenEdit("ED_IpAddr");
    Ed_ext = build.HiddenEdit("Ed_ext");
    // What the server switch brings up, checked by CheckPool.
    DeclareCheck(Ed_IPAF, InTurn({FilledCheck(AddressText, "Warning"),
                                  EditCheck(IsValidHostAddressText, AddressText, "Waring", "")}));
    // The count of the pool's addresses, its last one at most .254 from the pool's first
    // address.
    TEditCheck range = EditCheckWith(
        Ed_IPAF, [](const AnsiString& text, const AnsiString& start) { return PoolRangeFits(start, text); }, RangeText,
        "Error", "");
    range.Refusal = [](const AnsiString& text) {
        return AnsiString(IsDecimalInRange(text, 1, 254) ? "Invaild IP range!" : RangeText);
    };
    DeclareCheck(Ed_PoolRan, InTurn({FilledCheck(RangeText, "Warning"), range}));
    DeclareCheck(Ed_Lease, NumberCheck(60, 31536000, "Please input a number between 60 and 31536000.", "Error",
                                       "Warning"));
    DeclareCheck(Ed_SubMask, EditCheck(IsValidSubnetMaskText, "Please input valid SubMask.", "Waring", ""));
    DeclareCheck(Ed_Gateway, EditCheck(IsValidHostAddressText, "Please input valid Gateway.", "Waring", ""));
    DeclareCheck(Ed_Wins, EditCheck(IsNoneOrHost, "Invalid WINS!", "Waring", ""));
    DeclareCheck(Ed_DNS, EditCheck(IsNoneOrHost, "Please input valid DNS!", "Waring", ""));
}

void TFM_DHCP::ShowPoolFailure(KwSNMPRequest2Controls* request)
{
    const AnsiString text = request->Request.LastFailure.Message;
    ShowFormStatus(StatusBar1, text.IsEmpty() ? AnsiString("Set Error!") : text);
}

bool TFM_DHCP::CheckPool()
{
    // An empty first address is refused first, since the range is counted from it; a
    // typed one is judged as a host address after the range and the lease time, the
    // numbers the whole pool stands on.
    if (Ed_IPAF->Text().IsEmpty())
        return PassesCheck(Ed_IPAF);
    // A first address the device holds as no address, left as it showed, is named.
    if (DeviceShowsNoChoice(Ed_IPAF) && !PoolRequest->DiffersFromDevice(Ed_IPAF))
        return RefuseInput("The device's IP Assigned From cannot be shown, and The Range of Pool is counted from it: "
                           "type it, then Save.",
                           "Warning", Ed_IPAF);
    if (!PassesCheck(Ed_PoolRan) || !PassesCheck(Ed_Lease))
        return false;
    if (!PassesCheck(Ed_IPAF) || !PassesCheck(Ed_SubMask) || !PassesCheck(Ed_Gateway) || !PassesCheck(Ed_Wins))
        return false;
    if (Ed_Wins->Text().IsEmpty())
        Ed_Wins->SetText(NoAddress);
    if (!PassesCheck(Ed_DNS))
        return false;
    if (Ed_DNS->Text().IsEmpty())
        Ed_DNS->SetText(NoAddress);
    return true;
}

void TFM_DHCP::SavePool()
{
    ConvertPoolRange(true);  // the device keeps the pool's last address
    BeginSave();
    WriteGroup(SwitchRequest);
    // The domain name goes out whenever the user can edit it here.
    MarkVars(PoolRequest, Ed_DomNa->Enabled() ? smSend : smLeaveOut, DomainNameVar);
    WriteGroup(PoolRequest);
    MarkVars(PoolRequest, smSend, DomainNameVar);  // later reads show it again
    // What was not saved, and a server the device turned on over a pool it would not
    // take, are said as every Save says them.
    const AnsiString verdict = SaveVerdict("Setting Success!", RefusalText({SwitchRequest, PoolRequest}));
    bool read = false;
    if (SaveSucceeded()) {
        read = ReadGroup(PoolRequest);
        ClearRouterZeroServers(Ed_Wins, Ed_DNS);
    }
    if (read)
        ShowReadPoolRange();
    else
        ConvertPoolRange(false);
    ShowFormStatus(StatusBar1, verdict);
}

void TFM_DHCP::Bt_ApplyClick(TObject* Sender)
{
    if (!SwitchRequest || !PoolRequest)
        return;  // the form's creation failed before its requests existed
    // What goes out depends on the switch: nothing while it shows no choice.
    if (CB_Fuction1->ItemIndex() < 0)
        return void(RefuseUnshownSwitch(CB_Fuction1));
    if (CB_Fuction1->ItemIndex() == EnableItem) {
        if (CheckPool())
            SavePool();
        return;
    }
    BeginSave();
    WriteGroup(SwitchRequest);
    ShowFormStatus(StatusBar1, SaveVerdict("Setting Success!", RefusalText({SwitchRequest})));
}

void TFM_DHCP::Bt_RefreshClick(TObject* Sender)
{
    if (!SwitchRequest || !PoolRequest)
        return;
    ReadGroup(SwitchRequest);
    if (ReadGroup(PoolRequest))
        ShowReadPoolRange();
}
