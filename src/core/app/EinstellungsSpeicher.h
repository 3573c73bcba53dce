#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace kalvora {

// The per-user settings key ("Software\Tervolan\Orlim\"). Texts are UTF-8.
class EinstellungsSpeicher {
public:
    virtual ~EinstellungsSpeicher() = default;
    // Opens or creates the key; false when the store is not usable.
    virtual bool Oeffnen() = 0;
    virtual std::optional<std::string> LeseText(const std::string& name) = 0;
    virtual std::optional<std::uint32_t> LeseZahl(const std::string& name) = 0;
    virtual bool SchreibeText(const std::string& name, const std::string& wert) = 0;
    virtual bool SchreibeZahl(const std::string& name, std::uint32_t wert) = 0;

    // Where the default database goes: the user's documents folder. `ordnerSchluesselOffen`
    // tells apart "no such value" (false result, key open) from "no shell-folder key at all".
    virtual std::optional<std::string> PersoenlicherOrdner(bool& ordnerSchluesselOffen) = 0;
    // Fallback folders: the system drive's root, and the folder of the program file.
    virtual std::string Laufwerkswurzel() = 0;
    virtual std::string ProgrammOrdner() = 0;
};

} // namespace kalvora
