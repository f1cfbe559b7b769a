// The record export of a finished game.
#include "progress/export.h"

#include <QLocale>

#include "app/TForm1.h"
#include "model/characters.h"
#include "platform/files.h"
#include "round/scoring.h"

namespace {

const char* coursePrefix(uint8_t courseKind) {
  switch (courseKind) {
    case kPracticeCourse:
      return "pr_";
    case kChampionshipCourse:
      return "ch_";
    case kEditedCourse:
      return "ed_";
  }
  return nullptr;
}

QString courseHeading(uint8_t courseKind, const QString& courseName) {
  switch (courseKind) {
    case kPracticeCourse:
      return "　★ 練習コース　";
    case kChampionshipCourse:
      return "　★ 選手権コース　";
    default:
      return "　★ Edited [ " + courseName + " ]　";
  }
}

// A counted line, left out when the count is 0.
void addCount(QStringList& lines, const char* label, int count) {
  if (count > 0) lines << QString::fromUtf8(label) + QString::number(count) + " 回";
}

}  // namespace

QString recordBaseName(uint8_t courseKind, uint8_t charSlot, uint8_t altChar) {
  const char* prefix = coursePrefix(courseKind);
  const CharacterRow* row = characterRow(charSlot, altChar);
  if (!prefix || !row) return {};
  return QString::fromUtf8(prefix) + QString::fromUtf8(row->exportKey);
}

QStringList recordLines(const GameReport& r) {
  const CharacterRow* row = characterRow(r.charSlot, r.altChar);
  if (!coursePrefix(r.courseKind) || !row) return {};
  QStringList lines;
  lines << "Pinvale ver 1.31"
        << "" << courseHeading(r.courseKind, r.courseName) + QString::fromUtf8(row->exportHeading)
        << "";
  addCount(lines, "　　　ホールインワン：　", r.holeInOnes);
  addCount(lines, "　　　アルバトロス：　", r.albatrosses);
  addCount(lines, "　　　イーグル：　", r.eagles);
  addCount(lines, "　　　バーディー：　", r.birdies);
  addCount(lines, "　　　チップイン：　", r.chipIns);
  lines << ""
        << "　　　最長ショット：　" + QString::number(r.longestShot) + " yd"
        << "　　　最長記録：　" + QString::number(r.recordLongest) + " yd"
        << "　　　スコア：　" + scoreText(r.scoreToPar)
        << "　　　ベストスコア：　" + scoreText(r.recordBest) << ""
        << "　　　ポイント：　" + QString::number(r.points) << ""
        << "　[ " + r.dateTime + " ]";
  return lines;
}

QString recordDateTime(const QDateTime& when) {
  const QLocale locale = QLocale::system();
  return locale.toString(when.date(), QLocale::ShortFormat) + " " +
         locale.toString(when.time(), QLocale::LongFormat);
}

void TForm1::txtout() {
  GameReport r;
  r.courseKind = courseKind;
  r.charSlot = charSlot;
  r.altChar = altChar;
  r.courseName = playCourseName;
  r.holeInOnes = holeInOnes;
  r.albatrosses = albatrosses;
  r.eagles = eagles;
  r.birdies = birdies;
  r.chipIns = chipIns;
  r.longestShot = longestShot;
  r.recordLongest = recordLongest;
  r.scoreToPar = scoreToPar;
  r.recordBest = recordBest;
  r.points = points;
  r.dateTime = recordDateTime(QDateTime::currentDateTime());

  recordName = recordBaseName(courseKind, charSlot, altChar);
  const QStringList lines = recordLines(r);
  if (recordName.isEmpty() || lines.isEmpty() ||
      !writeShiftJisLines("record\\" + recordName + ".txt", lines))
    exportFailed = 1;
}
