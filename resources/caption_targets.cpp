#include "caption_targets.h"

namespace resources {

namespace {

bool NamedByCaption(ControlKind kind) {
    return kind == ControlKind::kDropDown || kind == ControlKind::kDatePicker ||
           kind == ControlKind::kEdit || kind == ControlKind::kValue;
}

int ShownHeight(const ControlTemplate& control) {
    return control.kind == ControlKind::kDropDown ? kClosedDropDownHeight : control.height;
}

bool RowsOverlap(const ControlTemplate& a, const ControlTemplate& b) {
    return a.y < b.y + ShownHeight(b) && b.y < a.y + ShownHeight(a);
}

}  // namespace

std::vector<CaptionTarget> CaptionTargets(const DialogTemplate& dialog) {
    std::vector<CaptionTarget> targets;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id < 0 || !NamedByCaption(control.kind)) continue;
        const ControlTemplate* nearest = nullptr;
        for (const ControlTemplate& caption : dialog.controls) {
            if (caption.kind != ControlKind::kCaption || caption.id < 0 || caption.x >= control.x ||
                !RowsOverlap(caption, control)) {
                continue;
            }
            if (nearest == nullptr || caption.x > nearest->x) nearest = &caption;
        }
        if (nearest != nullptr) targets.push_back({nearest->id, control.id});
    }
    return targets;
}

}  // namespace resources
