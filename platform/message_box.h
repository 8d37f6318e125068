#pragma once

#include <QString>
#include <functional>

#include "library/bilingual_text.h"

class QWidget;

namespace tessellix {

// Every message box of the program goes through ShowMessage, so that tests can answer it
// with a scripted responder and see exactly what the user was shown.

enum class MessageIcon { None, Exclamation, Question };
// OkAction: OK and one more button that carries out what the text offers.
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkAction };
enum class MessageResult { Ok, Yes, No, Cancel, Action };

// As shown, in the current language.
struct MessageRequest {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageResult defaultButton = MessageResult::Ok;
    // The action button's text, for OkAction.
    QString action;
};

// A modal box owned by `owner` with the platform's own button texts; returns the button chosen.
// Escape or the close box answer No to a Yes/No box, Cancel to a Yes/No/Cancel box and Ok to an
// OK box. The text is plain
// text: "\n" breaks the line, and markup in a puzzle's name is shown as typed.
MessageResult ShowMessage(QWidget* owner, const BilingualText& text, const BilingualText& caption,
                          MessageIcon icon, MessageButtons buttons,
                          MessageResult defaultButton = MessageResult::Ok);

// An OK box, OK the default and the answer of Escape, with `action` as a second button; Action
// when that was chosen.
MessageResult ShowMessageWithAction(QWidget* owner, const BilingualText& text,
                                    const BilingualText& caption, MessageIcon icon,
                                    const BilingualText& action);

using MessageResponder = std::function<MessageResult(const MessageRequest&)>;

// Answers every later ShowMessage instead of a real box; an empty function restores the box.
void SetMessageResponder(MessageResponder responder);

}  // namespace tessellix
