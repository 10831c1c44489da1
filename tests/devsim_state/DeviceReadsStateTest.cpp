// The simulated device's own state reader accepts the committed default state and
// reads every line back as the generator meant it.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "DefaultState.h"

#include "StateFile.h"
#include "Value.h"

namespace {

TEST(DefaultStateOnDevice, TheDeviceReaderAcceptsEveryLine)
{
    std::vector<devsim::StateEntry> entries;
    try {
        entries = devsim::loadStateFile(VKA_DEFAULT_STATE_FILE);
    } catch (const devsim::StateFileError& e) {
        FAIL() << e.what();
    }
    const auto lines = defaultstate::BuildDefaultState();
    ASSERT_EQ(entries.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].Oid);
        EXPECT_EQ(devsim::formatOid(entries[i].oid), lines[i].Oid);
        EXPECT_EQ(entries[i].readOnly, lines[i].ReadOnly);
        std::string type = devsim::typeWord(entries[i].value.type);
        if (lines[i].Type == "HEX") {
            EXPECT_EQ(type, "STRING");  // one SNMP type for both text forms
            EXPECT_EQ(entries[i].value.bytes.size(), 6u);  // MAC addresses
        } else {
            EXPECT_EQ(type, lines[i].Type);
        }
    }
}

}  // namespace
