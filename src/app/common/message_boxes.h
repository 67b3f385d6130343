#pragma once
// Message boxes in the program's style: a German caption per kind, German buttons, the text as
// given (line breaks included).

#include <QString>

#include "jobs/job_context.h"

class QWidget;

// An information, error or warning box with OK.
void ShowMessageBox(QWidget* parent, MessageKind kind, const QString& text);
// A question with "Ja" and "Nein"; true only on "Ja".
bool AskYesNoBox(QWidget* parent, MessageKind kind, const QString& text);
