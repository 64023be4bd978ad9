// Which controls a dialog's captions name: a field, list or value is named by the caption on its
// row nearest to its left, as a reader of the dialog pairs them; so a screen reader can say
// "Sunrise" with "6:55", and a caption's mnemonic can move to its list.
#pragma once

#include <vector>

#include "resources/dialog_template.h"

namespace resources {

// A drop-down list's template height is the height of its opened list; closed it has the height
// of an edit field.
inline constexpr int kClosedDropDownHeight = 14;

struct CaptionTarget {
    int captionId;
    int controlId;  // a drop-down list, date picker, edit field or value
};

// Every control the template's captions name, each once, in template order. A control takes the
// nearest caption to its left whose row overlaps its own; a control without one is left out.
std::vector<CaptionTarget> CaptionTargets(const DialogTemplate& dialog);

}  // namespace resources
