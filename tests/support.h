// The form fixture: a TForm1 on the virtual clock with the recording sound
// device and scripted dialogs, in a fresh temporary working folder with the
// game's folders dat, edit and record.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/TForm1.h"
#include "platform/media.h"

// True when `command` is among `commands`.
bool sent(const std::vector<std::string>& commands, const std::string& command);

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the form and runs window creation (call after preparing files).
  TForm1& start();
  // start(), then hole `hole` of course `course` begun with the golfer of
  // `slot` (left-clicked) and `points` points.
  TForm1& startHole(uint8_t slot, uint8_t course, uint8_t hole, int32_t points);
  // Advances the virtual clock ms by ms, running Timer1 and the idle handler.
  void wait(int ms);
  // Waits until `done` holds (at most `limit` ms); returns the virtual ms it took.
  int until(const std::function<bool()>& done, int limit = 30000);
  // The media commands sent since the last call (status polls left out).
  std::vector<std::string> commands();
  // The dialog lines written since the last call.
  std::vector<std::string> dialogLines();

  QByteArray readFile(const QString& path) const;
  void writeFile(const QString& path, const QByteArray& bytes) const;
  bool exists(const QString& path) const;

  std::unique_ptr<QTemporaryDir> dir_;
  QString oldDir_;
  RecordingAudioDevice* audio_ = nullptr;
  std::unique_ptr<TForm1> form_;
  std::vector<std::string> dialogs_;
};
