// TForm1: the game's main window and the single object that holds the whole
// game: every control, every game field, the progress record and the edited
// course record. Its member functions live in the folder of the subsystem
// that owns them (model/, shot/, round/, map/, editor/, progress/, sound/,
// app/); a handler is found by knowing its subsystem.
#pragma once

#include <QString>
#include <QWidget>
#include <map>

#include "editor/coursefile.h"
#include "model/courses.h"
#include "platform/application.h"
#include "platform/arrays.h"
#include "platform/controls.h"
#include "progress/savedata.h"

struct CharacterRow;

class TForm1 : public QWidget, public ProgressRecord, public EditedCourseRecord {
 public:
  TForm1();
  ~TForm1() override;

  // ---- controls, in the order of the layout
#define CONTROL(T, N) T* N = nullptr;
#include "app/controls.def"
#undef CONTROL
  TTimer* Timer1 = nullptr;  // music poll, 60 ms, off until a track starts

  // Lists built at window creation for the hole map: range swatches then
  // captions; panel bars then editor preview bars.
  Arr<TLabel*, 1, 18> mapLabels{};
  Arr<TShape*, 1, 18> mapBars{};

  // ---- game fields
#define FIELD(T, N) T N{};
#define ARRAY(T, N, LO, HI) Arr<T, LO, HI> N{};
#define TEXT(N) QString N;
#include "app/fields.def"
#undef FIELD
#undef ARRAY
#undef TEXT

  // The control of that name, or nullptr (the script driver's lookup).
  TControl* controlByName(const QString& name) const;

  // ---- app/: window, title bar, screens
  void FormCreate();
  void FormDestroy();
  void winmoveMouseDown(TMouseButton b, int x, int y);
  void winmoveMouseUp(TMouseButton b, int x, int y);
  void winmoveMouseMove(int x, int y);
  void tojiMouseDown(TMouseButton b, int x, int y);
  void tojiMouseUp(TMouseButton b, int x, int y);
  void chijiMouseDown(TMouseButton b, int x, int y);
  void chijiMouseUp(TMouseButton b, int x, int y);
  void FormMouseMove(int x, int y);
  void FormMouseDown(TMouseButton b, int x, int y);
  void FormMouseUp(TMouseButton b, int x, int y);

  // ---- app/: menus and start dialogs
  void ImgstartMouseMove(int x, int y);
  void ImgeditMouseMove(int x, int y);
  void ImgstartClick();
  void chara1MouseMove(int x, int y);
  void chara2MouseMove(int x, int y);
  void chara3MouseMove(int x, int y);
  void chara4MouseMove(int x, int y);
  void chara5MouseMove(int x, int y);
  void chara6MouseMove(int x, int y);
  // The hover over portrait `slot`: frame, information panel, charSlot.
  void charaMouseMove(uint8_t slot);
  void ImgwakuMouseDown(TMouseButton b, int x, int y);
  void Visoff1();
  void ImgpracMouseMove(int x, int y);
  void ImgchampMouseMove(int x, int y);
  void ImgedtdMouseMove(int x, int y);
  // The hover over the image of course `kind`.
  void courseMouseMove(uint8_t kind);
  void ImgpracClick();
  void ImgchampClick();
  void normalCourseSelected();
  void ImgedtdClick();
  void LabelNameMouseDown(TMouseButton b, int x, int y);
  void LabelNameMouseUp(TMouseButton b, int x, int y);
  void LabelNameMouseMove(int x, int y);
  void EditCsKeyPress(char16_t& key);
  void okClick();
  void backToCourseSelect();
  void yesClick();
  void Visoff2();
  void noClick();

  // ---- map/: hole map and panels
  void Map();
  void displayFieldCaption(TLabel* label);
  void rd1MouseMove(int x, int y);
  void rd2MouseMove(int x, int y);
  void rd3MouseMove(int x, int y);
  void wd1MouseMove(int x, int y);
  void wd2MouseMove(int x, int y);
  void wd3MouseMove(int x, int y);
  void bd1MouseMove(int x, int y);
  void bd2MouseMove(int x, int y);
  void bd3MouseMove(int x, int y);
  void grMouseMove(int x, int y);
  void Box2MouseMove(int x, int y);
  void Box2MouseDown(TMouseButton b, int x, int y);
  void vwcourseClick();
  void vwscoreClick();
  void toji2Click();

  // ---- model/: the hole, wind and slope, characters
  void Holeinfo();
  void holestart();
  void Windkime();
  void kazemodoshi();
  void wndcontClick();
  void applyCharacter(TMouseButton button);
  // The selection panel's texts for one golfer.
  void showCharacterPanel(const CharacterRow& row);
  // The current hole record as a rule input.
  HoleData currentHole() const;
  // The built-in or edited hole `hole` of the current course.
  HoleData courseHole(uint8_t hole) const;

  // ---- progress/: save files
  void dLoad();
  void dLoad2();
  void dSave();
  void dSave2();
  void initialize();
  void initialize2();
  void formatScore(int course);
  void LbformatClick();
  void LbformatMouseMove(int x, int y);
  void LbformatMouseLeave();

  // ---- editor/: validation
  // The check of the hole on screen: fields repaired into the edited course
  // record, limits, ranges, kinds, buttons, preview and the range message.
  void kakunin();
  // The editor's preview strip of hole editHole.
  void Map2();

  // ---- editor/: the course editor
  void ImgeditClick();
  // Lets the typed key through when it is backspace or one of `allowed`;
  // otherwise sets it to 0.
  void checkKeyAccept(char16_t& key, const char* allowed);
  void e1KeyPress(char16_t& key);
  void ewndaKeyPress(char16_t& key);
  void eslpaKeyPress(char16_t& key);
  void coursnmKeyPress(char16_t& key);
  void ezenChange();
  void coursnmChange();
  void confirmClick();
  void BtfwdClick();
  void BtbckClick();
  // Shows hole editHole from the record and checks it.
  void changeEditHole();
  void BtupClick();
  void BtdwClick();
  // The music letter `step` places on, wrapping round the eighteen.
  void stepMusic(int step);
  void toji4Click();
  void btsaveClick();
  void btloadClick();

  // ---- round/ and progress/: course end, record, ending
  // The last hole's proceed: records, export, unlocks, saves, then the ending.
  void finishCourse();
  void setScore(uint8_t course);
  void aftrclr();
  void Visoff4();
  void txtout();
  void Ending();
  void showdia();
  // The left side of ending phase `phase` (1..4) and the credits page of it (2..5).
  void showEndingContent(uint8_t phase);
  void showCreditsPage(uint8_t phase);

  // ---- sound/: music and effects
  void PlayBGM();
  void StopBGM();
  void PlaySE();
  void StopSE();
  void ShotSE();
  void Timer1Timer();
  void Check1Click();
  void bgmLabelClick();
  // Sets the effect, stops the one playing and plays it.
  void playEffect(uint8_t id);
  // Sets the track, stops the music and starts it.
  void startTrack(uint8_t track);

  // ---- shot/: clubs, gauge, stroke, flight
  void Radio1Click();
  void Radio2Click();
  void Radio3Click();
  void Radio4Click();
  void Radio5Click();
  void Radio6Click();
  void Radio7Click();
  void checkRadioEnabled(uint8_t upgrades, int16_t price, TRadioButton* radio);
  void shotMouseDown(TMouseButton b, int x, int y);
  void shotMouseUp(TMouseButton b, int x, int y);
  void AppShot();
  // Milliseconds until each frame handler's next step is due (0 or less: due
  // now); each handler makes this same test before it steps.
  int32_t shotDueIn() const;
  int32_t moveDueIn() const;
  int32_t move2DueIn() const;
  int32_t endingDueIn() const;
  void drivekime();
  void puttkime();
  void shotClick();
  void AppMove();
  void AppMove2();
  void dropcheck();
  void checkLastHole(uint8_t lastHole);
  // A wood or iron (reach, cost) or, on the hole-end screen, its shop price.
  void chooseClub(int16_t reach, int16_t cost, int16_t shopPrice);
  void startGauge(bool putt);
  // Takes the chosen club's points, never below 0.
  void chargeStroke();
  void addHolePoints();
  void prepareNextStroke();
  void closeGivenUpHole();
  void closeHoledHole();
  void rehit();
  void startOver();
  // The lie picture of a fairway, rough or bunker.
  void showLie();
  void ballDropped();
  void playJingle();
  void openHoleEndPiece();
  // 9 on the championship course, 6 on the others.
  uint8_t lastHoleNo() const;

  // ---- round/: specials and scoring
  void usspClick();
  void armTakeBack(uint8_t takeBackPhase, uint8_t code);
  void judge();
  void checkScorePlmi(int8_t value, TLabel* label);

  // ---- round/: hole end, shop, proceeding
  // Closes a hole other than the last: the hole-end screen, the board, the
  // next hole previewed, the shop open (phase 11).
  void csend();
  void Visoff3();
  // The rivals' step for the hole just finished and the player's score on the board.
  void rankime();
  void pricecheck();
  // The shot button on the hole-end screen: buys the checked shop entry.
  void purchase();
  // Next hole from the hole-end screen; after the last hole finishCourse
  // (declared with the course end above) takes over.
  void proceedClick();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void buildControls();
  void bindHandlers();
  // The title-bar drag, pressed on `by` at x, y of that control.
  void beginTitleDrag(int x, int y);
  void titleDragMove(const TControl* by, int x, int y);
  bool onEndingScreen() const;
  QPoint dragFrom_;
  bool dragByHand_ = false;
  std::map<QString, TControl*> byName_;
  bool destroyed_ = false;
};
