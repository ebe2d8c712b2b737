// The music shipped in res/music (written by res/art/compose_music.py): each
// track is a Standard MIDI File a player can read to its end and lasts one
// to three minutes, and every name start-up can draw for the number of
// tracks shipped finds one of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "form/music.h"
#include "platform/music_file_name.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// What a Standard MIDI File's chunks and events say, for the checks below.
struct MidiFacts {
    int format = 0;
    int ticksPerBeat = 0;
    int tracks = 0;
    int notes = 0;
    int notesLeftSounding = 0;  // note-ons without a note-off by the track's end
    bool tempoAtStart = false;
    double seconds = 0;  // up to the last end-of-track, through every tempo change
};

// Bounds-checked reads; anything malformed throws.
class Reader {
public:
    Reader(const Bytes& bytes, std::size_t at, std::size_t end)
        : bytes_(bytes), at_(at), end_(end) {
        if (end > bytes.size()) throw std::runtime_error("chunk runs past the end of the file");
    }
    std::uint8_t u8() {
        if (at_ >= end_) throw std::runtime_error("chunk ends inside an event");
        return bytes_[at_++];
    }
    std::uint32_t be(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = value << 8 | u8();
        return value;
    }
    // A variable-length quantity: at most four bytes of seven bits.
    std::uint32_t vlq() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t byte = u8();
            value = value << 7 | (byte & 0x7F);
            if (!(byte & 0x80)) return value;
        }
        throw std::runtime_error("variable-length number longer than four bytes");
    }
    void skip(std::uint32_t count) {
        if (count > end_ - at_) throw std::runtime_error("event runs past its chunk");
        at_ += count;
    }
    std::string tag() {
        std::string text;
        for (int i = 0; i < 4; ++i) text += static_cast<char>(u8());
        return text;
    }
    std::size_t at() const { return at_; }
    bool done() const { return at_ == end_; }

private:
    const Bytes& bytes_;
    std::size_t at_;
    std::size_t end_;
};

// One MTrk chunk: its events, with running status, up to the end-of-track
// event, which must be the chunk's last. Returns the track's end tick.
std::uint64_t readTrack(Reader& r, bool firstTrack, MidiFacts& facts,
                        std::map<std::uint64_t, std::uint32_t>& tempos) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    std::array<int, 16 * 128> sounding{};
    while (true) {
        tick += r.vlq();
        std::uint8_t status = r.u8();
        std::uint8_t first = 0;
        if (status < 0x80) {
            if (running == 0) throw std::runtime_error("data byte without a status");
            first = status;
            status = running;
        } else if (status < 0xF0) {
            running = status;
            first = r.u8();
        }
        if (status == 0xFF) {
            running = 0;
            const std::uint8_t type = r.u8();
            const std::uint32_t length = r.vlq();
            if (type == 0x2F) {
                if (length != 0 || !r.done()) throw std::runtime_error("events after end-of-track");
                for (const int count : sounding) facts.notesLeftSounding += count;
                return tick;
            }
            if (type == 0x51) {
                if (length != 3) throw std::runtime_error("tempo event of the wrong length");
                tempos[tick] = r.be(3);
                if (firstTrack && tick == 0) facts.tempoAtStart = true;
                continue;
            }
            r.skip(length);
        } else if (status == 0xF0 || status == 0xF7) {
            running = 0;
            r.skip(r.vlq());
        } else if (status >= 0x80 && status < 0xF0) {
            const int kind = status >> 4;
            if (first & 0x80) throw std::runtime_error("status byte where data belongs");
            if (kind == 0xC || kind == 0xD) continue;
            const std::uint8_t second = r.u8();
            if (second & 0x80) throw std::runtime_error("status byte where data belongs");
            int& count = sounding[(status & 0x0F) * 128 + first];
            if (kind == 0x9 && second > 0) {
                ++count;
                ++facts.notes;
            } else if ((kind == 0x8 || kind == 0x9) && count > 0) {
                --count;
            }
        } else {
            throw std::runtime_error("system message inside a file");
        }
    }
}

MidiFacts readMidi(const Bytes& bytes) {
    MidiFacts facts;
    Reader header(bytes, 0, 14);
    if (header.tag() != "MThd" || header.be(4) != 6) throw std::runtime_error("no MThd header");
    facts.format = static_cast<int>(header.be(2));
    const std::uint32_t tracks = header.be(2);
    const std::uint32_t division = header.be(2);
    if (division == 0 || (division & 0x8000)) throw std::runtime_error("not ticks per beat");
    facts.ticksPerBeat = static_cast<int>(division);

    std::map<std::uint64_t, std::uint32_t> tempos;
    std::uint64_t end = 0;
    std::size_t at = 14;
    for (std::uint32_t i = 0; i < tracks; ++i) {
        Reader chunk(bytes, at, at + 8);
        if (chunk.tag() != "MTrk") throw std::runtime_error("track chunk missing");
        const std::uint32_t length = chunk.be(4);
        Reader track(bytes, at + 8, at + 8 + length);
        end = std::max(end, readTrack(track, i == 0, facts, tempos));
        at += 8 + length;
        ++facts.tracks;
    }
    if (at != bytes.size()) throw std::runtime_error("bytes after the last track");

    // Half a second per beat until the first tempo event.
    std::uint64_t tick = 0;
    std::uint32_t tempo = 500000;
    for (const auto& [changeTick, newTempo] : tempos) {
        if (changeTick >= end) break;
        facts.seconds += double(changeTick - tick) * tempo / 1e6 / facts.ticksPerBeat;
        tick = changeTick;
        tempo = newTempo;
    }
    facts.seconds += double(end - tick) * tempo / 1e6 / facts.ticksPerBeat;
    return facts;
}

std::filesystem::path musicFolder() {
    // This file is tests/unit/music_tracks_test.cpp; the tracks are in res/music.
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "res" /
           "music";
}

// The names a "*.mid" search of the shipped folder finds.
std::set<std::string> shippedTracks() {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(musicFolder())) {
        if (entry.is_regular_file() && entry.path().extension() == ".mid") {
            names.insert(entry.path().filename().string());
        }
    }
    return names;
}

Bytes readTrackFile(const std::string& name) {
    std::ifstream in(musicFolder() / name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open res/music/" + name);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(MusicTracks, AreWellFormedStandardMidiFilesOfOneToThreeMinutes) {
    const auto tracks = shippedTracks();
    EXPECT_GE(tracks.size(), 2u);
    for (const auto& name : tracks) {
        SCOPED_TRACE(name);
        MidiFacts facts;
        ASSERT_NO_THROW(facts = readMidi(readTrackFile(name)));
        EXPECT_EQ(facts.format, 1);
        EXPECT_GE(facts.tracks, 2);
        EXPECT_TRUE(facts.tempoAtStart) << "the conductor track sets the tempo first";
        EXPECT_GT(facts.notes, 0);
        EXPECT_EQ(facts.notesLeftSounding, 0);
        EXPECT_GE(facts.seconds, 60.0);
        EXPECT_LE(facts.seconds, 180.0);
    }
}

TEST(MusicTracks, EveryNameStartUpCanDrawFindsAShippedTrack) {
    const auto tracks = shippedTracks();
    ASSERT_LE(tracks.size(), 32767u);
    const auto count = static_cast<std::int16_t>(tracks.size());
    const auto exists = [&](const std::string& name) { return tracks.count(name) > 0; };
    // Random values across [0, 1), and the largest one below 1.
    std::vector<float> draws;
    for (int i = 0; i < 1000; ++i) draws.push_back(static_cast<float>(i) / 1000.0f);
    draws.push_back(std::nextafter(1.0f, 0.0f));
    std::set<std::string> played;
    for (const float r : draws) {
        const std::string name = speedrail::midiFileName(speedrail::drawTrack(r, count));
        const std::string file = speedrail::resolveMusicFileName(name, exists);
        EXPECT_TRUE(exists(file)) << '"' << name << "\" plays \"" << file << '"';
        played.insert(file);
    }
    EXPECT_EQ(played, tracks) << "every shipped track can be drawn";
}

// The reader itself: a damaged file must not pass for a good one.
TEST(MidiReader, RejectsDamagedFiles) {
    const Bytes good = readTrackFile(*shippedTracks().begin());
    ASSERT_NO_THROW(readMidi(good));

    Bytes cut = good;
    cut.pop_back();  // the last track's end-of-track is cut short
    EXPECT_THROW(readMidi(cut), std::runtime_error);

    Bytes moreTracks = good;
    ++moreTracks[11];  // the header announces one track more than the file holds
    EXPECT_THROW(readMidi(moreTracks), std::runtime_error);

    Bytes noEnd = good;
    const Bytes endOfTrack{0xFF, 0x2F, 0x00};
    const auto found =
        std::search(noEnd.begin(), noEnd.end(), endOfTrack.begin(), endOfTrack.end());
    ASSERT_NE(found, noEnd.end());
    found[1] = 0x01;  // an empty text event where the first track should end
    EXPECT_THROW(readMidi(noEnd), std::runtime_error);
}

}  // namespace
