// Advanced / DHCP Server, static leases, with free rows between the entries: an
// entry is edited and deleted in its own table row, a new one goes into the first
// free row, and duplicates and a full table are refused before anything is sent.
#include "DhcpFixture.h"
#include "KwSNMPRequest2Edits.h"

using namespace network_test;

TEST_P(DhcpForm, EditsAndDeletesTheChosenEntryInItsOwnRow)
{
    Open([&](TFM_DHCP& form) {
        EXPECT_EQ(form.PageControl1->ActivePage(), form.TabSheet2);
        EXPECT_EQ(StatusText(form.StatusBar2), "Get OK!");
        EXPECT_TRUE(form.Bt_Cancel->Enabled());
        ASSERT_EQ(ShownMacs(form.User_ListView), (std::vector<std::string>{"001CC0708001", "001CC0708002"}));

        // The second entry lives in row 3 (row 2 is free).
        ChooseEntry(form, 1);
        EXPECT_EQ(form.Lb_Index->Caption().ToStdString(), "3");
        EXPECT_EQ(form.ED_StaticHostName->Text().ToStdString(), "nas");
        EXPECT_EQ(form.ED_StaticAssignMAC->Text().ToStdString(), "001CC0708002");
        ASSERT_TRUE(devsim.ClearJournal());
        form.ED_StaticHostName->SetText("nas-2");  // the MAC stays: its own row is no duplicate
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_EQ(dialogs.Count(), 0);
        ASSERT_TRUE(WaitForStaticTable(form));
        EXPECT_EQ(StatusText(form.StatusBar2), "Get OK!");
        EXPECT_EQ(DeviceValue(StaticCell(3, 3)), "STRING \"nas-2\"");
        EXPECT_EQ(DeviceValue(StaticCell(3, 1)), "STRING \"printer\"");
        EXPECT_EQ(DeviceValue(StaticCell(3, 2)), "STRING \"\"");

        ChooseEntry(form, 1);
        ASSERT_TRUE(Press(form.Btn_Del));
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "Are you sure that you want to delete this entry?");
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        EXPECT_EQ(StatusText(form.StatusBar2), "Delete OK!");
        ASSERT_TRUE(WaitForStaticTable(form));
        EXPECT_EQ(ShownMacs(form.User_ListView), std::vector<std::string>{"001CC0708001"});
    });
    EXPECT_EQ(Sets().size(), 3u);
    EXPECT_EQ(SentBindings(),
              (Lines{StaticSwitch + " INTEGER 1", StaticCell(2, 3) + " INTEGER 1", StaticCell(3, 3) + " STRING \"nas-2\"",
                     StaticCell(4, 3) + " IPADDRESS 192.168.1.51", StaticCell(5, 3) + " HEX 00 1C C0 70 80 02",
                     StaticCell(6, 3) + " IPADDRESS 255.255.255.0", StaticCell(7, 3) + " IPADDRESS 192.168.1.254",
                     StaticCell(8, 3) + " IPADDRESS 192.168.1.254", StaticCell(9, 3) + " IPADDRESS 0.0.0.0",
                     StaticCell(10, 3) + " STRING \"example.com\"", StaticDelete + " INTEGER 3"}));
    EXPECT_EQ(DeviceValue(StaticCell(4, 3)), "IPADDRESS 0.0.0.0");
    EXPECT_EQ(DeviceValue(StaticCell(4, 1)), "IPADDRESS 192.168.1.50");
}

INSTANTIATE_TEST_SUITE_P(Roads, DhcpForm, ::testing::Values(1), vka_test::VersionName);

TEST_P(DhcpForm, AddsIntoFreeRowsAndRefusesDuplicatesAndAFullTable)
{
    auto fill = [](TFM_DHCP& form, const char* ip, const char* mac, const char* host) {
        form.ED_StaticAssignIP->SetText(ip);
        form.ED_StaticAssignMAC->SetText(mac);
        form.ED_StaticHostName->SetText(host);
    };
    Open([&](TFM_DHCP& form) {
        EXPECT_EQ(form.Lb_Index->Caption().ToStdString(), "2");  // the first free row
        EXPECT_EQ(form.ED_StaticSubMask->Text().ToStdString(), form.Ed_SubMask->Text().ToStdString());
        ASSERT_TRUE(devsim.ClearJournal());

        // Another entry's MAC in the other letter case is the same address.
        fill(form, "192.168.1.60", "001cc0708001", "cam");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "Reject: The MAC has already existed in IP Static pool.");
        EXPECT_TRUE(form.ED_StaticAssignMAC->Enabled());

        fill(form, "192.168.1.60", "001CC0708003", "cam");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(WaitForStaticTable(form));
        EXPECT_EQ(form.Lb_Index->Caption().ToStdString(), "4");
        fill(form, "192.168.1.61", "001CC0708004", "tv");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(WaitForStaticTable(form));
        EXPECT_EQ(form.User_ListView->Items()->Count(), 4);

        // Every row holds an entry and none is being edited: nothing may be overwritten.
        const int before = int(Sets().size());
        fill(form, "192.168.1.62", "001CC0708005", "radio");
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_EQ(dialogs.Last().Text, StaticPoolFullText);
        EXPECT_EQ(int(Sets().size()), before);
        EXPECT_EQ(dialogs.Count(), 2);
    });
    EXPECT_EQ(DeviceValue(StaticCell(5, 2)), "HEX 00 1C C0 70 80 03");
    EXPECT_EQ(DeviceValue(StaticCell(3, 4)), "STRING \"tv\"");
    EXPECT_EQ(DeviceValue(StaticCell(3, 1)), "STRING \"printer\"");
    EXPECT_EQ(DeviceValue(StaticCell(3, 3)), "STRING \"nas\"");
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 4u);  // two entries, each after the static switch
}

// A device that never answers: the reads fail, Cancel is enabled and closes the form
// (it used to stay disabled, and closing was refused until a read succeeded).
TEST_P(DhcpForm, CancelClosesTheFormAfterTheReadsFailed)
{
    ASSERT_TRUE(devsim.SilentFor(30));
    Open([&](TFM_DHCP& form) {
        EXPECT_TRUE(form.StaticListUnread);
        EXPECT_NE(StatusText(form.StatusBar1), "Get OK!");
        EXPECT_NE(StatusText(form.StatusBar1).find("timed out"), std::string::npos) << StatusText(form.StatusBar1);
        EXPECT_FALSE(TSettingsForm::Outstanding(form.StaticRequest));
        EXPECT_TRUE(form.CloseQuery());
        ASSERT_TRUE(Press(form.Bt_Cancel));
        EXPECT_EQ(form.ModalResult(), mrCancel);
    });
    ASSERT_TRUE(devsim.SilentFor(0));
    EXPECT_TRUE(Sets().empty());
}

// While a write of the static table is on its way the form stays; once the device
// answered (and the table was read again) it closes.
TEST_P(DhcpForm, ClosingWaitsForTheStaticTableWrite)
{
    Open([&](TFM_DHCP& form) {
        form.ED_StaticAssignIP->SetText("192.168.1.70");
        form.ED_StaticAssignMAC->SetText("001CC0708007");
        form.ED_StaticHostName->SetText("late");
        ASSERT_TRUE(devsim.DelayReplies(400));
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_TRUE(form.Bt_Cancel->Enabled());
        EXPECT_FALSE(form.CloseQuery());
        ASSERT_TRUE(devsim.DelayReplies(0));
        ASSERT_TRUE(WaitForStaticTable(form));
        EXPECT_FALSE(form.StaticReadAwaited);
        EXPECT_TRUE(form.CloseQuery());
    });
    EXPECT_EQ(DeviceValue(StaticCell(3, 2)), "STRING \"late\"");
}

// A delete the device never answered is reported as such, never as "Delete OK!".
TEST_P(DhcpForm, AFailedDeleteIsNotReportedAsDone)
{
    Open([&](TFM_DHCP& form) {
        ChooseEntry(form, 0);
        form.StaticDeleteRequest->Request.Timeout = 20;
        ASSERT_TRUE(devsim.DropNext(100));
        ASSERT_TRUE(Press(form.Btn_Del));
        EXPECT_NE(StatusText(form.StatusBar2).find("timed out"), std::string::npos) << StatusText(form.StatusBar2);
        ASSERT_TRUE(devsim.DropNext(0));
    });
    EXPECT_EQ(DeviceValue(StaticCell(4, 1)), "IPADDRESS 192.168.1.50");
}

// An edit refused for a bad address stays the edit of its row: the corrected entry is
// written there, not refused as a duplicate or added to a free row.
TEST_P(DhcpForm, ACorrectedEditIsWrittenIntoTheEditedRow)
{
    Open([&](TFM_DHCP& form) {
        ChooseEntry(form, 1);  // "nas", row 3
        form.ED_StaticAssignIP->SetText("192.168.1.0");
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_EQ(dialogs.Last().Text, "Please input valid IP address");
        form.ED_StaticAssignIP->SetText("192.168.1.52");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(WaitForStaticTable(form));
        EXPECT_EQ(dialogs.Count(), 1);
    });
    EXPECT_EQ(DeviceValue(StaticCell(4, 3)), "IPADDRESS 192.168.1.52");
    EXPECT_EQ(DeviceValue(StaticCell(4, 2)), "IPADDRESS 0.0.0.0");
}

// An entry edited and written while the table's read after the write failed, the device then
// as before: it stays the entry being edited, whose Delete reads the table and asks for the
// press again, which deletes it.
TEST_P(DhcpForm, AnEntryEditedWhenTheTableWasNotReadIsDeletedAfterItsRead)
{
    Open([&](TFM_DHCP& form) {
        KwTimeoutCap = 20;
        ChooseEntry(form, 1);  // "nas", row 3
        vka_test::Type(form.ED_StaticHostName, "-2");
        form.StaticRequest->OnAfterSet = [&] { EXPECT_TRUE(devsim.SilentFor(60)); };
        ASSERT_TRUE(Press(form.Btn_Add) && PumpUntil([&] { return !TSettingsForm::Outstanding(form.StaticRequest) && !form.StaticRequest->WasRead(); }));
        ASSERT_TRUE(devsim.SilentFor(0) && devsim.LoadState(devsim.StatePath()) && devsim.ClearJournal());
        dialogs.Answer(DialogButton::Ok);
        ASSERT_TRUE(Press(form.Btn_Del) && PumpUntil([&] { return StatusText(form.StatusBar2) == PressAgainText; }));
        ASSERT_TRUE(Sets().empty() && Press(form.Btn_Del) && WaitForStaticTable(form));
        KwTimeoutCap = 0;
    });
    EXPECT_EQ(SentBindings(), Lines{StaticDelete + " INTEGER 3"});
}

// Save at Disable while the table is read again after a delete: the switch alone goes
// out, it needs nothing of the table.
TEST_P(DhcpForm, TheSwitchAloneIsSavedDuringTheRereadAfterADelete)
{
    Open([&](TFM_DHCP& form) {
        ChooseEntry(form, 0);
        ASSERT_TRUE(devsim.DelayReplies(300));
        ASSERT_TRUE(Press(form.Btn_Del));
        ASSERT_TRUE(TSettingsForm::Outstanding(form.StaticRequest));
        ASSERT_TRUE(devsim.ClearJournal());
        dialogs.Clear();
        Choose(form.CB_Fuction2, 0);
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_TRUE(dialogs.Texts().empty());
        ASSERT_TRUE(devsim.DelayReplies(0));
    });
    const auto sets = Sets();
    ASSERT_FALSE(sets.empty());
    EXPECT_EQ(Bindings(sets[0]).at(0), StaticSwitch + " INTEGER 0");
}
