#include <QCoreApplication>
#include <QFileInfo>
#include <QtTest>

#include "platform/program_paths.h"

class ProgramPathsTest : public QObject {
    Q_OBJECT
  private slots:
    void filesLieBesideTheProgramNamedLikeIt_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("help document") << HelpDocumentPath() << "test_program_paths.html";
        QTest::newRow("settings file") << SettingsFilePath() << "test_program_paths.ini";
    }
    void filesLieBesideTheProgramNamedLikeIt() {
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        const QFileInfo program(QCoreApplication::applicationFilePath());
        QCOMPARE(QFileInfo(path).fileName(), fileName);
        QCOMPARE(QFileInfo(path).absolutePath(), program.absolutePath());
        QCOMPARE(ProgramFolder(), program.absolutePath());
        QCOMPARE(DataFolderPath(), program.absolutePath() + "/DATA/");
    }
};

QTEST_GUILESS_MAIN(ProgramPathsTest)
#include "test_program_paths.moc"
