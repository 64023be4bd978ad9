// A drop-down list that keeps its items in the program's sort order (without regard to case,
// accents beside their base letters) and owns the record attached to each item. Items without a
// record (the "-" of typed coordinates) are allowed.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <wx/choice.h>

namespace framework {

class DropDownControl;

// The list's items and their order, apart from any window, so that it can be tested alone.
class SortedItems {
public:
    // The position at which a text is inserted: after every item that does not sort after it.
    std::size_t InsertPosition(const std::wstring& text) const;
    std::size_t Insert(const std::wstring& text, std::shared_ptr<void> record);
    // Adds an item at the end, whatever its text: for items already in order.
    void Append(const std::wstring& text, std::shared_ptr<void> record);
    void Clear() { items_.clear(); }
    std::size_t Count() const { return items_.size(); }
    const std::wstring& Text(std::size_t position) const { return items_[position].first; }
    void* Record(std::size_t position) const { return items_[position].second.get(); }

private:
    std::vector<std::pair<std::wstring, std::shared_ptr<void>>> items_;
};

// The control: the toolkit's own drop-down list (which screen readers can read and choose from),
// with type-ahead selection.
class SortedDropDownBase {
public:
    explicit SortedDropDownBase(wxChoice* control) : control_(control) {}

    wxChoice* Control() const { return control_; }
    int Count() const { return static_cast<int>(items_.Count()); }
    // The selected position, -1 when none.
    int GetSelection() const;
    // Selects a position; a position outside the list selects nothing. Raises no notification.
    void SetSelection(int position);
    std::wstring Text(int position) const;
    // Removes every item and frees their records.
    void Reset();
    // Replaces every item with texts already in the list's order (a model sorted them), without
    // records.
    void ShowItems(const std::vector<std::wstring>& texts);

protected:
    int Add(const std::wstring& text, std::shared_ptr<void> record);
    void* RecordAt(int position) const;
    // Replaces every item at once, sorting them: much faster than adding one by one.
    void Fill(std::vector<std::pair<std::wstring, std::shared_ptr<void>>> items);

private:
    void SetInOrder(std::vector<std::pair<std::wstring, std::shared_ptr<void>>> items);

    wxChoice* control_;
    SortedItems items_;
};

// Typing the first letters of an item while the list has the focus selects it, with the list's
// selection notification.
void EnableTypeAhead(wxChoice* control);

template <typename Record>
class SortedDropDownList : public SortedDropDownBase {
public:
    using SortedDropDownBase::SortedDropDownBase;

    int AddItem(const std::wstring& text, std::unique_ptr<Record> record) {
        return Add(text, std::shared_ptr<void>(std::move(record)));
    }
    int AddItemWithoutRecord(const std::wstring& text) { return Add(text, nullptr); }
    void FillItems(std::vector<std::pair<std::wstring, Record>> entries) {
        std::vector<std::pair<std::wstring, std::shared_ptr<void>>> items;
        items.reserve(entries.size());
        for (auto& [text, record] : entries) {
            items.emplace_back(std::move(text), std::make_shared<Record>(std::move(record)));
        }
        Fill(std::move(items));
    }
    // The record of an item; nullptr for an item without one or a position outside the list.
    Record* ItemRecord(int position) const { return static_cast<Record*>(RecordAt(position)); }
};

}  // namespace framework
