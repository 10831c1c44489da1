#include "Classes.h"
#include "SysUtils.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

TEST(StringList, IndexesAreCheckedAndIndexOfIgnoresCase)
{
    TStringList list;
    list.Add("Open");
    list.Add("WEP");
    list.Insert(1, "Shared");
    EXPECT_EQ(2, list.IndexOf("wep"));
    for (int bad : {3, -1})
        EXPECT_THROW(list.Get(bad), EStringListError) << bad;
    EXPECT_THROW(list.Insert(5, "x"), EStringListError);
    list.SetCaseSensitive(true);
    EXPECT_EQ(-1, list.IndexOf("wep"));
}

TEST(StringList, TextSplitsAnyLineEndAndJoinsWithCrLf)
{
    TStringList list;
    list.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(6, list.Count());
    EXPECT_EQ("a\r\nb\r\nc\r\nd\r\n\r\ne\r\n", list.Text());
    list.SetText("");
    EXPECT_EQ("", list.Text());
}

TEST(StringList, NameValuePairs)
{
    TStringList list;
    list.Add("Port=161");
    list.Add("Community=public");
    EXPECT_EQ("161", list.Values("port"));
    EXPECT_EQ("Community", list.Names(1));
    list.SetValues("PORT", "162");
    EXPECT_EQ("PORT=162", list[0]);  // the name as given replaces the line
    list.SetValues("Timeout", "100");
    list.SetValues("Community", "");  // an empty value removes the line
    EXPECT_EQ("PORT=162\r\nTimeout=100\r\n", list.Text());
}

TEST(StringList, ObjectsTravelWithTheirStrings)
{
    TObject first, second;
    TStringList list;
    list.AddObject("one", &first);
    list.AddObject("two", &second);
    list.Exchange(0, 1);
    EXPECT_EQ(&second, list.Objects(0));
    list.Exchange(0, 1);
    EXPECT_EQ(0, list.IndexOfObject(&first));
    TStringList copy;
    copy.Assign(list);
    copy.AddStrings(copy);
    EXPECT_EQ(&first, copy.Objects(2));
    EXPECT_EQ("one\r\ntwo\r\none\r\ntwo\r\n", copy.Text());
}

TEST(StringList, ChangeEventsFireOncePerUpdateBlock)
{
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(&list, sender);
        ++changes;
    };
    list.Add("a");
    EXPECT_EQ(1, changes);
    list.SetText("x\ny\nz");
    EXPECT_EQ(2, changes);
    list.BeginUpdate();
    list.Add("1");
    list.Add("2");
    list.EndUpdate();
    EXPECT_EQ(3, changes);
}

TEST(StringList, FileRoundTripKeepsBytesAndReportsErrors)
{
    vka_test::TempFolder folder("vka-strings");
    const AnsiString path = (folder / "list.txt").c_str();
    TStringList list;
    list.SetText("caf\xE9\r\n\r\nend");
    list.SaveToFile(path);
    TStringList back;
    back.LoadFromFile(path);
    EXPECT_TRUE(back.Equals(list));
    EXPECT_THROW(back.LoadFromFile(path + ".absent"), EFOpenError);
    EXPECT_EQ(3, back.Count());  // a failed load loses nothing
    EXPECT_THROW(list.SaveToFile("/nonexistent-dir/x.txt"), EFCreateError);
}

namespace {
struct Probe : TComponent {
    Probe(TComponent* owner, int& destroyed) : TComponent(owner), destroyed_(destroyed) {}
    ~Probe() override { ++destroyed_; }
    int& destroyed_;
};

// Destroys a sibling from its own destructor, as some owners do with helpers.
struct SiblingKiller : TComponent {
    SiblingKiller(TComponent* owner, TComponent* victim) : TComponent(owner), victim_(victim) {}
    ~SiblingKiller() override { delete victim_; }
    TComponent* victim_;
};
}  // namespace

// Every component goes exactly once: with its owner (grandchildren too), before it
// (leaving the owner's list), or from a sibling's destructor during the owner's teardown.
TEST(Component, EveryComponentIsDestroyedExactlyOnce)
{
    int destroyed = 0;
    auto* owner = new TComponent(nullptr);
    auto* a = new Probe(owner, destroyed);
    new Probe(a, destroyed);
    auto* b = new Probe(owner, destroyed);
    auto* c = new Probe(owner, destroyed);
    EXPECT_THROW(owner->Components(3), ERangeError);
    delete a;
    EXPECT_EQ(2, destroyed);
    EXPECT_EQ(b, owner->Components(0));
    EXPECT_EQ(1, c->ComponentIndex());
    new SiblingKiller(owner, b);  // destroyed first (last created)
    delete owner;
    EXPECT_EQ(4, destroyed);
}

TEST(Component, NamesFindComponentsAndOwnershipMoves)
{
    TComponent form(nullptr), other(nullptr);
    auto* edit = new TComponent(&form);
    edit->SetName("Ed_SysName");
    EXPECT_EQ(edit, form.FindComponent("ed_sysname"));
    EXPECT_EQ(nullptr, form.FindComponent(""));
    other.InsertComponent(edit);
    EXPECT_EQ(0, form.ComponentCount());
    EXPECT_EQ(&other, edit->Owner());
    other.RemoveComponent(edit);
    EXPECT_EQ(nullptr, edit->Owner());
    delete edit;
    EXPECT_EQ(0, other.ComponentCount());
}
