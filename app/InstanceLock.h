#pragma once
// One running game per user: a lock file held for the life of the process.
#include <QString>
#include <memory>

#include "core/Services.h"

class QLockFile;

namespace tolvar {

class InstanceLock : public InstancePort {
public:
    explicit InstanceLock(QString lockPath);
    ~InstanceLock() override;

    /// tolvar.lock in the user's runtime folder ($XDG_RUNTIME_DIR), else in the configuration folder.
    static QString DefaultPath();

    bool ClaimSingleInstance() override;

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace tolvar
