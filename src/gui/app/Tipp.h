#pragma once
#include <QString>

class QEvent;
class QWidget;

namespace kalvora {
// Answers a tooltip event with `text`, or hides the tooltip when it is empty. Returns true (handled).
bool TippZeigen(QEvent* event, const QString& text, QWidget* widget);
} // namespace kalvora
