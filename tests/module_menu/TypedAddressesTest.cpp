// The address and MTU edits take what the user types whole, however long: the form's
// own check judges it, refuses with the form's message and sends nothing.
#include "MenuRoad.h"
#include "UserActions.h"

#include <QApplication>
#include <QKeyEvent>

using namespace vka_test;

namespace {
struct TypedForm {
    const char* Entry;               // the menu entry that opens the form
    std::vector<const char*> Edits;  // edits with no length limit; the first is checked
    const char* Enable;              // a box that enables the checked edit, or nullptr
    const char* Named;               // an edit the check wants filled first, or nullptr
    const char* Button;              // the button whose check judges the first edit
    const char* Refusal;
};

// The text arrives as one key press, the way a paste or an input method hands it over.
void Type(TEdit* edit, const std::string& text)
{
    edit->SetText("");
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromStdString(text));
    QApplication::sendEvent(edit->Widget(), &key);
}

template <class T>
T* Named(TForm* form, const char* name)
{
    T* found = dynamic_cast<T*>(form->FindComponent(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}
}  // namespace

class TypedAddresses : public FormRoad {};

TEST_P(TypedAddresses, AreNeverCutAndTheSaveCheckRefusesThem)
{
    const std::string typed = "192.168.100.200.1500";  // longer than any address or MTU
    const TypedForm forms[] = {
        {"InternetConnect1",
         {"Edt_StaticIP", "Edt_StaticSubmask", "Edt_StaticGateway", "Edt_StaticPDNS", "Edt_StaticSDNS", "Edt_DyPDNS",
          "Edt_DySDNS", "Edt_PPPoEIP", "Edt_PPPoEPDNS", "Edt_PPPoESDNS", "Edt_PPTPIP", "Edt_PPTPSubmask",
          "Edt_PPTPGateway", "Edt_PPTPDNS", "Edt_StaticMTU", "Edt_DyMTU", "Edt_PPPoEMTU", "Edt_PPTPMTU"},
         nullptr, nullptr, "Bt_Apply", "Please input valid static IP address"},
        {"Time", {"Ed_ServerIp"}, nullptr, nullptr, "Btn_Apply", "Please input valid IP address"},
        {"AdvancePortForwarding1", {"Edt_IPAddr"}, nullptr, "Edt_Name", "Btn_Add", "Invalid IP address!"},
        {"FirewallDMZ1", {"Edt_DMZIPAddr"}, "CBH_EableDMZ", nullptr, "Btn_Apply", "Please input valid IP address"},
    };
    for (const TypedForm& typedForm : forms) {
        SCOPED_TRACE(typedForm.Entry);
        dialogs.Clear();
        RunMenuItem(
            typedForm.Entry,
            [&] {
                TForm* form = NewestForm();
                ASSERT_TRUE(PumpUntil([&] { return RequestsIdle(form); })) << OutstandingRequests(form);
                for (const char* name : typedForm.Edits) {
                    TEdit* edit = Named<TEdit>(form, name);
                    const bool enabled = edit->Enabled();
                    edit->SetEnabled(true);  // a limit cuts typing whatever enables the edit
                    Type(edit, typed);
                    EXPECT_EQ(edit->Text().ToStdString(), typed) << name;
                    edit->SetEnabled(enabled);
                }
                if (typedForm.Enable)
                    Named<TCheckBox>(form, typedForm.Enable)->SetChecked(true);
                if (typedForm.Named)
                    Named<TEdit>(form, typedForm.Named)->SetText("rule");
                ASSERT_TRUE(devsim.ClearJournal());
                Type(Named<TEdit>(form, typedForm.Edits[0]), typed);
                ASSERT_TRUE(Press(Named<TButton>(form, typedForm.Button)));
                EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{typedForm.Refusal});
                EXPECT_TRUE(Sets().empty());
            },
            [] { return true; });
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, TypedAddresses, ::testing::Values(1), VersionName);
