#pragma once
#include <string>

namespace kalvora {

enum class Knoepfe { Ok, JaNein };
enum class Antwort { Ok, Ja, Nein };

// Modal message boxes. Texts are UTF-8; an empty caption means the application title.
class Meldungen {
public:
    virtual ~Meldungen() = default;
    virtual Antwort Zeige(const std::string& text, const std::string& titel = {}, Knoepfe knoepfe = Knoepfe::Ok) = 0;
};

// Answers nothing and shows nothing (headless callers that report on their own).
class StilleMeldungen final : public Meldungen {
public:
    Antwort Zeige(const std::string&, const std::string&, Knoepfe k) override {
        return k == Knoepfe::Ok ? Antwort::Ok : Antwort::Nein;
    }
};

} // namespace kalvora
