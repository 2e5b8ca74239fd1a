#pragma once
// The officer editor window: the post selector and the ability boxes that follow it.
// Enter stores (OK), Escape closes (Cancel).
#include <array>

#include "editors/OfficerEditor.h"
#include "qt/ScreenView.h"

class QComboBox;
class QLineEdit;

namespace velkaro::qt {

class OfficerEditorView : public ScreenView {
  Q_OBJECT
 public:
  OfficerEditorView(OfficerEditor& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {520, 400}; }
  QPushButton* escapeButton() const override { return cancel_; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  static void show(QLineEdit* widget, const TextBox& box);
  using ScreenView::show;

  OfficerEditor& editor_;
  QLabel* name_;
  QComboBox* job_;
  std::array<QLabel*, OfficerEditor::kJobBoxes> kinds_{};
  std::array<QLineEdit*, OfficerEditor::kJobBoxes> boxes_{};
  std::array<QLabel*, 2> fixedKinds_{};
  std::array<QLineEdit*, 2> fixedBoxes_{};
  QLabel* hint_;
  QPushButton* ok_;
  QPushButton* reset_;
  QPushButton* cancel_;
};

}  // namespace velkaro::qt
