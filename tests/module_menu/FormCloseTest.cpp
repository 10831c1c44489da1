// Closing a form while it walks a table that never ends: every form that walks a table
// when it opens agrees to close during the walk, and the walk ends with the form.
#include "KwSNMPRequest2Controls.h"
#include "MenuRoad.h"

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace vka_test;

namespace {
using TOid = std::vector<unsigned long>;

TOid ParseOid(const std::string& text)
{
    TOid oid;
    std::istringstream in(text);
    std::string part;
    while (std::getline(in, part, '.'))
        oid.push_back(std::stoul(part));
    return oid;
}

std::string OidText(const TOid& oid)
{
    std::string text;
    for (unsigned long id : oid)
        text += (text.empty() ? "" : ".") + std::to_string(id);
    return text;
}

bool Walks(const KwSNMPRequest2Controls* request) { return request->Mode == 1 && request->Request.VarList.IsTable(); }

// An asynchronous walk of the form under way, a few rows in.
bool WalkRunning(TForm* form)
{
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form))
        if (Walks(request) && request->Busy && request->RequestKind == KwCycleGet && request->Request.WalkRows >= 3)
            return true;
    return false;
}

bool WriteSent(TForm* form)
{
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form))
        if (request->Busy && request->RequestKind == KwCycleSet)
            return true;
    return false;
}

std::size_t GetNexts(const DevsimPeer& devsim)
{
    std::size_t count = 0;
    for (const auto& entry : devsim.Journal())
        count += entry.Kind == "GETNEXT";
    return count;
}
}  // namespace

class FormClose : public MenuRoad {};

TEST_P(FormClose, EveryFormClosesDuringAnEndlessWalkAndTheWalkEndsWithIt)
{
    // The forms that walk a table as they open (entry and number of walking requests),
    // and every column the forms walk, learnt from one opening against the usual device.
    std::map<TMenuItem*, int> walkers;
    std::set<TOid> columns;
    for (TMenuItem* entry : FormEntries(*main)) {
        if (!entry->Enabled())
            continue;
        SCOPED_TRACE(entry->Name().ToStdString());
        EXPECT_TRUE(OpenAndClose(entry, [&] {
            TForm* form = NewestForm();
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
            for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form)) {
                const KwSNMPVarList& list = request->Request.VarList;
                for (int i = 0; list.IsTable() && i < list.Count(); ++i)
                    columns.insert(ParseOid(list.Item(i).Oid));
                if (Walks(request) && request->WasRead())
                    ++walkers[entry];
            }
        }));
    }
    ASSERT_GE(walkers.size(), 3u);
    // In OID order, so that each column's get-next stays inside that column.
    for (const TOid& column : columns)
        devsim.Control("endless " + OidText(column));  // a column the device does not serve is refused
    KwWalkRowLimit = 300;  // the synchronous walks of the openings end soon

    for (const auto& [entry, walks] : walkers) {
        SCOPED_TRACE(entry->Name().ToStdString());
        ASSERT_TRUE(devsim.ClearJournal());
        bool agreed = false;
        std::size_t atClose = 0;
        EXPECT_TRUE(OpenAndClose(entry, [&] {
            TForm* form = NewestForm();
            ASSERT_TRUE(PumpUntil([&] { return WalkRunning(form) && !WriteSent(form); }, 20));
            agreed = form->CloseQuery();
            atClose = GetNexts(devsim);
        }));
        EXPECT_TRUE(agreed) << "the form refused to close while it walked a table";
        // What was already on its way when the form closed; nothing after.
        EXPECT_LE(GetNexts(devsim), atClose + 2 * std::size_t(walks)) << "the walk went on after the close";
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, FormClose, ::testing::Values(1), VersionName);
