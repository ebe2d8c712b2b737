// Which file in the working folder a music name stands for.
#pragma once

#include <functional>
#include <string>

namespace speedrail {

// The handlers build music names with a leading blank (" 3.mid"). The file of
// exactly that name wins when it exists; otherwise the name without its
// leading blanks ("3.mid") is the one meant, whether or not it exists. A name
// made only of blanks is kept as it is.
std::string resolveMusicFileName(const std::string& name,
                                 const std::function<bool(const std::string&)>& exists);

}  // namespace speedrail
