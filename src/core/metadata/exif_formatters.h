#pragma once
// The special formatters attached to a few tags, and the number parser they share.
// Each takes the text the directory walk rendered for the entry and returns its final text.

#include <string>

class TImageInfo;

// "48/1" -> 48, "2100/100" -> 21, "1 1/2" -> 1.5; anything else, or a denominator 0, -> 0.
double TextToNumber(const std::string& text);

std::string ComponentsText(const std::string& text);    // "\"\x01\x02\x03" -> "YCbCr"
std::string ShutterSpeedText(const std::string& text);  // APEX time value -> "0.0039 sec (1/256)"
std::string FlashText(const std::string& text);         // "25" -> "On, auto mode"
std::string Ucs2Text(const std::string& text);          // "84, 0, 101, 0, ..." -> "Te..."
std::string GpsDegreesText(const std::string& text);    // "48/1, 8/1, 2100/100" -> degrees
std::string GpsTimeText(const std::string& text);       // "14/1, 3/1, 59/1" -> "14:3:59"
