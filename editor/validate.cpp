// The editor's check ("確認"): the fields of the hole on screen become course
// data, every value forced into its limits and written back, the ranges
// ordered, the wind and slope kinds derived, the buttons allowed, the
// preview drawn.
#include <algorithm>
#include <array>
#include <cstring>

#include "app/TForm1.h"
#include "editor/validation.h"
#include "platform/dialogs.h"

namespace {

using HoleArray16 = Arr<int16_t, 1, 6> EditedCourseRecord::*;

// The eighteen terrain arrays in the order of the fields e1 .. e18.
constexpr std::array<HoleArray16, 18> kRangeArrays = {
    &EditedCourseRecord::editRough1From,  &EditedCourseRecord::editRough1To,
    &EditedCourseRecord::editRough2From,  &EditedCourseRecord::editRough2To,
    &EditedCourseRecord::editRough3From,  &EditedCourseRecord::editRough3To,
    &EditedCourseRecord::editWater1From,  &EditedCourseRecord::editWater1To,
    &EditedCourseRecord::editWater2From,  &EditedCourseRecord::editWater2To,
    &EditedCourseRecord::editWater3From,  &EditedCourseRecord::editWater3To,
    &EditedCourseRecord::editBunker1From, &EditedCourseRecord::editBunker1To,
    &EditedCourseRecord::editBunker2From, &EditedCourseRecord::editBunker2To,
    &EditedCourseRecord::editBunker3From, &EditedCourseRecord::editBunker3To};

void setLetter(ShortString& s, const QString& text) {
  const QByteArray bytes = text.toLatin1().left(255);
  s.len = static_cast<uint8_t>(bytes.size());
  std::memcpy(s.chars, bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Clamps one signed end into -limit .. limit, writing the limit into its field.
int8_t clampEnd(int value, int limit, TEdit* field) {
  if (value < -limit) {
    field->SetText(QString::number(-limit));
    return static_cast<int8_t>(-limit);
  }
  if (value > limit) {
    field->SetText(QString::number(limit));
    return static_cast<int8_t>(limit);
  }
  return static_cast<int8_t>(value);
}

// Wind or slope of one hole: clamp both ends, order them by exchanging the
// field texts, and derive the kind.
void checkSigned(int8_t& from, int8_t& to, uint8_t& kind, int limit, TEdit* fromField,
                 TEdit* toField) {
  if (from != 0 || to != 0) {
    from = clampEnd(from, limit, fromField);
    to = clampEnd(to, limit, toField);
    if (from > to) {
      const QString a = fromField->Text();
      fromField->SetText(toField->Text());
      toField->SetText(a);
      from = static_cast<int8_t>(validation::readInteger(fromField->Text()));
      to = static_cast<int8_t>(validation::readInteger(toField->Text()));
    }
  }
  kind = validation::rangeKind(from, to);
}

}  // namespace

void TForm1::kakunin() {
  using namespace validation;
  const std::array<TEdit*, 18> ranges = {e1,  e2,  e3,  e4,  e5,  e6,  e7,  e8,  e9,
                                         e10, e11, e12, e13, e14, e15, e16, e17, e18};
  const auto repair = [](TEdit* field, const QString& fallback) {
    const QString fixed = repairNumberText(field->Text(), fallback);
    if (fixed != field->Text()) field->SetText(fixed);
  };
  const auto repairSigned = [](TEdit* field) {
    const QString fixed = repairSignedText(field->Text());
    if (fixed != field->Text()) field->SetText(fixed);
  };

  // Empty fields take their defaults; so does text that is not a number
  // (a paste gets past the key filters).
  for (TEdit* field : ranges) repair(field, "0");
  repair(ezen, "100");
  repair(epts, "800");
  repair(egrn, "3");
  repair(epar, "2");
  repairSigned(ewnda);
  repairSigned(ewndz);
  repairSigned(eslpa);
  repairSigned(eslpz);

  const uint8_t h = editHole >= 1 && editHole <= 6 ? editHole : 1;
  setLetter(editBgmLetter[h], msc->Caption());
  editBgm[h] = bgmTrack;
  // The field limits keep every text within the stored types; a longer
  // text from the program is clamped first so that it cannot wrap.
  const auto read16 = [](TEdit* f) {
    return static_cast<int16_t>(clampTo(readInteger(f->Text()), INT16_MIN, INT16_MAX));
  };
  const auto read8 = [](TEdit* f) {
    return static_cast<int8_t>(clampTo(readInteger(f->Text()), INT8_MIN, INT8_MAX));
  };
  editLength[h] = read16(ezen);
  editPoints = readInteger(epts->Text());
  editPar[h] = read16(epar);
  editGreen[h] = read16(egrn);
  editWindFrom[h] = read8(ewnda);
  editWindTo[h] = read8(ewndz);
  editSlopeFrom[h] = read8(eslpa);
  editSlopeTo[h] = read8(eslpz);
  for (size_t k = 0; k < ranges.size(); ++k) (this->*kRangeArrays[k])[h] = read16(ranges[k]);

  // Length, par, green and music of every hole, so that holes never shown
  // are playable too.
  const auto limit = [&](int16_t& value, int low, int high, int i, TEdit* field) {
    const int fixed = clampTo(value, low, high);
    if (fixed == value) return;
    value = static_cast<int16_t>(fixed);
    if (i == h) field->SetText(QString::number(fixed));
  };
  for (int i = 1; i <= 6; ++i) {
    if (editBgm[i] == 0) {
      editBgm[i] = 2;
      setLetter(editBgmLetter[i], "A");
    }
    limit(editLength[i], kMinLength, kMaxLength, i, ezen);
    limit(editPar[i], kMinPar, kMaxPar, i, epar);
    limit(editGreen[i], kMinGreen, kMaxGreen, i, egrn);
  }

  if (editPoints < kMinPoints || editPoints > kMaxPoints) {
    editPoints = clampTo(editPoints, kMinPoints, kMaxPoints);
    epts->SetText(QString::number(editPoints));
  }

  checkSigned(editWindFrom[h], editWindTo[h], editWindKind[h], kMaxWind, ewnda, ewndz);
  checkSigned(editSlopeFrom[h], editSlopeTo[h], editSlopeKind[h], kMaxSlope, eslpa, eslpz);

  const int firstGreenYard = editLength[h] - editGreen[h];
  bool outside = false;
  for (size_t k = 0; k < ranges.size(); k += 2) {
    int16_t& start = (this->*kRangeArrays[k])[h];
    int16_t& end = (this->*kRangeArrays[k + 1])[h];
    TEdit* startField = ranges[k];
    TEdit* endField = ranges[k + 1];
    switch (checkRange(start, end, firstGreenYard)) {
      case RangeCheck::Outside:
        outside = true;
        [[fallthrough]];
      case RangeCheck::Empty:
        startField->SetText("0");
        endField->SetText("0");
        start = end = 0;
        break;
      case RangeCheck::Swapped: {
        const QString a = startField->Text();
        startField->SetText(endField->Text());
        endField->SetText(a);
        start = read16(startField);
        end = read16(endField);
        break;
      }
      case RangeCheck::Absent:
      case RangeCheck::Kept:
        break;
    }
  }

  if (h != 1) Btbck->SetEnabled(true);
  if (h != 6) Btfwd->SetEnabled(true);
  btsave->SetEnabled(!coursnm->Text().isEmpty());

  Map2();

  if (outside) ShowMessage(rangeMessage(firstGreenYard));
}
