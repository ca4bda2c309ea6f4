#include "splitter_bar.h"

#include <QMouseEvent>
#include <cmath>

namespace mikawase {

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("splitter"));
  // Not in the Tab order: the boxes and the button are.
  setFocusPolicy(Qt::NoFocus);
}

void SplitterBar::SetMovable(bool movable) {
  if (movable) {
    setCursor(Qt::SizeVerCursor);
  } else {
    unsetCursor();
  }
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragging_ = true;
  press_y_ = event->globalPosition().y();
  if (pressed) pressed();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return QWidget::mouseMoveEvent(event);
  if (dragged) dragged(static_cast<int>(std::lround(event->globalPosition().y() - press_y_)));
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  dragging_ = false;
}

}  // namespace mikawase
