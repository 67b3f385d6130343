#pragma once
// The ten vendor tables of the maker-note decoder. Each is a list of TagDefinition records in
// table order; a definition whose label reads "SKIP" in any letter case marks a tag that is read
// but neither rendered nor listed. Labels are always given: in these tables they are shown as
// written, never derived from the name.

#include <span>
#include <string_view>

#include "metadata/tag_entry.h"

std::span<const TagDefinition> NikonType1Tags();
std::span<const TagDefinition> NikonType2And3Tags();
std::span<const TagDefinition> OlympusTags();
std::span<const TagDefinition> CasioType1Tags();
std::span<const TagDefinition> CasioType2Tags();
std::span<const TagDefinition> FujifilmTags();
std::span<const TagDefinition> CanonTags();
std::span<const TagDefinition> SeikoTags();
std::span<const TagDefinition> SanyoTags();
std::span<const TagDefinition> MinoltaTags();

// True when the label marks a tag that is read but not shown ("Skip", "skip", "SKIP").
bool IsSkipLabel(std::string_view label);
