// Collapsible sections of a column: a panel whose first child is a dark blue header strip with the
// section's title and an icon. Clicking the strip opens or closes the section; opening one closes
// the others of its scroll box. Children are placed at fixed positions inside the panel.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QList>
#include <QScrollArea>

class TSectionPanel;

// The scroll box of a column: its sections stand one under the other, without gaps, in the order
// of their top coordinates.
class TScrollBox : public QScrollArea {
    Q_OBJECT
  public:
    TScrollBox(const QString& name, QWidget* parent);

    QWidget* Content() const { return Content_; }
    void AddSection(TSectionPanel* section);
    QList<TSectionPanel*> Sections() const { return Sections_; }
    // The visible sections sorted by their top coordinate.
    QList<TSectionPanel*> VisibleSections() const;
    // Aligns the visible sections to the top, closing the gaps.
    void Realign();
    // One scroll-bar increment up (positive delta) or down.
    void ScrollOneIncrement(bool up);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* Content_;
    QList<TSectionPanel*> Sections_;
};

class TSectionPanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kHeaderHeight = 20;

    TSectionPanel(const QString& name, const QString& title, TScrollBox* box);

    QWidget* Header() const { return Header_; }
    QLabel* HeaderIcon() const { return Icon_; }
    // The title text of the header strip's first control.
    QString Caption() const;
    bool IsOpen() const { return !Closed_; }
    // The panel's record of its state: 1 closed, 0 open.
    int Tag() const { return Closed_ ? 1 : 0; }

    // The largest bottom edge of the visible child controls.
    int LastControlBottom() const;

    void Expand(bool open);
    void CollapseAllExcept();
    void Animate(int targetHeight);
    void Toggle() { Expand(Closed_); }

    TScrollBox* ScrollBox() const { return Box_; }

  signals:
    void HeaderClicked(TSectionPanel* section);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    TScrollBox* Box_;
    QWidget* Header_;
    QLabel* Title_;
    QLabel* Icon_;
    bool Closed_ = false;
};

// Restacks the sections after their visibility changed, keeping the recorded design order: when
// the visible sections, sorted by top, are not the recorded ones that are visible now, in recorded
// order, every recorded section gets a top 10 pixels below the one before it, then the box aligns.
void StackPanels(TScrollBox* box, const QList<TSectionPanel*>& recorded);

// The scroll box a control lives in, or nullptr.
TScrollBox* FindScrollBox(QWidget* control);
