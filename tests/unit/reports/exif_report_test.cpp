// The EXIF report writers: layouts against golden files, headings, file names, escaping, and
// photos that cannot be read.

#include "metadata/exif_report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fixture_builder.h"
#include "golden_file.h"
#include "report_photo.h"

namespace {

void ExpectGolden(const std::string& actual, const std::string& name) {
  reports_test::ExpectSameAsFile(actual, "tests/data/reports/" + name);
}

std::string ReplaceAllOf(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// The temporary folder shows as /fotos/ in golden files; the file date is fixed.
class AnExifReport : public ::testing::Test {
 protected:
  AnExifReport() { options_.ShortDate = [](std::time_t) { return std::string("01.05.2024"); }; }

  std::string WritePhoto(const std::string& name, const fixture::ReportPhotoTexts& texts = {}) {
    return dir_.Write(name, fixture::ReportPhoto(texts));
  }
  std::string Stable(const std::string& text) const { return ReplaceAllOf(text, dir_.Path(), "/fotos/"); }
  static std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
  }

  fixture::TempDir dir_;
  ExifReportOptions options_;
};

TEST_F(AnExifReport, writesAllSixSectionsAsText) {
  const std::string photo = WritePhoto("IMG_0001.JPG");
  WriteImageExifFile(photo, kReportFormText, options_);
  const std::string written = fixture::ReadFileBytes(dir_.Path() + "img_0001.txt");
  ExpectGolden(Stable(written), "report.txt");

  // The appended text report is the same, followed by one empty line.
  std::vector<std::string> lines{"before"};
  AppendImageExifReport(photo, lines, kReportFormText, options_);
  EXPECT_EQ(Joined(lines), "before\r\n" + written + "\r\n");
}

TEST_F(AnExifReport, writesTheHtmlFileBesideThePhotoWithTheShortHeadings) {
  WriteImageExifFile(WritePhoto("IMG_0001.JPG"), kReportFormHtml, options_);
  ExpectGolden(Stable(fixture::ReadFileBytes(dir_.Path() + "img_0001.html")), "report.html");
}

TEST_F(AnExifReport, writesIntoAFolderWithTheLongHeadings) {
  const std::string photo = WritePhoto("IMG_0001.JPG");
  const std::string folder = dir_.Path() + "berichte";
  std::filesystem::create_directory(folder);
  WriteImageExifFile(photo, kReportFormHtml, options_);
  WriteImageExifFileTo(photo, folder, kReportFormHtml, options_);
  std::string expected = fixture::ReadFileBytes(dir_.Path() + "img_0001.html");
  expected = ReplaceAllOf(expected, "<strong>Allgemein:</strong>", "<strong>Allgemeine-Informationen:</strong>");
  expected = ReplaceAllOf(expected, "<strong>Hersteller:</strong>", "<strong>Hersteller-Informationen:</strong>");
  EXPECT_EQ(fixture::ReadFileBytes(folder + "/img_0001.html"), expected);

  WriteImageExifFile(photo, kReportFormText, options_);
  WriteImageExifFileTo(photo, folder + "/", kReportFormText, options_);
  EXPECT_EQ(fixture::ReadFileBytes(folder + "/img_0001.txt"), fixture::ReadFileBytes(dir_.Path() + "img_0001.txt"));
}

TEST_F(AnExifReport, appendsAnHtmlBlockWithoutDocumentHeadAndFoot) {
  std::vector<std::string> lines;
  AppendImageExifReport(WritePhoto("IMG_0001.JPG"), lines, kReportFormHtml, options_);
  ExpectGolden(Stable(Joined(lines)), "report_block.html");
  EXPECT_EQ(lines.back(), "");
}

TEST_F(AnExifReport, escapesPhotoTextsInHtmlButKeepsItsOwnMarkup) {
  const std::string folder = dir_.Path() + "a&b<c>\"d\"/";
  std::filesystem::create_directory(folder);
  const std::string photo = folder + "x.jpg";
  fixture::ReportPhotoTexts texts;
  texts.comment = "<script>alert(\"x\")</script>";
  texts.caption = "Tom & Jerry";
  texts.owner = "<b>Owner</b>";
  std::ofstream(photo, std::ios::binary) << fixture::ReportPhoto(texts);

  std::vector<std::string> html;
  AppendImageExifReport(photo, html, kReportFormHtml, options_);
  const std::string escapedPath = EscapeHtml(photo);
  EXPECT_NE(escapedPath.find("a&amp;b&lt;c&gt;&quot;d&quot;/x.jpg"), std::string::npos);
  EXPECT_EQ(html[0], "<hr>\n\r<p><b>EXIF-Daten<br>\n\r</b><br>\n\rDatei: <a href=\" " + escapedPath + " \">" +
                         escapedPath + "<a>\n\r<br>\n\r</p>");
  const std::string all = Joined(html);
  EXPECT_EQ(all.find("<script>"), std::string::npos);
  EXPECT_EQ(all.find("<b>Owner"), std::string::npos);
  EXPECT_NE(all.find("\r\n&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;<br>\r\n"), std::string::npos);
  EXPECT_NE(all.find("\r\nImage caption = Tom &amp; Jerry<br>\r\n"), std::string::npos);
  EXPECT_NE(all.find("\r\nOwnerName = &quot;&lt;b&gt;Owner&lt;/b&gt;&quot;<br>\r\n"), std::string::npos);
  EXPECT_NE(all.find("\r\n<strong>Kommentar:</strong><br>\r\n"), std::string::npos);

  // Text reports show the texts as they are.
  std::vector<std::string> text;
  AppendImageExifReport(photo, text, kReportFormText, options_);
  EXPECT_EQ(text[2], "Datei: " + photo);
  EXPECT_NE(Joined(text).find("\r\n<script>alert(\"x\")</script>\r\n"), std::string::npos);
}

TEST(AReportFileName, isTheLowerCasedBaseNameWithTheFormsExtension) {
  struct NameCase {
    const char* path;
    int form;
    const char* beside;
  };
  const NameCase cases[] = {
      {"/fotos/IMG_0001.JPG", kReportFormText, "/fotos/img_0001.txt"},
      {"/fotos/IMG_0001.JPG", kReportFormHtml, "/fotos/img_0001.html"},
      {"/fotos/a.1.jpg", kReportFormText, "/fotos/a.txt"},
      {"/fotos/ohne", kReportFormText, "/fotos/.txt"},
      {"/fotos/\xC3\x84RGER \xC3\x9C.JPG", kReportFormText, "/fotos/\xC3\xA4rger \xC3\xBC.txt"},
      {"/fotos/\xC4RGER.JPG", kReportFormText, "/fotos/\xE4rger.txt"},  // a Latin-1 name
      {"IMG.JPG", kReportFormText, "img.txt"},
      {"/fotos/IMG.JPG", 2, ""},
      {"/fotos/IMG.JPG", -1, ""},
  };
  for (const NameCase& c : cases) EXPECT_EQ(ExifReportFileBeside(c.path, c.form), c.beside) << c.path;

  EXPECT_EQ(ExifReportFileIn("  /fotos/IMG.JPG ", "/out", kReportFormText), "/out/img.txt");
  EXPECT_EQ(ExifReportFileIn("/fotos/IMG.JPG", "/out/", kReportFormHtml), "/out/img.html");
  EXPECT_EQ(ExifReportFileIn("/fotos/IMG.JPG", "", kReportFormText), "img.txt");
  EXPECT_EQ(ExifReportFileIn("/fotos/IMG.JPG", "/out", 2), "");
}

TEST_F(AnExifReport, letsASecondPhotoOfTheSameBaseNameReplaceTheFirstReport) {
  WriteImageExifFile(WritePhoto("a.1.jpg"), kReportFormText, options_);
  WriteImageExifFile(WritePhoto("a.2.jpg"), kReportFormText, options_);
  const std::string report = fixture::ReadFileBytes(dir_.Path() + "a.txt");
  EXPECT_NE(report.find("Datei: " + dir_.Path() + "a.2.jpg\r\n"), std::string::npos);
  EXPECT_EQ(report.find("a.1.jpg"), std::string::npos);
}

TEST_F(AnExifReport, writesNothingForOtherFormsAndAppendsOnlyAnEmptyLine) {
  const std::string photo = WritePhoto("IMG.JPG");
  for (int form : {2, -1}) {
    WriteImageExifFile(photo, form, options_);
    WriteImageExifFileTo(photo, dir_.Path(), form, options_);
    std::vector<std::string> lines;
    AppendImageExifReport(photo, lines, form, options_);
    EXPECT_EQ(lines, std::vector<std::string>{""});
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 1);
}

TEST_F(AnExifReport, doesNothingAtAllWhenTheUserCancelled) {
  const std::string photo = WritePhoto("IMG.JPG");
  int asked = 0;
  options_.LetEventsRunAndCheckCancel = [&asked] {
    ++asked;
    return true;
  };
  WriteImageExifFile(photo, kReportFormText, options_);
  WriteImageExifFileTo(photo, dir_.Path(), kReportFormHtml, options_);
  std::vector<std::string> lines;
  AppendImageExifReport(photo, lines, kReportFormText, options_);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 1);
}

TEST_F(AnExifReport, showsHeadAndSummaryOfAPhotoThatCannotBeRead) {
  const std::string missing = dir_.Path() + "fehlt.jpg";
  std::vector<std::string> lines;
  AppendImageExifReport(missing, lines, kReportFormText, options_);
  EXPECT_EQ(lines, (std::vector<std::string>{"----- EXIF-Daten -----", "", "Datei: " + missing, "",
                                             "----------------------", "", "Zusammenfassung:", "", "", ""}));

  // A JPEG with only a comment: the comment section and an empty summary.
  const std::string commented =
      dir_.Write("kommentar.jpg", fixture::JpegBuilder().Com("nur ein Kommentar").Image().Build());
  lines.clear();
  AppendImageExifReport(commented, lines, kReportFormText, options_);
  EXPECT_EQ(lines, (std::vector<std::string>{"----- EXIF-Daten -----", "", "Datei: " + commented, "",
                                             "----------------------", "", "Kommentar:", "", "nur ein Kommentar",
                                             "", "Zusammenfassung:", "", "", ""}));

  // The HTML file of an unreadable photo: head, summary, foot.
  WriteImageExifFile(missing, kReportFormHtml, options_);
  const std::string html = fixture::ReadFileBytes(dir_.Path() + "fehlt.html");
  EXPECT_TRUE(html.ends_with("<br>\r\n<strong>Zusammenfassung:</strong><br>\r\n<br>\r\n<br>\r\n" +
                             ExifHtmlDocumentFoot() + "\r\n"))
      << html;
}

TEST_F(AnExifReport, failsWithTheReasonWhenTheReportCannotBeWritten) {
  const std::string photo = WritePhoto("IMG.JPG");
  try {
    WriteImageExifFileTo(photo, dir_.Path() + "gibt-es-nicht", kReportFormText, options_);
    FAIL() << "no failure";
  } catch (const ReportFileError& failure) {
    EXPECT_NE(std::string(failure.what()).find("gibt-es-nicht/img.txt"), std::string::npos) << failure.what();
  }
}

}  // namespace

namespace {

// tests/data/sample.jpg, which scripts/run reports on, is this photo; VELMORA_UPDATE_GOLDEN=1
// writes it anew.
TEST(TheShippedSample, isTheReportPhoto) {
  reports_test::ExpectSameAsFile(fixture::ReportPhoto(), "tests/data/sample.jpg");
  reports_test::ExpectSameAsFile(fixture::ReportPhoto(), "fuzz/seeds/report-six-sections.jpg");
}

}  // namespace
