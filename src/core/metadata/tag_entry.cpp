#include "metadata/tag_entry.h"

#include "metadata/tag_tables.h"

std::string LabelFromName(std::string_view name) {
  std::string label;
  label.reserve(name.size() + 8);
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (i > 0 && c >= 'A' && c <= 'Z') {
      const char before = name[i - 1];
      if (!(before >= 'A' && before <= 'Z')) label.push_back(' ');
    }
    label.push_back(c);
  }
  return label;
}

TTagEntry EntryFromDefinition(const TagDefinition& definition) {
  TTagEntry entry;
  entry.IptcCode = definition.IptcCode;
  entry.TagNumber = definition.TagNumber;
  entry.Name = std::string(definition.Name);
  if (!definition.Label.empty()) {
    entry.Label = std::string(definition.Label);
  } else if (const std::string& prepared = PreparedLabel(definition); !prepared.empty()) {
    entry.Label = prepared;
  } else {
    entry.Label = LabelFromName(definition.Name);
  }
  entry.ValueList = std::string(definition.ValueList);
  entry.FormatText = std::string(definition.FormatText);
  entry.Formatter = definition.Formatter;
  return entry;
}
