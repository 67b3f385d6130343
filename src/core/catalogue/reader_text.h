#pragma once
// Texts from the metadata reader arrive as bytes: UTF-8 when they are valid UTF-8, otherwise
// Latin-1 (older cameras write 8-bit texts).

#include <QString>

#include <string>

QString DecodeReaderText(const std::string& bytes);
