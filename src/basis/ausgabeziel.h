#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brelvanostik {

/// Whether a name is one of `namen`, or begins with one of them followed by a full stop.
bool geschuetzterName(std::string_view name, std::span<const std::string_view> namen);

/// Whether an output file may be written at `ausgabe`: nothing when it may, else the German
/// reason. Refused is a path whose name, or the name of any link on the way to the file it
/// reaches, is a protected name (geschuetzterName), in whatever directory and however spelled,
/// and a path that reaches, by device and inode, a file of `verzeichnis` with a protected
/// name (a hard link).
std::optional<std::string> ausgabezielPruefen(const std::filesystem::path& ausgabe,
                                              const std::filesystem::path& verzeichnis,
                                              std::span<const std::string_view> namen);

}  // namespace brelvanostik
