#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace kalvora {

// One German sentence for a system error number (errno); the system's own texts are English
// and never reach the user.
std::string SystemfehlerText(int nummer);

// "Die Datei "<datei>" kann nicht <vorgang> werden. <sentence for nummer>"
std::string DateiFehlerText(const std::filesystem::path& datei, std::string_view vorgang, int nummer);

} // namespace kalvora
