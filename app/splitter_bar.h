// The bar in the gap between the top row (Text1 and the button) and Text2,
// which the user drags to give one box more of the window's height. It
// only reports how far the mouse has moved since the press; the window
// model decides what that does to the boxes (model::SplitAfterDrag), so
// that the Qt and the Win32 window share out the height alike.
#ifndef MIKAWASE_APP_SPLITTER_BAR_H_
#define MIKAWASE_APP_SPLITTER_BAR_H_

#include <QWidget>
#include <functional>

namespace mikawase {

class SplitterBar : public QWidget {
 public:
  explicit SplitterBar(QWidget* parent);

  // At the press of the left button, then with the pixels the mouse has
  // moved down since (negative: up) at every move while it is held.
  std::function<void()> pressed;
  std::function<void(int moved)> dragged;

  // Whether there is any height to share: the cursor offers a drag only
  // then, so that at the opening size the bar is just the gap it was.
  void SetMovable(bool movable);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool dragging_ = false;
  // On the screen, not in the bar, which moves under the mouse as it goes.
  double press_y_ = 0;
};

}  // namespace mikawase

#endif  // MIKAWASE_APP_SPLITTER_BAR_H_
