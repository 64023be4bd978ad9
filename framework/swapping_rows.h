// Two rows of a dialog's controls that trade places: each control of one row can take the
// rectangle (its slot) that the matching control of the other row holds in the template.
#pragma once

#include <array>
#include <vector>

#include <wx/gdicmn.h>

namespace framework {

class CDialog;

class SwappingRows {
public:
    // The rows' controls, matching one to one. With takeSlotSize a control takes its slot's size
    // too (lists of different heights), else only its position.
    SwappingRows(std::vector<int> firstRow, std::vector<int> secondRow, bool takeSlotSize);

    // Reads the slots from whichever controls stand in them now: at the start, and whenever the
    // window moved, since the slots are kept in screen coordinates.
    void Capture(const CDialog& dialog);

    // Moves the second row into the first row's slots (and the first into the second's) or back.
    void Show(CDialog& dialog, bool swapped);
    bool Swapped() const { return swapped_; }

private:
    std::array<std::vector<int>, 2> rows_;
    std::array<std::vector<wxRect>, 2> slots_;
    bool takeSlotSize_;
    bool swapped_ = false;
};

}  // namespace framework
