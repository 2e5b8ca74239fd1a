#pragma once
// The comment editor window: the officer's name and the comment text. Ctrl+Enter stores
// (決定), Escape closes (戻る).
#include <array>

#include "editors/CommentEditor.h"
#include "qt/ScreenView.h"

class QPlainTextEdit;

namespace velkaro::qt {

class CommentEditorView : public ScreenView {
  Q_OBJECT
 public:
  CommentEditorView(CommentEditor& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {620, 460}; }
  QPushButton* escapeButton() const override { return buttons_[0]; }

 private:
  CommentEditor& editor_;
  QLabel* name_;
  QPlainTextEdit* text_;
  std::array<QPushButton*, 2> buttons_{};
};

}  // namespace velkaro::qt
