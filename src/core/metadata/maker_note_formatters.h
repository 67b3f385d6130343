#pragma once
// The formatters of the vendor tables. The Nikon ones turn text into text; the Canon ones also
// derive entries of their own (one per decoded field), which the maker-note walk lists before
// the Canon tag itself.

#include <string>
#include <vector>

class TImageInfo;

// ColorMode of Nikon type 2/3 notes: "\"MODE1  \"" -> "Mode1 (sRGB)"; other modes stand as read.
std::string NikonColorModeText(const std::string& text);
// "180/10, 700/10, 35/10, 45/10" -> "18.0-70.0(mm)  F3.5-F4.5"
std::string LensRangeText(const std::string& text);

// One entry a Canon formatter derives from the value list of its tag.
struct DerivedMakerNoteEntry {
  std::string Label;
  std::string Text;
};

// The decoded fields of the rendered SHORT lists ("1, 2, 3, ..."), in table order.
std::vector<DerivedMakerNoteEntry> CanonSettingsFields(const std::string& text);
std::vector<DerivedMakerNoteEntry> CanonShotInfoFields(const std::string& text);
std::vector<DerivedMakerNoteEntry> CanonCustomFunctionFields(const std::string& text);

// The Canon tag formatters: append each derived field to info (AppendMakerNoteTag) and return
// the fields as "\r\n<label> = <text>" one after the other, the text of the Canon tag itself.
std::string CanonSettingsText(const std::string& text, TImageInfo& info);
std::string CanonShotInfoText(const std::string& text, TImageInfo& info);
std::string CanonCustomFunctionsText(const std::string& text, TImageInfo& info);
