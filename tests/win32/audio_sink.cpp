#include "audio_sink.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32::testing {

namespace {

constexpr std::uint64_t kFrameBytes = 2 * sizeof(float);
constexpr float kLoudSample = 1e-5f;

// The session names the folder by its Unix path, which Wine's Z: drive maps.
std::optional<std::wstring> sessionFolder() {
    std::vector<wchar_t> value(32768);
    const DWORD length = ::GetEnvironmentVariableW(L"SPEEDRAIL_AUDIO_SINK", value.data(),
                                                   static_cast<DWORD>(value.size()));
    if (length == 0 || length >= value.size()) return std::nullopt;
    std::wstring folder = L"Z:" + std::wstring(value.data(), length);
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    return folder;
}

template <typename Visit>
void forEachStream(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW found{};
    const UniqueFindHandle search(::FindFirstFileW((folder + L"\\stream.raw*").c_str(), &found));
    if (!search) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::uint64_t bytes =
            (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        visit(std::wstring(found.cFileName), bytes / kFrameBytes);
    } while (::FindNextFileW(search.get(), &found));
}

// The loud frames of the stream file from frame `first` on.
std::uint64_t loudFramesOf(const std::wstring& path, std::uint64_t first) {
    const UniqueKernelHandle file(::CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return 0;
    LARGE_INTEGER offset{};
    offset.QuadPart = static_cast<LONGLONG>(first * kFrameBytes);
    if (!::SetFilePointerEx(file.get(), offset, nullptr, FILE_BEGIN)) return 0;
    std::uint64_t loud = 0;
    std::vector<float> samples(1 << 16);
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), samples.data(),
                        static_cast<DWORD>(samples.size() * sizeof(float)), &read, nullptr) ||
            read == 0) {
            break;
        }
        const std::size_t frames = read / kFrameBytes;
        for (std::size_t frame = 0; frame < frames; ++frame) {
            if (std::fabs(samples[2 * frame]) > kLoudSample ||
                std::fabs(samples[2 * frame + 1]) > kLoudSample) {
                ++loud;
            }
        }
        if (read % kFrameBytes != 0) break;  // a frame still being written
    }
    return loud;
}

}  // namespace

std::optional<AudioSink> AudioSink::ofSession() {
    std::optional<std::wstring> folder = sessionFolder();
    if (!folder) return std::nullopt;
    return AudioSink(std::move(*folder));
}

void AudioSink::clear() const {
    forEachStream(folder_, [&](const std::wstring& name, std::uint64_t) {
        ::DeleteFileW((folder_ + L"\\" + name).c_str());
    });
}

AudioSink::Position AudioSink::position() const {
    Position position;
    forEachStream(folder_,
                  [&](const std::wstring& name, std::uint64_t frames) { position[name] = frames; });
    return position;
}

std::uint64_t AudioSink::loudFramesSince(const Position& since) const {
    std::uint64_t loud = 0;
    forEachStream(folder_, [&](const std::wstring& name, std::uint64_t) {
        const auto known = since.find(name);
        loud += loudFramesOf(folder_ + L"\\" + name, known == since.end() ? 0 : known->second);
    });
    return loud;
}

}  // namespace speedrail::win32::testing
