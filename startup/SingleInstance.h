#pragma once

#include <QLockFile>
#include <QString>

namespace ravemo {

// One running copy of the program per user: a lock file that the running copy holds until it
// ends. A lock left by a copy that crashed (its process is gone) is taken over, however old;
// a live copy's lock is never taken, however old.
class SingleInstance {
  public:
    enum class Outcome {
        Acquired,        // this is the only copy
        HeldByAnother,   // another copy runs: this one must end
        LockUnavailable  // the lock file cannot be made (folder not writable): run anyway
    };

    // The lock file in `lockFolder`.
    explicit SingleInstance(const QString& lockFolder);

    Outcome acquire();
    QString lockFilePath() const { return path_; }

    // The per-user folder for the lock: the runtime folder, else the temporary folder.
    static QString defaultLockFolder();

  private:
    QString path_;
    QLockFile lock_;
};

}  // namespace ravemo
