#include "sorted_drop_down_list.h"

#include <algorithm>

#include <memory>

#include "common/text_compare.h"
#include "common/type_ahead.h"

namespace framework {

std::size_t SortedItems::InsertPosition(const std::wstring& text) const {
    const auto after = std::upper_bound(
        items_.begin(), items_.end(), text, [](const std::wstring& value, const auto& item) {
            return common::CompareWithoutCase(value, item.first) < 0;
        });
    return static_cast<std::size_t>(after - items_.begin());
}

std::size_t SortedItems::Insert(const std::wstring& text, std::shared_ptr<void> record) {
    const std::size_t position = InsertPosition(text);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position),
                  std::pair(text, std::move(record)));
    return position;
}

void SortedItems::Append(const std::wstring& text, std::shared_ptr<void> record) {
    items_.emplace_back(text, std::move(record));
}

int SortedDropDownBase::GetSelection() const {
    const int selection = control_->GetSelection();
    return selection == wxNOT_FOUND ? -1 : selection;
}

void SortedDropDownBase::SetSelection(int position) {
    control_->SetSelection(position >= 0 && position < Count() ? position : wxNOT_FOUND);
}

std::wstring SortedDropDownBase::Text(int position) const {
    return position >= 0 && position < Count() ? items_.Text(static_cast<std::size_t>(position))
                                               : std::wstring();
}

void SortedDropDownBase::Reset() {
    control_->Clear();
    items_.Clear();
}

int SortedDropDownBase::Add(const std::wstring& text, std::shared_ptr<void> record) {
    const std::size_t position = items_.Insert(text, std::move(record));
    control_->Insert(wxString(text), static_cast<unsigned>(position));
    return static_cast<int>(position);
}

void* SortedDropDownBase::RecordAt(int position) const {
    return position >= 0 && position < Count() ? items_.Record(static_cast<std::size_t>(position))
                                               : nullptr;
}

void SortedDropDownBase::Fill(std::vector<std::pair<std::wstring, std::shared_ptr<void>>> items) {
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return common::CompareWithoutCase(a.first, b.first) < 0;
    });
    SetInOrder(std::move(items));
}

void SortedDropDownBase::ShowItems(const std::vector<std::wstring>& texts) {
    std::vector<std::pair<std::wstring, std::shared_ptr<void>>> items;
    items.reserve(texts.size());
    for (const std::wstring& text : texts) items.emplace_back(text, nullptr);
    SetInOrder(std::move(items));
}

void SortedDropDownBase::SetInOrder(
    std::vector<std::pair<std::wstring, std::shared_ptr<void>>> items) {
    Reset();
    wxArrayString texts;
    texts.reserve(items.size());
    for (auto& [text, record] : items) {
        texts.push_back(wxString(text));
        items_.Append(text, std::move(record));
    }
    control_->Set(texts);
}

void EnableTypeAhead(wxChoice* control) {
    auto typeAhead = std::make_shared<common::TypeAhead>();
    control->Bind(wxEVT_CHAR, [control, typeAhead](wxKeyEvent& event) {
        const wxChar letter = event.GetUnicodeKey();
        // Alt and Ctrl belong to mnemonics and shortcuts; a space opens the list.
        if (letter == WXK_NONE || letter <= L' ' || event.AltDown() || event.ControlDown()) {
            event.Skip();
            return;
        }
        std::vector<std::wstring> texts;
        const int count = static_cast<int>(control->GetCount());
        const int found = typeAhead->Type(
            static_cast<wchar_t>(letter), common::TypeAhead::Clock::now(), count,
            [&](int position) {
                if (texts.empty()) {
                    for (int i = 0; i < count; ++i) texts.push_back(control->GetString(static_cast<unsigned>(i)).ToStdWstring());
                }
                return std::wstring_view(texts[static_cast<std::size_t>(position)]);
            },
            control->GetSelection());
        if (found < 0 || found == control->GetSelection()) return;
        control->SetSelection(found);
        wxCommandEvent chosen(wxEVT_CHOICE, control->GetId());
        chosen.SetEventObject(control);
        chosen.SetInt(found);
        chosen.SetString(control->GetString(static_cast<unsigned>(found)));
        control->ProcessWindowEvent(chosen);
    });
}

}  // namespace framework
