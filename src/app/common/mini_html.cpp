#include "common/mini_html.h"

#include <QList>
#include <QStringView>

#include <string_view>

namespace {

struct NamedColour {
  std::string_view name;
  std::string_view rgb;
};

// Colour names used by the status texts, with their RGB values.
constexpr NamedColour kNamedColours[] = {
    {"clblack", "#000000"},  {"clmaroon", "#800000"}, {"clgreen", "#008000"},
    {"clolive", "#808000"},  {"clnavy", "#000080"},   {"clpurple", "#800080"},
    {"clteal", "#008080"},   {"clgray", "#808080"},   {"clsilver", "#c0c0c0"},
    {"clred", "#ff0000"},    {"cllime", "#00ff00"},   {"clyellow", "#ffff00"},
    {"clblue", "#0000ff"},   {"clfuchsia", "#ff00ff"}, {"claqua", "#00ffff"},
    {"clwhite", "#ffffff"},  {"clgrey", "#808080"},   {"clskyblue", "#a6caf0"},
};

struct FontStyle {
  QColor color;
  QString face;
  int size = 0;  // the dialect's font size in points, 0 for the panel's own
};

struct Style {
  int bold = 0;
  int italic = 0;
  int underline = 0;
  int blink = 0;
  QList<FontStyle> fonts;
};

// The value of attribute `name` inside a tag's text, quoted or not; empty when absent.
QString AttributeValue(QStringView tag, QStringView name) {
  qsizetype at = 0;
  while ((at = tag.indexOf(name, at, Qt::CaseInsensitive)) >= 0) {
    qsizetype pos = at + name.size();
    const bool startsWord = at == 0 || tag[at - 1].isSpace();
    while (pos < tag.size() && tag[pos].isSpace()) ++pos;
    if (!startsWord || pos >= tag.size() || tag[pos] != u'=') {
      at = pos;
      continue;
    }
    ++pos;
    while (pos < tag.size() && tag[pos].isSpace()) ++pos;
    if (pos < tag.size() && (tag[pos] == u'"' || tag[pos] == u'\'')) {
      const QChar quote = tag[pos];
      const qsizetype end = tag.indexOf(quote, pos + 1);
      return tag.mid(pos + 1, end < 0 ? -1 : end - pos - 1).toString();
    }
    qsizetype end = pos;
    while (end < tag.size() && !tag[end].isSpace()) ++end;
    return tag.mid(pos, end - pos).toString();
  }
  return {};
}

QString SpanFor(const Style& style, bool blinkVisible, const QColor& hiddenColor,
                const QString& text) {
  QString css;
  QColor colour;
  QString face;
  int size = 0;
  for (const FontStyle& font : style.fonts) {
    if (font.color.isValid()) colour = font.color;
    if (!font.face.isEmpty()) face = font.face;
    if (font.size > 0) size = font.size;
  }
  if (style.blink > 0 && !blinkVisible) colour = hiddenColor.isValid() ? hiddenColor : QColor(Qt::transparent);
  if (style.bold > 0) css += QStringLiteral("font-weight:bold;");
  if (style.italic > 0) css += QStringLiteral("font-style:italic;");
  if (style.underline > 0) css += QStringLiteral("text-decoration:underline;");
  if (colour.isValid()) css += QStringLiteral("color:%1;").arg(colour.name(QColor::HexArgb));
  if (!face.isEmpty()) css += QStringLiteral("font-family:'%1';").arg(face.toHtmlEscaped());
  if (size > 0) css += QStringLiteral("font-size:%1pt;").arg(size);
  const QString escaped = text.toHtmlEscaped();
  if (css.isEmpty()) return escaped;
  return QStringLiteral("<span style=\"%1\">%2</span>").arg(css, escaped);
}

}  // namespace

QColor MiniHtmlColor(const QString& name) {
  const QString key = name.trimmed().toLower();
  for (const NamedColour& entry : kNamedColours) {
    if (key == QLatin1StringView(entry.name.data(), qsizetype(entry.name.size())))
      return QColor(QLatin1StringView(entry.rgb.data(), qsizetype(entry.rgb.size())));
  }
  if (QColor::isValidColor(key)) return QColor(key);
  return {};
}

bool MiniHtmlHasBlink(const QString& miniHtml) {
  return miniHtml.contains(QStringLiteral("<BLINK"), Qt::CaseInsensitive);
}

QString MiniHtmlToRichText(const QString& miniHtml, bool blinkVisible, const QColor& hiddenColor) {
  Style style;
  QString out;
  QString run;
  const auto flush = [&] {
    if (!run.isEmpty()) out += SpanFor(style, blinkVisible, hiddenColor, run);
    run.clear();
  };

  qsizetype pos = 0;
  while (pos < miniHtml.size()) {
    const qsizetype open = miniHtml.indexOf(u'<', pos);
    const qsizetype close = open < 0 ? -1 : miniHtml.indexOf(u'>', open);
    if (open < 0 || close < 0) {
      run += miniHtml.mid(pos);
      break;
    }
    run += miniHtml.mid(pos, open - pos);
    pos = close + 1;

    const QStringView tag = QStringView(miniHtml).mid(open + 1, close - open - 1).trimmed();
    const bool closing = tag.startsWith(u'/');
    const QStringView body = closing ? tag.mid(1).trimmed() : tag;
    qsizetype nameEnd = 0;
    while (nameEnd < body.size() && !body[nameEnd].isSpace()) ++nameEnd;
    const QString name = body.left(nameEnd).toString().toUpper();

    flush();
    const int delta = closing ? -1 : 1;
    if (name == u"B") {
      style.bold = qMax(0, style.bold + delta);
    } else if (name == u"I") {
      style.italic = qMax(0, style.italic + delta);
    } else if (name == u"U") {
      style.underline = qMax(0, style.underline + delta);
    } else if (name == u"BLINK") {
      style.blink = qMax(0, style.blink + delta);
    } else if (name == u"BR" && !closing) {
      out += QStringLiteral("<br>");
    } else if (name == u"FONT") {
      if (closing) {
        if (!style.fonts.isEmpty()) style.fonts.removeLast();
      } else {
        FontStyle font;
        font.color = MiniHtmlColor(AttributeValue(body, u"color"));
        font.face = AttributeValue(body, u"face");
        font.size = AttributeValue(body, u"size").toInt();
        style.fonts.append(font);
      }
    }
    // Any other tag is dropped, as the status bar does.
  }
  flush();
  return out;
}
