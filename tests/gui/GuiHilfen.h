#pragma once
// Shared pieces of the GUI tests: frame, child widgets, lists, modal dialogs, pixels, waiting.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/AppEinstellungen.h"
#include "app/Stempel.h"
#include "core/TestHilfen.h"
#include "dialogs/FarbButton.h"
#include "frame/Befehle.h"
#include "frame/MainFrame.h"
#include "frame/TypLeiste.h"

namespace kalvora::test {

using Texte = std::vector<std::string>;

// A main frame beside a database in a temporary folder.
struct RahmenUmgebung {
    TempOrdner ordner;
    SpeicherAttrappe speicher;
    MeldungsRekorder meldungen;
    AppEinstellungen app;

    RahmenUmgebung() {
        app.m_strDatei = ordner / "Ressource.dat";
        app.m_strStempel = ordner / "Ressource.d";
    }
    std::unique_ptr<CMainFrame> Rahmen() { return std::make_unique<CMainFrame>(app, speicher, meldungen); }
};

// The texts of the messages shown so far.
inline Texte Gezeigt(const MeldungsRekorder& m) {
    Texte texte;
    for (const auto& g : m.m_gezeigt)
        texte.push_back(g.text);
    return texte;
}

// A child widget by object name, or by its number as "id<n>"; a missing one fails the test.
template <typename T = QWidget> T* Kind(QWidget& w, const char* name) {
    T* kind = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
}
template <typename T = QWidget> T* Kind(QWidget& w, int id) {
    return Kind<T>(w, QStringLiteral("id%1").arg(id).toLatin1().constData());
}
inline void Klick(QWidget& w, const char* name) {
    Kind<QAbstractButton>(w, name)->click();
}
inline void Klick(QWidget& w, int id) {
    Kind<QAbstractButton>(w, id)->click();
}

// The lines of a list, or only its selected ones.
inline QStringList Zeilen(const QListWidget& liste, bool nurAusgewaehlt = false) {
    QStringList texte;
    for (int i = 0; i < liste.count(); ++i)
        if (!nurAusgewaehlt || liste.item(i)->isSelected()) texte << liste.item(i)->text();
    return texte;
}

// Runs `schritt` on the next modal dialog of type T as soon as its event loop runs.
template <typename T> void BeimNaechstenDialog(std::function<void(T&)> schritt, int versuche = 100) {
    QTimer::singleShot(0, [schritt, versuche] {
        if (auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget()))
            schritt(*dlg);
        else if (versuche > 0)
            BeimNaechstenDialog<T>(schritt, versuche - 1);
        else
            ADD_FAILURE() << "kein modaler Dialog";
    });
}

// An image of `groesse` filled with `grund`, then painted by `zeichnen`.
inline QImage Malen(QSize groesse, QColor grund, const std::function<void(QPainter&)>& zeichnen) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(grund);
    QPainter dc(&bild);
    zeichnen(dc);
    return bild;
}

inline QRgb Pixel(const QImage& bild, int x, int y) {
    return bild.pixel(x, y) & 0xFFFFFF;
}
inline QRgb Rgb(COLORREF c) {
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF)) &
           0xFFFFFF;
}
inline std::function<bool(QRgb)> Ist(QRgb f) {
    return [f](QRgb c) { return c == f; };
}

// Bounding box of the pixels for which `treffer` holds, inside `bereich`.
inline QRect Umriss(const QImage& bild, const QRect& bereich, const std::function<bool(QRgb)>& treffer) {
    QRect box;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (treffer(Pixel(bild, x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

// Processes events until `bedingung` holds or `grenzeMs` passed; returns the time it took, or -1.
inline qint64 WartenBis(const std::function<bool()>& bedingung, int grenzeMs) {
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < grenzeMs) {
        if (bedingung()) return uhr.elapsed();
        QTest::qWait(20);
    }
    return bedingung() ? uhr.elapsed() : -1;
}

} // namespace kalvora::test

// Every GUI test file works in both.
using namespace kalvora;
using namespace kalvora::test;
