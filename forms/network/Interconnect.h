#pragma once
// Home / Internet Connection: the WAN connection type (static address, DHCP client,
// PPPoE, PPTP) with each type's addresses, DNS servers, host name, accounts and MTU,
// and the manual PPPoE link. Choosing a type writes it to the device at once, so that
// the device reports that type's values; closing the form writes back the type in
// force when it opened, unless a save succeeded meanwhile.
//
// Interconnect.cpp builds the form, reads the device, follows the type and the
// dependent controls; InterconnectSave.cpp checks and writes on Save.
//
// The type is written only by the user's choice, a save and the close; a form whose
// read of the type failed writes no type when it closes (it would be a guess). A type
// the list cannot show is the device's own: the close gives it back as the device gave
// it when the user switched away from it and no save succeeded.
#include "SettingsFormBase.h"
#include "SystemTexts.h"

#include <vector>

class TFM_InternetConnect : public TSettingsForm {
public:
    explicit TFM_InternetConnect(TComponent* Owner);

    TComboBox* CB_Interconntypeshow;
    TGroupBox* GroupBox1;  // Static IP
    TEdit* Edt_StaticIP;
    TEdit* Edt_StaticSubmask;
    TEdit* Edt_StaticGateway;
    TEdit* Edt_StaticPDNS;
    TEdit* Edt_StaticSDNS;
    TEdit* Edt_StaticMTU;
    TGroupBox* GroupBox3;  // Dynamic IP (DHCP)
    TEdit* Edt_Dyhostname;
    TEdit* Edt_DyPDNS;
    TEdit* Edt_DySDNS;
    TEdit* Edt_DyMTU;
    TGroupBox* GroupBox4;  // PPPoE
    TComboBox* CB_PPPoEMode;
    TEdit* Edt_PPPoEUser;
    TEdit* Edt_PPPoEPassword;
    TEdit* Edt_PPPoERePassword;
    TEdit* Edt_PPPoEService;
    TEdit* Edt_PPPoEIP;
    TComboBox* CB_PPPoEDNS;
    TEdit* Edt_PPPoEPDNS;
    TEdit* Edt_PPPoESDNS;
    TRadioButton* RB_Always;
    TRadioButton* RB_Manual;
    TRadioButton* RB_Connect;
    TButton* Btn_Connect;
    TButton* Btn_Disconnect;
    TEdit* Edt_PPPoEMTU;
    TLabel* Label25;
    TGroupBox* GroupBox5;  // PPTP
    TComboBox* CB_PPTPMode;
    TEdit* Edt_PPTPIP;
    TEdit* Edt_PPTPSubmask;
    TEdit* Edt_PPTPGateway;
    TEdit* Edt_PPTPDNS;
    TEdit* Edt_PPTPSever;
    TEdit* Edt_PPTPAccount;
    TEdit* Edt_PPTPPassword;
    TEdit* Edt_PPTPRePassword;
    TEdit* Edt_PPTPMTU;
    TButton* Bt_Apply;
    TButton* Bt_Cancel;
    TStatusBar* StatusBar1;
    // Hidden holders of device values.
    TComboBox* CB_connectMode;
    TComboBox* CB_PppoeManualMode;
    TEdit* Edt_LANIP;
    TEdit* ED_LANSubMask;
    TEdit* NetMask;
    TComboBox* CB_Interconntype;
    TComboBox* CB_DeviceApplySetting;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* TypeRequest = nullptr;        // ipType (WAN)
    KwSNMPRequest2Edits* ManualModeRequest = nullptr;  // ipInformationPppoeManualMode
    KwSNMPRequest2Edits* LanRequest = nullptr;         // LAN address and mask
    KwSNMPRequest2Edits* WanRequest = nullptr;         // WAN address, mask, gateway
    KwSNMPRequest2Edits* InfoRequest = nullptr;        // DNS, host name, PPPoE, PPTP
    KwSNMPRequest2Edits* MtuRequest = nullptr;         // ipMTU, one copy per type

    // The type index written back at close: the one read at opening, then the one of
    // each successful save. It outlives the form.
    static int SavedConnectionType;
    // This opening read the device's type.
    bool TypeRead = false;
    // The device's type as it was read at opening: given back at close when the list
    // cannot show it and the form switched the device away from it.
    AnsiString OpeningTypeValue;
    // A type was written since the form opened.
    bool TypeSwitched = false;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void CB_InterconntypeshowChange(TObject* Sender);
    void CB_PPTPModeClick(TObject* Sender);
    void CB_PPPoEDNSChange(TObject* Sender);
    void CB_PPPoEModeChange(TObject* Sender);
    void CB_PppoeManualModeChange(TObject* Sender);
    void CB_connectModeChange(TObject* Sender);
    void Btn_ConnectClick(TObject* Sender);
    void Btn_DisconnectClick(TObject* Sender);
    void Bt_ApplyClick(TObject* Sender);
    void Bt_CancelClick(TObject* Sender);

    enum { StaticType, DynamicType, PppoeType, PptpType };

private:
    void BuildStaticGroup();
    void BuildDynamicGroup();
    void BuildPppoeGroup();
    void BuildPptpGroup();
    // Shows type t: the device's values of that type, its group and the dependent controls.
    void ShowType(int t);
    void LayOut(int t);
    void CopyPasswords(int t);
    // The addresses the device reports as 0.0.0.0 are shown empty, and go back as 0.0.0.0.
    std::vector<TEdit*> AddressEdits() const;
    void BlankEmptyAddresses();
    void UnblankEmptyAddresses();
    void SetManualMode(int item);
    void RestoreOpeningType();
    // Save's checks of type t; marks what the sets send.
    bool CheckStatic();
    bool CheckDynamic();
    bool CheckPppoe();
    bool CheckPptp();
    void MarkMtuCopy(int t);
    // Every type's edits as the device has them (after each read of them): an unedited
    // one is neither checked nor written, unless a switch the user turned (the type, a
    // mode, the DNS source) put it into effect.
    TDeviceTexts deviceShown_;
    void TakeDeviceShown();
    // An optional address the user edited (or a switch put into effect) is none, empty
    // or 0.0.0.0 (sent as 0.0.0.0), or a host address.
    // The checks Save runs on each type's edits.
    void DeclareChecks();
    // The edit's declared check, unless the device's value is kept.
    bool Passes(TEdit* edit) const;
    // The same for an optional address, which none (empty) leaves 0.0.0.0.
    bool KeptOrOptionalAddress(TEdit* edit) const;
    // The passwords of a pair are checked against each other when one was edited.
    bool PasswordsAgree(TEdit* password, TEdit* retyped) const;
};

extern TFM_InternetConnect* FM_InternetConnect;
extern const char* const InternetConnectNotReadText;
