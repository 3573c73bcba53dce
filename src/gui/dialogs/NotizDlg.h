#pragma once
#include <QDialog>
#include <string>

#include "app/Meldungen.h"

class QPlainTextEdit;
class QPushButton;

// "Notiz" (dialog 142): the free text of one day. The caller sets title and note with
// Einrichten, runs exec() and after OK reads m_strNotiz, cut to 200 characters.
class CNotizDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNotizDlg(kalvora::Meldungen& meldungen, QWidget* parent = nullptr);

    // Windows-1252; line breaks of the note as CR LF.
    std::string m_strTitel;
    std::string m_strNotiz;

    // Title and note into the window and the edit box.
    void Einrichten(const std::string& strTitel, const std::string& strNotiz);
    QPlainTextEdit* Eingabe() const { return m_pEingabe; }

    // "Löschen": empties the edit box, the dialog stays open.
    void OnLoeschen();
    // OK: the edit box becomes the note; over 200 characters it is cut after a message.
    void accept() override;

private:
    kalvora::Meldungen& m_meldungen;
    QPlainTextEdit* m_pEingabe = nullptr;
};
