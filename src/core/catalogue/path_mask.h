#pragma once
// Name-pattern matching of a whole path: '*' stands for any run of characters (separators
// included), '?' for exactly one character; letter case is ignored.

#include <QString>

bool PathMatchesMask(const QString& path, const QString& mask);
