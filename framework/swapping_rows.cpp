#include "swapping_rows.h"

#include "framework_dialog.h"

namespace framework {

SwappingRows::SwappingRows(std::vector<int> firstRow, std::vector<int> secondRow, bool takeSlotSize)
    : rows_{std::move(firstRow), std::move(secondRow)}, takeSlotSize_(takeSlotSize) {}

void SwappingRows::Capture(const CDialog& dialog) {
    for (std::size_t slot = 0; slot < 2; ++slot) {
        const std::vector<int>& standing = rows_[swapped_ ? 1 - slot : slot];
        slots_[slot].clear();
        for (const int id : standing) {
            const wxWindow* control = dialog.Control(id);
            slots_[slot].push_back(control != nullptr ? control->GetScreenRect() : wxRect());
        }
    }
}

void SwappingRows::Show(CDialog& dialog, bool swapped) {
    for (std::size_t row = 0; row < 2; ++row) {
        const std::vector<wxRect>& slots = slots_[swapped ? 1 - row : row];
        for (std::size_t i = 0; i < rows_[row].size() && i < slots.size(); ++i) {
            wxWindow* control = dialog.Control(rows_[row][i]);
            if (control == nullptr) continue;
            const wxPoint position = dialog.ScreenToClient(slots[i].GetTopLeft());
            if (takeSlotSize_) {
                control->SetSize(wxRect(position, slots[i].GetSize()));
            } else {
                control->Move(position);
            }
            control->Refresh();
        }
    }
    swapped_ = swapped;
}

}  // namespace framework
