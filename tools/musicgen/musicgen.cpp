// Writes the program's bundled music: calm Standard MIDI Files of slow arpeggios over a chord
// progression, a soft lead instrument over a held pad, each a little over a minute long.
//
//   musicgen <style> <output file>      style: zeviruvuvedovi, lanterns, stillwater

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "platform/WholeFile.h"

namespace {

constexpr int TicksPerBeat = 480;

struct Style {
    const char* name;
    int beatsPerMinute;
    int leadProgram;  // General MIDI program, counted from 0
    int padProgram;
    // Chord roots as MIDI notes, two bars each; minor chords are marked.
    std::vector<std::pair<int, bool>> chords;
    int repeats;
};

const Style Styles[] = {
    // Orchestral harp over a warm pad: C, A minor, F, G.
    {"zeviruvuvedovi", 66, 46, 89, {{48, false}, {45, true}, {41, false}, {43, false}}, 3},
    // Electric piano over strings: A minor, F, C, G.
    {"lanterns", 60, 4, 48, {{45, true}, {41, false}, {48, false}, {43, false}}, 3},
    // Vibraphone over a choir pad: D minor, B flat, F, C.
    {"stillwater", 63, 11, 91, {{50, true}, {46, false}, {41, false}, {48, false}}, 3},
};

struct Event {
    int tick;
    int order;  // note-offs before note-ons at the same tick
    QByteArray bytes;
};

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int value : values) bytes.append(char(value));
    return bytes;
}

void Note(std::vector<Event>& events, int channel, int note, int velocity, int start, int length) {
    events.push_back({start, 1, Bytes({0x90 | channel, note, velocity})});
    events.push_back({start + length, 0, Bytes({0x80 | channel, note, 0})});
}

QByteArray VariableLength(int value) {
    QByteArray bytes(1, char(value & 0x7F));
    while ((value >>= 7) > 0) bytes.prepend(char(0x80 | (value & 0x7F)));
    return bytes;
}

QByteArray BigEndian(quint32 value, int size) {
    QByteArray bytes;
    for (int i = size - 1; i >= 0; --i) bytes.append(char((value >> (8 * i)) & 0xFF));
    return bytes;
}

std::vector<Event> Compose(const Style& style) {
    std::vector<Event> events;
    const int tempo = 60000000 / style.beatsPerMinute;
    events.push_back({0, 0, QByteArray("\xFF\x51\x03", 3) + BigEndian(tempo, 3)});
    events.push_back({0, 0, Bytes({0xC0, style.leadProgram})});
    events.push_back({0, 0, Bytes({0xC1, style.padProgram})});
    const int bar = 4 * TicksPerBeat;
    const int eighth = TicksPerBeat / 2;
    int tick = 0;
    int step = 0;
    for (int round = 0; round < style.repeats; ++round) {
        for (const auto& [root, minor] : style.chords) {
            const int third = minor ? 3 : 4;
            // Up and back down through two octaves of the chord, an eighth note each.
            const int tones[] = {0,  7, 12,         third + 12, 19, 24, 19, third + 12,
                                 12, 7, third + 12, 19,         24, 19, 12, 7};
            Note(events, 1, root, 44, tick, 2 * bar - 10);
            Note(events, 1, root + 7, 40, tick, 2 * bar - 10);
            for (int tone : tones) {
                // A gentle swell on each bar's first beat; the rest softer.
                const int velocity = (step % 8 == 0 ? 64 : 50) + (step * 7) % 9;
                Note(events, 0, root + 12 + tone, velocity, tick, eighth * 3);
                tick += eighth;
                ++step;
            }
        }
    }
    // The closing chord of the first root, held for a bar.
    const int root = style.chords.front().first;
    const int third = style.chords.front().second ? 3 : 4;
    for (int tone : {0, 7, 12, third + 12})
        Note(events, tone < 12 ? 1 : 0, root + tone + (tone < 12 ? 0 : 12), 48, tick, bar * 2);
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    return events;
}

QByteArray MidiFile(const Style& style) {
    QByteArray track;
    int last = 0;
    for (const Event& event : Compose(style)) {
        track += VariableLength(event.tick - last) + event.bytes;
        last = event.tick;
    }
    track += QByteArray("\x00\xFF\x2F\x00", 4);
    return "MThd" + BigEndian(6, 4) + BigEndian(0, 2) + BigEndian(1, 2) +
           BigEndian(TicksPerBeat, 2) + "MTrk" + BigEndian(track.size(), 4) + track;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: musicgen <style> <output file>\n");
        return 2;
    }
    const auto style = std::find_if(std::begin(Styles), std::end(Styles),
                                    [&](const Style& s) { return qstrcmp(s.name, argv[1]) == 0; });
    if (style == std::end(Styles)) {
        std::fprintf(stderr, "musicgen: unknown style %s\n", argv[1]);
        return 2;
    }
    QString error;
    if (!WriteWholeFile(QString::fromLocal8Bit(argv[2]), MidiFile(*style), &error)) {
        std::fprintf(stderr, "musicgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
