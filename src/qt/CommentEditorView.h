#pragma once
// The comment editor window: the officer's name and the comment text. Ctrl+Enter stores
// (決定), Escape closes (戻る), asking first when the text was changed.
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
  bool mayLeave() override;

  static constexpr const char* kDiscardQuestion = "入力した内容を破棄しますか？";

 private:
  CommentEditor& editor_;
  QLabel* name_;
  QPlainTextEdit* text_;
  std::array<QPushButton*, 2> buttons_{};
  // The comment as the editor opened with it; only a change of it is worth a question.
  QString opened_;
  bool filled_ = false;
};

}  // namespace velkaro::qt
