// How long a music piece lasts, read from the file itself, so that the sound
// device can report a piece finished as soon as its music has ended (a
// synthesizer keeps its voices and its player running for seconds after the
// last note; a loop must not wait for that).
#pragma once

#include <QByteArray>

// A Standard MIDI File: the time of its end, the latest end of any track,
// through the file's own tempo map. A file whose tracks end long after the
// last note counts as ending kMidiRelease seconds after that note.
// Negative when the data is not a complete MIDI file.
double midiSeconds(const QByteArray& file);
inline constexpr double kMidiRelease = 1.0;

// A RIFF WAVE file: its sample frames over its rate. Negative when the data
// is not a wave file.
double waveSeconds(const QByteArray& file);

// Either of the two, by the file's signature.
double pieceSeconds(const QByteArray& file);
