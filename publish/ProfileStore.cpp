#include "publish/ProfileStore.h"

#include "publish/OwnerOnlyFiles.h"
#include "publish/ProfilePassword.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <optional>

namespace tarvin::publish {

namespace {

const QString profilesGroup = QStringLiteral("Profiles");

// The stored spelling of a profile name: names ignore letter case, as the
// registry keys they once were did. An exact match wins over others.
std::optional<QString> StoredName(const QSettings& settings, const std::string& name)
{
    const QString wanted = QString::fromStdString(name);
    std::optional<QString> found;
    for (const QString& stored : settings.childGroups()) {
        if (stored == wanted)
            return stored;
        if (!found && stored.compare(wanted, Qt::CaseInsensitive) == 0)
            found = stored;
    }
    return found;
}

std::optional<QString> StoredName(const QString& file, const std::string& name)
{
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(profilesGroup);
    return StoredName(settings, name);
}

// Values carry one NUL after the text; readers take the text up to the first NUL.
void WriteProfileValue(QSettings& settings, const char* key, const std::string& text)
{
    settings.setValue(key, QString::fromStdString(text) + QChar(u'\0'));
}

std::string ReadProfileValue(const QSettings& settings, const char* key, const QString& byDefault)
{
    const QString value = settings.value(key, byDefault + QChar(u'\0')).toString();
    return value.left(value.indexOf(QChar(u'\0'))).toStdString();
}

int ReadTimeoutValue(const QSettings& settings)
{
    bool ok = false;
    const int seconds = QString::fromStdString(ReadProfileValue(settings, "Timeout", {})).toInt(&ok);
    return ok && seconds > 0 ? seconds : ServerProfile{}.Timeout;
}

} // namespace

ProfileStore::ProfileStore(QString settingsFile) : file_(std::move(settingsFile)) {}

QString ProfileStore::DefaultSettingsFile()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Ostrel Software", "Tarvin5").fileName();
}

std::string ProfileStore::NameProblem(const std::string& name)
{
    if (name.empty())
        return "A server profile needs a name.";
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c < 32 || c == 127)
            return "A server profile name may not contain \"/\", \"\\\" or control characters.";
    if (QString::fromStdString(name).toStdString() != name)
        return "A server profile name must be valid UTF-8 text.";
    return {};
}

std::vector<std::string> ProfileStore::ListProfiles() const
{
    QSettings settings(file_, QSettings::IniFormat);
    settings.beginGroup(profilesGroup);
    std::vector<std::string> names;
    for (const QString& name : settings.childGroups())
        names.push_back(name.toStdString());
    return names;
}

bool SameProfileName(const std::string& a, const std::string& b)
{
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

bool ProfileStore::Contains(const std::string& name) const
{
    return NameProblem(name).empty() && StoredName(file_, name).has_value();
}

ServerProfile ProfileStore::LoadProfile(const std::string& name) const
{
    ServerProfile profile;
    if (!NameProblem(name).empty())
        return profile;
    const std::optional<QString> stored = StoredName(file_, name);
    if (!stored)
        return profile;
    QSettings settings(file_, QSettings::IniFormat);
    settings.beginGroup(profilesGroup + "/" + *stored);
    profile.UserName = ReadProfileValue(settings, "Username", {});
    profile.PassWord = DecodeProfilePassword(ReadProfileValue(settings, "Password", {}));
    profile.HostName = ReadProfileValue(settings, "Host", {});
    profile.HostDirName = ReadProfileValue(settings, "InitialDir", {});
    profile.Port = ReadProfileValue(settings, "Port", QStringLiteral("21"));
    profile.Passive = ReadProfileValue(settings, "Passive", {}) == "1";
    profile.Timeout = ReadTimeoutValue(settings);
    const std::string security = ReadProfileValue(settings, "Security", QStringLiteral("Plain"));
    profile.Tls = security != "Plain";
    profile.CaFile = ReadProfileValue(settings, "CaFile", {});
    profile.TrustedFingerprint = ReadProfileValue(settings, "Fingerprint", {});
    return profile;
}

void ProfileStore::SaveProfile(const std::string& name, const std::string& oldName, const ServerProfile& profile)
{
    if (const std::string problem = NameProblem(name); !problem.empty())
        throw EProfileError(problem);
    // Keep the folder private before the first byte of a password lands in it.
    const QFileInfo info(file_);
    if (!info.dir().exists()) {
        QDir().mkpath(info.absolutePath());
        QFile::setPermissions(info.absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QSettings settings(file_, QSettings::IniFormat);
    settings.beginGroup(profilesGroup);
    if (!oldName.empty() && NameProblem(oldName).empty())
        if (const std::optional<QString> old = StoredName(settings, oldName))
            settings.remove(*old);
    // Saving under another spelling of a stored name writes that profile.
    settings.beginGroup(StoredName(settings, name).value_or(QString::fromStdString(name)));
    WriteProfileValue(settings, "Username", profile.UserName);
    WriteProfileValue(settings, "Password", EncodeProfilePassword(profile.PassWord));
    WriteProfileValue(settings, "Host", profile.HostName);
    WriteProfileValue(settings, "InitialDir", profile.HostDirName);
    WriteProfileValue(settings, "Port", profile.Port);
    WriteProfileValue(settings, "Passive", profile.Passive ? "1" : "0");
    WriteProfileValue(settings, "Timeout", std::to_string(profile.Timeout));
    WriteProfileValue(settings, "Security", profile.Tls ? "TLS" : "Plain");
    WriteProfileValue(settings, "CaFile", profile.CaFile);
    WriteProfileValue(settings, "Fingerprint", profile.TrustedFingerprint);
    settings.endGroup();
    settings.endGroup();
    Written(settings);
}

void ProfileStore::DeleteProfile(const std::string& name)
{
    if (!NameProblem(name).empty())
        return;
    QSettings settings(file_, QSettings::IniFormat);
    settings.beginGroup(profilesGroup);
    if (const std::optional<QString> stored = StoredName(settings, name))
        settings.remove(*stored);
    settings.endGroup();
    Written(settings);
}

void ProfileStore::SetTrustedFingerprint(const std::string& name, const std::string& fingerprint)
{
    if (!Contains(name))
        return;
    ServerProfile profile = LoadProfile(name);
    profile.TrustedFingerprint = fingerprint;
    SaveProfile(name, "", profile);
}

void ProfileStore::Written(QSettings& settings) const
{
    {
        const OwnerOnlyFiles privateFromTheStart;
        settings.sync();
    }
    if (settings.status() != QSettings::NoError)
        throw EProfileError("Unable to write the server profiles to " + file_.toStdString() + ".");
    QFile::setPermissions(file_, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace tarvin::publish
