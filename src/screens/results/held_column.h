#pragma once

#include "calc/column.h"
#include "calc/input_study.h"

#include <algorithm>
#include <vector>

namespace radirav {

// One calculated column as the results window holds it, and what the windows beside it work
// out from it once: the studies of its inputs, each made when the diagram first asks for it and
// kept with the result. The column is never calculated again for them.
struct HeldColumn {
    ColumnResult result;
    // The reflux study, and beside it the study of the last other input asked for.
    std::vector<InputStudy> studies;

    const InputStudy* StudyOf(StudiedInput input) const {
        const auto found = std::find_if(studies.begin(), studies.end(),
                                        [input](const InputStudy& study) { return study.input == input; });
        return found == studies.end() ? nullptr : &*found;
    }
    // Keeps `study` in place of the one of its input; a study of another input than R takes the
    // place of the last such one.
    void Keep(InputStudy study) {
        std::erase_if(studies, [&](const InputStudy& held) {
            return held.input == study.input ||
                   (held.input != kStudiedReflux && study.input != kStudiedReflux);
        });
        studies.push_back(std::move(study));
    }
};

} // namespace radirav
