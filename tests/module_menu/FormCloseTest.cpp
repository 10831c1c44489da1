// Closing a form while it walks a table that never ends: every form that walks a table
// when it opens agrees to close during the walk, and the walk ends with the form.
#include "KwSNMPRequest2Controls.h"
#include "MenuRoad.h"

#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace vka_test;

namespace {
// A column's OID as numbers, which order OIDs as an agent does.
std::vector<unsigned long> OidNumbers(const std::string& text)
{
    std::vector<unsigned long> oid;
    std::istringstream in(text);
    std::string part;
    while (std::getline(in, part, '.'))
        oid.push_back(std::stoul(part));
    return oid;
}

bool Walks(const KwSNMPRequest2Controls* request) { return request->Mode == 1 && request->Request.VarList.IsTable(); }

// An asynchronous walk of the form is a few rows in, and no write is on its way.
bool OnlyWalking(TForm* form)
{
    bool walking = false;
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form)) {
        if (request->Busy && request->RequestKind == KwCycleSet)
            return false;
        walking = walking || (Walks(request) && request->Busy && request->Request.WalkRows >= 3);
    }
    return walking;
}
}  // namespace

class FormClose : public MenuRoad {};

TEST_P(FormClose, EveryFormClosesDuringAnEndlessWalkAndTheWalkEndsWithIt)
{
    // The forms that walk a table as they open (entry and number of walking requests),
    // and every column the forms walk, learnt from one opening against the usual device.
    std::map<TMenuItem*, int> walkers;
    std::map<std::vector<unsigned long>, std::string> columns;
    ForEveryFormEntry(*main, [&](TMenuItem* entry, TForm* form) {
        for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form)) {
            const KwSNMPVarList& list = request->Request.VarList;
            for (int i = 0; list.IsTable() && i < list.Count(); ++i)
                columns[OidNumbers(list.Item(i).Oid)] = list.Item(i).Oid;
            if (Walks(request) && request->WasRead())
                ++walkers[entry];
        }
    });
    ASSERT_GE(walkers.size(), 3u);
    // In OID order, so that each column's get-next stays inside that column.
    for (const auto& column : columns)
        devsim.Control("endless " + column.second);  // a column the device does not serve is refused
    KwWalkRowLimit = 300;  // the synchronous walks of the openings end soon

    for (const auto& [entry, walks] : walkers) {
        SCOPED_TRACE(entry->Name().ToStdString());
        ASSERT_TRUE(devsim.ClearJournal());
        bool agreed = false;
        std::size_t atClose = 0;
        EXPECT_TRUE(OpenAndClose(entry, [&] {
            TForm* form = NewestForm();
            ASSERT_TRUE(PumpUntil([&] { return OnlyWalking(form); }, 20));
            agreed = form->CloseQuery();
            atClose = Requests("GETNEXT").size();
        }));
        EXPECT_TRUE(agreed) << "the form refused to close while it walked a table";
        // What was already on its way when the form closed; nothing after.
        EXPECT_LE(Requests("GETNEXT").size(), atClose + 2 * std::size_t(walks)) << "the walk went on after the close";
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, FormClose, ::testing::Values(1), VersionName);
