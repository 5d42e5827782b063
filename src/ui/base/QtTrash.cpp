#include "ui/base/QtTrash.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

namespace kt::ui {
namespace {

bool Fail(kt::FileError& error, int code, const QString& message) {
    error.code = code;
    error.message = message.isEmpty() ? std::string(std::strerror(code)) : message.toStdString();
    return false;
}

}  // namespace

bool QtTrash::MoveToTrash(const std::filesystem::path& file, kt::FileError& error) {
    // Qt keeps the home trash under the generic data folder but does not create that folder; when
    // it is missing the move reports success with a trash path relative to the current folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data)) return Fail(error, ENOENT, QString());
    const QString source = QFile::decodeName(file.c_str());
    QFile qfile(source);
    errno = 0;
    if (!qfile.moveToTrash()) return Fail(error, errno != 0 ? errno : EIO, qfile.errorString());
    const QString inTrash = qfile.fileName();
    if (QDir::isRelativePath(inTrash)) {
        // Somewhere no one would look for it: bring it back and say the move failed.
        QFile::rename(inTrash, source);
        return Fail(error, ENOENT, QString());
    }
    return true;
}

}  // namespace kt::ui
