#pragma once

#include <QPlainTextEdit>
#include <string_view>

#include "app/GuardedEvents.h"

// A multi-line text box whose text is exchanged with CR LF line breaks.
//
// The box wraps long lines for display only, Tab moves the focus (set in the
// form definitions), Enter and Shift+Enter both start a new line, and the
// selection is shown only while the box has the focus.
class TMemo : public TGuardedEvents<QPlainTextEdit> {
  Q_OBJECT

 public:
  explicit TMemo(QWidget* parent = nullptr);

  // The whole text, character for character, with every line break as CR LF.
  // Unlike toPlainText(), this keeps no-break spaces as they are.
  QString Text() const;

  // The same text encoded as UTF-8.
  QByteArray Utf8Text() const;

  // Appends text at the very end, whatever the caret, the selection or the
  // wrapping; CR LF, CR or LF inside it start new lines. Not undoable.
  void Append(const QString& text);

  // Appends UTF-8 text followed by CR LF, decoded in one go.
  void AppendLine(std::string_view utf8);

  // While a batch lives, appended text is laid out only when the batch ends
  // (and then only as far as it is shown), so appending many long lines
  // costs no more than setting the whole text at once.
  class TAppendBatch {
   public:
    explicit TAppendBatch(TMemo& memo);
    ~TAppendBatch();
    TAppendBatch(const TAppendBatch&) = delete;
    TAppendBatch& operator=(const TAppendBatch&) = delete;

   private:
    TMemo& memo_;
  };

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Pasted or dropped text comes in with each lone surrogate as U+FFFD, the
  // character it is saved as, so that the box shows what a save writes.
  void insertFromMimeData(const QMimeData* source) override;
  void changeEvent(QEvent* event) override;

 private:
  void HideSelectionWhileUnfocused();

  int openBatches_ = 0;
};
