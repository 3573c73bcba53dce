#pragma once
#include "app/Meldungen.h"

// Modal message boxes without owner window; an empty caption becomes the application title.
class QtMeldungen final : public kalvora::Meldungen {
public:
    kalvora::Antwort Zeige(const std::string& text, const std::string& titel = {},
                           kalvora::Knoepfe knoepfe = kalvora::Knoepfe::Ok) override;
};
