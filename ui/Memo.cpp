#include "Memo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include "MemoLayout.h"
#include "Utf8Text.h"

namespace {
const QLatin1String CrLf("\r\n");
}

TMemo::TMemo(QWidget* parent) : TGuardedEvents(parent) {
  auto* document = new QTextDocument(this);
  document->setDocumentLayout(new TMemoLayout(document));
  setDocument(document);
  HideSelectionWhileUnfocused();
}

QString TMemo::Text() const {
  // The document separates paragraphs with U+2029 and holds nothing else in
  // their place; every other character is the user's own.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, CrLf);
  return text;
}

void TMemo::Append(const QString& text) {
  const TAppendBatch batch(*this);
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(text);
}

TMemo::TAppendBatch::TAppendBatch(TMemo& memo) : memo_(memo) {
  if (memo_.openBatches_++ > 0) return;
  QTextDocument* doc = memo_.document();
  doc->setUndoRedoEnabled(false);
  QTextCursor(doc).beginEditBlock();
}

TMemo::TAppendBatch::~TAppendBatch() {
  if (--memo_.openBatches_ > 0) return;
  QTextDocument* doc = memo_.document();
  QTextCursor(doc).endEditBlock();
  doc->setUndoRedoEnabled(true);
}

void TMemo::keyPressEvent(QKeyEvent* event) {
  // Shift+Enter would insert a soft line separator, which is not a line
  // break of the text; make it a real one like Enter.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && event->modifiers() == Qt::ShiftModifier) {
    QKeyEvent plain(event->type(), event->key(), Qt::NoModifier, event->text(),
                    event->isAutoRepeat(), event->count());
    QPlainTextEdit::keyPressEvent(&plain);
    event->setAccepted(plain.isAccepted());
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TMemo::insertFromMimeData(const QMimeData* source) {
  // The box takes nothing but the plain text from a paste or a drop.
  if (!source->hasText()) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  QMimeData plain;
  plain.setText(WithoutLoneSurrogates(source->text()));
  QPlainTextEdit::insertFromMimeData(&plain);
}

void TMemo::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) HideSelectionWhileUnfocused();
}

void TMemo::HideSelectionWhileUnfocused() {
  // The text control paints the selection with the inactive colours whenever
  // the box lacks the focus; painting it in the box's own colours hides it
  // without losing it. Re-applied after every palette change, so a new colour
  // scheme is followed.
  QPalette p = palette();
  const QBrush base = p.brush(QPalette::Inactive, QPalette::Base);
  const QBrush text = p.brush(QPalette::Inactive, QPalette::Text);
  if (p.brush(QPalette::Inactive, QPalette::Highlight) == base &&
      p.brush(QPalette::Inactive, QPalette::HighlightedText) == text) {
    return;
  }
  p.setBrush(QPalette::Inactive, QPalette::Highlight, base);
  p.setBrush(QPalette::Inactive, QPalette::HighlightedText, text);
  setPalette(p);
}
