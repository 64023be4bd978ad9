// The picture of the Moon's phase: bitmap ids 172 to 179 for the phases 0 to 7 as seen from the
// north, 289 to 295 for the phases 1 to 7 as seen from the south (turned by 180 degrees).
#pragma once

namespace report {

inline constexpr int kNorthernPhasePicture = 172;
inline constexpr int kSouthernPhasePicture = 288;

// phaseIndex 0 to 7; the new Moon looks the same from both hemispheres.
inline int PhasePictureId(int phaseIndex, bool southernHemisphere) {
    if (phaseIndex == 0 || !southernHemisphere) return kNorthernPhasePicture + phaseIndex;
    return kSouthernPhasePicture + phaseIndex;
}

}  // namespace report
