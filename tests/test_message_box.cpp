#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "platform/message_box.h"

Q_DECLARE_METATYPE(tessellix::MessageIcon)
Q_DECLARE_METATYPE(tessellix::MessageButtons)
Q_DECLARE_METATYPE(tessellix::MessageResult)

namespace tessellix {

namespace {

// What the real box looked like when it came up, and the answer given to it.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    Qt::TextFormat format = Qt::AutoText;
    QWidget* parent = nullptr;
};

// Answers the next modal message box by pressing `button`, with Escape when it is NoButton, or
// with the key when it is a letter's key code.
void AnswerNextBox(SeenBox& seen, int button) {
    QTimer::singleShot(0, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        seen.format = box->textFormat();
        seen.parent = box->parentWidget();
        if (button == QMessageBox::NoButton) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (button <= Qt::Key_Z) {
            QTest::keyClick(box, Qt::Key(button));
        } else {
            box->button(QMessageBox::StandardButton(button))->click();
        }
    });
}

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { SetMessageResponder({}); }

    void responderSeesEveryRequestAndAnswersIt() {
        QList<MessageRequest> requests;
        SetMessageResponder([&requests](const MessageRequest& request) {
            requests.append(request);
            return requests.size() == 1 ? MessageResult::No : MessageResult::Yes;
        });
        QWidget owner;
        const MessageResult first = ShowMessage(
            &owner, BilingualText::Both("Delete?"), BilingualText::Both("Delete puzzle"),
            MessageIcon::Question, MessageButtons::YesNo, MessageResult::No);
        const MessageResult second =
            ShowMessage(&owner, BilingualText::Both("Overwrite?"), BilingualText::Both("Save"),
                        MessageIcon::Question, MessageButtons::YesNo);
        QCOMPARE(first, MessageResult::No);
        QCOMPARE(second, MessageResult::Yes);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests[0].text, QString("Delete?"));
        QCOMPARE(requests[0].caption, QString("Delete puzzle"));
        QCOMPARE(requests[0].icon, MessageIcon::Question);
        QCOMPARE(requests[0].buttons, MessageButtons::YesNo);
        QCOMPARE(requests[0].defaultButton, MessageResult::No);
        QCOMPARE(requests[1].defaultButton, MessageResult::Ok);
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);  // only the owner: no real box
    }

    void realBoxShowsWhatWasAsked_data() {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<MessageResult>("defaultButton");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("boxIcon");
        QTest::addColumn<int>("boxButtons");
        QTest::addColumn<int>("boxDefault");
        QTest::addColumn<MessageResult>("result");
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("refusal: OK with the exclamation icon")
            << MessageIcon::Exclamation << MessageButtons::Ok << MessageResult::Ok
            << int(QMessageBox::Ok) << int(QMessageBox::Warning) << int(QMessageBox::Ok)
            << int(QMessageBox::Ok) << MessageResult::Ok;
        QTest::newRow("congratulation: OK without icon")
            << MessageIcon::None << MessageButtons::Ok << MessageResult::Ok << int(QMessageBox::Ok)
            << int(QMessageBox::NoIcon) << int(QMessageBox::Ok) << int(QMessageBox::Ok)
            << MessageResult::Ok;
        QTest::newRow("confirmation answered Yes, No being the default")
            << MessageIcon::Question << MessageButtons::YesNo << MessageResult::No
            << int(QMessageBox::Yes) << int(QMessageBox::Question) << yesNo << int(QMessageBox::No)
            << MessageResult::Yes;
        QTest::newRow("question answered No, Yes being the default")
            << MessageIcon::Question << MessageButtons::YesNo << MessageResult::Yes
            << int(QMessageBox::No) << int(QMessageBox::Question) << yesNo << int(QMessageBox::Yes)
            << MessageResult::No;
        QTest::newRow("Escape answers No")
            << MessageIcon::Question << MessageButtons::YesNo << MessageResult::Yes
            << int(QMessageBox::NoButton) << int(QMessageBox::Question) << yesNo
            << int(QMessageBox::Yes) << MessageResult::No;
        QTest::newRow("the Y key answers Yes to Russian buttons")
            << MessageIcon::Question << MessageButtons::YesNo << MessageResult::No << int(Qt::Key_Y)
            << int(QMessageBox::Question) << yesNo << int(QMessageBox::No) << MessageResult::Yes;
        QTest::newRow("the N key answers No")
            << MessageIcon::Question << MessageButtons::YesNo << MessageResult::Yes
            << int(Qt::Key_N) << int(QMessageBox::Question) << yesNo << int(QMessageBox::Yes)
            << MessageResult::No;
        const int yesNoCancel = yesNo | QMessageBox::Cancel;
        QTest::newRow("save question: Escape answers Cancel")
            << MessageIcon::Question << MessageButtons::YesNoCancel << MessageResult::Yes
            << int(QMessageBox::NoButton) << int(QMessageBox::Question) << yesNoCancel
            << int(QMessageBox::Yes) << MessageResult::Cancel;
        QTest::newRow("save question: the N key answers No")
            << MessageIcon::Question << MessageButtons::YesNoCancel << MessageResult::Yes
            << int(Qt::Key_N) << int(QMessageBox::Question) << yesNoCancel << int(QMessageBox::Yes)
            << MessageResult::No;
        QTest::newRow("Escape closes an OK box")
            << MessageIcon::Exclamation << MessageButtons::Ok << MessageResult::Ok
            << int(QMessageBox::NoButton) << int(QMessageBox::Warning) << int(QMessageBox::Ok)
            << int(QMessageBox::Ok) << MessageResult::Ok;
    }
    void realBoxShowsWhatWasAsked() {
        QFETCH(MessageIcon, icon);
        QFETCH(MessageButtons, buttons);
        QFETCH(MessageResult, defaultButton);
        QFETCH(int, press);
        QFETCH(int, boxIcon);
        QFETCH(int, boxButtons);
        QFETCH(int, boxDefault);
        QFETCH(MessageResult, result);
        QWidget owner;
        SeenBox seen;
        AnswerNextBox(seen, press);
        const MessageResult answer =
            ShowMessage(&owner, BilingualText::Both("first line\nsecond line"),
                        BilingualText::Both("Caption"), icon, buttons, defaultButton);
        QCOMPARE(answer, result);
        QCOMPARE(seen.text, QString("first line\nsecond line"));
        QCOMPARE(seen.title, QString("Caption"));
        QCOMPARE(int(seen.icon), boxIcon);
        QCOMPARE(int(seen.buttons), boxButtons);
        QCOMPARE(int(seen.defaultButton), boxDefault);
        QCOMPARE(seen.parent, &owner);
    }

    void markupInATextIsShownAsTyped() {
        QWidget owner;
        SeenBox seen;
        AnswerNextBox(seen, QMessageBox::Ok);
        ShowMessage(&owner, BilingualText::Both("<b>Bold</b> & co"),
                    BilingualText::Both("<i>Name</i>"), MessageIcon::None, MessageButtons::Ok);
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.text, QString("<b>Bold</b> & co"));
    }

    void emptyResponderRestoresTheRealBox() {
        int answered = 0;
        SetMessageResponder([&answered](const MessageRequest&) {
            ++answered;
            return MessageResult::Ok;
        });
        SetMessageResponder({});
        QWidget owner;
        SeenBox seen;
        AnswerNextBox(seen, QMessageBox::Ok);
        ShowMessage(&owner, BilingualText::Both("real"), BilingualText::Both("box"),
                    MessageIcon::None, MessageButtons::Ok);
        QCOMPARE(answered, 0);
        QCOMPARE(seen.text, QString("real"));
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::MessageBoxTest)
#include "test_message_box.moc"
