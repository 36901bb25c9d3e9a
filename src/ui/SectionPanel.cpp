#include "ui/SectionPanel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace {
const QColor kHeaderColour(6, 69, 138);

bool ByTop(const TSectionPanel* a, const TSectionPanel* b)
{
    return a->y() < b->y();
}
}  // namespace

TScrollBox::TScrollBox(const QString& name, QWidget* parent) : QScrollArea(parent), Content_(new QWidget)
{
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(false);
    setWidget(Content_);
    verticalScrollBar()->setSingleStep(20);
}

void TScrollBox::AddSection(TSectionPanel* section)
{
    Sections_.append(section);
    int top = 0;
    for (TSectionPanel* s : VisibleSections())
        if (s != section)
            top = std::max(top, s->y() + s->height());
    section->move(0, top);
    Realign();
}

QList<TSectionPanel*> TScrollBox::VisibleSections() const
{
    QList<TSectionPanel*> visible;
    for (TSectionPanel* s : Sections_)
        if (!s->isHidden())
            visible.append(s);
    std::stable_sort(visible.begin(), visible.end(), ByTop);
    return visible;
}

void TScrollBox::Realign()
{
    const int width = viewport()->width();
    int top = 0;
    for (TSectionPanel* s : VisibleSections()) {
        s->setGeometry(0, top, width, s->height());
        top += s->height();
    }
    Content_->resize(width, std::max(top, 1));
}

void TScrollBox::ScrollOneIncrement(bool up)
{
    QScrollBar* bar = verticalScrollBar();
    const int step = bar->singleStep();
    if (up)
        bar->setValue(std::max(0, bar->value() - step));
    else
        bar->setValue(std::min(bar->maximum(), bar->value() + step));
}

void TScrollBox::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    Realign();
}

TSectionPanel::TSectionPanel(const QString& name, const QString& title, TScrollBox* box)
    : QFrame(box->Content()), Box_(box), Header_(new QWidget(this)), Title_(new QLabel(title, Header_)),
      Icon_(new QLabel(Header_))
{
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    Header_->setObjectName(name + "Header");
    Header_->setAutoFillBackground(true);
    QPalette p = Header_->palette();
    p.setColor(QPalette::Window, kHeaderColour);
    p.setColor(QPalette::WindowText, Qt::white);
    Header_->setPalette(p);
    Header_->setGeometry(0, 0, 280, kHeaderHeight);
    Header_->setCursor(Qt::PointingHandCursor);
    QFont bold = Title_->font();
    bold.setBold(true);
    Title_->setFont(bold);
    Title_->setGeometry(6, 0, 240, kHeaderHeight);
    Icon_->setGeometry(250, 2, 16, 16);
    Icon_->hide();
    for (QObject* o :
         {static_cast<QObject*>(Header_), static_cast<QObject*>(Title_), static_cast<QObject*>(Icon_)})
        o->installEventFilter(this);
    resize(280, kHeaderHeight + 8);
    box->AddSection(this);
}

QString TSectionPanel::Caption() const
{
    return Title_->text();
}

int TSectionPanel::LastControlBottom() const
{
    int bottom = 0;
    for (QObject* o : children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isHidden())
            bottom = std::max(bottom, w->y() + w->height());
    }
    return bottom;
}

void TSectionPanel::Expand(bool open)
{
    if (open) {
        CollapseAllExcept();
        Animate(LastControlBottom() + 8);
        Closed_ = false;
        Box_->ensureWidgetVisible(this, 0, 0);
    } else {
        Animate(Header_->y() + Header_->height() + 8);
        Closed_ = true;
    }
}

void TSectionPanel::CollapseAllExcept()
{
    for (TSectionPanel* s : Box_->Sections())
        if (s != this && s->IsOpen())
            s->Expand(false);
    Box_->ensureWidgetVisible(this, 0, 0);
}

void TSectionPanel::Animate(int target)
{
    // The height moves in fifths of the larger of the two heights, then lands on the target.
    int current = height();
    const int step = std::max(current, target) / 5;
    if (step > 0) {
        if (current > target) {
            while (current > target + step) {
                current -= step;
                resize(width(), current);
            }
        } else {
            while (current + step < target) {
                current += step;
                resize(width(), current);
            }
        }
    }
    resize(width(), target);
    Box_->Realign();
}

bool TSectionPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit HeaderClicked(this);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void TSectionPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Header_->resize(width(), kHeaderHeight);
    Icon_->move(width() - 22, 2);
}

void StackPanels(TScrollBox* box, const QList<TSectionPanel*>& recorded)
{
    const QList<TSectionPanel*> current = box->VisibleSections();
    QList<TSectionPanel*> expected;
    for (TSectionPanel* s : recorded)
        if (!s->isHidden())
            expected.append(s);
    if (current != expected) {
        int top = 0;
        for (TSectionPanel* s : recorded) {
            s->move(0, top);
            top = s->y() + s->height() + 10;
        }
    }
    box->Realign();
}

TScrollBox* FindScrollBox(QWidget* control)
{
    for (QWidget* w = control; w; w = w->parentWidget())
        if (auto* box = qobject_cast<TScrollBox*>(w))
            return box;
    return nullptr;
}
