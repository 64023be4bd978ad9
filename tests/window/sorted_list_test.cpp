// The order of the sorted drop-down lists and the records their items own.
#include <gtest/gtest.h>

#include <wx/dialog.h>

#include "framework/sorted_drop_down_list.h"

namespace {

TEST(SortedItems, InsertsWithoutRegardToCaseAfterEqualTexts) {
    framework::SortedItems items;
    EXPECT_EQ(items.Insert(L"munich", nullptr), 0u);
    EXPECT_EQ(items.Insert(L"Berlin", nullptr), 0u);
    EXPECT_EQ(items.Insert(L"\u00c4rzen", nullptr), 0u);   // beside its A
    EXPECT_EQ(items.Insert(L"berlin", nullptr), 2u);        // after its equal
    EXPECT_EQ(items.Insert(L"Zwickau", nullptr), 4u);
    EXPECT_EQ(items.Text(0), L"\u00c4rzen");
    EXPECT_EQ(items.Text(1), L"Berlin");
    EXPECT_EQ(items.Text(2), L"berlin");
    EXPECT_EQ(items.Text(3), L"munich");
}

struct Counted {
    static int alive;
    int value;
    explicit Counted(int v) : value(v) { ++alive; }
    Counted(const Counted& other) : value(other.value) { ++alive; }
    ~Counted() { --alive; }
};
int Counted::alive = 0;

TEST(SortedDropDownList, OwnsTheRecordsOfItsItems) {
    wxDialog dialog(nullptr, wxID_ANY, "list");
    auto* control = new wxChoice(&dialog, wxID_ANY);
    framework::SortedDropDownList<Counted> list(control);
    list.AddItem(L"b", std::make_unique<Counted>(2));
    list.AddItem(L"a", std::make_unique<Counted>(1));
    list.AddItemWithoutRecord(L"-");
    EXPECT_EQ(Counted::alive, 2);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(control->GetString(0), "-");
    EXPECT_EQ(list.ItemRecord(0), nullptr);
    EXPECT_EQ(list.ItemRecord(1)->value, 1);
    EXPECT_EQ(list.ItemRecord(7), nullptr);
    list.SetSelection(5);
    EXPECT_EQ(list.GetSelection(), -1);
    list.SetSelection(2);
    EXPECT_EQ(list.GetSelection(), 2);

    list.FillItems({{L"zeta", Counted(26)}, {L"Alpha", Counted(1)}, {L"beta", Counted(2)}});
    EXPECT_EQ(Counted::alive, 3);  // the earlier records are freed
    EXPECT_EQ(list.Text(0), L"Alpha");
    EXPECT_EQ(list.ItemRecord(2)->value, 26);
    EXPECT_EQ(control->GetString(1), "beta");
    list.Reset();
    EXPECT_EQ(Counted::alive, 0);
    EXPECT_EQ(control->GetCount(), 0u);
}

}  // namespace
