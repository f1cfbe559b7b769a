// The editor's check: the text repairs and pair rules on their own, then the
// whole check on the form's fields and the edited course record.
#include "editor/validation.h"

#include <cstring>

#include "tests/support.h"

namespace {

using namespace validation;

TEST(ValidationRules, TextsThatAreNotNumbersTakeTheirDefaults) {
  for (const char* t : {"", "+", "-", "--", "+-", "5-", "9+", "0-"})
    EXPECT_EQ(repairSignedText(t), "0") << t;
  for (const char* t : {"-0", "+5", "-9", "07"}) EXPECT_EQ(repairSignedText(t), t) << t;
  EXPECT_EQ(readInteger("-0"), 0);
  EXPECT_EQ(readInteger("+5"), 5);

  EXPECT_EQ(repairNumberText("", "100"), "100");
  EXPECT_EQ(repairNumberText("1e3", "100"), "100");  // pasted
  EXPECT_EQ(repairNumberText(" 12", "0"), "0");
  EXPECT_EQ(repairNumberText("99999999999", "0"), "0");  // beyond int
  EXPECT_EQ(repairNumberText("0150", "0"), "0150");
}

TEST(ValidationRules, KindsFollowTheSignsOfTheOrderedRange) {
  EXPECT_EQ(rangeKind(0, 0), 0);
  EXPECT_EQ(rangeKind(-3, 6), 1);
  EXPECT_EQ(rangeKind(0, 4), 1);
  EXPECT_EQ(rangeKind(-4, 0), 1);
  EXPECT_EQ(rangeKind(2, 7), 2);
  EXPECT_EQ(rangeKind(-7, -2), 3);
}

TEST(ValidationRules, TerrainPairsLieBetweenYardTwoAndTheGreen) {
  const int m = 300 - 10;
  EXPECT_EQ(checkRange(0, 0, m), RangeCheck::Absent);
  EXPECT_EQ(checkRange(1, 50, m), RangeCheck::Outside);
  EXPECT_EQ(checkRange(100, 290, m), RangeCheck::Outside);
  EXPECT_EQ(checkRange(0, 50, m), RangeCheck::Outside);
  EXPECT_EQ(checkRange(100, 289, m), RangeCheck::Kept);
  EXPECT_EQ(checkRange(2, 3, m), RangeCheck::Kept);
  EXPECT_EQ(checkRange(200, 150, m), RangeCheck::Swapped);
  EXPECT_EQ(checkRange(120, 120, m), RangeCheck::Empty);
  EXPECT_EQ(checkRange(290, 290, m), RangeCheck::Outside);  // on the green beats equal ends
  EXPECT_EQ(rangeMessage(m), "地形の範囲は 2 ～ 289 です");
}

class Check : public FormTest {
 protected:
  TForm1& editor() {
    TForm1& f = start();
    f.editHole = 1;
    f.bgmTrack = 2;
    f.msc->SetCaption("A");
    f.ezen->SetText("300");
    f.epar->SetText("4");
    f.egrn->SetText("10");
    f.epts->SetText("800");
    for (TEdit* e : {f.ewnda, f.ewndz, f.eslpa, f.eslpz}) e->SetText("0");
    for (TEdit* e : ranges()) e->SetText("0");
    dialogLines();
    return f;
  }
  std::vector<TEdit*> ranges() {
    TForm1& f = *form_;
    return {f.e1,  f.e2,  f.e3,  f.e4,  f.e5,  f.e6,  f.e7,  f.e8,  f.e9,
            f.e10, f.e11, f.e12, f.e13, f.e14, f.e15, f.e16, f.e17, f.e18};
  }
};

TEST_F(Check, NumbersAreHeldToTheirLimitsAndWrittenBack) {
  TForm1& f = editor();
  f.ezen->SetText("50");
  f.epar->SetText("9");
  f.egrn->SetText("1");
  f.epts->SetText("9999");
  f.kakunin();
  EXPECT_EQ(std::tuple(f.ezen->Text(), f.epar->Text(), f.egrn->Text(), f.epts->Text()),
            std::tuple(QString("100"), QString("7"), QString("3"), QString("9000")));
  EXPECT_EQ(std::tuple(f.editLength[1], f.editPar[1], f.editGreen[1], f.editPoints),
            std::tuple(int16_t(100), int16_t(7), int16_t(3), 9000));

  f.ezen->SetText("1500");
  f.egrn->SetText("");  // empty: its default
  f.kakunin();
  EXPECT_EQ(f.ezen->Text(), "1200");
  EXPECT_EQ(f.egrn->Text(), "3");
  EXPECT_EQ(f.editLength[1], 1200);
}

TEST_F(Check, AFreshCourseGetsPlayableHolesEverywhere) {
  TForm1& f = editor();
  f.editHole = 3;
  f.kakunin();
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(f.editBgm[i], 2) << i;
    EXPECT_EQ(std::string(f.editBgmLetter[i].chars, f.editBgmLetter[i].len), "A");
    if (i == 3) continue;
    EXPECT_EQ(std::tuple(f.editLength[i], f.editPar[i], f.editGreen[i]),
              std::tuple(int16_t(100), int16_t(2), int16_t(3)));
  }
  EXPECT_TRUE(f.Btbck->Enabled());
  EXPECT_TRUE(f.Btfwd->Enabled());
  EXPECT_FALSE(f.btsave->Enabled());  // no course name yet
  EXPECT_TRUE(dialogLines().empty());
}

TEST_F(Check, WindAndSlopeAreOrderedAndGetTheirKind) {
  TForm1& f = editor();
  struct Case {
    const char *from, *to;
    int8_t storedFrom, storedTo;
    uint8_t kind;
  };
  for (const Case& c : {Case{"6", "-3", -3, 6, 1}, Case{"0", "0", 0, 0, 0}, Case{"2", "7", 2, 7, 2},
                        Case{"-7", "-2", -7, -2, 3}, Case{"0", "4", 0, 4, 1},
                        Case{"+", "5-", 0, 0, 0}, Case{"-0", "99", 0, 9, 1}}) {
    f.ewnda->SetText(c.from);
    f.ewndz->SetText(c.to);
    f.kakunin();
    EXPECT_EQ(std::tuple(f.editWindFrom[1], f.editWindTo[1], f.editWindKind[1]),
              std::tuple(c.storedFrom, c.storedTo, c.kind))
        << c.from << " " << c.to;
  }
  EXPECT_EQ(f.ewndz->Text(), "9");

  f.ewnda->SetText("6");
  f.ewndz->SetText("-3");
  f.kakunin();
  EXPECT_EQ(std::tuple(f.ewnda->Text(), f.ewndz->Text()), std::tuple(QString("-3"), QString("6")));

  f.eslpa->SetText("-9");  // pasted past the filter: held to -5
  f.eslpz->SetText("-2");
  f.kakunin();
  EXPECT_EQ(std::tuple(f.editSlopeFrom[1], f.editSlopeTo[1], f.editSlopeKind[1]),
            std::tuple(int8_t(-5), int8_t(-2), uint8_t(3)));
  EXPECT_EQ(f.eslpa->Text(), "-5");
}

TEST_F(Check, TerrainOutsideItsSpanIsRemovedAndTheSpanNamed) {
  TForm1& f = editor();
  const auto pair = [&](int row, const char* a, const char* b) {
    ranges()[2 * row]->SetText(a);
    ranges()[2 * row + 1]->SetText(b);
  };
  pair(0, "1", "50");     // rough 1: before yard 2
  pair(1, "100", "290");  // rough 2: on the green
  pair(2, "100", "289");  // rough 3: kept
  pair(3, "200", "150");  // water 1: backwards
  pair(4, "120", "120");  // water 2: no length
  f.kakunin();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: 地形の範囲は 2 ～ 289 です"});
  std::vector<QString> texts;
  for (TEdit* e : ranges()) texts.push_back(e->Text());
  EXPECT_EQ(texts, (std::vector<QString>{"0", "0", "0", "0", "100", "289", "150", "200", "0", "0",
                                         "0", "0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(std::tuple(f.editRough1From[1], f.editRough3To[1], f.editWater1From[1],
                       f.editWater1To[1], f.editWater2From[1]),
            std::tuple(int16_t(0), int16_t(289), int16_t(150), int16_t(200), int16_t(0)));
  EXPECT_TRUE(f.arroughh3->Visible());
  EXPECT_FALSE(f.arroughh1->Visible());
  EXPECT_EQ(std::tuple(f.argreenn->Left(), f.argreenn->Width()), std::tuple(245, 5));

  pair(4, "120", "120");  // equal ends alone: removed without a word
  f.kakunin();
  EXPECT_TRUE(dialogLines().empty());

  f.ezen->SetText("250");  // shortened: rough 3 now ends on the green
  f.kakunin();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: 地形の範囲は 2 ～ 239 です"});
  EXPECT_EQ(f.editRough3To[1], 0);
}

TEST_F(Check, PastedTextIsReadAsTheFieldsDefault) {
  TForm1& f = editor();
  f.ezen->SetText("3OO");
  f.e1->SetText("1O");
  f.ewnda->SetText("x");
  f.kakunin();
  EXPECT_EQ(std::tuple(f.ezen->Text(), f.e1->Text(), f.ewnda->Text()),
            std::tuple(QString("100"), QString("0"), QString("0")));
  EXPECT_EQ(f.editLength[1], 100);
  EXPECT_TRUE(dialogLines().empty());
}

}  // namespace
