#include "dialogs/KurzText.h"

#include <QHelpEvent>
#include <QListWidget>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

QString CKurzText::SichtbarerText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, std::max(contentsRect().width(), 0));
}

QSize CKurzText::sizeHint() const {
    // Wide enough for a short text, never more: the layout gives the rest.
    return {std::min(QLabel::sizeHint().width(), fontMetrics().averageCharWidth() * 20),
            QLabel::sizeHint().height()};
}

QSize CKurzText::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("…")) * 3, QLabel::minimumSizeHint().height()};
}

bool CKurzText::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (IstGekuerzt())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            event->ignore();
        return true;
    }
    return QLabel::event(event);
}

void CKurzText::paintEvent(QPaintEvent*) {
    QPainter p(this);
    style()->drawItemText(&p, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), SichtbarerText(), foregroundRole());
}

namespace {

void HinweiseSetzen(QListWidget& liste) {
    const int breite =
        liste.viewport()->width() - 2 * liste.style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
    for (int i = 0; i < liste.count(); ++i) {
        QListWidgetItem* eintrag = liste.item(i);
        const bool lang = liste.fontMetrics().horizontalAdvance(eintrag->text()) > breite;
        eintrag->setToolTip(lang ? eintrag->text() : QString());
    }
}

// Which lines are cut changes with the width: the tooltips follow every resize.
class BreiteBeobachter : public QObject {
public:
    explicit BreiteBeobachter(QListWidget& liste) : QObject(&liste), m_liste(liste) {
        setObjectName(QStringLiteral("ListeKuerzen"));
        liste.viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) HinweiseSetzen(m_liste);
        return false;
    }

private:
    QListWidget& m_liste;
};

} // namespace

void ListeKuerzen(QListWidget& liste) {
    liste.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste.setTextElideMode(Qt::ElideRight);
    if (!liste.findChild<QObject*>(QStringLiteral("ListeKuerzen"), Qt::FindDirectChildrenOnly))
        new BreiteBeobachter(liste);
    HinweiseSetzen(liste);
}
