#include "platform/file_filters.h"

namespace mapedit {

std::string filterEntryName(const FileFilter& filter) {
    const std::string pattern = "(" + filter.pattern + ")";
    const std::string& name = filter.name;
    const bool named = name.size() >= pattern.size() &&
                       name.compare(name.size() - pattern.size(), pattern.size(), pattern) == 0;
    return named ? name : name + " " + pattern;
}

std::string defaultSuffix(const FileDialogRequest& request, int filterIndex) {
    if (filterIndex < 0 || filterIndex >= static_cast<int>(request.filters.size())) {
        return request.defaultExtension;
    }
    const std::string& pattern = request.filters[static_cast<std::size_t>(filterIndex)].pattern;
    // Only a pattern of one extension names one; "*.*" keeps the default.
    if (pattern.rfind("*.", 0) != 0) return request.defaultExtension;
    const std::string extension = pattern.substr(2);
    if (extension.empty() || extension.find_first_of("*?;. ") != std::string::npos) {
        return request.defaultExtension;
    }
    return extension;
}

}  // namespace mapedit
