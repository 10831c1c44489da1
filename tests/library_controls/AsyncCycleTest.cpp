// Asynchronous cycles: completion events, status lines, error display, and no
// completion ever reaching a destroyed request or form.
#include "ControlsFixture.h"

#include "ExeName.h"
#include "KwErrors.h"

using namespace library_controls;

namespace {
struct Done {
    int count = 0;
    KwSNMPError last;
    KwSNMPDoneEvent Handler()
    {
        return [this](KwSNMPRequest2Controls*, KwSNMPError& error) {
            ++count;
            last = error;
        };
    }
};

const char* const BadValue = "(KwSNMP++) Bad value of the associated SNMP variable's (partial) data!";

// "Get: <text>. Receive at hh:nn:ss AM." with any time.
bool IsGetStatus(const AnsiString& line, const std::string& text, const std::string& request = "")
{
    const std::string s = line.ToStdString();
    const std::string head = "Get: " + text + request + ". Receive at ";
    return s.compare(0, head.size(), head) == 0 && s.size() == head.size() + 12 &&
           (s.substr(s.size() - 3) == "AM." || s.substr(s.size() - 3) == "PM.");
}
} // namespace

class AsyncCycle : public DeviceTest {};

TEST_F(AsyncCycle, ScalarGetCompletesOnceWithTheOkRecord)
{
    auto* request = NewRequest(false, 1);
    auto* name = Add<TEdit>("Ed_Name");
    request->BindFormat(0, "%s", name);
    Done done;
    request->OnGetDone = done.Handler();
    int okRecords = 0, afterGets = 0;
    request->Request.OnResult = [&](const KwSNMPError& e) { okRecords += e.Code == 0; };
    request->OnAfterGet = [&] { ++afterGets; };
    ASSERT_TRUE(request->Get());
    EXPECT_TRUE(request->Busy);
    EXPECT_EQ(name->Text(), "");
    ASSERT_TRUE(PumpUntil([&] { return done.count > 0; }));
    Pump(0.1);
    EXPECT_EQ(done.count, 1);
    EXPECT_EQ(done.last.Code, 0);
    EXPECT_FALSE(request->Busy);
    EXPECT_EQ(okRecords, 1);
    EXPECT_EQ(afterGets, 1);
    EXPECT_EQ(name->Text(), "VKA-Lab");
}

TEST_F(AsyncCycle, TableWalkFiresOnceAfterTheLastReply)
{
    auto* request = NewRequest(true, 1);
    auto* list = Add<TListView>("LV_Peers");
    request->BindListView(list, true);
    Done done;
    request->OnGetDone = done.Handler();
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(PumpUntil([&] { return done.count > 0; }));
    Pump(0.1);
    EXPECT_EQ(done.count, 1);
    EXPECT_EQ(done.last.Code, 0);
    EXPECT_TRUE(done.last.Last);
    EXPECT_EQ(list->Items()->Count(), 3);
    EXPECT_EQ(CountKind("GETNEXT"), 4);

    // An asynchronous set of a row re-reads the table; its end fires OnGetDone again.
    Done setDone;
    request->OnSetDone = setDone.Handler();
    list->SetSelected(list->Items()->Item(2));
    ASSERT_TRUE(request->Set(true, true, "", nullptr));
    ASSERT_TRUE(PumpUntil([&] { return done.count == 2; }));
    EXPECT_EQ(setDone.count, 1);
    EXPECT_EQ(setDone.last.Code, 0);
    EXPECT_EQ(LastSet().Bindings.at(0).Oid, CellOid(2, 3));
}

TEST_F(AsyncCycle, TimeOutReachesTheDoneEventOnlyAndSkipsAfterGet)
{
    auto* request = NewRequest(false, 1);
    auto* bar = Add<TStatusBar>("StatusBar1");
    request->AttachStatusBar(bar);
    Done done;
    request->OnGetDone = done.Handler();
    int afterGets = 0;
    request->OnAfterGet = [&] { ++afterGets; };
    ASSERT_TRUE(device->DropNext(1));
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(PumpUntil([&] { return done.count > 0; }));
    EXPECT_EQ(done.last.Code, -405);
    EXPECT_TRUE(done.last.Last);
    EXPECT_EQ(afterGets, 0);
    EXPECT_FALSE(request->Busy);
    EXPECT_EQ(bar->SimpleText(), "");  // SNMP errors are the form's to report
}

TEST_F(AsyncCycle, ExceptionWhileShowingAReplyGoesToAVisibleStatusLine)
{
    ASSERT_TRUE(device->SetValue(ScalarOid(5), "HEX", "00 11 22 33 44"));
    // A status bar that shows panels: the line goes where it can be seen.
    auto* request = NewRequest(false, 1);
    auto* bar = Add<TStatusBar>("StatusBar1");
    bar->Panels()->Add()->SetWidth(400);
    request->AttachStatusBar(bar);
    request->BindFormat(4, "%h%h%h%h%h%h", Edits("Ed_Mac", 6));
    Done done;
    request->OnGetDone = done.Handler();
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(PumpUntil([&] { return !request->Busy; }));
    Pump(0.1);
    EXPECT_EQ(done.count, 0);  // the get ended with the exception
    EXPECT_TRUE(IsGetStatus(bar->Panels()->Items(0)->Text(), BadValue)) << bar->ShownText();
    EXPECT_EQ(bar->SimpleText(), bar->Panels()->Items(0)->Text());
    EXPECT_FALSE(bar->SimplePanel());

    // A bar without panels switches to its simple panel; a named list keeps its name.
    auto* plain = NewRequest(false, 1);
    auto* simple = Add<TStatusBar>("StatusBar2");
    plain->AttachStatusBar(simple);
    plain->Request.VarList.Name = "labScalars";
    plain->BindFormat(4, "%h%h%h%h%h%h", Edits("Ed_Mac2_", 6));
    ASSERT_TRUE(plain->Get());
    ASSERT_TRUE(PumpUntil([&] { return !plain->Busy; }));
    EXPECT_TRUE(simple->SimplePanel());
    EXPECT_TRUE(IsGetStatus(simple->SimpleText(), BadValue, " Request:labScalars")) << simple->SimpleText();

    // A memo gains one line per status.
    auto* memo = Add<TMemo>("Memo1");
    plain->AttachStatusMemo(memo);
    ASSERT_TRUE(plain->Get());
    ASSERT_TRUE(PumpUntil([&] { return !plain->Busy; }));
    ASSERT_TRUE(plain->Get());
    ASSERT_TRUE(PumpUntil([&] { return !plain->Busy; }));
    EXPECT_EQ(memo->Lines()->Count(), 2);

    // Without a status control the message goes to a box captioned with the program.
    auto* boxed = NewRequest(false, 1);
    boxed->BindFormat(4, "%h%h%h%h%h%h", Edits("Ed_Mac3_", 6));
    ASSERT_TRUE(boxed->Get());
    ASSERT_TRUE(PumpUntil([&] { return dialogs->Count() > 0; }));
    EXPECT_EQ(dialogs->Last().Text, BadValue);
    const std::string exe = ExeName();
    EXPECT_EQ(dialogs->Last().Caption, exe.substr(exe.find_last_of('/') + 1));
}

TEST_F(AsyncCycle, SetErrorsAreShownByKind)
{
    auto* request = NewRequest(false, 1);
    auto* bar = Add<TStatusBar>("StatusBar1");
    bar->SetSimplePanel(true);
    request->AttachStatusBar(bar);
    KwSNMPError error;
    error.Message = "(SNMP) Not writable!";
    request->ShowSetError(error);
    EXPECT_EQ(request->RequestKind, KwCycleSet);
    EXPECT_EQ(bar->SimpleText().SubString(1, 31), "Set: (SNMP) Not writable!. Rece");
}

TEST_F(AsyncCycle, NoCompletionReachesADestroyedRequestOrForm)
{
    ASSERT_TRUE(device->DelayReplies(300));
    auto* request = NewRequest(false, 1);
    auto* name = Add<TEdit>("Ed_Name");
    request->BindFormat(0, "%s", name);
    Done done;
    request->OnGetDone = done.Handler();
    ASSERT_TRUE(request->Get());
    delete request;  // waits for the reply, which is dropped
    Pump(0.5);
    EXPECT_EQ(done.count, 0);
    EXPECT_EQ(name->Text(), "");

    // The form goes with a set and a walk outstanding: neither reaches it.
    auto* set = NewRequest(false, 1);
    set->BindFormat(6, "%u", Add<TEdit>("Ed_Vlan"));
    set->OnSetDone = done.Handler();
    auto* walk = NewRequest(true, 1);
    walk->BindListView(Add<TListView>("LV_Peers"), true);
    walk->OnGetDone = done.Handler();
    ASSERT_TRUE(set->Set(true, true, "", nullptr));
    ASSERT_TRUE(walk->Get());
    delete form;
    form = nullptr;
    Pump(0.8);
    EXPECT_EQ(done.count, 0);
}

// The ok record goes to OnResult before the done event: a result handler that deletes
// the request ends the cycle there, for a get and for a set.
TEST_F(AsyncCycle, ResultHandlerThatDeletesTheRequestEndsTheCycle)
{
    for (const bool set : {false, true}) {
        SCOPED_TRACE(set ? "set" : "get");
        auto* request = NewRequest(false, 1);
        auto* vlan = Add<TEdit>(set ? "Ed_VlanSet" : "Ed_VlanGet");
        request->BindFormat(6, "%u", vlan);
        vlan->SetText("12");
        Done done;
        request->OnGetDone = done.Handler();
        request->OnSetDone = done.Handler();
        bool deleted = false;
        request->Request.OnResult = [&](const KwSNMPError& e) {
            if (e.Code == 0 && !deleted) {
                deleted = true;
                delete request;
            }
        };
        ASSERT_TRUE(set ? request->Set(false, true, "6", nullptr) : request->Get());
        ASSERT_TRUE(PumpUntil([&] { return deleted; }));
        Pump(0.1);
        EXPECT_EQ(done.count, 0);
    }
}

// A done handler may delete its request; the handler itself lives on until it returns.
TEST_F(AsyncCycle, DoneHandlerMayDeleteItsRequest)
{
    for (const bool set : {false, true}) {
        SCOPED_TRACE(set ? "set" : "get");
        auto* request = NewRequest(true, 1);
        request->BindListView(Add<TListView>(set ? "LV_Set" : "LV_Get"), true);
        auto kept = std::make_shared<std::string>("still here");
        std::string seen;
        const KwSNMPDoneEvent handler = [&seen, kept](KwSNMPRequest2Controls* sender, KwSNMPError&) {
            delete sender;
            seen = *kept;
        };
        request->OnGetDone = handler;
        request->OnSetDone = handler;
        ASSERT_TRUE(set ? request->Set(true, false, "1", nullptr) : request->Get());
        ASSERT_TRUE(PumpUntil([&] { return !seen.empty(); }));
        EXPECT_EQ(seen, "still here");
        Pump(0.1);
    }
}

// The form's after-get hook may delete the request: nothing of the cycle follows.
TEST_F(AsyncCycle, AfterGetHookMayDeleteTheRequest)
{
    auto* request = NewRequest(false, 1);
    request->BindFormat(0, "%s", Add<TEdit>("Ed_Name"));
    Done done;
    request->OnGetDone = done.Handler();
    int okRecords = 0;
    request->Request.OnResult = [&](const KwSNMPError& e) { okRecords += e.Code == 0; };
    auto kept = std::make_shared<std::string>("closed");
    std::string seen;
    request->OnAfterGet = [&request, &seen, kept] {
        delete request;
        request = nullptr;
        seen = *kept;
    };
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(PumpUntil([&] { return !seen.empty(); }));
    Pump(0.1);
    EXPECT_EQ(seen, "closed");
    EXPECT_EQ(okRecords, 0);
    EXPECT_EQ(done.count, 0);
}

// A get or set that cannot be sent ends on the next tick with its failure: the form's
// request is never left busy.
TEST_F(AsyncCycle, UnsentCycleEndsWithItsFailure)
{
    for (const bool set : {false, true}) {
        SCOPED_TRACE(set ? "set" : "get");
        auto* request = NewRequest(false, 1);
        request->Request.Device.Port = 0;  // the engine refuses the target
        Done done;
        request->OnGetDone = done.Handler();
        request->OnSetDone = done.Handler();
        int failures = 0;
        request->Request.OnResult = [&](const KwSNMPError& e) { failures += e.Code != 0; };
        ASSERT_TRUE(set ? request->Set(false, false, "6", nullptr) : request->Get());
        ASSERT_TRUE(PumpUntil([&] { return done.count > 0; }));
        EXPECT_NE(done.last.Code, 0);
        EXPECT_TRUE(done.last.Last);
        EXPECT_FALSE(request->Busy);
        EXPECT_EQ(failures, 1);
        EXPECT_EQ(request->Request.Pending, 0);
    }
}
