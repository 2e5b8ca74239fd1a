#include "qt/CommentEditorView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "qt/QtUi.h"

namespace velkaro::qt {

CommentEditorView::CommentEditorView(CommentEditor& screen, QtUi& ui) : ScreenView(screen, ui), editor_(screen) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 12);
  name_ = new QLabel(this);
  name_->setStyleSheet("QLabel { font-size: 18pt; font-weight: bold; color: #3a2a12; }");
  layout->addWidget(name_);
  text_ = new QPlainTextEdit(this);
  text_->setTabChangesFocus(true);
  layout->addWidget(text_, 1);
  connect(text_, &QPlainTextEdit::textChanged, this, [this] {
    // The game's files and labels break lines with CR LF.
    QString value = text_->toPlainText();
    value.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    editor_.Txt_cmt.text = value.toStdString();
  });

  auto* row = new QHBoxLayout();
  row->addStretch();
  for (int i : {1, 0}) {
    auto* b = new QPushButton(this);
    b->setMinimumSize(120, 36);
    b->setAutoDefault(false);
    buttons_[static_cast<std::size_t>(i)] = b;
    row->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, i] { act([this, i] { editor_.Command1_Click(i); }); });
  }
  layout->addLayout(row);
  auto* store = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this);
  connect(store, &QShortcut::activated, this, [this] { act([this] { editor_.Command1_Click(1); }); });
}

void CommentEditorView::refresh() {
  show(name_, editor_.Name_lab);
  const QString value = text(editor_.Txt_cmt.text);
  if (text_->toPlainText() != value) text_->setPlainText(value);
  if (!filled_) {
    filled_ = true;
    opened_ = text_->toPlainText();
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) show(buttons_[i], editor_.Command1[i]);
}

bool CommentEditorView::mayLeave() {
  if (text_->toPlainText() == opened_) return true;
  return ui_.msgBox(kDiscardQuestion, MsgStyle::YesNo, kGameTitle) == MsgResult::Yes;
}

}  // namespace velkaro::qt
