#include "frame/StatusLeiste.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QSizeGrip>
#include <algorithm>
#include <array>

#include "app/Stempel.h"

namespace {

// Resizes the window like any size grip but leaves the drawing to the bar.
class StillerGriff final : public QSizeGrip {
public:
    using QSizeGrip::QSizeGrip;

protected:
    void paintEvent(QPaintEvent*) override {}
};

// An 8 x 8 dot on black.
const QImage& Lampe(bool rot) {
    static const std::array<QImage, 2> bilder = [] {
        QImage gruen(8, 8, QImage::Format_RGB32);
        QImage rotBild(8, 8, QImage::Format_RGB32);
        static const char* const kForm[8] = {"..####..", ".######.", "########", "########",
                                             "########", "########", ".######.", "..####.."};
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const bool punkt = kForm[y][x] == '#';
                const bool glanz = (x == 2 || x == 3) && (y == 2 || y == 3);
                gruen.setPixel(x, y, !punkt ? qRgb(0, 0, 0) : glanz ? qRgb(160, 255, 160) : qRgb(0, 200, 0));
                rotBild.setPixel(x, y,
                                 !punkt  ? qRgb(0, 0, 0)
                                 : glanz ? qRgb(255, 170, 170)
                                         : qRgb(220, 0, 0));
            }
        return std::array<QImage, 2>{gruen, rotBild};
    }();
    return bilder[rot ? 1 : 0];
}

} // namespace

CStatusLeiste::CStatusLeiste(std::string stempel, const bool& abgleichOffen, QWidget* parent)
    : QStatusBar(parent), m_strStempel(std::move(stempel)), m_bAbgleichOffen(abgleichOffen) {
    setObjectName(QStringLiteral("StatusLeiste"));
    setSizeGripEnabled(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // "MS Sans Serif" is a bitmap face whose smallest size is 8 points; elsewhere the system's
    // sans serif of that size stands in.
    m_schrift = QFont(QStringLiteral("MS Sans Serif"));
    m_schrift.setStyleHint(QFont::SansSerif);
    m_schrift.setPointSize(8);
    m_schrift.setWeight(QFont::Normal);
    // The single stretching prompt pane.
    m_stile.push_back({palette().color(QPalette::Window), palette().color(QPalette::WindowText), m_schrift,
                       false, false, 0});

    m_pGriff = new StillerGriff(this);
    m_pGriff->resize(16, 16);

    connect(this, &QStatusBar::messageChanged, this, qOverload<>(&QWidget::update));
    connect(&m_timer, &QTimer::timeout, this, &CStatusLeiste::OnTimer);
    m_timer.start(kTakt);
}

QString CStatusLeiste::PaneText() const {
    const QString meldung = currentMessage();
    return meldung.isEmpty() ? QStringLiteral("Bereit") : meldung;
}

void CStatusLeiste::OnTimer() {
    const auto sperre = kalvora::StempelErsteZahlLesen(m_strStempel);
    if (!sperre) return;
    m_bGesperrt = *sperre != 0;
    m_bBeschaeftigt = m_bGesperrt || m_bAbgleichOffen;
    repaint();
}

QString CStatusLeiste::LampenHinweis() const {
    if (m_bNichtGespeichert)
        return QStringLiteral("Nicht gespeichert: Ihre letzten Änderungen konnten nicht in die Datenbank "
                              "geschrieben werden. Kalvora versucht es beim nächsten Abgleich wieder.");
    if (m_bAbgleichOffen) return QStringLiteral("Ihre Änderungen werden gespeichert, sobald die Datenbank frei ist.");
    if (m_bGesperrt) return QStringLiteral("Datenbank gesperrt: ein anderes Kalvora speichert gerade.");
    return QStringLiteral("Datenbank frei");
}

bool CStatusLeiste::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QStatusBar::event(event);
    const auto* hilfe = static_cast<QHelpEvent*>(event);
    const QRect lampe = LampenRechteck(rect()).adjusted(-4, -4, 4, 4);
    if (lampe.contains(hilfe->pos()) || WarnRechteck(rect()).contains(hilfe->pos())) {
        QToolTip::showText(hilfe->globalPos(), LampenHinweis(), this);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

void CStatusLeiste::SetNichtGespeichert(bool b) {
    if (b == m_bNichtGespeichert) return;
    m_bNichtGespeichert = b;
    update();
}

QRect CStatusLeiste::WarnRechteck(const QRect& client) const {
    if (!m_bNichtGespeichert) return {};
    const QFontMetrics fm(m_schrift);
    const int breite = fm.horizontalAdvance(QString::fromUtf8(kNichtGespeichert)) + 8;
    const QRect lampe = LampenRechteck(client);
    return {lampe.left() - 6 - breite, client.top() + 2, breite, client.height() - 4};
}

QRect CStatusLeiste::LampenRechteck(const QRect& client) {
    return {client.right() + 1 - 20, client.top() + 5, 8, 8};
}

void CStatusLeiste::Zeichnen(QPainter& p, const QRect& client) const {
    const QPalette pal = palette();
    p.fillRect(client, pal.color(QPalette::Button));
    p.drawImage(LampenRechteck(client).topLeft(), Lampe(m_bBeschaeftigt));

    // Unsaved changes: a framed red text beside the lamp, which the prompt never covers.
    const QRect warnung = WarnRechteck(client);
    if (!warnung.isEmpty()) {
        p.save();
        p.setPen(pal.color(QPalette::Dark));
        p.drawRect(warnung.adjusted(0, 0, -1, -1));
        p.setFont(m_schrift);
        p.setPen(QColor(0xC0, 0x00, 0x00));
        p.drawText(warnung, Qt::AlignCenter | Qt::TextSingleLine, QString::fromUtf8(kNichtGespeichert));
        p.restore();
    }

    // The prompt pane: stretching, without borders, left of the lamp (and the warning).
    const int paneRechts = warnung.isEmpty() ? client.right() + 1 - 24 : warnung.left() - 2;
    const QRect pane(client.left() + 2, client.top() + 2, paneRechts - client.left() - 2,
                     client.height() - 2);
    const PaneStil& stil = m_stile.front();
    const QRect textRaum = pane.adjusted(1, 1, -1, -1);
    if (stil.bFuellen) p.fillRect(textRaum, stil.hintergrund);
    p.save();
    p.setClipRect(textRaum);
    p.setFont(stil.schrift);
    p.setPen(isEnabled() ? stil.text : QColor(0x80, 0x80, 0x80));
    p.setBackgroundMode(stil.bDeckend ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(stil.hintergrund);
    p.drawText(textRaum.translated(stil.nVersatz, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               PaneText());
    p.restore();

    // Size grip: light and shadow diagonals in the bottom-right corner.
    const int rechts = client.right();
    const int unten = client.bottom();
    for (int n : {15, 11, 7, 3}) {
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(rechts - n, unten, rechts, unten - n);
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(rechts - n + 1, unten, rechts, unten - n + 1);
    }
}

void CStatusLeiste::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Zeichnen(p, rect());
}

void CStatusLeiste::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    m_pGriff->move(width() - m_pGriff->width(), height() - m_pGriff->height());
}

QSize CStatusLeiste::sizeHint() const {
    const QFontMetrics fm(m_schrift);
    return {QStatusBar::sizeHint().width(), std::max(22, fm.height() + 8)};
}

QSize CStatusLeiste::minimumSizeHint() const {
    return {40, sizeHint().height()};
}
