#pragma once
#include <QSettings>

#include "app/EinstellungsSpeicher.h"

// The per-user settings in QSettings("Tervolan", "Orlim"): the registry key on Windows,
// ~/.config/Tervolan/Orlim.conf elsewhere.
class QtEinstellungsSpeicher final : public kalvora::EinstellungsSpeicher {
public:
    QtEinstellungsSpeicher();

    bool Oeffnen() override;
    std::optional<std::string> LeseText(const std::string& name) override;
    std::optional<std::uint32_t> LeseZahl(const std::string& name) override;
    bool SchreibeText(const std::string& name, const std::string& wert) override;
    bool SchreibeZahl(const std::string& name, std::uint32_t wert) override;

    std::optional<std::string> PersoenlicherOrdner(bool& ordnerSchluesselOffen) override;
    std::string Laufwerkswurzel() override;
    std::string ProgrammOrdner() override;

private:
    QSettings m_settings;
};
