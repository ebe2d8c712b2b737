// Whether this process runs with administrator rights.
#pragma once

namespace speedrail::win32 {

// True when the process token is elevated (TokenElevation), and also when
// the system does not say: where it is unknown, the program assumes the
// rights it asks for in its manifest.
bool processIsElevated();

}  // namespace speedrail::win32
