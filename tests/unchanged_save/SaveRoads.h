#pragma once
// What the table check and the partial-failure pass share: the forms they go over (every
// form of the menu, and the few on another device), their fixture, and how a device's
// state is read ("TYPE value" by OID).
#include "FormTestRoad.h"
#include "StateTables.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vka_test {

// Home / Wireless's access point mode.
inline const std::string ApMode = DeviceOid("2.1.3.2.1.1.18.1");

// The type of a device value ("TYPE value").
std::string TypeOf(const std::string& value);

// The device's value of `oid` in `state` ("" when it has none).
std::string Held(const std::map<std::string, std::string>& state, const std::string& oid);

// Every form of the menu on the default device; VLAN Settings also with VLANs on (its PVID
// page's switch counts), Administrator with the VID limit on (its VID is checked), and
// Multi-SSID with a further SSID chosen (its entry takes input, its Add writes it).
struct TableRoad {
    std::string Item;
    std::string Variant;
    std::vector<std::string> Lines;
    std::function<void(TForm*)> Prepare = [](TForm*) {};  // what the user does first at each opening
    std::string Row = "";    // the instance of the table row an entry edits
    std::string Press = "";  // the button that writes it, else every Save
};
const std::vector<TableRoad>& TableRoads();

// Home / Wireless brings up far more than any other form: its cases run in shards, the
// parameter being the road plus 1000 times the shard.
int ShardsOf(const TableRoad& road);
std::vector<int> ShardedRoads();

// A form of TableRoads over SNMPv2c, on its road's device.
class TableRoadForm : public FormRoad {
protected:
    int Version() const override { return 1; }
    int Road() const { return GetParam() % 1000; }
    int Shard() const { return GetParam() / 1000; }
    std::string StateText() const override;
};

}  // namespace vka_test
