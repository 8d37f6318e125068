#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;
class QWidget;

namespace tessellix {

// One running copy per user and per data folder. The first copy holds a lock file and listens on
// a local socket, both named from the user and the folder, so copies that keep their puzzles in
// different folders (a build and an installed game) never block each other. A later copy finds
// the lock held, asks the first to bring its window forward, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // `dataFolder` is the folder the copy keeps its puzzles in.
    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when no other copy runs: this copy then holds the lock until it is destroyed and
    // answers later copies. A lock left by a copy that died is taken over.
    bool TryBecomeFirst();

    // Asks the copy that holds the lock to come forward; false when no copy answered.
    bool AskFirstToRaise();

    QString LockFilePath() const;
    QString ServerName() const;

  signals:
    void raiseRequested();

  private:
    void Listen();
    void AcceptConnections();
    void ReadRequest(QLocalSocket* socket);

    QString baseName;
    std::unique_ptr<QLockFile> lock;
    QLocalServer* server = nullptr;
};

// Brings a top-level window forward: restored when minimised, raised and activated.
void BringToFront(QWidget* window);

}  // namespace tessellix
