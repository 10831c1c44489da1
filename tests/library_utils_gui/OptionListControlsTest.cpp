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

TEST_F(OptionListControls, SelectByLabelThenByValue)
{
    KwOptionList list(Modes);
    list.FillComboBox(combo.get());
    list.FillRadioGroup(group.get());
    struct Case {
        const char* text;
        int index;
    } cases[] = {
        {"WDS", 2}, {"wireless client", 3}, {"2", 1}, {"4", 3},
        {"Bridge", -1}, {"(NULL)", -1}, {"9", -1}, {"Access Point", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        list.SelectComboBox(combo.get(), c.text);
        EXPECT_EQ(combo->ItemIndex(), c.index);
        list.SelectRadioGroup(group.get(), c.text);
        EXPECT_EQ(group->ItemIndex(), c.index);
    }
}

TEST_F(OptionListControls, LabelWinsOverValue)
{
    KwOptionList list(NumberLabels);
    list.FillComboBox(combo.get());
    list.SelectComboBox(combo.get(), "2");
    EXPECT_EQ(combo->ItemIndex(), 1);   // the label "2", not the key 2
    list.SelectComboBox(combo.get(), "20");
    EXPECT_EQ(combo->ItemIndex(), 1);   // no such label: the key 20
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
