#include "app/QtWandlung.h"

#include "app/Zeichensatz.h"

static void KalvoraRessourcen() {
    Q_INIT_RESOURCE(kalvora);
}

namespace kalvora {

QString TextAusCp1252(std::string_view cp1252) {
    const std::string utf8 = Utf8AusCp1252(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> Cp1252AusText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Cp1252AusUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

bool IstSpeicherbarerText(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return Cp1252AusText(text).has_value();
}

QString TextAusPfad(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string PfadAusText(const QString& text) {
    return text.toStdString();
}

QColor QFarbe(COLORREF farbe) {
    return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                  static_cast<int>((farbe >> 16) & 0xFF));
}

COLORREF Colorref(const QColor& farbe) {
    const QColor rgb = farbe.toRgb();
    return static_cast<COLORREF>(rgb.red()) | (static_cast<COLORREF>(rgb.green()) << 8) |
           (static_cast<COLORREF>(rgb.blue()) << 16);
}

void RessourcenEinbinden() {
    static const bool eingebunden = [] {
        KalvoraRessourcen();
        return true;
    }();
    (void)eingebunden;
}

} // namespace kalvora
