// The progress record and its two save files.
//
// dat\data.bin (78 bytes) holds the music switch, the unlocks and the six
// characters' records; dat\data2.bin (72 bytes) the two alternates'. Each
// file is a raw little-endian image of its half of ProgressRecord, which
// keeps the halves one after the other in file order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/arrays.h"

struct ProgressRecord {
#define FIELD(T, N) T N;
#define TABLE(T, N, R, C) Table<T, R, C> N;
#include "progress/savedata.def"
#undef FIELD
#undef TABLE
};

constexpr size_t kSaveSize1 = 78, kSaveSize2 = 72;
constexpr size_t kSave2Offset = 78;  // where the alternates' half begins

static_assert(offsetof(ProgressRecord, courseCleared) == 6);
static_assert(offsetof(ProgressRecord, bestScore) == 24);
static_assert(offsetof(ProgressRecord, longestRecord) == 42);
static_assert(offsetof(ProgressRecord, altCourseCleared) == kSave2Offset);
static_assert(offsetof(ProgressRecord, altBestScore) == kSave2Offset + 18);
static_assert(offsetof(ProgressRecord, altLongestRecord) == kSave2Offset + 36);
static_assert(sizeof(ProgressRecord) == kSaveSize1 + kSaveSize2);

inline const char* const kSaveFile1 = "dat\\data.bin";
inline const char* const kSaveFile2 = "dat\\data2.bin";

// The defaults of a first start: music on, nothing unlocked, no records.
void initializeProgress(ProgressRecord& p);
// The alternates' half only.
void initializeAlternates(ProgressRecord& p);
// Clears every character's and alternate's records of one course (1..3).
void clearCourseRecords(ProgressRecord& p, int course);
// "PRACTICE", "CHAMPIONSHIP", "EDITED".
const char* courseRecordName(int course);
