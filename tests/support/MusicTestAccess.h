#pragma once

#include "music/BackgroundMusic.h"

// Puts background music into a state of playback without playing up to it.
struct MusicTestAccess {
    static void SetStarted(BackgroundMusic& music, bool started, bool associationActive) {
        music.musicStarted_ = started;
        music.associationActive_ = associationActive;
    }
    static void SetPlayChosenFirst(BackgroundMusic& music, bool on) { music.playChosenFirst_ = on; }
};
