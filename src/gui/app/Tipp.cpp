#include "app/Tipp.h"

#include <QHelpEvent>
#include <QToolTip>

namespace kalvora {

bool TippZeigen(QEvent* event, const QString& text, QWidget* widget) {
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, widget);
    }
    return true;
}

} // namespace kalvora
