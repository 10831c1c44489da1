#include "SaveRoads.h"

#include "DeviceState.h"
#include "StdCtrls.h"
#include "UserActions.h"
#include "UnchangedSave.h"

namespace vka_test {

std::string TypeOf(const std::string& value) { return value.substr(0, value.find(' ')); }

std::string Held(const std::map<std::string, std::string>& state, const std::string& oid)
{
    const auto held = state.find(oid);
    return held == state.end() ? std::string() : held->second;
}

const std::vector<TableRoad>& TableRoads()
{
    static const std::vector<TableRoad> roads = [] {
        std::vector<TableRoad> all;
        for (const char* item : SweptMenuItems())
            all.push_back({item, "", {}});
        all.push_back({"VlanSetting1", "_VlanOn", {IntegerLine(DeviceOid("3.3.5.1.1.0"), 1)}});
        all.push_back({"tAdmin2", "_VidLimit", {IntegerLine(DeviceOid("4.10.1.1.0"), 1)}});
        all.push_back({"Ad_MultiSSID", "_SsidChosen", {IntegerLine(DeviceOid("3.3.3.1.1.1.1"), 1)},
                       [](TForm* form) { Choose(FindControl<TComboBox>(form, "CB_Index"), 1); }, ".2", "AddButton"});
        return all;
    }();
    return roads;
}

int ShardsOf(const TableRoad& road) { return road.Item == "hWirelessBand1" ? 4 : 1; }

std::vector<int> ShardedRoads()
{
    std::vector<int> params;
    for (int road = 0; road < static_cast<int>(TableRoads().size()); ++road)
        for (int shard = 0; shard < ShardsOf(TableRoads()[road]); ++shard)
            params.push_back(road + 1000 * shard);
    return params;
}

std::string TableRoadForm::StateText() const { return WithLines(DefaultStateText(), TableRoads()[Road()].Lines); }

}  // namespace vka_test
