#include "TestCertificates.h"

#include <QProcess>

namespace tarvin::publish::test {

namespace {

constexpr const char* MakerScript = R"(
import datetime, sys
from cryptography import x509
from cryptography.x509.oid import NameOID
from cryptography.hazmat.primitives import hashes, serialization
from cryptography.hazmat.primitives.asymmetric import ec
from ipaddress import ip_address
folder = sys.argv[1]
now = datetime.datetime.utcnow()
day = datetime.timedelta(days=1)
def name(text):
    return x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, text)])
def pem(key):
    return key.private_bytes(serialization.Encoding.PEM, serialization.PrivateFormat.PKCS8, serialization.NoEncryption())
ca_key = ec.generate_private_key(ec.SECP256R1())
ca = (x509.CertificateBuilder().subject_name(name("Tarvin Test Authority")).issuer_name(name("Tarvin Test Authority"))
      .public_key(ca_key.public_key()).serial_number(x509.random_serial_number())
      .not_valid_before(now - day).not_valid_after(now + 30 * day)
      .add_extension(x509.BasicConstraints(ca=True, path_length=None), critical=True)
      .add_extension(x509.KeyUsage(False, False, False, False, False, True, True, False, False), critical=True)
      .sign(ca_key, hashes.SHA256()))
open(folder + "/ca.pem", "wb").write(ca.public_bytes(serialization.Encoding.PEM))
kinds = {"good": ([x509.IPAddress(ip_address("127.0.0.1"))], now - day, now + 30 * day, False),
         "expired": ([x509.IPAddress(ip_address("127.0.0.1"))], now - 30 * day, now - day, False),
         "othername": ([x509.DNSName("example.org")], now - day, now + 30 * day, False),
         "selfsigned": ([x509.IPAddress(ip_address("127.0.0.1"))], now - day, now + 30 * day, True)}
for kind, (names, start, end, own) in kinds.items():
    key = ec.generate_private_key(ec.SECP256R1())
    issuer = name("127.0.0.1") if own else ca.subject
    cert = (x509.CertificateBuilder().subject_name(name("127.0.0.1")).issuer_name(issuer)
            .public_key(key.public_key()).serial_number(x509.random_serial_number())
            .not_valid_before(start).not_valid_after(end)
            .add_extension(x509.SubjectAlternativeName(names), critical=False)
            .add_extension(x509.ExtendedKeyUsage([x509.oid.ExtendedKeyUsageOID.SERVER_AUTH]), critical=False)
            .sign(key if own else ca_key, hashes.SHA256()))
    open(folder + "/" + kind + ".pem", "wb").write(cert.public_bytes(serialization.Encoding.PEM) + pem(key))
    print(kind, cert.fingerprint(hashes.SHA256()).hex())
)";

const std::map<CertKind, std::string> KindNames{{CertKind::Good, "good"}, {CertKind::Expired, "expired"},
                                                {CertKind::OtherName, "othername"}, {CertKind::SelfSigned, "selfsigned"}};

std::string WithColons(const std::string& hex)
{
    std::string text;
    for (std::size_t i = 0; i < hex.size(); i += 2)
        text += (i > 0 ? ":" : "") + QString::fromStdString(hex.substr(i, 2)).toUpper().toStdString();
    return text;
}

} // namespace

TestCertificates::TestCertificates()
{
    QProcess maker;
    maker.start("/usr/bin/python3", {"-c", MakerScript, folder_.path()});
    if (!maker.waitForFinished(30000) || maker.exitCode() != 0)
        return;
    for (const QString& line : QString::fromUtf8(maker.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(' ');
        for (const auto& [kind, text] : KindNames)
            if (parts.value(0).toStdString() == text)
                fingerprints_[kind] = WithColons(parts.value(1).toStdString());
    }
    made_ = fingerprints_.size() == KindNames.size();
}

std::string TestCertificates::ServerFile(CertKind kind) const
{
    return folder_.path().toStdString() + "/" + KindNames.at(kind) + ".pem";
}

const TestCertificates& SharedCertificates()
{
    static const TestCertificates certificates;
    return certificates;
}

} // namespace tarvin::publish::test
