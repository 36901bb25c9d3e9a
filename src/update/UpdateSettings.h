// Settings of the update component: the product, the META names to look for, captions, options.
#pragma once

#include <QFlags>
#include <QString>

enum class TmxUpdateOption {
    uoRunUpdate = 0x1,  // start the downloaded package
    uoTerminate = 0x2,  // end the program after starting it
    uoOverwrite = 0x4,  // overwrite an existing local file without asking
};
Q_DECLARE_FLAGS(TmxUpdateOptions, TmxUpdateOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TmxUpdateOptions)

enum class TmxVersionFormat { vfStandard, vfString, vfNumber };

// The address of the update page and the installed version to compare with.
class TmxProductInfo {
  public:
    QString URL() const { return m_url; }
    // An address that starts with neither "http://" nor "https://" (any case) gets "http://" in front.
    void SetURL(const QString& url);

    QString Version = QStringLiteral("1.0");
    TmxVersionFormat VersionFormat = TmxVersionFormat::vfStandard;

  private:
    QString m_url = QStringLiteral("http://");
};

// The META names the update page is searched for.
struct TmxTagInfo {
    QString ProductName = QStringLiteral("mxProduct");
    QString Version = QStringLiteral("mxVersion");
    QString ClientFileName = QStringLiteral("mxClientSideName");
    QString Download = QStringLiteral("mxDownload");
    QString Redirection = QStringLiteral("mxRedirection");
    QString RunParameters = QStringLiteral("mxRunParameters");
    QString VerDate = QStringLiteral("mxVerDate");
    QString Author = QStringLiteral("mxAuthor");
    QString Email = QStringLiteral("mxEmail");
    QString DownloadInplace = QStringLiteral("mxDownloadInplace");
    QString InplaceUtil = QStringLiteral("mxInplaceUtil");
    // SHA-256 of the package in hexadecimal; when the page gives one, a download must match it.
    QString SHA256 = QStringLiteral("mxSHA256");
    // Size of the package in bytes; a larger package is refused.
    QString Size = QStringLiteral("mxSize");
};

// Captions for an information dialog, kept for the component's owner.
struct TmxInfoCaption {
    QString OkButton = QStringLiteral("&OK");
    QString CancelButton = QStringLiteral("&Cancel");
    QString CheckForUpdate = QStringLiteral("C&heck for updates in the future");
};
