#pragma once
// The status texts of the program use a small HTML dialect: <B>, <I>, <U>, <FONT color=...
// face=... size=...>, <BLINK> and <BR>, with colour names such as "clRed". Closing tags may come
// in any order ("<B><FONT ...>text</B></FONT>"), so the text is read as a sequence of style
// switches rather than as a tree, and turned into well-formed Qt rich text.

#include <QColor>
#include <QString>

// True when the text holds a <BLINK> section, i.e. its look changes with the blink phase.
bool MiniHtmlHasBlink(const QString& miniHtml);

// The text as Qt rich text. With blinkVisible false the blinking sections are drawn in
// hiddenColor (the panel's background), so the text around them keeps its place.
QString MiniHtmlToRichText(const QString& miniHtml, bool blinkVisible = true,
                           const QColor& hiddenColor = QColor());

// A colour given as a colour name of the status texts ("clRed", "clNavy" ...), a Qt colour name or
// "#rrggbb"; invalid when unknown.
QColor MiniHtmlColor(const QString& name);
