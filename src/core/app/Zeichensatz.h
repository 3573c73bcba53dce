#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kalvora {

// Windows-1252 bytes to UTF-8. The five unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
// the C1 controls of the same number, as Windows does, so every byte survives a round trip.
std::string Utf8AusCp1252(std::string_view cp1252);

// UTF-8 to Windows-1252; nullopt when the text holds a character 1252 cannot store or is not
// valid UTF-8.
std::optional<std::string> Cp1252AusUtf8(std::string_view utf8);

} // namespace kalvora
