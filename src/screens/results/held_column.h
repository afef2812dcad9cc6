#pragma once

#include "calc/column.h"
#include "calc/reflux_sweep.h"

#include <optional>

namespace radirav {

// One calculated column as the results window holds it, and what the windows beside it work
// out from it once: the reflux study, made when the diagram first asks for it and kept with the
// result. The column is never calculated again for them.
struct HeldColumn {
    ColumnResult result;
    std::optional<RefluxStudy> study;
};

} // namespace radirav
