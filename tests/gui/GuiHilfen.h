#pragma once
// Shared pieces of the GUI tests: a frame on an in-memory store, pixel helpers, waiting.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <functional>
#include <memory>

#include "app/AppEinstellungen.h"
#include "core/TestHilfen.h"
#include "frame/MainFrame.h"

namespace kalvora::test {

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

// A child widget by object name; a missing one fails the test.
template <typename T> T* Kind(QWidget& w, const char* name) {
    T* kind = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
}

inline QRgb Pixel(const QImage& bild, int x, int y) {
    return bild.pixel(x, y) & 0xFFFFFF;
}
inline QRgb Rgb(COLORREF c) {
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF)) &
           0xFFFFFF;
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
