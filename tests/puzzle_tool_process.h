#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace tessellix {

// tessellix-puzzle run as a separate program, with its exit status and what it printed.
// exitCode is -1 when it did not end normally within a minute.
struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline ToolRun RunPuzzleTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TESSELLIX_PUZZLE_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

}  // namespace tessellix
