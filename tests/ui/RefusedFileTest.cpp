// A file that cannot be read as a project, opened over a modified project by Open, from the recent
// projects list or by a drop, is reported and changes nothing: not the record, not the file name,
// not the modified mark, not a single control.
#include <QAbstractButton>
#include <QBuffer>
#include <QDateEdit>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "ProjectFixture.h"
#include "core/Units.h"

namespace {

const QString kPrompt = "File is not saved. Do you want to save it now?";

// Everything a user can see or change of the window's controls, one line each.
std::string ControlStates(QWidget& window)
{
    QStringList states;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty())
            continue;
        QString state = control->objectName() + (control->isVisibleTo(&window) ? " shown" : " hidden") +
                        (control->isEnabled() ? " enabled" : " disabled");
        if (auto* date = qobject_cast<QDateEdit*>(control))
            state += " " + date->date().toString(Qt::ISODate);
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            state += " " + edit->text();
        else if (auto* list = qobject_cast<QComboBox*>(control))
            state +=
                QString(" %1 of %2 %3").arg(list->currentIndex()).arg(list->count()).arg(list->currentText());
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            state += button->isChecked() ? " checked" : " unchecked";
        states << state;
    }
    return states.join('\n').toStdString();  // compared line by line, a difference names its control
}

enum class TPath { Open, Recent, Drop };
struct TRefusedCase {
    const char* Name;
    TPath Path;
    bool Png;  // a picture; otherwise a project cut short
};
const TRefusedCase kRefusedCases[] = {
    {"TruncatedByOpen", TPath::Open, false},       {"PngByOpen", TPath::Open, true},
    {"TruncatedFromRecent", TPath::Recent, false}, {"PngFromRecent", TPath::Recent, true},
    {"TruncatedByDrop", TPath::Drop, false},       {"PngByDrop", TPath::Drop, true},
};

class TRefusedFileTest : public TProjectTest, public ::testing::WithParamInterface<TRefusedCase> {
  protected:
    // An SI project with both reinforcement switches on and one pedestal, opened and then modified.
    void OpenModifiedProject()
    {
        TPMData project;
        project.LoadDefaults();
        project.SetUnitSystem(usSI);
        project.Square.UseSquareReinforcement = 1;
        project.Continuous.UseContinuousReinforcement = 1;
        project.Stability.PedestalCount = 1;
        project.Stability.Pedestals[0].PzD = 40;
        project.Stability.Pedestals[0].Lpx = 0.5L;
        project.SaveProject(Path("named.kpm").toStdString());
        W().OpenProject(Path("named.kpm"));
        ASSERT_EQ(D().Stability.PedestalCount, 1);
        Type("Edit1", "2.75");
        ASSERT_TRUE(W().Modified());
        QCoreApplication::processEvents();  // the window's own pending layout settles first
    }
    QString WriteRefusedFile(bool png)
    {
        if (!png) {
            const QByteArray whole = Contents(Path("named.kpm"));
            return WriteBytes("truncated.kpm", whole.left(whole.size() / 2));
        }
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(Path("picture.png"), "PNG");
        return Path("picture.png");
    }
    void Drop(const QString& path)
    {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&W(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&W(), &drop);
        QCoreApplication::processEvents();  // the drop opens once it has finished
    }
};

TEST_P(TRefusedFileTest, OpenProjectStaysExactlyAsItWas)
{
    const TRefusedCase& c = GetParam();
    OpenModifiedProject();
    const QString refused = WriteRefusedFile(c.Png);
    const std::vector<std::uint8_t> record = D().SaveProjectToBytes();
    const std::string controls = ControlStates(W());
    const QString title = W().windowTitle();

    Platform_.MessageAnswers.enqueue(mbNo);  // the changes are not saved first
    switch (c.Path) {
    case TPath::Open:
        Platform_.FileAnswers.enqueue(refused);
        Run("FileOpen");
        break;
    case TPath::Recent:
        W().Guarded([&] { W().OpenRecentProject(refused); });
        break;
    case TPath::Drop:
        Drop(refused);
        break;
    }

    ASSERT_EQ(MessageTexts(), (QStringList{kPrompt, "Wrong file format"}));
    EXPECT_EQ(Platform_.Messages.last().Kind, TMsgKind::Error);
    EXPECT_EQ(D().SaveProjectToBytes(), record);
    EXPECT_EQ(D().Stability.PedestalCount, 1);
    EXPECT_EQ(ActiveUnitSystem(), usSI);  // the limits of the project's units stay active
    EXPECT_EQ(W().FileName(), Path("named.kpm"));
    EXPECT_EQ(W().windowTitle(), title);
    EXPECT_TRUE(W().Modified());
    EXPECT_TRUE(W().isWindowModified());
    EXPECT_EQ(ControlStates(W()), controls);
    EXPECT_FALSE(W().RecentMenu()->actions().isEmpty() &&
                 W().RecentMenu()->actions().first()->data().toString() == refused);

    // Save still writes under the project's own name, without asking for one.
    Run("FileSave");
    EXPECT_TRUE(Platform_.FileDialogs.size() == (c.Path == TPath::Open ? 1 : 0));
    EXPECT_FALSE(W().Modified());
}

INSTANTIATE_TEST_SUITE_P(Paths, TRefusedFileTest, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
