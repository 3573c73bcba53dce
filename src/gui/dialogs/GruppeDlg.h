#pragma once
#include <QDialog>
#include <string>

#include "data/Ressource.h"

class QListWidget;

// "Wählen Sie die anzuzeigende Gruppe!": one group of the plan or all resources. The caller sets
// m_strGruppe and m_pListe, runs exec() and on acceptance reads m_strGruppe back.
class CGruppeDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kAlle = "--- Alle Ressourcen ---";

    explicit CGruppeDlg(QWidget* parent = nullptr);

    std::string m_strGruppe;                            // Windows-1252; empty = all resources
    const kalvora::RessourcenListe* m_pListe = nullptr; // the working list, only read

    QListWidget* Liste() const { return m_pListe1024; }

    // Fills the list from m_pListe and selects m_strGruppe; runs by itself when first shown.
    void OnInitDialog();
    // OK: the selected text becomes m_strGruppe ("--- Alle Ressourcen ---" and no selection: empty).
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* m_pListe1024 = nullptr;
    bool m_bInitialisiert = false;
};
