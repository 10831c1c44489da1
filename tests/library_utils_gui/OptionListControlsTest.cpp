#include "ExtCtrls.h"
#include "KwOptionList.h"
#include "StdCtrls.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

const KwIntOption Modes[] = {
    {1, "Access Point"}, {2, "WDS with AP"}, {3, "WDS"}, {4, "Wireless Client"}, {0, nullptr}};
const KwIntOption NumberLabels[] = {{10, "1"}, {20, "2"}, {2, "Two"}, {0, nullptr}};
const KwIntOption Nothing[] = {{0, nullptr}};

class OptionListControls : public ::testing::Test {
protected:
    std::unique_ptr<TComboBox> combo = std::make_unique<TComboBox>(nullptr);
    std::unique_ptr<TRadioGroup> group = std::make_unique<TRadioGroup>(nullptr);
};

TEST_F(OptionListControls, FillPutsLabelsInListOrder)
{
    KwOptionList list(Modes);
    combo->Items()->Add("stale");
    list.FillComboBox(combo.get());
    list.FillRadioGroup(group.get());
    for (TStrings* items : {combo->Items(), group->Items()}) {
        ASSERT_EQ(items->Count(), 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(items->Strings(i), Modes[i].Text);
    }
    KwOptionList empty(Nothing);
    empty.FillComboBox(combo.get());
    empty.FillRadioGroup(group.get());
    EXPECT_EQ(combo->Items()->Count(), 0);
    EXPECT_EQ(group->Items()->Count(), 0);
    empty.SelectComboBox(combo.get(), "1");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

// A text selects the item of its label, else the item of its value; a label that reads
// as a number wins over the key of that number.
TEST_F(OptionListControls, SelectByLabelThenByValue)
{
    KwOptionList modes(Modes);
    KwOptionList numbers(NumberLabels);
    const struct {
        KwOptionList* List;
        const char* Text;
        int Index;
    } cases[] = {
        {&modes, "WDS", 2}, {&modes, "wireless client", 3}, {&modes, "2", 1}, {&modes, "4", 3},
        {&modes, "Bridge", -1}, {&modes, "(NULL)", -1}, {&modes, "9", -1}, {&modes, "Access Point", 0},
        {&numbers, "2", 1}, {&numbers, "20", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        c.List->FillComboBox(combo.get());
        c.List->FillRadioGroup(group.get());
        c.List->SelectComboBox(combo.get(), c.Text);
        EXPECT_EQ(combo->ItemIndex(), c.Index);
        c.List->SelectRadioGroup(group.get(), c.Text);
        EXPECT_EQ(group->ItemIndex(), c.Index);
    }
}

TEST_F(OptionListControls, ControlWithFewerItemsIsNeverMisselected)
{
    KwOptionList list(Modes);
    group->Items()->Add("Access Point");
    group->Items()->Add("WDS with AP");
    list.SelectRadioGroup(group.get(), "Wireless Client");
    EXPECT_EQ(group->ItemIndex(), -1);   // not the last item
    list.SelectRadioGroup(group.get(), "2");
    EXPECT_EQ(group->ItemIndex(), 1);
    list.SelectComboBox(nullptr, "2");    // no control: nothing happens
}

}  // namespace
