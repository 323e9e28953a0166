#pragma once
// A temporary folder of this process's own (for the picture that reaches a
// printer by way of a file). While it lives its path is known, so that a
// confined script may write there though it names no folder of the user's.

#include <QString>
#include <QTemporaryDir>

namespace pinxel {

class PrivateScratch {
public:
    // Raises 76 when no temporary folder can be made.
    PrivateScratch();
    ~PrivateScratch();
    PrivateScratch(const PrivateScratch &) = delete;
    PrivateScratch &operator=(const PrivateScratch &) = delete;

    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Whether path lies in a scratch folder that is alive now.
    static bool holds(const QString &path);

private:
    QTemporaryDir m_dir;
};

}  // namespace pinxel
