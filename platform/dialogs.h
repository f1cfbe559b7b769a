// The three modal dialogs the game uses. Real runs show Qt dialogs; scripts
// and tests answer them from a queue and write what was asked to the
// transcript.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

void ShowMessage(const QString& text);
// A Yes/No question; true for Yes.
bool MessageYesNo(const QString& caption, const QString& text);
// The text input box; cancelling gives back `defaultText`.
QString InputBox(const QString& title, const QString& prompt, const QString& defaultText);

namespace dialogs {

// The window the real dialogs belong to.
void setOwner(QWidget* owner);

// Scripted answers. With nothing queued: messages are acknowledged,
// questions answered No, input boxes cancelled.
void useScript(std::function<void(const std::string&)> transcript);
void stopScript();
enum class Answer { Yes, No, Ok, Cancel, Text };
void queue(Answer kind, const QString& text = {});
int queued();

}  // namespace dialogs
