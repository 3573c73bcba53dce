#pragma once
#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "data/Ressource.h"
#include "view/EintragsartTabelle.h"
#include "view/Farbschema.h"
#include "view/GitterLayout.h"
#include "view/GitterZustand.h"
#include "view/Maus.h"

class QPainter;

// The plan grid (control 1000): name column, month and day headers, one row of day cells per
// display row. Every change of state renders the whole grid into a back buffer; painting only
// copies that buffer. Coordinates are logical pixels; the buffer has the screen's pixel ratio.
class CKalenderWnd : public QWidget {
    Q_OBJECT
public:
    // Commands to the view.
    static constexpr int kMarkierungFertig = 5555;
    static constexpr int kNotizGewuenscht = 5556;

    // `arten` (the frame's entry-type table with the region flags) must outlive the window.
    explicit CKalenderWnd(const kalvora::EintragsartTabelle& arten, QWidget* parent = nullptr);
    ~CKalenderWnd() override;

    // The display list: copies of the shown resources, row order = list order. Whoever changes it
    // calls Neuzeichnen (ListeLeeren repaints by itself).
    kalvora::RessourcenListe m_pZeilen;
    int AnzahlZeilen() const { return static_cast<int>(m_pZeilen.size()); }
    void ListeLeeren();
    // Appends a row with the smallest free row number and returns that number.
    int AddZeile(std::string strLabel);
    // The entry of a day in display row `nZeile` (1-based); nothing when there is no such row.
    void SetTagAnzeige(int nZeile, CTime datum, int nVormittag, int nNachmittag, const std::string& notiz);
    // Display row by its number, or null.
    CRessource* Zeile(int nZeile) const;

    // 10..300 only: column width = row height, then repaint.
    void SetZellgroesse(int n);
    // Stored as is; the next repaint clamps it to the window.
    void SetNamenBreite(int n);
    // Refused while the first shown day lies before 1972 (moving left) or in 2036 or later
    // (moving right); else repaint.
    void SetTagOffset(int n);
    // Clamped to 0..number of rows, then repaint.
    void SetErsteZeile(int n);
    // Scheme 1..5; any other number changes nothing. No repaint.
    void SetFarbschema(int nSchema);
    // Caption of the corner cell (Windows-1252), the displayed group. No repaint.
    void SetTitel(const std::string& strTitel) { m_strTitel = strTitel; }
    // The entry type the mouse marks with (0 clears).
    void SetAktiveArt(int nArt) { m_nAktiveArt = nArt; }

    int SpaltenBreite() const { return m_zustand.m_nSpaltenBreite; }
    int ZeilenHoehe() const { return m_zustand.m_nZeilenHoehe; }
    int NamenBreite() const { return m_zustand.m_nNamenBreite; }
    int TagOffset() const { return m_zustand.m_nTagOffset; }
    int ErsteZeile() const { return m_zustand.m_nErsteZeile; }
    int AktiveArt() const { return m_nAktiveArt; }
    const std::string& Titel() const { return m_strTitel; }
    const kalvora::CFarbschema& Farben() const { return m_farben; }
    const kalvora::EintragsartTabelle& Arten() const { return m_arten; }

    // Renders the grid into the back buffer at the current size and schedules the copy.
    void Neuzeichnen();
    // The whole grid on any painter, for a client area of `groesse`; fills `layout`.
    void Zeichnen(QPainter& p, QSize groesse, kalvora::GitterLayout& layout);

    // The last rendering and what it laid out where (columns with their days, shown rows): what
    // hit-testing and the printout need.
    const QImage& Puffer() const { return m_bmSpeicher; }
    const kalvora::GitterLayout& Layout() const { return m_layout; }
    // Holiday names and school-holiday regions of the day under `pos` (its header, or with
    // `auchZellen` its day cells too); empty for an ordinary day or elsewhere.
    QString TagesHinweis(QPoint pos, bool auchZellen) const;
    // The whole name of the row under `pos` when its name cell shows it cut; else empty.
    QString NamensHinweis(QPoint pos) const;
    // A plan without resources shows how to begin over its empty grid.
    bool ZeigtEinstiegsHinweis() const;
    static inline const QString kEinstiegsHinweis = QStringLiteral(
        "Noch keine Ressourcen: Legen Sie die erste mit \"Ressource verwalten\" an (erster Knopf der "
        "Symbolleiste).\nFeiertage und Schulferien Ihrer Bundesländer wählen Sie unter "
        "\"Extras → Einstellungen\".");

    // What the mouse located, read by the view's handlers of 5555 and 5556: the half day under
    // the press (start) and under the release (end), and the display row number of the press.
    CTime StartZeit() const { return m_timeStart; }
    CTime EndZeit() const { return m_timeEnde; }
    int MausZeile() const { return m_nMausZeile; }
    bool MarkiertGerade() const { return m_bMarkieren; }
    // Esc during a drag: the band goes and the release marks nothing.
    void MarkierungAbbrechen();
    bool TeilerGezogen() const { return m_bTeiler; }
    // The hit-testing geometry of the last repaint.
    kalvora::MausGitter MausGeometrie() const;

signals:
    // To the view: 5555 a marking is finished, 5556 a note is wanted.
    void Befehl(int nId);
    // A left press on a day cell started a drag; MausZeile() is its row.
    void MarkierungBegonnen();
    // The divider was let go at this x: the new name column width setting.
    void NamenBreiteGezogen(int n);

protected:
    bool event(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Locates a press: the start instant; on a day cell also anchor and row (true).
    bool Verankern(QPoint pos);
    void Ueberzeichnen(QPainter& p);
    void EinstiegsHinweisZeichnen(QPainter& p);
    QRect BandBereich() const;
    QRect TeilerBereich() const;

    void Tageszellen(QPainter& p, const kalvora::GitterLayout& layout);
    void Baender(QPainter& p, const kalvora::GitterLayout& layout, const kalvora::TagSpalte& spalte);

    const kalvora::EintragsartTabelle& m_arten;
    kalvora::GitterZustand m_zustand;
    kalvora::CFarbschema m_farben;
    std::string m_strTitel;
    int m_nAktiveArt = 1;
    QImage m_bmSpeicher;
    kalvora::GitterLayout m_layout;
    QImage m_streifen; // one row of day cells, copied to every shown row
    // Edges of the bands of one column, reused between repaints.
    std::vector<QRect> m_linksOben;
    std::vector<QRect> m_rechtsUnten;

    // Shown in the status bar while the mouse is over a day; sent again only when it changes.
    QString m_strHinweis;
    void HinweisZeigen(const QString& text);

    // Mouse state: a drag along a row, or the divider, is under way.
    bool m_bMarkieren = false;
    bool m_bTeiler = false;
    int m_nAnkerX = 0; // the band starts here, centred on the half day and the row
    int m_nAnkerY = 0;
    CTime m_timeStart;
    CTime m_timeEnde;
    int m_nMausZeile = 0;
    // Overlays drawn over the buffer: the band up to m_nBandEnde, the divider line at m_nTeilerX.
    bool m_bBand = false;
    int m_nBandEnde = 0;
    bool m_bTeilerLinie = false;
    int m_nTeilerX = 0;
};
