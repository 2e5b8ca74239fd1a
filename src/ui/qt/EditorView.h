#pragma once
// The officer editor window: the post selector and the ability boxes that follow it.
// Enter stores (OK), Escape closes (Cancel).
#include <array>

#include "editors/Editor.h"
#include "ui/qt/ScreenView.h"

class QComboBox;
class QLineEdit;

namespace velkaro::qt {

class EditorView : public ScreenView {
  Q_OBJECT
 public:
  EditorView(Editor& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {520, 400}; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  static void show(QLineEdit* widget, const TextBox& box);
  using ScreenView::show;

  Editor& editor_;
  QLabel* name_;
  QComboBox* job_;
  std::array<QLabel*, Editor::kJobBoxes> kinds_{};
  std::array<QLineEdit*, Editor::kJobBoxes> boxes_{};
  std::array<QLabel*, 2> fixedKinds_{};
  std::array<QLineEdit*, 2> fixedBoxes_{};
  QLabel* hint_;
  QPushButton* ok_;
  QPushButton* reset_;
  QPushButton* cancel_;
};

}  // namespace velkaro::qt
