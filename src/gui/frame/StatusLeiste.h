#pragma once
#include <QColor>
#include <QFont>
#include <QStatusBar>
#include <QTimer>
#include <string>
#include <vector>

class QSizeGrip;

// The status bar: one prompt pane ("Bereit" when idle), a lamp at the right that is red while
// the shared database is locked or this instance has a save pending, and left of the lamp
// "Nicht gespeichert" while this instance's changes could not be saved.
class CStatusLeiste : public QStatusBar {
    Q_OBJECT
public:
    // `abgleichOffen` is the frame's flag of a pending save; it must outlive the bar.
    CStatusLeiste(std::string stempel, const bool& abgleichOffen, QWidget* parent = nullptr);

    static constexpr int kTakt = 1000; // ms between two looks at the stamp file

    bool IstBeschaeftigt() const { return m_bBeschaeftigt; }
    QString PaneText() const;
    static constexpr const char* kNichtGespeichert = "Nicht gespeichert";
    void SetNichtGespeichert(bool b);
    bool NichtGespeichert() const { return m_bNichtGespeichert; }
    // Where the "Nicht gespeichert" text sits in a client rectangle (empty while saved).
    QRect WarnRechteck(const QRect& client) const;
    // One look at the stamp file; an unreadable file changes nothing.
    void OnTimer();
    // All painting.
    void Zeichnen(QPainter& p, const QRect& client) const;
    // Where the lamp sits in a client rectangle.
    static QRect LampenRechteck(const QRect& client);
    // Tooltip of the lamp and of "Nicht gespeichert": what the colour means now.
    QString LampenHinweis() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // How one pane is drawn.
    struct PaneStil {
        QColor hintergrund;
        QColor text;
        QFont schrift;
        bool bFuellen = false;
        bool bDeckend = false; // opaque text background
        int nVersatz = 0;
    };

    std::vector<PaneStil> m_stile;
    QFont m_schrift;
    bool m_bBeschaeftigt = false;
    bool m_bGesperrt = false; // the stamp's lock flag as last read
    bool m_bNichtGespeichert = false;
    std::string m_strStempel;
    const bool& m_bAbgleichOffen;
    QTimer m_timer;
    QSizeGrip* m_pGriff;
};
