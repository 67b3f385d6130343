#pragma once
// The EXIF report of one photo, as text or HTML: written beside the photo, written into a
// folder, or appended to a list of lines that the caller saves as one file. Each report reads the
// photo afresh and holds, each under its condition, the EXIF tags, the maker-note tags, the
// thumbnail tags, the comment, the IPTC lines and, always, the summary.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/image_info.h"

// The form argument: the item index of the callers' "Anlegen" choice ("als Text", "als HTML").
inline constexpr int kReportFormText = 0;
inline constexpr int kReportFormHtml = 1;

struct ExifReportOptions {
  // Called once at the start of a writer: lets the caller's event queue run and tells whether
  // the user asked to cancel; a cancelled writer writes and appends nothing. Empty: go on.
  std::function<bool()> LetEventsRunAndCheckCancel;
  // The date part of the file time in the summary ("File Date: ").
  ShortDateFormatter ShortDate = DefaultShortDate;
};

// A report file that cannot be written; the message names the file and the system's reason.
class ReportFileError : public std::runtime_error {
 public:
  explicit ReportFileError(const std::string& message) : std::runtime_error(message) {}
};

// Writes the report beside the photo: its folder, its lower-cased base name, ".txt" (form 0) or
// ".html" (form 1). Other form values write nothing. An existing file is replaced.
void WriteImageExifFile(const std::string& path, int form, const ExifReportOptions& options = {});
// Writes the report into folder under the photo's lower-cased base name.
void WriteImageExifFileTo(const std::string& path, const std::string& folder, int form,
                          const ExifReportOptions& options = {});
// Appends the report to lines (text or an HTML block without document head and foot), followed
// by one empty line; any other form value appends only the empty line.
void AppendImageExifReport(const std::string& path, std::vector<std::string>& lines, int form,
                           const ExifReportOptions& options = {});

// The report file names: beside the photo, and inside folder. Empty for other form values.
std::string ExifReportFileBeside(const std::string& path, int form);
std::string ExifReportFileIn(const std::string& path, const std::string& folder, int form);

// Saves the items, each followed by CR LF; throws ReportFileError on failure.
void SaveReportLines(const std::vector<std::string>& lines, const std::string& file);

// The document head and foot that a caller writes around HTML blocks it collected with
// AppendImageExifReport. Line breaks inside these items are LF CR.
std::string ExifHtmlDocumentHead();
std::string ExifHtmlDocumentFoot();

// &, <, >, " written as entities: photo texts never become markup.
std::string EscapeHtml(std::string_view text);
