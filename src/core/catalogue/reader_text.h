#pragma once
// Texts from the metadata reader arrive as bytes: UTF-8 when they are valid UTF-8, otherwise
// Latin-1 (older cameras write 8-bit texts).

#include <QString>

#include <ctime>
#include <string>

QString DecodeReaderText(const std::string& bytes);
// The file date of a summary in the user's short date format (the reader itself has no locale).
std::string UserShortDate(std::time_t time);
