// Helpers of the settings-form pattern that need no window: the high-byte test, the
// access words of a request's variables, the menu openers and the ready flag.
#include "KwSNMPRequest2Edits.h"
#include "MenuForms.h"
#include "SettingsForm.h"
#include "VarTables.h"

#include <gtest/gtest.h>

TEST(SettingsFormTest, HighBytesAreFoundWherever)
{
    EXPECT_FALSE(!IsAsciiText(""));
    EXPECT_FALSE(!IsAsciiText("Plain SSID ~ 127\x7f"));
    EXPECT_TRUE(!IsAsciiText("caf\xe9"));
    EXPECT_TRUE(!IsAsciiText(AnsiString("\x80", 1)));
    EXPECT_TRUE(!IsAsciiText("\xe4\xb8\xad"));  // a UTF-8 character
}

TEST(SettingsFormTest, GroupRequestsAndAccessWords)
{
    KwSNMPRequest2Edits* request = NewGroupRequest(nullptr, ipInformationIpVars, MVT_SV, 0, 10000, 0);
    ASSERT_EQ(request->Request.VarList.Count(), 3);
    EXPECT_EQ(request->Request.VarList.ItemType, MVT_SV);
    EXPECT_EQ(request->Request.Timeout, 10000);
    EXPECT_EQ(request->Mode, 0);

    MarkVars(request, smLeaveOut);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(request->Request.VarList.Item(i).Access, AC_INVALID);
    MarkVars(request, smSend, 1);
    EXPECT_EQ(request->Request.VarList.Item(0).Access, AC_INVALID);
    EXPECT_EQ(request->Request.VarList.Item(1).Access, AC_READWRITE);
    MarkVars(request, smKeep, 7);  // beyond the list: nothing
    EXPECT_EQ(request->Request.VarList.Item(2).Access, AC_INVALID);
    delete request;
}

TEST(SettingsFormTest, MenuOpenersByItemName)
{
    int opened = 0;
    EXPECT_FALSE(HasMenuForm("UnitTestItem"));
    EXPECT_FALSE(OpenMenuForm("UnitTestItem"));
    RegisterMenuForm("UnitTestItem", [&] { ++opened; });
    EXPECT_TRUE(HasMenuForm("UnitTestItem"));
    EXPECT_TRUE(OpenMenuForm("UnitTestItem"));
    EXPECT_EQ(opened, 1);
    RegisterMenuForm("UnitTestItem", nullptr);
    EXPECT_FALSE(HasMenuForm("UnitTestItem"));
}

TEST(SettingsFormTest, ReadyFlagRefusesTheCloseWhileBusy)
{
    TReadyFlag flag;
    bool canClose = true;
    flag.CloseQuery(canClose);
    EXPECT_TRUE(canClose);
    flag.Busy();
    flag.CloseQuery(canClose);
    EXPECT_FALSE(canClose);
    flag.Done();
    canClose = true;
    flag.CloseQuery(canClose);
    EXPECT_TRUE(canClose);
}
