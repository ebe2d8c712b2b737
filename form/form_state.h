// The state of the main window that lives as long as the window: the
// service list with its ticks, the five boxes, the status line and the
// variables the handlers share. The window only shows it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "form/service_list.h"

namespace speedrail {

// The five check boxes, in their order on the window.
enum class Box { Check1, Check2, Check3, Check4, Check5 };
constexpr int kBoxCount = 5;

struct FormState {
    // List1: the entries the last scan found, each with its tick.
    ServiceList list;

    // Check1 to Check5: 0 unticked, 1 ticked. Only the box-change rule
    // writes them, so that every change runs the box's handler.
    std::array<int, kBoxCount> boxes{};
    int box(Box which) const { return boxes[static_cast<std::size_t>(which)]; }

    // The keep flags: a category is kept running while its box is ticked.
    bool keepAudio() const { return box(Box::Check1) == 1; }
    bool keepNetwork() const { return box(Box::Check2) == 1; }
    bool keepSecurity() const { return box(Box::Check3) == 1; }
    bool keepPrinting() const { return box(Box::Check4) == 1; }

    // Label4, the status line.
    std::string status;

    // Entries the last scan added.
    std::int16_t serviceCount = 0;

    // The answer of the last message box or web-address request.
    std::int32_t msgAnswer = 0;

    // The web address whose request the shell has not answered yet. Pages
    // are requested one at a time, so a stalled shell never gathers more.
    std::optional<std::string> pageRequested;
    // The user has been told that this request is slow.
    bool pageSlowTold = false;

    // Background music: how many "*.mid" files start-up counted, and the
    // name last handed to the player.
    std::int16_t midiCount = 0;
    std::string midiFile;

    // The progress spinner's frames, filled at start-up.
    std::array<std::string, 4> spinnerFrames;
};

}  // namespace speedrail
