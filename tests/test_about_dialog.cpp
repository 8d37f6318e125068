#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "library/bilingual_text.h"
#include "play/about_dialog.h"

namespace tessellix {

class AboutDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { SetCurrentLanguage(Language::Russian); }

    void textsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("version");
        QTest::newRow("Russian") << int(Language::Russian) << QString::fromUtf8("О программе")
                                 << QString::fromUtf8("Игра-головоломка \"Tessellix\" ")
                                 << QString::fromUtf8("Версия 1.40 для Windows 95/98/NT");
        QTest::newRow("English") << int(Language::English) << QString("About")
                                 << QString("Puzzle Tessellix")
                                 << QString("Version 1.4 for Windows 95/98/NT");
    }
    void textsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, name);
        QFETCH(QString, version);
        SetCurrentLanguage(Language(language));
        AboutDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), title);
        QCOMPARE(dialog.findChild<QLabel*>("text1024")->text(), name);
        QCOMPARE(dialog.findChild<QLabel*>("text1025")->text(), version);
        const QString line = dialog.findChild<QLabel*>("text1026")->text();
        QVERIFY(!line.isEmpty());
        QVERIFY(!line.contains('#'));
        QCOMPARE(dialog.findChild<QPushButton*>("okButton")->text(), QString("OK"));
        QCOMPARE(dialog.findChild<QLabel*>("textToolkit")->text(),
                 QString::fromUtf8("C++20 · Qt 6"));
    }

    void versionLineTakesMajorAndMinorForRussian_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("russian");
        QTest::newRow("one-digit minor gets its zero") << "1.4"
                                                       << "1.40";
        QTest::newRow("a patch number is left out") << "1.4.1"
                                                    << "1.40";
        QTest::newRow("two-digit minor as it is") << "2.12"
                                                  << "2.12";
        QTest::newRow("no minor") << "3"
                                  << "3.00";
    }
    void versionLineTakesMajorAndMinorForRussian() {
        QFETCH(QString, version);
        QFETCH(QString, russian);
        QCOMPARE(VersionLine(version), QString::fromUtf8("Версия %1 для Windows 95/98/NT#Version "
                                                         "%2 for Windows 95/98/NT")
                                           .arg(russian, version));
    }

    void everyTextFitsItsPlace_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("Russian") << int(Language::Russian);
        QTest::newRow("English") << int(Language::English);
    }
    void everyTextFitsItsPlace() {
        QFETCH(int, language);
        SetCurrentLanguage(Language(language));
        AboutDialog dialog(nullptr);
        const QRect inside = dialog.rect();
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            const QRect place = control->geometry();
            QVERIFY2(inside.contains(place), qPrintable(control->objectName()));
            QVERIFY2(place.width() >= control->sizeHint().width(),
                     qPrintable(control->objectName()));
        }
    }

    void layoutKeepsIconLeftTextsRightAndOkCentredBelow() {
        AboutDialog dialog(nullptr);
        const QRect icon = dialog.findChild<QLabel*>("programIcon")->geometry();
        const QRect ok = dialog.findChild<QPushButton*>("okButton")->geometry();
        QVERIFY(!dialog.findChild<QLabel*>("programIcon")->pixmap().isNull());
        QCOMPARE(dialog.findChild<QLabel*>("programIcon")->pixmap().size(), QSize(32, 32));
        for (const char* name : {"text1024", "text1025", "text1026"}) {
            const QRect text = dialog.findChild<QLabel*>(name)->geometry();
            QVERIFY2(text.left() > icon.right(), name);
            QVERIFY2(text.bottom() < ok.top(), name);
        }
        QVERIFY(qAbs(ok.center().x() - dialog.rect().center().x()) <= 1);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(dialog.findChild<QPushButton*>("okButton")->isDefault());
    }

    void okCloses() {
        AboutDialog dialog(nullptr);
        dialog.show();
        dialog.findChild<QPushButton*>("okButton")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    void aboutBoxIsModalAndOwned() {
        QWidget owner;
        owner.show();
        bool seen = false;
        QTimer::singleShot(0, [&seen, &owner] {
            auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            seen = dialog->parentWidget() == &owner;
            dialog->findChild<QPushButton*>("okButton")->click();
        });
        ShowAboutBox(&owner);
        QVERIFY(seen);
        QCOMPARE(owner.findChildren<AboutDialog*>().size(), 0);
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::AboutDialogTest)
#include "test_about_dialog.moc"
