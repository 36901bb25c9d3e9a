// A platform that answers from a script instead of the user: message boxes and file dialogs take
// queued answers (and record what they were asked), settings live in memory, folders are given.
#pragma once

#include <QMap>
#include <QQueue>

#include "ui/Platform.h"

class TScriptedPlatform final : public IPlatform {
  public:
    struct TMessage {
        TMsgKind Kind;
        QString Text;
        int Buttons;
    };

    // Answers, taken in order; an empty queue answers Cancel (or OK when it is the only button)
    // and cancels file dialogs.
    QQueue<int> MessageAnswers;
    QQueue<QString> FileAnswers;

    QList<TMessage> Messages;
    QList<TFileDialogSpec> FileDialogs;
    QStringList OpenedUrls;
    bool BrowserStarts = true;  // what OpenUrl answers
    QStringList StartedPrograms;
    QMap<QString, QVariant> Settings;
    QString Documents;
    QString AppData;

    int MessageBox(QWidget*, TMsgKind kind, const QString& text, int buttons) override
    {
        Messages.append({kind, text, buttons});
        if (!MessageAnswers.isEmpty())
            return MessageAnswers.dequeue();
        return buttons == mbOK ? mbOK : mbCancel;
    }
    QString OpenFileDialog(QWidget*, const TFileDialogSpec& spec) override { return NextFile(spec); }
    QString SaveFileDialog(QWidget*, const TFileDialogSpec& spec) override { return NextFile(spec); }
    bool OpenUrl(const QString& url) override
    {
        OpenedUrls.append(url);
        return BrowserStarts;
    }
    bool StartProgram(const QString& path, const QStringList&) override
    {
        StartedPrograms.append(path);
        return true;
    }
    bool HasSetting(const QString& key) override { return Settings.contains(key); }
    QVariant ReadSetting(const QString& key) override { return Settings.value(key); }
    void WriteSetting(const QString& key, const QVariant& value) override { Settings[key] = value; }
    QString DocumentsDir() override { return Documents; }
    QString AppDataDir() override { return AppData; }

  private:
    QString NextFile(const TFileDialogSpec& spec)
    {
        FileDialogs.append(spec);
        return FileAnswers.isEmpty() ? QString() : FileAnswers.dequeue();
    }
};
