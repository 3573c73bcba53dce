#include "view/KalenderWnd.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include "app/QtWandlung.h"
#include "app/Tipp.h"
#include "app/Uhr.h"
#include "calendar/Feiertage.h"
#include "view/Anzeige.h"
#include "view/Band.h"
#include "view/KopfZelle.h"
#include "view/Zelle.h"

namespace {

kalvora::Datum Heute() {
    const kalvora::LokaleZeit t = kalvora::Jetzt().Lokal();
    return {t.jahr, t.monat, t.tag};
}

QString Latin(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

void Fuellen(QPainter& p, const std::vector<QRect>& rechtecke, kalvora::COLORREF farbe) {
    if (rechtecke.empty()) return;
    p.setBrush(kalvora::QFarbe(farbe));
    p.drawRects(rechtecke.data(), static_cast<int>(rechtecke.size()));
}

} // namespace

CKalenderWnd::CKalenderWnd(const kalvora::EintragsartTabelle& arten, QWidget* parent)
    : QWidget(parent), m_arten(arten) {
    setObjectName(QStringLiteral("id1000"));
    // The buffer covers every pixel: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // The resize cursor over the divider shows without a button pressed.
    setMouseTracking(true);
}

CKalenderWnd::~CKalenderWnd() = default;

QString CKalenderWnd::TagesHinweis(QPoint pos, bool auchZellen) const {
    const int j = m_layout.m_geo.SpalteBei(pos.x());
    if (j < 0 || j >= static_cast<int>(m_layout.m_spalten.size())) return {};
    const kalvora::TagSpalte& s = m_layout.m_spalten[static_cast<std::size_t>(j)];
    const bool kopf = pos.y() >= s.m_kopf.oben && pos.y() <= s.m_kopf.unten;
    const int k = m_layout.m_geo.ZeileBei(pos.y());
    const bool zelle = auchZellen && k >= 0 && k < m_layout.AnzahlZeilen();
    if (!kopf && !zelle) return {};
    return kalvora::TextAusCp1252(
        kalvora::TagesText(s.m_datum.tag, s.m_datum.monat, s.m_datum.jahr, m_arten.m_nRegion));
}

QString CKalenderWnd::NamensHinweis(QPoint pos) const {
    if (pos.x() < 0 || pos.x() > m_layout.m_geo.m_nNamenBreite) return {};
    const int k = m_layout.m_geo.ZeileBei(pos.y());
    if (k < 0 || k >= m_layout.AnzahlZeilen()) return {};
    const std::size_t zeile = static_cast<std::size_t>(m_layout.m_nErsteZeile + k);
    if (zeile >= m_pZeilen.size()) return {};
    const QString text = kalvora::TextAusCp1252(m_pZeilen[zeile]->m_strBenennung1);
    CZelle name;
    name.SetRechteck(m_layout.m_namen[static_cast<std::size_t>(k)]);
    name.SetText(text);
    name.SetKuerzen(true);
    return name.IstGekuerzt() ? text : QString();
}

bool CKalenderWnd::ZeigtEinstiegsHinweis() const {
    return m_pZeilen.empty() && m_strTitel.empty();
}

bool CKalenderWnd::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* hilfe = static_cast<QHelpEvent*>(event);
    QString text = TagesHinweis(hilfe->pos(), false);
    if (text.isEmpty()) text = NamensHinweis(hilfe->pos());
    return kalvora::TippZeigen(event, text, this);
}

void CKalenderWnd::HinweisZeigen(const QString& text) {
    if (text == m_strHinweis) return;
    m_strHinweis = text;
    // The main window shows status tips in its status bar, as it does for menu commands.
    QStatusTipEvent tipp(text);
    QCoreApplication::sendEvent(this, &tipp);
}

void CKalenderWnd::leaveEvent(QEvent* event) {
    HinweisZeigen({});
    QWidget::leaveEvent(event);
}

void CKalenderWnd::ListeLeeren() {
    kalvora::ListeFreigeben(m_pZeilen);
    Neuzeichnen();
}

int CKalenderWnd::AddZeile(std::string strLabel) {
    return kalvora::AddZeile(m_pZeilen, std::move(strLabel));
}

void CKalenderWnd::SetTagAnzeige(int nZeile, CTime datum, int nVormittag, int nNachmittag,
                                 const std::string& notiz) {
    if (CRessource* r = Zeile(nZeile)) kalvora::SetTagAnzeige(*r, datum, nVormittag, nNachmittag, notiz);
}

CRessource* CKalenderWnd::Zeile(int nZeile) const {
    return kalvora::ZeileFinden(m_pZeilen, nZeile);
}

void CKalenderWnd::SetZellgroesse(int n) {
    if (m_zustand.SetZellgroesse(n)) Neuzeichnen();
}

void CKalenderWnd::SetNamenBreite(int n) {
    m_zustand.m_nNamenBreite = n;
}

void CKalenderWnd::SetTagOffset(int n) {
    if (m_zustand.SetTagOffset(n, Heute())) Neuzeichnen();
}

void CKalenderWnd::SetErsteZeile(int n) {
    m_zustand.SetErsteZeile(n, AnzahlZeilen());
    Neuzeichnen();
}

void CKalenderWnd::SetFarbschema(int nSchema) {
    m_farben.SetFarbschema(nSchema);
}

void CKalenderWnd::Neuzeichnen() {
    // A child that no layout has sized yet would clamp the name column to a made-up width; it is
    // rendered once it is shown or sized.
    if (!isVisible() && !testAttribute(Qt::WA_Resized)) return;
    const qreal dpr = devicePixelRatioF();
    const QSize groesse = size();
    const QSize pixel(qRound(groesse.width() * dpr), qRound(groesse.height() * dpr));
    if (pixel.isEmpty()) {
        // Nothing to show, but the name column is clamped all the same.
        m_bmSpeicher = QImage();
        m_zustand.m_nNamenBreite = kalvora::NamenBreiteBegrenzen(m_zustand.m_nNamenBreite, groesse.width());
        return;
    }
    if (m_bmSpeicher.size() != pixel || m_bmSpeicher.devicePixelRatio() != dpr) {
        m_bmSpeicher = QImage(pixel, QImage::Format_RGB32);
        m_bmSpeicher.setDevicePixelRatio(dpr);
    }
    QPainter p(&m_bmSpeicher);
    Zeichnen(p, groesse, m_layout);
    p.end();
    m_zustand.m_nNamenBreite = m_layout.m_geo.m_nNamenBreite;
    update();
}

void CKalenderWnd::Zeichnen(QPainter& p, QSize groesse, kalvora::GitterLayout& layout) {
    kalvora::GitterEingabe e;
    e.m_nClientBreite = groesse.width();
    e.m_nClientHoehe = groesse.height();
    e.m_nZellgroesse = m_zustand.m_nSpaltenBreite;
    e.m_nNamenBreite = m_zustand.m_nNamenBreite;
    e.m_nErsteZeile = m_zustand.m_nErsteZeile;
    e.m_nTagOffset = m_zustand.m_nTagOffset;
    e.m_heute = Heute();
    e.m_nZeilen = AnzahlZeilen();
    const CFeiertage feiertage(m_arten.m_nRegion);
    kalvora::GitterAnordnen(e, feiertage, layout);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    // The background shows only where no cell lies: below the last row (the cells cover the full
    // width above it), or everywhere when the name column has shrunk away entirely.
    const int z = layout.m_geo.m_nZellgroesse;
    const int bedeckt = layout.m_geo.m_nNamenBreite < 0 ? -1
                        : layout.AnzahlZeilen() > 0 ? layout.m_geo.ZeileOben(layout.AnzahlZeilen() - 1) + z
                                                    : 2 * z + 1;
    const QRect hintergrund(0, bedeckt + 1, groesse.width(), groesse.height() - bedeckt - 1);
    if (!hintergrund.isEmpty()) {
        p.fillRect(hintergrund, Qt::white);
        p.fillRect(hintergrund, QBrush(QColor(240, 240, 240), Qt::CrossPattern));
    }

    CZelle ecke;
    ecke.SetRechteck(layout.m_geo.Ecke());
    ecke.SetFarben(m_farben.Ecke());
    ecke.SetText(kalvora::TextAusCp1252(m_strTitel));
    ecke.Zeichnen(p);

    CZelle name;
    name.SetFarben(m_farben.Name());
    for (int k = 0; k < layout.AnzahlZeilen(); ++k) {
        const CRessource& r = *m_pZeilen[static_cast<std::size_t>(layout.m_nErsteZeile + k)];
        name.SetRechteck(layout.m_namen[static_cast<std::size_t>(k)]);
        name.SetText(kalvora::TextAusCp1252(r.m_strBenennung1));
        name.SetKuerzen(true);
        name.Zeichnen(p);
    }

    CKopfZelle kopf;
    for (const kalvora::TagSpalte& s : layout.m_spalten) {
        if (s.m_bMonatsKopf) {
            kopf.SetRechteck(s.m_monat.m_rect);
            kopf.SetFarben(m_farben.MonatsKopf());
            kopf.SetTexte(Latin(s.m_monat.m_strJahr), kalvora::TextAusCp1252(s.m_monat.m_strMonat), false);
            kopf.Zeichnen(p);
        }
        kopf.SetRechteck(s.m_kopf);
        kopf.SetFarben(m_farben.TagesKopf(s.m_art));
        kopf.SetTexte(Latin(s.m_strTag), Latin(s.m_strWochentag), s.m_bSchulferien);
        kopf.Zeichnen(p);
    }
    Tageszellen(p, layout);
}

// Every shown row of day cells looks alike before its bands: the fill and week number depend on the
// column only. So one row of cells is painted cell by cell into a strip and copied to each row.
void CKalenderWnd::Tageszellen(QPainter& p, const kalvora::GitterLayout& layout) {
    const int n = layout.AnzahlZeilen();
    if (n == 0 || layout.m_spalten.empty()) return;
    const int z = layout.m_geo.m_nZellgroesse;
    const int x0 = layout.m_spalten.front().m_nLinks;
    const int breite = layout.m_spalten.back().m_nLinks + z + 1 - x0;
    const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
    const QSize pixel(qCeil(breite * dpr), qCeil((z + 1) * dpr));
    if (m_streifen.size() != pixel || m_streifen.devicePixelRatio() != dpr) {
        m_streifen = QImage(pixel, QImage::Format_RGB32);
        m_streifen.setDevicePixelRatio(dpr);
    }
    {
        QPainter sp(&m_streifen);
        sp.setRenderHint(QPainter::Antialiasing, false);
        CZelle zelle;
        for (const kalvora::TagSpalte& s : layout.m_spalten) {
            zelle.SetRechteck(s.m_nLinks - x0, 0, s.m_nLinks - x0 + z, z);
            zelle.SetFarben(m_farben.Tageszelle(s.m_art));
            zelle.SetText(Latin(s.m_strKalenderwoche));
            zelle.Zeichnen(sp);
        }
    }
    for (int k = 0; k < n; ++k)
        p.drawImage(QPoint(x0, layout.m_geo.ZeileOben(k)), m_streifen);
    for (const kalvora::TagSpalte& s : layout.m_spalten)
        Baender(p, layout, s);
}

void CKalenderWnd::Baender(QPainter& p, const kalvora::GitterLayout& layout, const kalvora::TagSpalte& s) {
    const int n = layout.AnzahlZeilen();
    const int z = layout.m_geo.m_nZellgroesse;
    const int l = s.m_nLinks;
    const int r = l + z;
    // Bands never overlap one another, so their edges can follow all their fills at once.
    m_linksOben.clear();
    m_rechtsUnten.clear();
    CZelle notiz;
    static const QString kNotiz = QStringLiteral("N");
    notiz.SetText(kNotiz);
    for (int k = 0; k < n; ++k) {
        const CRessource& zeile = *m_pZeilen[static_cast<std::size_t>(layout.m_nErsteZeile + k)];
        const CTagEintrag* eintrag = kalvora::EintragAm(zeile, s);
        if (!eintrag) continue;
        const int t = layout.m_geo.ZeileOben(k);
        for (const kalvora::Band& b :
             kalvora::BaenderEinesTages(*eintrag, {l, t, r, t + z}, m_arten, m_farben)) {
            const kalvora::Rechteck& br = b.m_rect;
            if (br.rechts > br.links && br.unten > br.oben)
                p.fillRect(QRect(br.links, br.oben, br.Breite(), br.Hoehe()),
                           kalvora::QFarbe(b.m_farben.m_nFuellung));
            if (!b.m_strText.empty()) {
                notiz.SetRechteck(br);
                notiz.SetFarben(b.m_farben);
                notiz.Beschriften(p);
            }
            const std::array<QRect, 4> streifen = kalvora::RandStreifen(br);
            for (std::size_t i = 0; i < streifen.size(); ++i)
                if (!streifen[i].isEmpty()) (i < 2 ? m_linksOben : m_rechtsUnten).push_back(streifen[i]);
        }
    }
    const kalvora::ZellFarben band = m_farben.Band(0);
    p.setPen(Qt::NoPen);
    Fuellen(p, m_linksOben, band.m_nRandLinksOben);
    Fuellen(p, m_rechtsUnten, band.m_nRandRechtsUnten);
    p.setBrush(Qt::NoBrush);
}

void CKalenderWnd::paintEvent(QPaintEvent* event) {
    // Not rendered for this size or pixel ratio yet (first show, another screen): render first.
    const qreal dpr = devicePixelRatioF();
    if (m_bmSpeicher.devicePixelRatio() != dpr ||
        m_bmSpeicher.size() != QSize(qRound(width() * dpr), qRound(height() * dpr)))
        Neuzeichnen();
    QPainter p(this);
    if (m_bmSpeicher.isNull()) {
        p.fillRect(event->rect(), Qt::white);
        return;
    }
    p.drawImage(QPoint(0, 0), m_bmSpeicher);
    if (ZeigtEinstiegsHinweis()) EinstiegsHinweisZeichnen(p);
    Ueberzeichnen(p);
}

// Over the empty rows of a plan without resources: where a new user starts.
void CKalenderWnd::EinstiegsHinweisZeichnen(QPainter& p) {
    const int z = m_zustand.m_nZeilenHoehe;
    const QRect bereich = QRect(0, 2 * z + 2, width(), height() - 2 * z - 2).adjusted(16, 16, -16, -16);
    if (bereich.width() < 40 || bereich.height() < 20) return;
    p.save();
    p.setPen(QColor(80, 80, 80));
    p.drawText(bereich, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kEinstiegsHinweis);
    p.restore();
}

// The band and the divider line live only while the button is down; painting them over the
// buffer leaves no trails when they move.
void CKalenderWnd::Ueberzeichnen(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    if (m_bTeiler && m_bTeilerLinie) {
        p.setPen(QPen(kalvora::QFarbe(m_farben.C(7)), 1, Qt::DashDotLine));
        p.drawLine(m_nTeilerX, 0, m_nTeilerX, height() - 1);
    }
    if (m_bMarkieren && m_bBand) {
        const QColor farbe = kalvora::QFarbe(kalvora::GummibandFarbe(m_arten, m_farben, m_nAktiveArt));
        const kalvora::Gummiband b = kalvora::GummibandVon(m_nAnkerX, m_nAnkerY, m_nBandEnde);
        p.setPen(farbe);
        p.drawLine(b.m_nAnfang, b.m_nY, b.m_nEnde, b.m_nY);
        for (const kalvora::Rechteck& r : {b.m_anfang, b.m_ende})
            p.fillRect(QRect(r.links, r.oben, r.Breite(), r.Hoehe()), farbe);
    }
}

QRect CKalenderWnd::BandBereich() const {
    const kalvora::Rechteck r = kalvora::GummibandVon(m_nAnkerX, m_nAnkerY, m_nBandEnde).Umriss();
    return QRect(QPoint(r.links, r.oben), QPoint(r.rechts, r.unten));
}

QRect CKalenderWnd::TeilerBereich() const {
    return QRect(m_nTeilerX, 0, 1, height());
}

kalvora::MausGitter CKalenderWnd::MausGeometrie() const {
    kalvora::MausGitter g;
    g.m_nNamenBreite = m_layout.m_geo.m_nNamenBreite;
    g.m_nZellgroesse = m_layout.m_geo.m_nZellgroesse;
    g.m_nErsteZeile = m_layout.m_nErsteZeile;
    g.m_nZeilen = AnzahlZeilen();
    g.m_timeLinks = kalvora::LinkeHalbtagsZeit(Heute(), m_zustand.m_nTagOffset);
    return g;
}

void CKalenderWnd::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        // Every press starts afresh, also after a release that went to another window.
        if (m_bBand || m_bTeilerLinie) update();
        m_bMarkieren = m_bTeiler = m_bBand = m_bTeilerLinie = false;
        if (kalvora::AmTeiler(m_layout.m_geo.m_nNamenBreite, pos.x())) {
            m_bTeiler = true;
            return;
        }
        m_bMarkieren = Verankern(pos);
        if (m_bMarkieren) emit MarkierungBegonnen();
    } else if (event->button() == Qt::RightButton) {
        // No note dialog in the middle of a drag.
        if (m_bMarkieren || m_bTeiler) return;
        if (Verankern(pos)) emit Befehl(kNotizGewuenscht);
    }
}

bool CKalenderWnd::Verankern(QPoint pos) {
    const kalvora::MausPunkt punkt = kalvora::PunktOrten(MausGeometrie(), pos.x(), pos.y());
    m_timeStart = punkt.m_time;
    if (!punkt.m_bTageszelle) return false;
    m_nAnkerX = punkt.m_nX;
    m_nAnkerY = punkt.m_nY;
    m_nMausZeile = m_pZeilen[static_cast<std::size_t>(punkt.m_nIndex)]->m_nZeile;
    return true;
}

void CKalenderWnd::MarkierungAbbrechen() {
    if (!m_bMarkieren) return;
    if (m_bBand) update(BandBereich());
    m_bMarkieren = m_bBand = false;
}

void CKalenderWnd::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    HinweisZeigen(TagesHinweis(event->position().toPoint(), true));
    const int x = event->position().toPoint().x();
    const bool teiler = (kalvora::AmTeiler(m_layout.m_geo.m_nNamenBreite, x) || m_bTeiler) && !m_bMarkieren;
    const Qt::CursorShape form = teiler ? Qt::SizeHorCursor : Qt::ArrowCursor;
    if (cursor().shape() != form) setCursor(form);
    if (teiler) {
        if (!m_bTeiler) return;
        if (m_bTeilerLinie) update(TeilerBereich());
        m_nTeilerX = x;
        m_bTeilerLinie = true;
        update(TeilerBereich());
        return;
    }
    // Right of the window the band stays where it was.
    if (!m_bMarkieren || x >= width()) return;
    if (m_bBand) update(BandBereich());
    m_nBandEnde = kalvora::HalbtagBei(MausGeometrie(), x).m_nX;
    m_bBand = true;
    update(BandBereich());
}

void CKalenderWnd::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const int x = event->position().toPoint().x();
    if (m_bTeiler) {
        m_bTeiler = m_bTeilerLinie = false;
        SetNamenBreite(x);
        emit NamenBreiteGezogen(x);
    } else if (m_bMarkieren) {
        m_bMarkieren = m_bBand = false;
        m_timeEnde = kalvora::HalbtagBei(MausGeometrie(), x).m_time;
        emit Befehl(kMarkierungFertig);
    }
    Neuzeichnen();
}

void CKalenderWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Neuzeichnen();
}
