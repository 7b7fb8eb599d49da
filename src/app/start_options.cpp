#include "app/start_options.h"

#include "platform/whole_number.h"

namespace mapedit {

std::optional<std::string> takeStartValues(const StartValues& values, StartOptions& options) {
    if (values.zoom) {
        const auto zoom = wholeNumber<int>(*values.zoom, 1, 16);
        if (!zoom) return "bad argument '--zoom'";
        options.zoom = *zoom;
    }
    if (values.seed) {
        const auto seed = wholeNumber<std::uint32_t>(*values.seed, 0, UINT32_MAX);
        if (!seed) return "bad argument '--seed'";
        options.seed = *seed;
    }
    if (values.variant) {
        const auto variant = variantNamed(*values.variant);
        if (!variant) return "unknown variant '" + *values.variant + "'";
        options.variant = *variant;
    }
    return std::nullopt;
}

}  // namespace mapedit
