#pragma once
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "data/Time.h"

namespace kalvora {

// The note of a day entry. Most days have none, and a plan holds millions of entries, so an
// empty note is one null pointer rather than a whole string.
class NotizText {
public:
    NotizText() = default;
    NotizText(std::string_view text) { Setzen(text); }
    NotizText(const std::string& text) { Setzen(text); }
    NotizText(const char* text) { Setzen(text); }
    NotizText(const NotizText& andere) { Setzen(andere.Text()); }
    NotizText(NotizText&&) noexcept = default;
    NotizText& operator=(const NotizText& andere) {
        if (this != &andere) Setzen(andere.Text());
        return *this;
    }
    NotizText& operator=(NotizText&&) noexcept = default;
    NotizText& operator=(std::string_view text) { return Setzen(text); }
    NotizText& operator=(const std::string& text) { return Setzen(text); }
    NotizText& operator=(const char* text) { return Setzen(text); }

    bool empty() const { return !m_pText; }
    std::size_t size() const { return m_pText ? m_pText->size() : 0; }
    const std::string& Text() const { return m_pText ? *m_pText : Leer(); }
    operator const std::string&() const { return Text(); }

    // An empty note is always the null pointer, so two null pointers are the common equal case.
    friend bool operator==(const NotizText& a, const NotizText& b) {
        if (!a.m_pText || !b.m_pText) return a.m_pText == b.m_pText;
        return *a.m_pText == *b.m_pText;
    }
    friend bool operator==(const NotizText& a, std::string_view b) { return a.Text() == b; }
    friend bool operator==(const NotizText& a, const std::string& b) { return a.Text() == b; }
    friend bool operator==(const NotizText& a, const char* b) { return a.Text() == b; }
    friend std::ostream& operator<<(std::ostream& out, const NotizText& n) { return out << n.Text(); }

private:
    static const std::string& Leer() {
        static const std::string leer;
        return leer;
    }
    NotizText& Setzen(std::string_view text) {
        if (text.empty())
            m_pText.reset();
        else if (m_pText)
            m_pText->assign(text);
        else
            m_pText = std::make_unique<std::string>(text);
        return *this;
    }

    std::unique_ptr<std::string> m_pText; // null = no note
};

} // namespace kalvora

// One marked calendar day of one resource. Both halves 0 = a cleared day, kept for merging.
struct CTagEintrag {
    CTime m_timeGeaendert;
    int m_nArtVormittag = 0;
    int m_nArtNachmittag = 0;
    CTime m_timeDatum;            // only the local year, month and day count
    kalvora::NotizText m_strNotiz; // Windows-1252 bytes

    bool IstGeloescht() const { return m_nArtVormittag == 0 && m_nArtNachmittag == 0; }
};
