#pragma once
// Tools / Administrator Settings: the device's login name and password, the management
// console (none, Telnet or SSH) and its idle time-out, answering to ping, and the limits
// on management access: one VLAN and up to four ranges of manager addresses. The system
// name and location are shown too. Save writes login, console, time-out, ping, the
// access limits and, when the user changed them, the system name and location; ranges
// are added and deleted at once, each by its own request. An access limit the two boxes
// cannot show is said, grayed and kept until the user clicks a box.
//
// The VLAN tag is checked and written only when the user edited it or clicked its box;
// the login name only when the user edited it.
//
// Passwords: the device's current one sits in the hidden Ed_Pwd; the three password
// edits start with it, so a Save without changes writes the same password again; a
// login write the device refused leaves it there. No password is ever written to the
// debug trace.
#include "SettingsFormBase.h"
#include "SystemTexts.h"

class New_req2Edit;
class TFormBuilder;

class TFM_Admin2 : public TSettingsForm {
public:
    explicit TFM_Admin2(TComponent* Owner);

    // Management access
    TGroupBox* GroupBox1;
    TCheckBox* CheckBox_VID;
    TEdit* Ed_VID;
    TCheckBox* CkBx_ManagerState;
    TEdit* Ed_FromIP;
    TEdit* Ed_ToIP;
    TButton* Btn_Add;
    TListView* ListView_User;
    TButton* Btn_Del;
    // System Name Settings
    TGroupBox* GroupBox2;
    TEdit* Ed_SysName;
    TEdit* Ed_Location;
    // Login
    TGroupBox* GroupBox3;
    TEdit* Ed_Usr;
    TEdit* Ed_OPwd;
    TEdit* Ed_NPwd;
    TEdit* Ed_CNP;
    // Control Setting
    TGroupBox* GB_Control;
    TRadioGroup* RadioGroup1;
    TComboBox* CB_Timeout;
    TComboBox* CB_Ping;
    // Trap (hidden)
    TGroupBox* GroupBox4;
    TComboBox* CB_TrapStatus;
    TCheckBox* Ch_SystemTrap;
    TCheckBox* Ch_WirelessTrap;
    TEdit* Ed_TrapServerIp;
    TComboBox* CB_TrapType;

    TButton* OK;
    TButton* Cancel;
    TStatusBar* StatusBar;

    // Hidden holders of device values.
    TEdit* Ed_Pwd;
    TComboBox* CB_managerIpAddressStatus;
    TComboBox* CB_Telnet;
    TComboBox* CB_SHH;
    TListView* ListView_IpRange;
    TLabel* LA_Index;
    TEdit* Ed_From;
    TEdit* Ed_To;
    TEdit* Ed_Delete;
    TEdit* NetMask;
    TComboBox* CB_DeviceApplySetting;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* ManagerRequest = nullptr;  // status and VLAN tag
    KwSNMPRequest2Edits* ConsoleRequest = nullptr;  // telnet, ssh
    KwSNMPRequest2Edits* TimeoutRequest = nullptr;
    KwSNMPRequest2Edits* SystemNameRequest = nullptr;
    KwSNMPRequest2Edits* LoginRequest = nullptr;
    KwSNMPRequest2Edits* TrapRequest = nullptr;
    KwSNMPRequest2Edits* PingRequest = nullptr;
    KwSNMPRequest2Edits* RangeRequest = nullptr;   // asynchronous: the whole range table
    New_req2Edit* UserListRequest = nullptr;       // asynchronous: the ranges in use
    KwSNMPRequest2Edits* DeleteRequest = nullptr;  // asynchronous: managerDelete

    void FormCreate(TObject* Sender);
    void OKClick(TObject* Sender);
    void CancelClick(TObject* Sender);
    void CheckBox_VIDClick(TObject* Sender);
    void CkBx_ManagerStateClick(TObject* Sender);
    void ListView_UserClick(TObject* Sender);
    void Btn_AddClick(TObject* Sender);
    void Btn_DelClick(TObject* Sender);
    void RadioGroup1Click(TObject* Sender);
    void RB_NoneClick(TObject* Sender) { RadioGroup1Click(Sender); }

    static bool IsValidUserName(const AnsiString& text);
    // Empties both range lists and reads them again.
    bool RefreshManagerRanges();
    void OnManagerDeleteDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnManagerRangeSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);

    // True while a read or write of the range lists is on its way.
    bool RangesBusy() const;

private:
    void BuildLoginGroup(TFormBuilder& build);
    void BuildSystemNameGroup(TFormBuilder& build);
    void BuildManagerGroup(TFormBuilder& build);
    void BuildControlGroup(TFormBuilder& build);
    void BuildTrapGroup(TFormBuilder& build);
    void ResetRangeInputs();
    void StatusToCheckBoxes();
    void CheckBoxesToStatus();
    // Both access limit boxes show the device's status (none is grayed).
    bool AccessLimitShown() const;
    void SettleAccessLimit(TCheckBox* clicked, TCheckBox* other);
    bool SystemNameRead() const { return SystemNameRequest && GroupRead(SystemNameRequest); }
    void RadioFromConsole();
    void MarkConsole();
    bool CheckSaveInput();
    // The ranges may be changed: both lists read, nothing outstanding.
    bool MayChangeRanges();
    // The row of the hidden range list holding exactly these addresses, or nullptr.
    TListItem* RangeRowOf(const AnsiString& start, const AnsiString& end, bool asNumbers) const;
    TListItem* FirstFreeRangeRow() const;

    TDeviceTexts deviceTexts_;  // the system name and location as the device has them
    // The VLAN tag as the device has it, and whether the user clicked its box since: an
    // unedited tag (even one the device holds outside 1-4094) is neither checked nor sent.
    TDeviceTexts deviceVid_;
    bool vidClicked_ = false;
    bool VidEdited() const { return vidClicked_ || deviceVid_.Edited(Ed_VID); }
    TDeviceTexts deviceUser_;  // the login name as the device has it
};

extern TFM_Admin2* FM_Admin2;

// Refusals of this form's own (beyond the device's texts).
extern const char* const AdminNotReadText;
// Added to "Set OK!" when the system name and location could not be read.
extern const char* const SystemNameNotReadText;
