#include "app/QuickStart.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace kalvora {

bool QuickStartSchreiben(const QString& pfad) {
    QFile quelle(QStringLiteral(":/kalvora/QuickStart.html"));
    if (!quelle.open(QIODevice::ReadOnly)) return false;
    const QString html = QString::fromUtf8(quelle.readAll());

    QPdfWriter pdf(pfad);
    // The text document keeps a margin of 2 cm itself.
    if (!pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                       QPageLayout::Millimeter)))
        return false;
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Kalvora – Kurzanleitung"));
    pdf.setCreator(QStringLiteral("Kalvora"));

    QTextDocument text;
    text.setHtml(html);
    text.print(&pdf);
    // QPdfWriter reports no errors itself: check that the file came out.
    QFile ergebnis(pfad);
    return ergebnis.exists() && ergebnis.size() > 0;
}

QString QuickStartPfad() {
    const QString ordner = QCoreApplication::applicationDirPath();
    const QString daneben = ordner + QStringLiteral("/QuickStart.pdf");
    const QString installiert = ordner + QStringLiteral("/../share/doc/kalvora/QuickStart.pdf");
    return QFileInfo::exists(daneben) || !QFileInfo::exists(installiert) ? daneben
                                                                          : QFileInfo(installiert).absoluteFilePath();
}

} // namespace kalvora
