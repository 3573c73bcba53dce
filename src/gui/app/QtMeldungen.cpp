#include "app/QtMeldungen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/QtWandlung.h"

kalvora::Antwort QtMeldungen::Zeige(const std::string& text, const std::string& titel,
                                    kalvora::Knoepfe knoepfe) {
    QMessageBox box;
    box.setTextFormat(Qt::PlainText);
    box.setText(kalvora::TextAusPfad(text));
    box.setWindowTitle(titel.empty() ? QApplication::applicationDisplayName() : kalvora::TextAusPfad(titel));
    box.setIcon(QMessageBox::NoIcon);
    if (knoepfe == kalvora::Knoepfe::JaNein) {
        // German captions even when Qt's own translations are not installed.
        QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(ja);
        box.setEscapeButton(nein);
        box.exec();
        return box.clickedButton() == ja ? kalvora::Antwort::Ja : kalvora::Antwort::Nein;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return kalvora::Antwort::Ok;
}
