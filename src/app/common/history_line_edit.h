#pragma once
// A text input with a look-up history ("Ordner.dat" or "Namen.dat"): it suggests earlier entries
// while the user types, up to 20 at a time, and reports when the user leaves it, so its window
// can commit the text to the history.

#include <QLineEdit>

#include "settings/history.h"

class QCompleter;
class QStringListModel;

class HistoryLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  // fileName is kFolderHistoryFile or kNameHistoryFile; folder as for HistoryField.
  explicit HistoryLineEdit(const QString& fileName, const QString& folder = QString(),
                           QWidget* parent = nullptr);

  static constexpr int kVisibleSuggestions = 20;

  // Fills the look-up list from the history file.
  void LoadHistory();
  // Adds the current text to the history file and the look-up list (see CommitHistory);
  // throws FileError when the file cannot be written.
  void CommitHistory(HistoryCommit kind = HistoryCommit::FieldLeft);

  const HistoryField& Field() const { return field_; }
  QCompleter* Completer() const;

 signals:
  // The focus moved to another control of the same window (not to a pop-up or another window).
  void Left();

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void RefreshSuggestions();

  HistoryField field_;
  QStringListModel* suggestions_;
};
