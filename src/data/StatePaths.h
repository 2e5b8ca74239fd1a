#pragma once
// The names of the game-state files and their scratch copies inside the game directory.

namespace velkaro::paths {

inline constexpr const char* kBusv = "\\ini\\busv.ini";
inline constexpr const char* kGunsv = "\\ini\\gunsv.ini";
inline constexpr const char* kCmtsv = "\\ini\\Cmtsv.ini";
inline constexpr const char* kBuimg = "\\ini\\buimg.ini";
inline constexpr const char* kGunimg = "\\ini\\gunimg.ini";
inline constexpr const char* kCmtimg = "\\ini\\Cmtimg.ini";
inline constexpr const char* kText = "\\ini\\Text.ini";
inline constexpr const char* kCommand = "\\ini\\Command.ini";
inline constexpr const char* kComment = "\\ini\\Comment.ini";
inline constexpr const char* kSei = "\\ini\\sei.ini";
inline constexpr const char* kMei = "\\ini\\mei.ini";
inline constexpr const char* kLog = "\\ini\\velkaro.log";
inline constexpr const char* kLogImg = "\\ini\\velkaro.img";
// Each faction's figures year by year, for the history charts.
inline constexpr const char* kSuiisv = "\\ini\\suiisv.ini";
inline constexpr const char* kEndLog = "\\save\\velkaro_end.log";

}  // namespace velkaro::paths
