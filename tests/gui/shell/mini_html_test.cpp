// The status texts' HTML dialect as it is shown: styles switched on and off in any order,
// colour names, and blinking.

#include <QElapsedTimer>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "common/mini_html.h"
#include "common/mini_html_label.h"

#include <gtest/gtest.h>

namespace {

struct TextRun {
  QString text;
  bool bold;
  QColor colour;  // invalid: the default colour
};

// The text runs of rich text as Qt lays them out.
std::vector<TextRun> RunsOf(const QString& richText) {
  QTextDocument document;
  document.setHtml(richText);
  std::vector<TextRun> runs;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      const QColor colour = format.hasProperty(QTextFormat::ForegroundBrush)
                                ? format.foreground().color()
                                : QColor();
      runs.push_back({fragment.text(), format.fontWeight() >= QFont::Bold, colour});
    }
  }
  return runs;
}

}  // namespace

TEST(MiniHtml, showsTheStatusTextsWithTheirStylesWhateverOrderTheyAreClosedIn) {
  const struct {
    QString miniHtml;
    std::vector<TextRun> runs;
  } cases[] = {
      {"<B><FONT color=\"clRed\">Das einlesen des Ordner wurde abgebrochen !</B></FONT>",
       {{"Das einlesen des Ordner wurde abgebrochen !", true, QColor(255, 0, 0)}}},
      {"<B><FONT color=\"clBlue\"><BLINK>Bitte warten...</B></FONT></BLINK>",
       {{"Bitte warten...", true, QColor(0, 0, 255)}}},
      {"a<B>b<FONT color=clNavy>c</B>d</FONT>e",
       {{"a", false, QColor()}, {"b", true, QColor()}, {"c", true, QColor(0, 0, 128)},
        {"d", false, QColor(0, 0, 128)}, {"e", false, QColor()}}},
      {"Dateien: 12", {{"Dateien: 12", false, QColor()}}},
      {"x < y & z", {{"x < y & z", false, QColor()}}},
      {"a<UNKNOWN>b", {{"ab", false, QColor()}}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.miniHtml.toStdString());
    const std::vector<TextRun> runs = RunsOf(MiniHtmlToRichText(c.miniHtml));
    ASSERT_EQ(runs.size(), c.runs.size());
    for (size_t i = 0; i < runs.size(); ++i) {
      EXPECT_EQ(runs[i].text, c.runs[i].text);
      EXPECT_EQ(runs[i].bold, c.runs[i].bold);
      EXPECT_EQ(runs[i].colour, c.runs[i].colour);
    }
  }
}

TEST(MiniHtml, drawsBlinkingTextInTheBackgroundColourWhileItIsOff) {
  const QString text = "<FONT color=\"clBlue\">fest <BLINK>blinkt</BLINK></FONT>";
  const std::vector<TextRun> off = RunsOf(MiniHtmlToRichText(text, false, QColor(Qt::white)));
  ASSERT_EQ(off.size(), 2u);
  EXPECT_EQ(off[0].colour, QColor(0, 0, 255));
  EXPECT_EQ(off[1].text, "blinkt");
  EXPECT_EQ(off[1].colour, QColor(Qt::white));
}

TEST(MiniHtml, knowsTheColourNamesOfTheStatusTexts) {
  EXPECT_EQ(MiniHtmlColor("clRed"), QColor(255, 0, 0));
  EXPECT_EQ(MiniHtmlColor("CLBLUE"), QColor(0, 0, 255));
  EXPECT_EQ(MiniHtmlColor("#102030"), QColor(16, 32, 48));
  EXPECT_FALSE(MiniHtmlColor("clNoSuchColour").isValid());
}

TEST(AMiniHtmlLabel, blinksOnlyWhileItsTextHasABlinkingPart) {
  MiniHtmlLabel label;
  label.SetMiniHtml("<BLINK>Bitte warten</BLINK>");
  EXPECT_TRUE(label.BlinkPhaseVisible());
  QElapsedTimer clock;
  clock.start();
  while (label.BlinkPhaseVisible() && clock.elapsed() < 5000) QTest::qWait(10);
  EXPECT_FALSE(label.BlinkPhaseVisible());
  EXPECT_GE(clock.elapsed(), MiniHtmlLabel::kBlinkIntervalMs - 50);
  EXPECT_TRUE(label.text().contains("Bitte warten"));  // hidden in place, not removed

  label.SetMiniHtml("<B>fest</B>");
  QTest::qWait(MiniHtmlLabel::kBlinkIntervalMs + 150);
  EXPECT_TRUE(label.BlinkPhaseVisible());
  EXPECT_EQ(label.MiniHtml(), "<B>fest</B>");
}
