#include "Memo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextCursor>

#include "MemoLayout.h"
#include "Utf8Text.h"

namespace {

const QLatin1String CrLf("\r\n");

// Calls `segment` for each run of the document's raw text between paragraph
// separators and `lineBreak` between them. The document separates paragraphs
// with U+2029 and holds nothing else in their place; every other character
// is the user's own.
template <typename Segment, typename LineBreak>
void ForEachLine(QStringView raw, Segment segment, LineBreak lineBreak) {
  qsizetype from = 0;
  for (qsizetype at = raw.indexOf(QChar::ParagraphSeparator); at >= 0;
       at = raw.indexOf(QChar::ParagraphSeparator, from)) {
    segment(raw.mid(from, at - from));
    lineBreak();
    from = at + 1;
  }
  segment(raw.mid(from));
}

}  // namespace

TMemo::TMemo(QWidget* parent) : TGuardedEvents(parent) {
  auto* document = new QTextDocument(this);
  document->setDocumentLayout(new TMemoLayout(document));
  setDocument(document);
  HideSelectionWhileUnfocused();
}

QString TMemo::Text() const {
  const QString raw = document()->toRawText();
  QString text;
  text.reserve(raw.size() + raw.size() / 8);
  ForEachLine(
      raw, [&text](QStringView line) { text.append(line); }, [&text] { text.append(CrLf); });
  return text;
}

QByteArray TMemo::Utf8Text() const {
  // Encoded straight from the raw text: a large page is copied once, not
  // first into a CR LF copy and then again into UTF-8.
  const QString raw = document()->toRawText();
  QByteArray bytes(raw.size() * 3 + 1, Qt::Uninitialized);
  char* out = bytes.data();
  // Stateless, so that a lone high surrogate at the very end is written out
  // as U+FFFD like any other, not held back for a partner that never comes.
  QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  ForEachLine(
      raw, [&](QStringView line) { out = encoder.appendToBuffer(out, line); },
      [&out] {
        *out++ = '\r';
        *out++ = '\n';
      });
  bytes.truncate(out - bytes.constData());
  return bytes;
}

void TMemo::Append(const QString& text) {
  const TAppendBatch batch(*this);
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(text);
}

void TMemo::AppendLine(std::string_view utf8) {
  // Decoded straight into a string with room for the line break: a line of
  // megabytes is neither copied for the break nor decoded twice.
  QString line(static_cast<qsizetype>(utf8.size()) + 2, Qt::Uninitialized);
  QStringDecoder decoder(QStringDecoder::Utf8);
  QChar* end = decoder.appendToBuffer(
      line.data(), QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
  *end++ = u'\r';
  *end++ = u'\n';
  line.truncate(end - line.constData());
  Append(line);
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
