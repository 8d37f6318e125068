#include <QAccessible>
#include <QDialog>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/accessible_factory.h"
#include "dialogs/select_puzzle_dialog.h"
#include "editor/editor_window.h"
#include "library/puzzle_library.h"
#include "library/settings.h"
#include "model/play_session.h"
#include "play/generate_dialog.h"
#include "play/open_code_dialog.h"
#include "play/statistics_dialog.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {
using DialogMaker = std::function<std::unique_ptr<QDialog>(const PuzzleLibrary&, Settings&)>;
}  // namespace tessellix

Q_DECLARE_METATYPE(tessellix::DialogMaker)

namespace tessellix {

namespace {

// What a screen reader finds nameless under root: "role objectName" of each interface that
// the player works or reads (buttons, boxes, lists, fields, pictures, charts), and of each
// chart without a description.
QStringList Nameless(QAccessibleInterface* root) {
    static const QList<QAccessible::Role> read{
        QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::SpinBox,      QAccessible::List,     QAccessible::Table,
        QAccessible::EditableText, QAccessible::Graphic,  QAccessible::Chart};
    QStringList nameless;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        const QString objectName = child->object() ? child->object()->objectName() : QString();
        const bool chart = objectName.endsWith("Chart");
        if ((read.contains(child->role()) || chart) && child->text(QAccessible::Name).isEmpty()) {
            nameless << QString("%1 %2").arg(child->role()).arg(objectName);
        }
        if (chart && child->text(QAccessible::Description).isEmpty()) {
            nameless << "undescribed " + objectName;
        }
        if (!chart) {
            nameless << Nameless(child);
        }
    }
    return nameless;
}

}  // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir folder;
    PuzzleLibrary library;
    Settings settings;

  private slots:
    void initTestCase() {
        InstallGameAccessibleFactory();
        HandFile file;
        file.Cells({"XXXXX", "XXXXX"});
        file.text = "One\1One";
        WriteBytes(folder.filePath("1.TLX").toStdString(), file.Bytes());
        library.ScanDataFolder(folder.path().toStdString());
        settings = Settings(folder.filePath("tessellix.ini").toStdString());
    }

    void everyControlOfADialogIsNamed_data() {
        QTest::addColumn<DialogMaker>("make");
        QTest::addColumn<int>("language");
        for (const Language language : {Language::Russian, Language::English}) {
            const int shown = static_cast<int>(language);
            QTest::addRow("select puzzle %d", shown)
                << DialogMaker([](const PuzzleLibrary& library, Settings& settings) {
                       return std::make_unique<SelectPuzzleDialog>(library, settings, 0, nullptr);
                   })
                << shown;
            QTest::addRow("generate %d", shown) << DialogMaker([](const PuzzleLibrary&, Settings&) {
                return std::make_unique<GenerateDialog>(GenerateDialog::Choice{}, nullptr);
            }) << shown;
            QTest::addRow("open puzzle code %d", shown)
                << DialogMaker([](const PuzzleLibrary&, Settings&) {
                       return std::make_unique<OpenCodeDialog>(QString(), nullptr);
                   })
                << shown;
            QTest::addRow("statistics %d", shown)
                << DialogMaker([](const PuzzleLibrary& library, Settings& settings) {
                       return std::make_unique<StatisticsDialog>(
                           library, settings, ShippedLevels{}, CalendarDate{2026, 12, 10}, nullptr);
                   })
                << shown;
        }
    }
    void everyControlOfADialogIsNamed() {
        QFETCH(DialogMaker, make);
        QFETCH(int, language);
        SetCurrentLanguage(static_cast<Language>(language));
        const std::unique_ptr<QDialog> dialog = make(library, settings);
        dialog->show();
        QCOMPARE(Nameless(QAccessible::queryAccessibleInterface(dialog.get())).join(", "),
                 QString());
    }

    void editorCanvasIsATableOfFilledAndEmptyCells() {
        SetCurrentLanguage(Language::English);
        PlaySession play(library);
        EditorWindow editor(library, play, nullptr);
        QVERIFY(editor.Session().Fill({2, 1}));
        QAccessibleInterface* canvas = QAccessible::queryAccessibleInterface(&editor);
        QCOMPARE(canvas->role(), QAccessible::Table);
        QCOMPARE(canvas->text(QAccessible::Name), QString("Editor canvas"));
        QAccessibleTableInterface* table = canvas->tableInterface();
        QCOMPARE(table->rowCount() * table->columnCount(), canvas->childCount());
        QCOMPARE(table->cellAt(1, 2)->text(QAccessible::Name), QString("filled"));
        SetCurrentLanguage(Language::Russian);
        QCOMPARE(table->cellAt(1, 2)->text(QAccessible::Name), QString("заполнена"));
        QCOMPARE(table->cellAt(1, 3)->text(QAccessible::Name), QString("пуста"));
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::AccessibleNamesTest)
#include "test_accessible_names.moc"
