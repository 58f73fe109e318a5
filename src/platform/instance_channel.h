#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>
#include <memory>

namespace quillane {

// How a second copy of the game asks the copy already running to come forward. The running
// copy listens under a name made from its lock file's path; the second copy calls in once.
class InstanceChannel {
  public:
    explicit InstanceChannel(const QString& lockFile);

    // Answers every call by running `comeForward`. False when the name cannot be taken.
    bool Listen(std::function<void()> comeForward);
    // Asks the copy listening under this name to come forward; false when none answers.
    bool CallRunningCopy() const;

  private:
    QString name_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace quillane
