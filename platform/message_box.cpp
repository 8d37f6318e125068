#include "platform/message_box.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "platform/window_text.h"

namespace tessellix {

namespace {

MessageResponder responder;

const BilingualText kYes{"&Да", "&Yes"};
const BilingualText kNo{"&Нет", "&No"};
const BilingualText kCancel{"Отмена", "Cancel"};

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Y and N answer a Yes/No box (with or without Cancel) in both languages, as the Latin mnemonics of
// a Yes and a No button would; the Russian buttons' own mnemonics work besides.
class AnswerKeys : public QObject {
  public:
    explicit AnswerKeys(QMessageBox& answered) : box(answered) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Y && key != Qt::Key_N) {
            return false;
        }
        box.button(key == Qt::Key_Y ? QMessageBox::Yes : QMessageBox::No)->animateClick();
        return true;
    }

  private:
    QMessageBox& box;
};

MessageResult ShowRealBox(QWidget* owner, const MessageRequest& request) {
    QMessageBox box(BoxIcon(request.icon), request.caption, request.text, QMessageBox::NoButton,
                    owner);
    box.setTextFormat(Qt::PlainText);
    AnswerKeys answerKeys(box);
    QPushButton* action = nullptr;
    if (request.buttons == MessageButtons::Ok || request.buttons == MessageButtons::OkAction) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        if (request.buttons == MessageButtons::OkAction) {
            action = box.addButton(request.action, QMessageBox::AcceptRole);
        }
    } else {
        const bool cancel = request.buttons == MessageButtons::YesNoCancel;
        box.installEventFilter(&answerKeys);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No |
                               (cancel ? QMessageBox::Cancel : QMessageBox::NoButton));
        box.setDefaultButton(request.defaultButton == MessageResult::Yes ? QMessageBox::Yes
                                                                         : QMessageBox::No);
        box.setEscapeButton(cancel ? QMessageBox::Cancel : QMessageBox::No);
        // The buttons speak the language of the rest of the program, not the system's.
        box.button(QMessageBox::Yes)->setText(Shown(kYes));
        box.button(QMessageBox::No)->setText(Shown(kNo));
        if (cancel) {
            box.button(QMessageBox::Cancel)->setText(Shown(kCancel));
        }
    }
    const int answer = box.exec();
    if (owner != nullptr) {
        // Without a window manager the keyboard would stay with the closed box.
        owner->window()->activateWindow();
    }
    if (action != nullptr && box.clickedButton() == action) {
        return MessageResult::Action;
    }
    if (request.buttons == MessageButtons::Ok || request.buttons == MessageButtons::OkAction) {
        return MessageResult::Ok;
    }
    return answer == QMessageBox::Yes      ? MessageResult::Yes
           : answer == QMessageBox::Cancel ? MessageResult::Cancel
                                           : MessageResult::No;
}

}  // namespace

MessageResult ShowMessage(QWidget* owner, const BilingualText& text, const BilingualText& caption,
                          MessageIcon icon, MessageButtons buttons, MessageResult defaultButton) {
    const MessageRequest request{Shown(text), Shown(caption), icon, buttons, defaultButton, {}};
    if (responder) {
        return responder(request);
    }
    return ShowRealBox(owner, request);
}

MessageResult ShowMessageWithAction(QWidget* owner, const BilingualText& text,
                                    const BilingualText& caption, MessageIcon icon,
                                    const BilingualText& action) {
    const MessageRequest request{Shown(text),       Shown(caption), icon, MessageButtons::OkAction,
                                 MessageResult::Ok, Shown(action)};
    if (responder) {
        return responder(request);
    }
    return ShowRealBox(owner, request);
}

void SetMessageResponder(MessageResponder newResponder) {
    responder = std::move(newResponder);
}

}  // namespace tessellix
