#pragma once

#include <QPlainTextDocumentLayout>

// Plain-text layout that keeps wrapping linear in the text's length.
//
// Wrapping at word boundaries (falling back to anywhere for words wider than
// the box) scans ahead to the next break opportunity for every screen line, so
// a long run without spaces costs time quadratic in its length: a 1 MB line
// without a space takes tens of seconds per keystroke. While any paragraph
// holds such a run, this layout wraps the whole document anywhere instead; the
// text is never changed, only where the screen lines break.
class TMemoLayout : public QPlainTextDocumentLayout {
  Q_OBJECT

 public:
  explicit TMemoLayout(QTextDocument* document);

  // Longest run without a break opportunity that word wrapping may handle.
  static constexpr int LongestWrappedWord = 1024;

 protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;

 private:
  bool MarkLongRuns(int from, int to);
  bool AnyBlockHasLongRun() const;
  void SetWrapMode(QTextOption::WrapMode mode);
};
