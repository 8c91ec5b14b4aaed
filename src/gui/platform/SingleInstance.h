#pragma once
// One running program per user: the first process holds a lock file and listens on a local
// socket beside it in the user's runtime folder; a later one finds it, asks it to raise its
// window, learns which data folder it runs with, and ends. The lock, not the socket, decides
// who is first, so starts at the same moment cannot both become first; a lock and a socket
// left behind by a crashed run are taken over.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace vitalune {

class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QString name = DefaultName(), QObject* parent = nullptr);

    // "Wavetides13_exists-" plus the user, in the user's runtime folder ($XDG_RUNTIME_DIR),
    // so that starts with different temporary folders still meet and users do not.
    static QString DefaultName();

    // True when this process is the first; `dataFolder` is what later starts are told.
    // Otherwise the first one has been asked to raise its main window, RunningFolder() says
    // which data folder it runs with, and this process should end without touching the
    // settings.
    bool Acquire(const QString& dataFolder = {});
    const QString& RunningFolder() const { return m_runningFolder; }

  signals:
    void raiseRequested();

  private:
    void OnConnection();
    bool AskFirst();

    QString m_name;
    QLockFile m_lock;
    QString m_dataFolder;
    QString m_runningFolder;
    QLocalServer m_server;
};

}  // namespace vitalune
