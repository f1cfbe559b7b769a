#include "sound/tracks.h"

namespace {

const Track kTracks[] = {
    {"dat\\qor_s06.mid", 13},     // 1 character and course choice
    {"dat\\MOUNT.mid", 6},        // 2 practice hole 1, the editor
    {"dat\\BGM06.mid", 5},        // 3 championship hole 1
    {"dat\\qoretc05.mid", 15},    // 4 hole finished
    {"dat\\bgm_158.mid", 0},      // 5 practice hole 2
    {"dat\\tasogaru.mid", 3},     // 6 championship hole 2
    {"dat\\K2seccore.mid", 11},   // 7 practice hole 3
    {"dat\\BGM02.mid", 11},       // 8 championship hole 3
    {"dat\\niceguy.mid", 5},      // 9 practice hole 4
    {"dat\\tyari.mid", 4},        // 10 championship hole 4
    {"dat\\town.mid", 0},         // 11 practice hole 5
    {"dat\\cryface0_dt.mid", 7},  // 12 championship hole 5
    {"dat\\aoneko.mid", 8},       // 13 practice hole 6
    {"dat\\k_33.mid", 4},         // 14 championship hole 6
    {"dat\\qor_r06.mid", 13},     // 15 championship hole 7
    {"dat\\k_03.mid", 11},        // 16 championship hole 8
    {"dat\\qor_s05.mid", 11},     // 17 championship hole 9
    {"dat\\qoretc06.mid", 0},     // 18 editor letter R
    {"dat\\qoretc06.mid", 6},     // 19 course finished; plays once
};

const char* const kEffects[] = {
    "dat\\se1.wav",     // 2 a menu choice confirmed
    "dat\\se2.wav",     // 3 a locked portrait
    "dat\\se3.wav",     // 4 panels, next stroke, hole closed
    "dat\\swing1.wav",  // 5 Mina, Pizza Happy Man, Souma, K. Yamada
    "dat\\swing2.wav",  // 6 Philip
    "dat\\swing3.wav",  // 7 Kyoko
    "dat\\swing4.wav",  // 8 Hatao
    "dat\\swing5.wav",  // 9 Tsuduru
    "dat\\fair.wav",    // 10
    "dat\\rough.wav",   // 11
    "dat\\water.wav",   // 12
    "dat\\bunker.wav",  // 13
    "dat\\green.wav",   // 14
    "dat\\ob.wav",      // 15
    "dat\\putt.wav",    // 16
    "dat\\in.wav",      // 17 the ball drops
    "dat\\se4.wav",     // 18 the hole's points added
    "dat\\se5.wav",     // 19 re-hit or start over
    "dat\\se6.wav",     // 20 a key accepted in the course name
};

// Letter order A..R.
const uint8_t kLetterTracks[] = {2, 5, 7, 9, 11, 13, 3, 6, 8, 10, 12, 14, 15, 16, 17, 1, 4, 18};

}  // namespace

const Track* trackOf(uint8_t track) {
  return track >= 1 && track <= 19 ? &kTracks[track - 1] : nullptr;
}

const char* effectFile(uint8_t id) { return id >= 2 && id <= 20 ? kEffects[id - 2] : nullptr; }

uint8_t letterTrack(char letter) {
  return letter >= 'A' && letter <= 'R' ? kLetterTracks[letter - 'A'] : 0;
}
