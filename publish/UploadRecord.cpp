#include "publish/UploadRecord.h"

#include "publish/OwnerOnlyFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

namespace tarvin::publish {

namespace {

// A record is small; a larger file is not one of ours and is not read.
constexpr qint64 MaxRecordBytes = 8 * 1024 * 1024;

bool IsSha256Hex(const QString& text)
{
    if (text.size() != 64)
        return false;
    for (QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    return true;
}

} // namespace

std::optional<FileDigest> DigestOfFile(const std::string& path)
{
    const int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    QFile file;
    if (handle < 0 || !file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (handle >= 0)
            ::close(handle);
        return std::nullopt;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return FileDigest{file.size(), hash.result().toHex().toStdString()};
}

std::string UploadRecord::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString()
           + "/Ostrel Software/Tarvin/Uploads";
}

UploadRecord::UploadRecord(const std::string& folder, const ServerProfile& profile, bool create)
{
    if (folder.empty())
        return;
    key_ = profile.HostName + "\n" + profile.Port + "\n" + profile.UserName + "\n" + profile.HostDirName;
    const QByteArray name =
        QCryptographicHash::hash(QByteArray::fromStdString(key_), QCryptographicHash::Sha256).toHex().left(32);
    path_ = folder + "/" + name.toStdString() + ".json";
    if (!create && !QFileInfo::exists(QString::fromStdString(path_))) {
        path_.clear();
        return;
    }
    Load();
}

void UploadRecord::Load()
{
    // The file is read as untrusted: anything odd in it is left out.
    QFile file(QString::fromStdString(path_));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxRecordBytes)
        return;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    if (root.value("key").toString().toStdString() != key_)
        return;
    const QJsonObject files = root.value("files").toObject();
    for (auto entry = files.begin(); entry != files.end(); ++entry) {
        const QJsonObject file = entry.value().toObject();
        const double size = file.value("size").toDouble(-1);
        const QString sha256 = file.value("sha256").toString();
        if (size >= 0 && size < 9e15 && IsSha256Hex(sha256))
            files_[entry.key().toStdString()] = {static_cast<std::int64_t>(size), sha256.toStdString()};
    }
}

std::optional<FileDigest> UploadRecord::Find(const std::string& name) const
{
    const auto found = files_.find(name);
    if (found == files_.end())
        return std::nullopt;
    return found->second;
}

bool UploadRecord::Remember(const std::string& name, const FileDigest& digest)
{
    if (!Kept())
        return true;
    files_[name] = digest;
    return Save();
}

bool UploadRecord::Forget(const std::string& name)
{
    if (!Kept() || files_.erase(name) == 0)
        return true;
    return Save();
}

bool UploadRecord::Save() const
{
    QJsonObject files;
    for (const auto& [name, digest] : files_)
        files.insert(QString::fromStdString(name),
                     QJsonObject{{"size", static_cast<double>(digest.size)},
                                 {"sha256", QString::fromStdString(digest.sha256)}});
    const QJsonObject root{{"key", QString::fromStdString(key_)}, {"files", files}};
    // Private from the first byte, and whole or not at all.
    const OwnerOnlyFiles privateFromTheStart;
    const QString path = QString::fromStdString(path_);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
    if (!file.commit())
        return false;
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace tarvin::publish
