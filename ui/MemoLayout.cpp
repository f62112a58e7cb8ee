#include "MemoLayout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace {

// Block user state marking a paragraph with a run too long to word-wrap.
constexpr int HasLongRun = 1;
constexpr int NoLongRun = 0;

bool IsBreakOpportunity(QChar c) {
  // No-break spaces count as letters for the line breaker.
  return c.isSpace() && c != QChar::Nbsp && c != QChar(0x2007) && c != QChar(0x202F);
}

// Whether the characters [from, to) of the document hold a run of more than
// `limit` characters without a break opportunity. Any such run covers two
// of the positions `limit / 2` apart, so only those positions are looked at,
// each with the run around it: ordinary text costs a few lookups for every
// few hundred characters, and nothing is copied.
bool HasRunLongerThan(const QTextDocument& document, int from, int to, int limit) {
  const auto breaks = [&document](int position) {
    return IsBreakOpportunity(document.characterAt(position));
  };
  const int step = std::max(1, limit / 2);
  for (int sample = from; sample < to;) {
    if (breaks(sample)) {
      sample += step;
      continue;
    }
    int start = sample;
    while (start > from && sample - start <= limit && !breaks(start - 1)) --start;
    int end = sample + 1;
    while (end < to && end - start <= limit && !breaks(end)) ++end;
    if (end - start > limit) return true;
    sample = from + ((end - from) / step + 1) * step;
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
    const int start = block.position();
    const bool longRun =
        HasRunLongerThan(*doc, start, start + block.length() - 1, LongestWrappedWord);
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
