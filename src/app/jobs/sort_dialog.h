#pragma once
// TForm11, the sort dialog "Sortieren": the date source, the date pattern and whether the date
// folders lie below make and model folders. "Ok" hands the sort job to the log window; the
// options keep their values until the program ends.

#include <QDialog>

#include "jobs/sort_images.h"

class PhotoList;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class TForm3;

class TForm11 : public QDialog {
  Q_OBJECT

 public:
  TForm11(PhotoList& photos, TForm3& logWindow, QWidget* parent);

  // The options as the controls hold them now.
  SortOptions CurrentOptions() const;

  QGroupBox* RadioGroup1 = nullptr;  // "Bilder nach"
  QButtonGroup* RadioGroup1Items = nullptr;  // ids 0 (file date) and 1 (capture date)
  QComboBox* ComboBox1 = nullptr;    // the ten date patterns
  QCheckBox* CheckBox1 = nullptr;
  QPushButton* Button1 = nullptr;  // "Ok"
  QPushButton* Button2 = nullptr;  // "Abbrechen"

  void Button1Click();
  void Button2Click();

 private:
  PhotoList& photos_;
  TForm3& logWindow_;
};
