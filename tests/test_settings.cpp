#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <memory>

#include "library/bilingual_text.h"
#include "library/settings.h"
#include "tests/as_nobody.h"

namespace tessellix {

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<QTemporaryDir> folder;
    QString path;
    Settings settings;

  private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        path = folder->filePath("tessellix.ini");
        settings = Settings(path.toStdString());
    }
    void languageComesFromTheFile_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("language");
        QTest::newRow("no file gives Russian") << false << QByteArray() << 0;
        QTest::newRow("1 gives English") << true << QByteArray("[Options]\nLanguage=1\n") << 1;
        QTest::newRow("0 gives Russian") << true << QByteArray("[Options]\nLanguage=0\n") << 0;
        QTest::newRow("2 gives Russian") << true << QByteArray("[Options]\nLanguage=2\n") << 0;
        QTest::newRow("-1 gives Russian") << true << QByteArray("[Options]\nLanguage=-1\n") << 0;
        QTest::newRow("letters give Russian")
            << true << QByteArray("[Options]\nLanguage=English\n") << 0;
        QTest::newRow("empty value gives Russian")
            << true << QByteArray("[Options]\nLanguage=\n") << 0;
        QTest::newRow("digits then letters read the digits")
            << true << QByteArray("[Options]\nLanguage=1st\n") << 1;
        QTest::newRow("blanks around key and value")
            << true << QByteArray("[ Options ]\n  Language =  1  \n") << 1;
        QTest::newRow("plus sign") << true << QByteArray("[Options]\nLanguage=+1\n") << 1;
        QTest::newRow("names without regard to case")
            << true << QByteArray("[OPTIONS]\nlanguage=1\n") << 1;
        QTest::newRow("CR LF lines") << true << QByteArray("[Options]\r\nLanguage=1\r\n") << 1;
        QTest::newRow("no final line break") << true << QByteArray("[Options]\nLanguage=1") << 1;
        QTest::newRow("key in another section")
            << true << QByteArray("[Other]\nLanguage=1\n[Options]\nPreview=1\n") << 0;
        QTest::newRow("key before any section")
            << true << QByteArray("Language=1\n[Options]\n") << 0;
        QTest::newRow("commented out") << true << QByteArray("[Options]\n;Language=1\n") << 0;
        QTest::newRow("binary garbage")
            << true << QByteArray("\x01\xff[Opt\0ions]\n=\n[\n", 15) << 0;
    }
    void languageComesFromTheFile() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QFETCH(int, language);
        if (exists) {
            WriteFile(path, content);
        }
        QCOMPARE(static_cast<int>(settings.ReadLanguageSetting()), language);
    }

    void previewIsTakenUnchanged_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("preview");
        QTest::newRow("no file") << false << QByteArray() << 0;
        QTest::newRow("1") << true << QByteArray("[Options]\nPreview=1\n") << 1;
        QTest::newRow("5 stays 5") << true << QByteArray("[Options]\nPreview=5\n") << 5;
        QTest::newRow("-3 stays -3") << true << QByteArray("[Options]\nPreview=-3\n") << -3;
        QTest::newRow("garbage reads 0") << true << QByteArray("[Options]\nPreview=yes\n") << 0;
        QTest::newRow("too large saturates")
            << true << QByteArray("[Options]\nPreview=99999999999999999999\n") << INT_MAX;
        QTest::newRow("too small saturates")
            << true << QByteArray("[Options]\nPreview=-99999999999999999999\n") << INT_MIN;
        QTest::newRow("section without the key")
            << true << QByteArray("[Options]\nLanguage=1\n") << 0;
    }
    void previewIsTakenUnchanged() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QFETCH(int, preview);
        if (exists) {
            WriteFile(path, content);
        }
        QCOMPARE(settings.ReadPreviewSetting(), preview);
    }

    void zoomIsAWholeFactorOfAtLeastOne_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("zoom");
        QTest::newRow("no key") << QByteArray("[Options]\nLanguage=1\n") << 1;
        QTest::newRow("3") << QByteArray("[Options]\nZoom=3\n") << 3;
        QTest::newRow("0 gives 1") << QByteArray("[Options]\nZoom=0\n") << 1;
        QTest::newRow("-2 gives 1") << QByteArray("[Options]\nZoom=-2\n") << 1;
    }
    void zoomIsAWholeFactorOfAtLeastOne() {
        QFETCH(QByteArray, content);
        QFETCH(int, zoom);
        WriteFile(path, content);
        QCOMPARE(settings.ReadZoomSetting(), zoom);
        settings.WriteZoomSetting(2);
        QCOMPARE(settings.ReadZoomSetting(), 2);
        QVERIFY(ReadFile(path).startsWith(content.left(content.indexOf('\n') + 1)));
    }

    void writingCreatesTheFileWithKeysInTheOrderOfFirstWriting() {
        settings.WriteLanguageSetting(Language::English);
        settings.WritePreviewSetting(1);
        QCOMPARE(ReadFile(path), QByteArray("[Options]\nLanguage=1\nPreview=1\n"));

        settings.WriteLanguageSetting(Language::Russian);
        QCOMPARE(ReadFile(path), QByteArray("[Options]\nLanguage=0\nPreview=1\n"));
    }

    void previewWrittenFirstStaysFirst() {
        settings.WritePreviewSetting(0);
        settings.WriteLanguageSetting(Language::English);
        settings.WritePreviewSetting(1);
        QCOMPARE(ReadFile(path), QByteArray("[Options]\nPreview=1\nLanguage=1\n"));
    }

    void writingKeepsEverythingElse_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("other sections, keys, comments and unknown lines")
            << QByteArray(
                   "; settings\n[Window]\nLanguage=7\n\n[Options]\nSound=on\n"
                   "Language=0\nnot a key\n[Last]\nx=1\n")
            << QByteArray(
                   "; settings\n[Window]\nLanguage=7\n\n[Options]\nSound=on\n"
                   "Language=1\nnot a key\n[Last]\nx=1\n");
        QTest::newRow("key added after the section's last key")
            << QByteArray("[Options]\nPreview=1\n\n[Other]\ny=2\n")
            << QByteArray("[Options]\nPreview=1\nLanguage=1\n\n[Other]\ny=2\n");
        QTest::newRow("key added right after an empty section's header")
            << QByteArray("[Options]\n; nothing yet\n[Other]\n")
            << QByteArray("[Options]\nLanguage=1\n; nothing yet\n[Other]\n");
        QTest::newRow("section added at the end of a file without final line break")
            << QByteArray("[Other]\nx=1") << QByteArray("[Other]\nx=1\n[Options]\nLanguage=1\n");
        QTest::newRow("names matched without regard to case")
            << QByteArray("[options]\nLANGUAGE = 0 \n") << QByteArray("[options]\nLanguage=1\n");
        QTest::newRow("CR LF lines stay CR LF")
            << QByteArray("[Options]\r\nPreview=1\r\n")
            << QByteArray("[Options]\r\nPreview=1\r\nLanguage=1\r\n");
    }
    void writingKeepsEverythingElse() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        WriteFile(path, before);
        settings.WriteLanguageSetting(Language::English);
        QCOMPARE(ReadFile(path), after);
    }

    // hint: -1 clears the mark of `name`, 0 or 1 marks it solved without or with a hint.
    void solvedMarksChangeOnlyTheirName_data() {
        QTest::addColumn<QByteArray>("before");  // empty: no file
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("hint");
        QTest::addColumn<QByteArray>("after");  // empty: no file
        const QByteArray others("[Options]\nLanguage=1\n[Solved]\n3.TLX=1\n");
        QTest::newRow("cleared: every line of the name goes from the first section")
            << others + "12.tlx=2\n12.TLX=1\n; note\n[Other]\n12.TLX=1\n[Solved]\n12.TLX=1\n"
            << "12.TLX" << -1 << others + "; note\n[Other]\n12.TLX=1\n[Solved]\n12.TLX=1\n";
        QTest::newRow("cleared without a mark: no file made")
            << QByteArray() << "12.TLX" << -1 << QByteArray();
        QTest::newRow("a name that would not read back is not written")
            << others << "5\n[Options]\n.TLX" << 0 << others;
    }
    void solvedMarksChangeOnlyTheirName() {
        QFETCH(QByteArray, before);
        QFETCH(QString, name);
        QFETCH(int, hint);
        if (!before.isEmpty()) {
            WriteFile(path, before);
        }
        hint < 0 ? settings.ClearSolvedMark(name.toStdString())
                 : settings.MarkSolved(name.toStdString(), hint == 1);
        QFETCH(QByteArray, after);
        QCOMPARE(QFile::exists(path), !after.isEmpty());
        QCOMPARE(ReadFile(path), after);
    }

    void everyReadLooksAtTheFileAgain() {
        settings.WritePreviewSetting(1);
        QCOMPARE(settings.ReadPreviewSetting(), 1);
        WriteFile(path, "[Options]\nPreview=0\n");
        QCOMPARE(settings.ReadPreviewSetting(), 0);
    }

    // Run as the player, to whom a read-only file is one: root may write it anyway.
    void unwritableFileIsToldOnceThenLeftAlone_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<int>("error");
        QTest::newRow("missing folder") << "missing/folder/tessellix.ini" << ENOENT;
        QTest::newRow("parent is a file") << "plain-file/tessellix.ini" << ENOTDIR;
        QTest::newRow("path is a folder") << "a-folder" << EISDIR;
        QTest::newRow("read-only file") << "tessellix.ini" << EACCES;
    }
    void unwritableFileIsToldOnceThenLeftAlone() {
        QFETCH(QString, relativePath);
        WriteFile(folder->filePath("plain-file"), "x");
        QDir(folder->path()).mkpath("a-folder");
        const QByteArray before("[Options]\nLanguage=0\n");
        WriteFile(path, before);
        const std::string settingsPath = folder->filePath(relativePath).toStdString();
        QVERIFY(GiveToNobody(folder->path().toStdString()) && GiveToNobody(path.toStdString()));
        QVERIFY(::chmod(path.toStdString().c_str(),
                        relativePath == "tessellix.ini" ? 0444 : 0644) == 0);

        const NobodyRun run = RunAsNobody([&] {
            Settings unwritable(settingsPath);
            std::string heard;
            unwritable.SetFailureListener([&heard](const Failure& failure) {
                heard += failure.Message().In(Language::English);
            });
            const std::optional<Failure> first = unwritable.WriteLanguageSetting(Language::English);
            // Writable again, but this run tries no more.
            ::chmod(settingsPath.c_str(), 0644);
            const bool second = unwritable.WritePreviewSetting(1).has_value() ||
                                unwritable.MarkSolved("3.TLX", false).has_value();
            return (first ? first->Message().In(Language::English) : "written") + "|" + heard +
                   (second ? "|second" : "");
        });
        if (!run.said) {
            QSKIP(run.skipReason);
        }
        QFETCH(int, error);
        const std::string told =
            "Could not write the settings file " + settingsPath + ": " + std::strerror(error);
        QCOMPARE(QString::fromStdString(*run.said), QString::fromStdString(told + "|" + told));
        QCOMPARE(ReadFile(path), before);
        QCOMPARE(ReadFile(folder->filePath("plain-file")), QByteArray("x"));
        QVERIFY(QFileInfo(folder->filePath("a-folder")).isDir());
    }

    void failedWriteLeavesTheOldFileWhole() {
        const QByteArray before("[Options]\nLanguage=0\nPreview=1\n");
        WriteFile(path, before);
        // A file size limit below the new file's size fails the write even for root.
        struct rlimit limit {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlim_t oldLimit = limit.rlim_cur;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = 10;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        settings.WriteLanguageSetting(Language::English);
        limit.rlim_cur = oldLimit;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(ReadFile(path), before);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"tessellix.ini"});
    }

    void noPathGivesDefaultsAndWritesNothing() {
        settings = Settings("");
        settings.WriteLanguageSetting(Language::English);
        QCOMPARE(settings.ReadLanguageSetting(), Language::Russian);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList());
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::SettingsTest)
#include "test_settings.moc"
