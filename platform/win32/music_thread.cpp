#include "platform/win32/music_thread.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>
#include <system_error>
#include <utility>

#include "platform/win32/com_apartment.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

namespace {

constexpr DWORD kEndWaitMs = 2000;
// The longest the thread waits for the window's thread before it starts.
constexpr DWORD kWindowWaitMs = 5000;

struct Command {
    enum class Kind { Play, Close, End } kind;
    std::string name;  // the music to play
};

}  // namespace

struct MusicThread::Queue {
    std::mutex mutex;
    std::deque<Command> commands;
    // Set once the end is asked: from then on no player is made and no
    // command carried out, even one taken before.
    std::atomic<bool> ending{false};
    UniqueKernelHandle waiting{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    UniqueKernelHandle ended{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};

    void push(Command command) {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            commands.push_back(std::move(command));
        }
        ::SetEvent(waiting.get());
    }
    std::deque<Command> take() {
        const std::lock_guard<std::mutex> lock(mutex);
        return std::exchange(commands, {});
    }
};

namespace {

// The player's components post messages to the thread that made them.
void dispatchPendingMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Carries out a command to play or to close, unless the end was asked
// meanwhile: making the player can take long.
void carryOut(const Command& command, std::unique_ptr<MusicPlayer>& player,
              const MusicPlayerFactory& create, const std::atomic<bool>& ending) {
    try {
        if (!player && !ending) player = create();
        if (!player || ending) return;
        if (command.kind == Command::Kind::Play) {
            player->play(command.name);
        } else {
            player->close();
        }
    } catch (...) {
        // The music is no one's concern but this thread's.
    }
}

void runCommands(MusicThread::Queue& queue, const MusicPlayerFactory& create,
                 const UniqueKernelHandle* windowIdle) {
    // Nothing, not even COM or a message queue, before the window's thread
    // has nothing else to do: a thread's first window call (under Wine, a
    // display connection of its own) would slow the window's start too.
    if (windowIdle) ::WaitForSingleObject(windowIdle->get(), kWindowWaitMs);
    if (queue.ending) return;
    const ComApartment apartment;
    std::unique_ptr<MusicPlayer> player;
    for (;;) {
        const HANDLE waiting = queue.waiting.get();
        const DWORD woken =
            ::MsgWaitForMultipleObjectsEx(1, &waiting, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0 + 1) {
            dispatchPendingMessages();
            continue;
        }
        if (woken != WAIT_OBJECT_0) return;
        const std::deque<Command> commands = queue.take();
        // The end comes last; whatever was still to play before it is moot.
        if (std::any_of(commands.begin(), commands.end(),
                        [](const Command& c) { return c.kind == Command::Kind::End; })) {
            try {
                if (player) player->close();
            } catch (...) {
            }
            return;
        }
        for (const Command& command : commands) carryOut(command, player, create, queue.ending);
    }
}

}  // namespace

MusicThread::MusicThread(MusicPlayerFactory create,
                         std::shared_ptr<const UniqueKernelHandle> windowIdle)
    : queue_(std::make_shared<Queue>()), windowIdle_(windowIdle) {
    if (!queue_->waiting || !queue_->ended) {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    }
    thread_ = std::thread(
        [queue = queue_, create = std::move(create), windowIdle = std::move(windowIdle)] {
            runCommands(*queue, create, windowIdle.get());
            ::SetEvent(queue->ended.get());
        });
}

MusicThread::~MusicThread() {
    queue_->ending = true;
    queue_->push({Command::Kind::End, {}});
    // The window's thread no longer reads messages: the thread waits no more.
    if (windowIdle_) ::SetEvent(windowIdle_->get());
    if (::WaitForSingleObject(queue_->ended.get(), kEndWaitMs) == WAIT_OBJECT_0) {
        thread_.join();
    } else {
        thread_.detach();
    }
}

void MusicThread::play(const std::string& name) { queue_->push({Command::Kind::Play, name}); }

void MusicThread::close() { queue_->push({Command::Kind::Close, {}}); }

}  // namespace speedrail::win32
