#include "progress/savedata.h"

#include <cstring>

void initializeProgress(ProgressRecord& p) {
  std::memset(&p, 0, sizeof p);
  p.bgmOn = 1;
}

void initializeAlternates(ProgressRecord& p) {
  p.altCourseCleared = {};
  p.altBestScore = {};
  p.altLongestRecord = {};
}

void clearCourseRecords(ProgressRecord& p, int course) {
  for (int slot = 1; slot <= 6; ++slot) {
    p.courseCleared(slot, course) = 0;
    p.bestScore(slot, course) = 0;
    p.longestRecord(slot, course) = 0;
    p.altCourseCleared(slot, course) = 0;
    p.altBestScore(slot, course) = 0;
    p.altLongestRecord(slot, course) = 0;
  }
}

const char* courseRecordName(int course) {
  switch (course) {
    case 1:
      return "PRACTICE";
    case 2:
      return "CHAMPIONSHIP";
    case 3:
      return "EDITED";
    default:
      return "";
  }
}
