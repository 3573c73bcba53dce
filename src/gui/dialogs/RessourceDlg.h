#pragma once
#include <QDialog>
#include <string>

class QLineEdit;

// "Ressource": the four master data texts of one resource. The caller fills the members before
// exec() and reads them after OK; the dialog checks nothing.
class CRessourceDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRessourceDlg(QWidget* parent = nullptr);

    // Windows-1252, as in the resource record.
    std::string m_strBenennung1;
    std::string m_strBenennung2;
    std::string m_strGruppe;
    std::string m_strIdentNr;
    // Only the group may be changed; the other three fields show their texts disabled.
    bool m_bNurGruppe = false;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_pBenennung1;
    QLineEdit* m_pBenennung2;
    QLineEdit* m_pGruppe;
    QLineEdit* m_pIdentNr;
};
