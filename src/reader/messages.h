#pragma once

namespace mapedit::msg {

// The fixed texts the reader reports. A statement's failure reports the
// message in force when its failing step returned.
inline constexpr const char* kBrokenMap = "Broken map";
inline constexpr const char* kSyntaxError = "Syntax error";
inline constexpr const char* kMissingColon = "Missing ':'";
inline constexpr const char* kMissingComma = "Missing ','";
inline constexpr const char* kMissingQuote = "Missing '\"'";
inline constexpr const char* kMissingOpenBrace = "Missing brace '['";
inline constexpr const char* kMissingCloseBrace = "Missing brace ']'";
inline constexpr const char* kTooManyArguments = "Too many arguments";
inline constexpr const char* kIllegalSymbol = "Illegal symbol";
inline constexpr const char* kIllegalShuffleNumber = "Illegal shuffle number";
inline constexpr const char* kMissingPercent = "Missing '%'";
inline constexpr const char* kInvalidChance = "Invalid chance value";
inline constexpr const char* kInvalidLocation = "Invalid location";
inline constexpr const char* kInvalidRegion = "Invalid region";
inline constexpr const char* kInvalidBoolean = "Invalid boolean value";
inline constexpr const char* kInvalidUpDown = "Invalid up/down value";
inline constexpr const char* kInvalidLighting = "Invalid lighting value";
inline constexpr const char* kInvalidDirection = "Invalid direction";

}  // namespace mapedit::msg
