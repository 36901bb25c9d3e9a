// A component wired to a loopback server, a temporary folder and an event log.
#pragma once

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "EventLog.h"
#include "TestHttpServer.h"
#include "TestZip.h"
#include "update/WebUpdate.h"

inline const QString kPagePath = QStringLiteral("/updates/pm/pm.html");

class WebUpdateTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        web.Environment.TempFolder = temp.path();
        web.Environment.AppDataFolder = temp.filePath("appdata");
        web.Environment.ProgramFolder = "/opt/pel\"mark/";
        web.Environment.ProgramFileName = "pelmark";
        web.IdleTimeoutMs = 10000;  // only reached when a test goes wrong
        web.SecureOnly = false;     // the loopback server speaks plain http
        web.ProductInfo.SetURL(server.Url(kPagePath));
        web.ProductInfo.Version = "3.0.1";
        log.Attach(web, temp.path());
    }

    static QString Meta(const QString& name, const QString& content)
    {
        return QStringLiteral("<META NAME=\"%1\" CONTENT=\"%2\">").arg(name, content);
    }

    // A page for `version` whose package `clientName` lies at /pkg/<clientName>.
    QByteArray Page(const QString& version, const QStringList& extra = {},
                    const QString& clientName = "setup.sh") const
    {
        QStringList lines{"<html><head><title>Pelmark updates</title>",
                          Meta("mxProduct", "Pelmark"),
                          Meta("mxVersion", version),
                          Meta("mxClientSideName", clientName),
                          Meta("mxDownload", server.Url("/pkg/" + clientName)),
                          Meta("mxRunParameters", "/S"),
                          Meta("mxVerDate", "20260131")};
        lines << extra << "</head><body>New version</body></html>";
        return lines.join("\r\n").toUtf8();
    }

    void ServePage(const QString& version, const QStringList& extra = {},
                   const QString& clientName = "setup.sh")
    {
        server.Serve(kPagePath, TTestHttpServer::Ok(Page(version, extra, clientName)));
    }

    QByteArray FileBytes(const QString& relative) const
    {
        QFile file(temp.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList Entries(const QString& relative = {}) const
    {
        return QDir(relative.isEmpty() ? temp.path() : temp.filePath(relative))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    // The events of a newer version up to the package download.
    static QStringList UpTo(const QString& localName)
    {
        return {"BeforeGetInfo",
                "AfterGetInfo",
                "UpdateAvailable(3.0.1,3.0.2,true)",
                "BeforeShowInfo(true,true)",
                "AfterShowInfo(true)",
                "GetClientFileName(" + localName + ")",
                "BeforeDownload(" + localName + ")"};
    }
    static QStringList Started(const QString& file)
    {
        return {"AfterDownload(" + file + ")", "Start(" + file + "|/S|shown)", "Terminate(0)"};
    }

    QTemporaryDir temp;
    TTestHttpServer server;
    TmxWebUpdate web;
    TEventLog log;
};

inline const QByteArray kPackage = "#!/bin/sh\necho installing\n";
