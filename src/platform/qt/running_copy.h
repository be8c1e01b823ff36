#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace velmaris::platform {

// Lets a second start bring the running copy of the same program folder to the front: the
// copy that holds the lock listens on a local socket named for the folder and the user, and a
// copy that finds the lock taken knocks on it.
class RunningCopyChannel : public QObject {
    Q_OBJECT

  public:
    explicit RunningCopyChannel(const QString& appFolder, QObject* parent = nullptr);
    ~RunningCopyChannel() override;

    // Starts listening; false when the socket cannot be made (the program runs on without).
    bool Listen();

    // Asks the copy running in the folder to come to the front; false when none answers.
    static bool AskToRaise(const QString& appFolder, int timeoutMs = 1000);

    // The socket's name for a folder: the same for every copy of one user in one folder.
    [[nodiscard]] static QString ChannelName(const QString& appFolder);

  signals:
    void raiseRequested();

  private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace velmaris::platform
