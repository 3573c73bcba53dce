#include "dialogs/InfoDlg.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "calendar/Schulferien.h"

CInfoDlg::CInfoDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info über Kalvora"));

    auto* symbol = new QLabel;
    symbol->setObjectName(QStringLiteral("symbol"));
    symbol->setPixmap(QIcon(QStringLiteral(":/kalvora/kalvora.png")).pixmap(32, 32));
    symbol->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Kalvora Version " KALVORA_VERSION));
    name->setObjectName(QStringLiteral("version"));
    name->setTextFormat(Qt::PlainText);
    auto* copyright = new QLabel(QStringLiteral("Copyright © 2025 Tervolan"));
    copyright->setObjectName(QStringLiteral("copyright"));
    auto* adresse = new QLabel(QStringLiteral("www.tervolan.de"));
    adresse->setObjectName(QStringLiteral("adresse"));
    adresse->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // How far the built-in school holidays reach, and whose data they are.
    auto* ferien = new QLabel(QStringLiteral("Schulferien %1–%2: OpenHolidays API (ODbL 1.0)")
                                  .arg(kalvora::kSchulferienErstesJahr)
                                  .arg(kalvora::kSchulferienLetztesJahr));
    ferien->setObjectName(QStringLiteral("schulferien"));

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* raster = new QGridLayout(this);
    raster->setHorizontalSpacing(18);
    raster->addWidget(symbol, 0, 0, 5, 1);
    raster->addWidget(name, 0, 1);
    raster->addWidget(copyright, 1, 1);
    raster->addWidget(adresse, 2, 1);
    raster->addWidget(ferien, 3, 1);
    raster->setRowStretch(4, 1);
    raster->addWidget(ok, 0, 2, Qt::AlignTop);
    raster->setColumnStretch(1, 1);
    setFixedSize(sizeHint().expandedTo(QSize(400, 120)));
}
