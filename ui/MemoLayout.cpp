#include "MemoLayout.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

// Block user state marking a paragraph with a run too long to word-wrap.
constexpr int HasLongRun = 1;
constexpr int NoLongRun = 0;

bool IsBreakOpportunity(QChar c) {
  // No-break spaces count as letters for the line breaker.
  return c.isSpace() && c != QChar::Nbsp && c != QChar(0x2007) && c != QChar(0x202F);
}

bool HasRunLongerThan(const QString& text, int limit) {
  int run = 0;
  for (QChar c : text) {
    run = IsBreakOpportunity(c) ? 0 : run + 1;
    if (run > limit) return true;
  }
  return false;
}

}  // namespace

TMemoLayout::TMemoLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

void TMemoLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
  // Decide the wrap mode before the base class lays the changed text out, so
  // that a long run pasted in one go is never laid out the quadratic way.
  const bool added = MarkLongRuns(from, from + charsAdded);
  const QTextOption::WrapMode wanted = added || AnyBlockHasLongRun()
                                           ? QTextOption::WrapAnywhere
                                           : QTextOption::WrapAtWordBoundaryOrAnywhere;
  SetWrapMode(wanted);
  QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}

bool TMemoLayout::MarkLongRuns(int from, int to) {
  bool found = false;
  const QTextDocument* doc = document();
  for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() <= to;
       block = block.next()) {
    const bool longRun = HasRunLongerThan(block.text(), LongestWrappedWord);
    block.setUserState(longRun ? HasLongRun : NoLongRun);
    found = found || longRun;
  }
  return found;
}

bool TMemoLayout::AnyBlockHasLongRun() const {
  for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
    if (block.userState() == HasLongRun) return true;
  }
  return false;
}

void TMemoLayout::SetWrapMode(QTextOption::WrapMode mode) {
  QTextDocument* doc = document();
  QTextOption option = doc->defaultTextOption();
  if (option.wrapMode() == mode) return;
  option.setWrapMode(mode);
  // This lays out the whole document again through documentChanged, which
  // then finds the mode already set.
  doc->setDefaultTextOption(option);
}
