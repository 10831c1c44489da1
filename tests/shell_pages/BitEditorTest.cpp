// The bit editor of a bit-string row: the variable's bits as check boxes, written back
// through the row.
#include "PagesFixture.h"

using namespace pages_test;
using vka_test::PumpUntil;

namespace {
KwSNMPVar BitsGroup[] = {
    {"1.3.6.1.4.1.32473.10.37.99.3.1", "weekdays", SX_OCTETSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};
}  // namespace

class BitEditorPage : public PageRoad {
protected:
    std::string StateText() const override { return "1.3.6.1.4.1.32473.10.37.99.3.1.0 HEX 05\n"; }
};

TEST_P(BitEditorPage, ShowsTheBitsAndWritesTheEditedMask)
{
    RunEditorPage(BitsGroup, SVT_SV, [&](TConfigForm& form, KwSNMPRequest2Edits& request) {
        TSNMPEditorPanel* panel = EditorPanelOf(form);
        ASSERT_TRUE(PumpUntil([&] { return request.RowCount > 0 && !request.Busy; }));
        UISnmpVar& row = panel->EditsPanel->Rows[0];
        row.bits = std::make_unique<TBitRowData>(TBitRowData{4, 8});
        row.control->OnClick = [&](TObject* sender) { panel->EditsPanel->EditBits(sender); };
        int checkedBefore = -1;
        OnNextModal([&](TForm& dialog) {
            EXPECT_EQ(dialog.Caption(), "weekdays");
            checkedBefore = 0;
            for (int bit = 0; bit < 8; ++bit)
                checkedBefore += Named<TCheckBox>(&dialog, ("Bit" + std::to_string(bit)).c_str())->Checked();
            Named<TButton>(&dialog, "CheckAllBtn")->Click();
            Named<TButton>(&dialog, "OkBtn")->Click();
        });
        row.control->Click();
        EXPECT_EQ(checkedBefore, 2) << "0x05 has two bits set";
        panel->Buttons->SetCheckedBtn->Click();  // the one writable row: a plain "Set"
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].Bindings.size(), 1u);
    EXPECT_EQ(sets[0].Bindings[0].Value, "FF");
}

INSTANTIATE_TEST_SUITE_P(Roads, BitEditorPage, ::testing::Values(1), vka_test::VersionName);
