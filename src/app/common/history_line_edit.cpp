#include "common/history_line_edit.h"

#include <QCompleter>
#include <QFocusEvent>
#include <QStringListModel>

HistoryLineEdit::HistoryLineEdit(const QString& fileName, const QString& folder, QWidget* parent)
    : QLineEdit(parent), field_(fileName, folder), suggestions_(new QStringListModel(this)) {
  auto* completer = new QCompleter(suggestions_, this);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);
  completer->setCompletionMode(QCompleter::PopupCompletion);
  completer->setMaxVisibleItems(kVisibleSuggestions);
  setCompleter(completer);
}

QCompleter* HistoryLineEdit::Completer() const { return completer(); }

void HistoryLineEdit::LoadHistory() {
  ::LoadHistory(field_);
  RefreshSuggestions();
}

void HistoryLineEdit::CommitHistory(HistoryCommit kind) {
  // The look-up list is refreshed also when writing fails: it holds the new entries then.
  struct Refresh {
    HistoryLineEdit* self;
    ~Refresh() { self->RefreshSuggestions(); }
  } refresh{this};
  ::CommitHistory(field_, text(), kind);
}

void HistoryLineEdit::RefreshSuggestions() { suggestions_->setStringList(field_.LookupList()); }

void HistoryLineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Only a move to another control of this window counts as leaving the field: not the
  // suggestion pop-up, not a message box or another window taking the focus.
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
      reason != Qt::MenuBarFocusReason)
    emit Left();
}
