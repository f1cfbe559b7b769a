// The game's music tracks and sound effects: which file each number plays
// and where a track starts.
#pragma once

#include <cstdint>

struct Track {
  const char* file;  // under dat\, as the game names it
  int from;          // start position handed to the music device
};

// Tracks 1..19; nullptr for any other number.
const Track* trackOf(uint8_t track);
// Effect files for 2..20; nullptr for any other number.
const char* effectFile(uint8_t id);

// The editor's music letters "A".."R" and their tracks.
inline constexpr char kMusicLetters[] = "ABCDEFGHIJKLMNOPQR";
// Track of a letter; 0 when it is not one of the eighteen.
uint8_t letterTrack(char letter);

// The jingle played on the music alias when the ball drops.
inline const char* const kJinglePractice = "dat\\jngl05.wav";
inline const char* const kJingleChampionship = "dat\\jngl01.wav";
// The hole-end piece, opened while the jingle ends.
inline const char* const kHoleEndPiece = "dat\\qoretc05.mid";
