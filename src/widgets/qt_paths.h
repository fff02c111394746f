#pragma once
// File names between Qt and the standard library without losing a character:
// a plain std::string path would pass through the ANSI code page on Windows.
#include <QString>
#include <filesystem>

namespace zq {

inline std::filesystem::path PathOfQString(const QString& text) { return std::filesystem::path(text.toStdU16String()); }

inline QString QStringOfPath(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

}  // namespace zq
