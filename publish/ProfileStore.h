#pragma once
// Named FTP server profiles in the per-user settings, one group per profile
// below "Profiles", with the password kept scrambled. Names ignore letter
// case: "Local" is found, replaced and removed as "local" too.

#include <QString>

class QSettings;

#include <stdexcept>
#include <string>
#include <vector>

namespace tarvin::publish {

struct ServerProfile {
    std::string UserName;
    std::string PassWord;     // in clear here; stored encoded
    std::string HostName;
    std::string HostDirName;  // stored as "InitialDir"
    std::string Port = "21";
    bool Passive = false;     // stored as "Passive"; absent means active, as before the value existed
    int Timeout = 60;         // stored as "Timeout": seconds without reply or progress before giving up
    bool Tls = false;         // stored as "Security": "TLS" or "Plain"; absent means plain, as before the value existed
    std::string CaFile{};     // stored as "CaFile": certificates to trust besides the system's roots
    std::string TrustedFingerprint{};  // stored as "Fingerprint": SHA-256 of a certificate the user trusts

    static constexpr int MaxTimeout = 24 * 3600;  // what the window and tarvin-cli accept
};

class EProfileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The store's rule for two names that name the same profile.
bool SameProfileName(const std::string& a, const std::string& b);

class ProfileStore {
public:
    // The settings file to use; tests pass a temporary one.
    explicit ProfileStore(QString settingsFile);
    // The per-user file of organisation "Ostrel Software", application "Tarvin5".
    static QString DefaultSettingsFile();

    // The names as stored, in the spelling they were first saved with.
    std::vector<std::string> ListProfiles() const;
    bool Contains(const std::string& name) const;
    // Missing values read as empty, a missing port as "21", a missing or
    // unusable "Passive" as active and "Timeout" as 60 seconds, a missing
    // "Security" as plain FTP (any value but "Plain" as TLS: never less safe
    // than asked).
    ServerProfile LoadProfile(const std::string& name) const;
    // Removes the profile oldName first when it is not empty; a name stored
    // in another letter case is written in place. Throws EProfileError for a
    // name the store cannot keep or a failed write.
    void SaveProfile(const std::string& name, const std::string& oldName, const ServerProfile& profile);
    void DeleteProfile(const std::string& name);
    // Keeps the fingerprint of a certificate the user trusts with the profile.
    void SetTrustedFingerprint(const std::string& name, const std::string& fingerprint);

    // Empty when the name can be stored, otherwise the reason it cannot.
    static std::string NameProblem(const std::string& name);

private:
    void Written(QSettings& settings) const;

    QString file_;
};

} // namespace tarvin::publish
