#include "platform/music_file_name.h"

namespace speedrail {

std::string resolveMusicFileName(const std::string& name,
                                 const std::function<bool(const std::string&)>& exists) {
    const std::size_t firstNonBlank = name.find_first_not_of(' ');
    if (firstNonBlank == 0 || firstNonBlank == std::string::npos) return name;
    if (exists(name)) return name;
    return name.substr(firstNonBlank);
}

}  // namespace speedrail
