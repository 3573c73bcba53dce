#include "view/ZellSchrift.h"

#include <QHash>
#include <algorithm>
#include <memory>
#include <unordered_map>

namespace kalvora {
namespace {

// Texts of many different names are few compared with this; the cache starts over beyond it.
constexpr qsizetype kHoechstensTexte = 8192;

struct TextSchluessel {
    int nPixel;
    QString text;
    bool operator==(const TextSchluessel&) const = default;
};

size_t qHash(const TextSchluessel& k, size_t seed = 0) {
    return ::qHashMulti(seed, k.nPixel, k.text);
}

} // namespace

int ZellSchrift::BreiteM(int nZeichen) const {
    if (nZeichen <= 0) return 0;
    // Beyond this no cell is wide enough anyway.
    return m_metrik.horizontalAdvance(QString(std::min(nZeichen, 4096), QLatin1Char('M')));
}

int PixelAusZehnteln(int nZehntel, int nDpi) {
    // Rounded like the point-to-pixel conversion of the original fonts; 64-bit against absurd sizes.
    const long long px = (static_cast<long long>(nZehntel) * nDpi + 360) / 720;
    return static_cast<int>(std::clamp<long long>(px, 1, 4000));
}

const ZellSchrift& ZellSchriftFuer(int nZehntel, int nDpi) {
    static std::unordered_map<int, std::unique_ptr<ZellSchrift>> schriften;
    const int px = PixelAusZehnteln(nZehntel, nDpi);
    auto& eintrag = schriften[px];
    if (!eintrag) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(px);
        eintrag = std::make_unique<ZellSchrift>(ZellSchrift{font, QFontMetrics(font), px});
    }
    return *eintrag;
}

const QStaticText& ZellText(const ZellSchrift& schrift, const QString& text) {
    static QHash<TextSchluessel, QStaticText> texte;
    const TextSchluessel schluessel{schrift.m_nPixel, text};
    auto it = texte.find(schluessel);
    if (it != texte.end()) return *it;
    if (texte.size() >= kHoechstensTexte) texte.clear();
    QStaticText st(text);
    st.setTextFormat(Qt::PlainText);
    st.setPerformanceHint(QStaticText::AggressiveCaching);
    st.prepare(QTransform(), schrift.m_font);
    return *texte.insert(schluessel, st);
}

} // namespace kalvora
