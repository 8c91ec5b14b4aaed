#pragma once
// One running program per user: the first process listens on a local socket; a later one
// finds it, asks it to raise its window and ends. A socket left behind by a crashed run has
// nobody listening and is taken over.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace vitalune {

class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QString name = DefaultName(), QObject* parent = nullptr);

    // "Wavetides13_exists-" plus the user, so users of one machine do not meet.
    static QString DefaultName();

    // True when this process is the first. Otherwise the first one has been asked to raise
    // its main window and this process should end without touching the settings.
    bool Acquire();

  signals:
    void raiseRequested();

  private:
    void OnConnection();

    QString m_name;
    QLocalServer m_server;
};

}  // namespace vitalune
