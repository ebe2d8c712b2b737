// Knowing when a thread that reads window messages has nothing else to do.
#pragma once

#include <memory>

#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

// An event, set once the calling thread has emptied its message queue,
// painting included: a timer's message comes only then. The thread must go
// on reading its messages (a message box's loop does) for it to be set.
std::shared_ptr<const UniqueKernelHandle> signalWhenIdle();

}  // namespace speedrail::win32
