// Report layouts: the text report, the HTML document of the file writers and the HTML block of
// AppendImageExifReport, with their sections.

#include "metadata/exif_report.h"

#include <exception>

#include "metadata/timg_data.h"

namespace {

// Line breaks inside the HTML items are written LF CR.
constexpr std::string_view kHtmlBreak = "\n\r";

enum class ReportStyle {
  Text,
  HtmlShortHeadings,  // the HTML file beside the photo
  HtmlLongHeadings,   // the HTML file in a folder and the appended HTML block
};

struct SectionHeadings {
  std::string_view Exif, MakerNote, Thumbnail, Comment, Iptc, Summary;
};

constexpr SectionHeadings kTextHeadings = {
    "Allgemeine-Informationen:", "Hersteller-Informationen:", "Vorschau-Informationen:",
    "Kommentar:", "IPTC:", "Zusammenfassung:"};
constexpr SectionHeadings kHtmlShortHeadings = {
    "<strong>Allgemein:</strong><br>", "<strong>Hersteller:</strong><br>",
    "<strong>Vorschau-Informationen:</strong><br>", "<strong>Kommentar:</strong><br>",
    "<strong>IPTC:</strong><br>", "<strong>Zusammenfassung:</strong><br>"};
constexpr SectionHeadings kHtmlLongHeadings = {
    "<strong>Allgemeine-Informationen:</strong><br>", "<strong>Hersteller-Informationen:</strong><br>",
    "<strong>Vorschau-Informationen:</strong><br>", "<strong>Kommentar:</strong><br>",
    "<strong>IPTC:</strong><br>", "<strong>Zusammenfassung:</strong><br>"};

// Blanks and control characters around the path are not part of it.
std::string Trimmed(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string item;
  bool first = true;
  for (std::string_view piece : pieces) {
    if (!first) item += kHtmlBreak;
    item += piece;
    first = false;
  }
  return item;
}

std::string LinkPiece(const std::string& path) {
  const std::string shown = EscapeHtml(Trimmed(path));
  // The closing tag reads "<a>" and the href is wrapped in blanks; browsers cope.
  return "Datei: <a href=\" " + shown + " \">" + shown + "<a>";
}

std::vector<std::string> TagLines(TImageInfo& exif, int group) {
  std::vector<std::string> lines;
  TTagEntry entry;
  exif.RewindTags();
  while (exif.NextFoundTag(group, entry)) lines.push_back(entry.Label + " = " + entry.Text);
  return lines;
}

std::vector<std::string> ThumbnailLines(TImageInfo& exif) {
  // A damaged thumbnail directory keeps the entries read before the damage.
  exif.ReadThumbnailTags();
  std::vector<std::string> lines;
  TTagEntry entry;
  exif.RewindThumbTags();
  while (exif.NextFoundThumbTag(0, entry)) lines.push_back(entry.Label + " = " + entry.Text);
  return lines;
}

std::vector<std::string> IptcLinesOf(TimgData& data) {
  if (data.Iptc) return data.Iptc->IptcLines(data.IptcSection->Data);
  return TIPTCdata(&data).IptcLines(data.IptcSection->Data);
}

class SectionWriter {
 public:
  SectionWriter(std::vector<std::string>& out, ReportStyle style) : out_(out), style_(style) {}

  void Add(std::string_view heading, const std::vector<std::string>& lines) {
    if (style_ == ReportStyle::Text) {
      out_.emplace_back();
      out_.emplace_back(heading);
      out_.emplace_back();
      out_.insert(out_.end(), lines.begin(), lines.end());
      return;
    }
    out_.emplace_back("<br>");
    out_.emplace_back(heading);
    out_.emplace_back("<br>");
    for (const std::string& line : lines) out_.push_back(EscapeHtml(line) + "<br>");
  }

 private:
  std::vector<std::string>& out_;
  ReportStyle style_;
};

// Reads the photo and adds every present section in report order, the summary last.
void AddSections(const std::string& path, ReportStyle style, const ExifReportOptions& options,
                 std::vector<std::string>& out) {
  const SectionHeadings& headings = style == ReportStyle::Text                ? kTextHeadings
                                    : style == ReportStyle::HtmlShortHeadings ? kHtmlShortHeadings
                                                                              : kHtmlLongHeadings;
  SectionWriter writer(out, style);
  TimgData data(255);
  data.ReadPhotoFile(path);
  TImageInfo* exif = data.HasExif() ? data.Exif.get() : nullptr;
  if (exif) writer.Add(headings.Exif, TagLines(*exif, 0));
  if (exif && exif->HasMakerNote) writer.Add(headings.MakerNote, TagLines(*exif, 1));
  if (exif && data.HasThumbnail()) writer.Add(headings.Thumbnail, ThumbnailLines(*exif));
  if (data.CommentSection) writer.Add(headings.Comment, {data.CommentText()});
  if (data.IptcSection) writer.Add(headings.Iptc, IptcLinesOf(data));
  const ShortDateFormatter& shortDate = options.ShortDate ? options.ShortDate : ShortDateFormatter(DefaultShortDate);
  writer.Add(headings.Summary, {data.Exif ? data.Exif->SummaryText(shortDate) : std::string()});
}

void AddTextHead(const std::string& path, std::vector<std::string>& out) {
  out.insert(out.end(), {"----- EXIF-Daten -----", "", "Datei: " + Trimmed(path), "", "----------------------"});
}

void AddHtmlDocumentHead(const std::string& path, std::vector<std::string>& out) {
  out.push_back(Joined({"<html>", "<head>", "<title>Velmora EXIF-Informationen</title>", "<body>", "<hr>",
                        "<p><b>EXIF-Daten<br>", "<hr>", "</b><br>", LinkPiece(path), "<br>", "<hr>", "</p>"}));
}

void AddHtmlBlockHead(const std::string& path, std::vector<std::string>& out) {
  out.push_back(Joined({"<hr>", "<p><b>EXIF-Daten<br>", "</b><br>", LinkPiece(path), "<br>", "</p>"}));
}

bool Cancelled(const ExifReportOptions& options) {
  return options.LetEventsRunAndCheckCancel && options.LetEventsRunAndCheckCancel();
}

// The whole report file of one photo, for the file writers.
std::vector<std::string> ReportFile(const std::string& path, int form, ReportStyle htmlStyle,
                                    const ExifReportOptions& options) {
  std::vector<std::string> lines;
  if (form == kReportFormText) {
    AddTextHead(path, lines);
    AddSections(path, ReportStyle::Text, options, lines);
  } else {
    AddHtmlDocumentHead(path, lines);
    AddSections(path, htmlStyle, options, lines);
    lines.push_back(ExifHtmlDocumentFoot());
  }
  return lines;
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string ExifHtmlDocumentHead() {
  return Joined({"<html>", "<head>", "<title>Velmora EXIF-Informationen</title>", "<body>"});
}

std::string ExifHtmlDocumentFoot() {
  return Joined({"</body>", "<br>", "<hr>", "Erstellt mit Velmora (c) Quenbrook", "</html>"});
}

void WriteImageExifFile(const std::string& path, int form, const ExifReportOptions& options) {
  if (Cancelled(options)) return;
  const std::string file = ExifReportFileBeside(path, form);
  if (file.empty()) return;
  SaveReportLines(ReportFile(path, form, ReportStyle::HtmlShortHeadings, options), file);
}

void WriteImageExifFileTo(const std::string& path, const std::string& folder, int form,
                          const ExifReportOptions& options) {
  if (Cancelled(options)) return;
  const std::string file = ExifReportFileIn(path, folder, form);
  if (file.empty()) return;
  SaveReportLines(ReportFile(path, form, ReportStyle::HtmlLongHeadings, options), file);
}

void AppendImageExifReport(const std::string& path, std::vector<std::string>& lines, int form,
                           const ExifReportOptions& options) {
  if (Cancelled(options)) return;
  if (form == kReportFormText) {
    AddTextHead(path, lines);
    AddSections(path, ReportStyle::Text, options, lines);
  } else if (form == kReportFormHtml) {
    AddHtmlBlockHead(path, lines);
    AddSections(path, ReportStyle::HtmlLongHeadings, options, lines);
  }
  lines.emplace_back();
}
