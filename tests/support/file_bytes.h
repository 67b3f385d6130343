#pragma once
// Whole files as bytes, for tests that check exactly what was written.

#include <QByteArray>
#include <QString>

// Writes the bytes as the file's whole content; a failure fails the calling test.
void WriteBytes(const QString& path, const QByteArray& bytes);
// The file's whole content; empty when it cannot be read.
QByteArray ReadBytes(const QString& path);
