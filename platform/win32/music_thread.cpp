#include "platform/win32/music_thread.h"

#include <windows.h>

#include <deque>
#include <mutex>
#include <system_error>
#include <utility>

#include "platform/win32/com_apartment.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

namespace {

constexpr DWORD kEndWaitMs = 2000;
// The longest the player waits for the window's thread before it is made.
constexpr DWORD kWindowWaitMs = 5000;

struct Command {
    enum class Kind { Play, Close, End } kind;
    std::string name;  // the music to play
};

}  // namespace

struct MusicThread::Queue {
    std::mutex mutex;
    std::deque<Command> commands;
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

// Carries out one command; false once the thread is to end.
bool carryOut(const Command& command, std::unique_ptr<MusicPlayer>& player,
              const MusicPlayerFactory& create, const UniqueKernelHandle* windowIdle) {
    try {
        if (command.kind == Command::Kind::End) {
            if (player) player->close();
            return false;
        }
        if (!player) {
            if (windowIdle) ::WaitForSingleObject(windowIdle->get(), kWindowWaitMs);
            player = create();
        }
        if (!player) return true;
        if (command.kind == Command::Kind::Play) {
            player->play(command.name);
        } else {
            player->close();
        }
    } catch (...) {
        // The music is no one's concern but this thread's.
    }
    return true;
}

void runCommands(MusicThread::Queue& queue, const MusicPlayerFactory& create,
                 const UniqueKernelHandle* windowIdle) {
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
        for (const Command& command : queue.take()) {
            if (!carryOut(command, player, create, windowIdle)) return;
        }
    }
}

}  // namespace

MusicThread::MusicThread(MusicPlayerFactory create,
                         std::shared_ptr<const UniqueKernelHandle> windowIdle)
    : queue_(std::make_shared<Queue>()) {
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
    queue_->push({Command::Kind::End, {}});
    if (::WaitForSingleObject(queue_->ended.get(), kEndWaitMs) == WAIT_OBJECT_0) {
        thread_.join();
    } else {
        thread_.detach();
    }
}

void MusicThread::play(const std::string& name) { queue_->push({Command::Kind::Play, name}); }

void MusicThread::close() { queue_->push({Command::Kind::Close, {}}); }

}  // namespace speedrail::win32
