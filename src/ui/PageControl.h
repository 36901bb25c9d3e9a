// A page control whose tabs the window draws itself: the text 4 pixels below the tab's top, the
// active tab's text blue from 8 pixels in, the others grey (128, 128, 128) from 4 pixels in.
#pragma once

#include <QTabBar>
#include <QTabWidget>

class TOwnerDrawTabBar : public QTabBar {
    Q_OBJECT
  public:
    using QTabBar::QTabBar;

    // Where a tab's text starts, relative to the tab's rectangle, and its colour.
    static QPoint TextOffset(bool active) { return {active ? 8 : 4, 4}; }
    static QColor TextColour(bool active) { return active ? QColor(0, 0, 255) : QColor(128, 128, 128); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    QSize tabSizeHint(int index) const override;
};

class TPageControl : public QTabWidget {
    Q_OBJECT
  public:
    TPageControl(const QString& name, QWidget* parent);
    // Adds a page with a vertical layout and returns it.
    QWidget* AddPage(const QString& caption);
};
