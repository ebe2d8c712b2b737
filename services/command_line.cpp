#include "services/command_line.h"

namespace speedrail {

std::string quoteArgument(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are literal unless a quote follows them.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    // Before the closing quote every backslash must be doubled.
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

std::string scStopCommand(const std::string& entryText) {
    return "sc stop " + quoteArgument(trimBlanks(entryText));
}

std::string netStopCommand(const std::string& entryText) {
    return "net stop " + quoteArgument(trimBlanks(entryText));
}

std::string scStartCommand(const std::string& entryText) {
    return "sc start " + quoteArgument(trimBlanks(entryText));
}

}  // namespace speedrail
