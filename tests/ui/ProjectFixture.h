// A main window whose documents folder is a fresh temporary folder, with helpers for project files.
#pragma once

#include <QAction>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "WindowFixture.h"

class TProjectTest : public TWindowTest {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir_.isValid());
        Platform_.Documents = Dir_.path();
        TWindowTest::SetUp();
    }

    QString Path(const QString& name) const { return Dir_.filePath(name); }

    // Runs a command as the menu, toolbar or shortcut does.
    void Run(const char* action) { W().findChild<QAction*>(action)->trigger(); }

    // Writes a project of the new-project state with a given footing width, outside the window.
    QString WriteProject(const QString& name, Real width)
    {
        TPMData project;
        project.LoadDefaults();
        project.B = width;
        project.SaveProject(Path(name).toStdString());
        return Path(name);
    }
    QString WriteBytes(const QString& name, const QByteArray& bytes)
    {
        QFile file(Path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return Path(name);
    }
    QString WriteJpeg(const QString& name, int width, int height)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(Path(name), "JPG");
        return Path(name);
    }
    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList DialogTitles() const
    {
        QStringList titles;
        for (const TFileDialogSpec& spec : Platform_.FileDialogs)
            titles << spec.Title;
        return titles;
    }
    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const auto& message : Platform_.Messages)
            texts << message.Text;
        return texts;
    }

    QTemporaryDir Dir_;
};
