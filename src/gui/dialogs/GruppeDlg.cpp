#include "dialogs/GruppeDlg.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/QtWandlung.h"
#include "dialogs/KurzText.h"
#include "view/Anzeige.h"

CGruppeDlg::CGruppeDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GruppeDlg"));
    setWindowTitle(QStringLiteral("Wählen Sie die anzuzeigende Gruppe!"));

    m_pListe1024 = new QListWidget;
    m_pListe1024->setObjectName(QStringLiteral("id1024"));
    m_pListe1024->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pListe1024->setUniformItemSizes(true);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("id2"));
    connect(ok, &QPushButton::clicked, this, &CGruppeDlg::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    // The template's proportions in dialog units of the current font (217 × 199, buttons 50 × 14).
    const QFontMetrics fm = fontMetrics();
    const int bx = std::max(1, fm.averageCharWidth());
    const int by = std::max(1, fm.height());
    for (QPushButton* b : {ok, abbrechen})
        b->setMinimumWidth(50 * bx / 4);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(m_pListe1024, 1);
    spalte->addLayout(knoepfe);
    resize(217 * bx / 4, 199 * by / 8);
}

void CGruppeDlg::showEvent(QShowEvent* event) {
    if (!m_bInitialisiert) OnInitDialog();
    QDialog::showEvent(event);
}

void CGruppeDlg::OnInitDialog() {
    m_bInitialisiert = true;
    m_pListe1024->clear();

    // Ascending like a sorted list control: "--- Alle Ressourcen ---" takes its place among the
    // groups, and a group of that very name is the same item.
    std::vector<std::string> texte;
    if (m_pListe) texte = kalvora::GruppenAuflisten(*m_pListe);
    std::erase(texte, std::string(kAlle));
    const auto stelle = std::lower_bound(
        texte.begin(), texte.end(), std::string(kAlle),
        [](const std::string& a, const std::string& b) { return kalvora::TextVergleich(a, b) < 0; });
    texte.insert(stelle, kAlle);

    int auswahl = 0;
    for (int i = 0; i < static_cast<int>(texte.size()); ++i) {
        const std::string& text = texte[static_cast<std::size_t>(i)];
        m_pListe1024->addItem(kalvora::TextAusCp1252(text));
        if (text == m_strGruppe) auswahl = i;
    }
    ListeKuerzen(*m_pListe1024);
    m_pListe1024->setCurrentRow(auswahl);
    m_pListe1024->setFocus();
}

void CGruppeDlg::accept() {
    const QList<QListWidgetItem*> gewaehlt = m_pListe1024->selectedItems();
    std::string text;
    if (!gewaehlt.isEmpty()) text = kalvora::Cp1252AusText(gewaehlt.front()->text()).value_or(std::string());
    m_strGruppe = text == kAlle ? std::string() : text;
    QDialog::accept();
}
