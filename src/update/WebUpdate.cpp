#include "update/WebUpdate.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include "update/ProgramFiles.h"
#include "update/UpdateAddress.h"
#include "update/VersionCompare.h"
#include "update/ZipUnpacker.h"

namespace {

// High byte major, low byte minor.
constexpr int kComponentVersion = 0x0101;

// The package is written where its owner says; a page names only a file, never a folder.
QString FileNamePart(const QString& name)
{
    const qsizetype cut = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    return name.mid(cut + 1);
}

bool IsUsableFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..");
}

QString Quoted(QString text)
{
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool FileMatchesSha256(const QString& path, const QString& expectedHex)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return false;
    return QString::fromLatin1(hash.result().toHex()).compare(expectedHex.trimmed(), Qt::CaseInsensitive) ==
           0;
}

bool IsSecureAddress(const QString& address)
{
    return address.trimmed().startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

}  // namespace

TmxWebUpdate::TmxWebUpdate(QObject* parent) : QObject(parent), Environment(DefaultUpdateEnvironment())
{
    UseSystemProxy(m_network);
}

TmxWebUpdate::~TmxWebUpdate()
{
    Abort();
}

QString TmxWebUpdate::Version() const
{
    return QString::asprintf("%d.%d", kComponentVersion >> 8, kComponentVersion & 0xFF);
}

void TmxWebUpdate::Abort()
{
    m_transfer.Abort();
}

void TmxWebUpdate::RaiseError(const QString& why)
{
    m_lastError = why;
    Raise(OnDownloadError);
}

bool TmxWebUpdate::CheckForUpdate()
{
    if (m_busy)
        return false;
    m_busy = true;
    const auto idle = qScopeGuard([this] { m_busy = false; });
    m_page = {};
    m_localFile.clear();
    m_localUtil.clear();
    m_unpackFolder.clear();
    m_startFile.clear();
    m_lastError.clear();
    m_secureChain = IsSecureAddress(ProductInfo.URL());

    Raise(OnBeforeGetInfo);
    const bool pageRead = ReadInfo();
    Raise(OnAfterGetInfo);
    if (!pageRead)
        return true;  // aborted: the owner asked for nothing more
    if (m_page.ProductName.isEmpty() || m_page.Version.isEmpty()) {
        RaiseError(m_lastError.isEmpty() ? QStringLiteral("The update page names no product or no version")
                                         : m_lastError);
        return true;
    }
    const QString installed = ProductInfo.Version;
    const QString offered = m_page.Version;
    if (!IsNewerVersion(installed, offered, ProductInfo.VersionFormat)) {
        Raise(OnNoUpdateFound);
        return true;
    }
    bool canUpdate = true;
    Raise(OnUpdateAvailable, installed, offered, canUpdate);
    if (!canUpdate)
        return true;
    bool showInfo = true;
    bool checkAgain = true;
    Raise(OnBeforeShowInfo, showInfo, checkAgain);
    if (showInfo)
        Raise(OnAfterShowInfo, true);
    if (!Download())
        return true;
    if (Options.testFlag(TmxUpdateOption::uoRunUpdate)) {
        Start();
        if (Options.testFlag(TmxUpdateOption::uoTerminate) && Environment.Terminate)
            Environment.Terminate(0);
    }
    return true;
}

// A page goes to memory without a required length; a file needs its length.
TTransferResult TmxWebUpdate::Transfer(const QString& address, const QString& filePath, qint64 maxBytes)
{
    if (!IsSecureAddress(address) && (SecureOnly || m_secureChain)) {
        RaiseError(QStringLiteral("\"%1\" is not an https address").arg(address));
        return TTransferResult::Failed;
    }
    TTransferRequest request{address, UserName, Password, filePath, !filePath.isEmpty(), maxBytes};
    request.IdleTimeoutMs = IdleTimeoutMs;
    const TTransferResult result = m_transfer.Run(
        request, [this](qint64 total, qint64 downloaded) { Raise(OnDownload, total, downloaded); });
    if (result != TTransferResult::Ok)
        m_lastError = m_transfer.ErrorText();
    // A local fault is a failed download too: the owner must not wait for a transfer that ended.
    if (result == TTransferResult::Failed || result == TTransferResult::Faulted)
        Raise(OnDownloadError);
    return result;
}

bool TmxWebUpdate::PackageLimit(qint64& maxBytes)
{
    maxBytes = kMaxPackageBytes;
    const QString announced = m_page.Size.trimmed();
    if (announced.isEmpty())
        return true;
    bool ok = false;
    maxBytes = announced.toLongLong(&ok);
    if (!ok || maxBytes <= 0) {
        RaiseError(QStringLiteral("The update page announces an unreadable size \"%1\"").arg(m_page.Size));
        return false;
    }
    return true;
}

bool TmxWebUpdate::ReadInfo()
{
    QString address = ProductInfo.URL();
    for (int followed = 0;; ++followed) {
        m_page = {};
        const TTransferResult result = Transfer(address, {}, kMaxPageBytes);
        if (result == TTransferResult::Aborted)
            return false;
        if (result != TTransferResult::Ok)
            return true;
        ParseUpdatePage(SplitPageLines(QString::fromUtf8(m_transfer.Body())), TagInfo, m_page);
        if (m_page.Redirection.isEmpty())
            return true;
        if (followed == kMaxRedirections) {
            m_page = {};
            m_lastError =
                QStringLiteral("The update page redirects more than %1 times").arg(kMaxRedirections);
            return true;
        }
        address = m_page.Redirection;
    }
}

bool TmxWebUpdate::Download()
{
    QString path = QDir(Environment.TempFolder).filePath(FileNamePart(m_page.ClientFileName));
    Raise(OnGetClientFileName, path);
    if (path.isEmpty() || QFileInfo(path).isDir()) {
        RaiseError(QStringLiteral("No file name for the package"));
        return false;
    }
    if (QFileInfo::exists(path)) {
        bool overwrite = Options.testFlag(TmxUpdateOption::uoOverwrite);
        Raise(OnClientFileExists, path, overwrite);
        if (!overwrite) {
            RaiseError(QStringLiteral("%1 exists and is kept").arg(path));
            return false;
        }
    }
    qint64 maxBytes = 0;
    if (!PackageLimit(maxBytes))
        return false;
    m_localFile = path;
    Raise(OnBeforeDownload, path);

    TTransferResult result = TTransferResult::Failed;
    if (!Inplace) {
        result = Transfer(m_page.Download, path, maxBytes);
    } else {
        const QString utilName = LastAddressSegment(m_page.InplaceUtil);
        if (!IsUsableFileName(utilName)) {
            RaiseError(
                QStringLiteral("No file name in the utility's address \"%1\"").arg(m_page.InplaceUtil));
            return false;
        }
        m_localUtil = QFileInfo(path).dir().filePath(utilName);
        // A package without its utility cannot be installed, and an aborted utility stays aborted.
        result = Transfer(m_page.InplaceUtil, m_localUtil, kMaxPackageBytes);
        if (result == TTransferResult::Ok)
            result = Transfer(m_page.DownloadInplace, path, maxBytes);
    }
    if (result != TTransferResult::Ok)
        return false;
    if (!m_page.SHA256.isEmpty() && !FileMatchesSha256(path, m_page.SHA256)) {
        QFile::remove(path);
        RaiseError(QStringLiteral("%1 does not match the SHA-256 the update page gives").arg(path));
        return false;
    }
    if (!Unpack(path))
        return false;
    Raise(OnAfterDownload, m_startFile);
    return true;
}

bool TmxWebUpdate::Unpack(const QString& packagePath)
{
    const QFileInfo package(packagePath);
    m_startFile = packagePath;
    m_unpackFolder.clear();
    if (package.suffix().toLower() != QLatin1String("zip"))
        return true;
    QDir folder(package.dir().filePath(QStringLiteral("KorvaneUpdate")));
    m_unpackFolder = folder.path() + QLatin1Char('/');
    folder.removeRecursively();  // an older unpacked update goes, silently
    if (!QDir().mkpath(folder.path())) {
        RaiseError(QStringLiteral("Cannot create %1").arg(folder.path()));
        return false;
    }
    const TUnpackResult unpacked = UnpackZip(packagePath, folder.path());
    if (!unpacked.Ok) {
        RaiseError(unpacked.ErrorText);
        return false;
    }
    m_startFile = FindFirstProgramFile(folder.path());
    return true;
}

void TmxWebUpdate::Start()
{
    bool started = false;
    if (!Inplace) {
        started = !m_startFile.isEmpty() && Environment.StartProgram &&
                  Environment.StartProgram(m_startFile, m_page.RunParameters, false);
    } else {
        const QString parameters = Quoted(QDir::toNativeSeparators(m_unpackFolder)) + QLatin1Char(' ') +
                                   Quoted(Environment.ProgramFolder) + QLatin1Char(' ') +
                                   Quoted(Environment.ProgramFileName);
        started = Environment.StartProgram && Environment.StartProgram(m_localUtil, parameters, true);
    }
    if (!started)
        Raise(OnCannotExecute);
}
