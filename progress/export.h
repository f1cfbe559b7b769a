// The record export: a short Shift-JIS text report of a finished game,
// record\<prefix><character>.txt, one per course kind and character.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>

struct GameReport {
  uint8_t courseKind = 0;  // 1 practice, 2 championship, 3 edited
  uint8_t charSlot = 0, altChar = 0;
  QString courseName;  // the edited course's name
  uint8_t holeInOnes = 0, albatrosses = 0, eagles = 0, birdies = 0, chipIns = 0;
  int16_t longestShot = 0, recordLongest = 0;
  int8_t scoreToPar = 0, recordBest = 0;
  int32_t points = 0;
  QString dateTime;  // already formatted
};

// "pr_mina", "ch_yamada", "ed_philip" ...; empty for an unknown course or slot.
QString recordBaseName(uint8_t courseKind, uint8_t charSlot, uint8_t altChar);

// The lines of the report; empty for an unknown course or slot.
QStringList recordLines(const GameReport& r);

// The system's short date, a blank and its long time.
QString recordDateTime(const QDateTime& when);
