#pragma once
#include <QLabel>

// A one-line label that never widens its dialog: a text longer than the room it gets ends in
// "…" and shows whole as tooltip. text() stays the whole text.
class CKurzText : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The text as it fits the current width.
    QString SichtbarerText() const;
    bool IstGekuerzt() const { return SichtbarerText() != text(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

class QListWidget;
// Lines of a list that end in "…" rather than widening it or scrolling sideways; a line cut so
// shows whole as tooltip, also after the list is resized. Call after filling.
void ListeKuerzen(QListWidget& liste);
