#pragma once
// Shared parts of the network form tests: the device's state with table rows of the
// test's own on the LAN a router stands on.
#include "DeviceState.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "JournalBindings.h"
#include "UserActions.h"
#include "vcl.h"

#include <string>
#include <utility>
#include <vector>

namespace network_test {

using vka_test::PumpUntil;

inline const std::string P = "1.3.6.1.4.1.32473.10.37.37";

// The state with the variable `prefix` and every line below it replaced by `lines`.
inline std::string StateWithRows(const std::string& prefix, const std::string& lines,
                                 const std::string& state = vka_test::DefaultStateText())
{
    return vka_test::WithoutSubtree(state, prefix) + lines;
}

// The default state with the LAN and WAN on the private 192.168.1.0/24 network a
// router stands on (the default device answers on loopback).
inline std::string OnPrivateLan(const std::string& state = vka_test::DefaultStateText())
{
    const std::string info = P + ".2.2.1.1.1.1";
    return vka_test::WithLines(state, {info + ".7.1 IPADDRESS 192.168.1.1", info + ".8.1 IPADDRESS 255.255.255.0",
                                       info + ".9.1 IPADDRESS 192.168.1.254", info + ".7.2 IPADDRESS 192.168.1.1",
                                       info + ".8.2 IPADDRESS 255.255.255.0", info + ".9.2 IPADDRESS 192.168.1.254",
                                       P + ".5.1.4.1.1.2.1 IPADDRESS 192.168.1.1",
                                       "ro " + P + ".5.1.4.1.1.3.1 IPADDRESS 255.255.255.0"});
}

using Lines = std::vector<std::string>;
using vka_test::Bindings;
using vka_test::Choose;
using vka_test::Press;
using vka_test::Rows;
using vka_test::StatusText;

// Save pressed on a form that holds no device value to write back: one more box, with
// `text` and the caption "Error".
inline void ExpectRefusedSave(const ScriptedDialogs& dialogs, TButton* save, const std::string& text)
{
    const int shown = dialogs.Count();  // a failed read has shown its report already
    ASSERT_TRUE(Press(save));
    ASSERT_EQ(dialogs.Count(), shown + 1);
    EXPECT_EQ(dialogs.Last().Text, text);
    EXPECT_EQ(dialogs.Last().Caption, "Error");
}

}  // namespace network_test
