#pragma once
// The folder picker: a directory dialog owned by the given window, file-system folders only.

#include <QString>

class QWidget;

// The chosen folder's path, or an empty text when the user cancels.
QString BrowseForFolder(QWidget* parent, const QString& title);
