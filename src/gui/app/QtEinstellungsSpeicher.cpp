#include "app/QtEinstellungsSpeicher.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdint>

#include "app/QtWandlung.h"

QtEinstellungsSpeicher::QtEinstellungsSpeicher()
    : m_settings(QStringLiteral("Tervolan"), QStringLiteral("Orlim")) {}

bool QtEinstellungsSpeicher::Oeffnen() {
    m_settings.sync();
    // A damaged file is simply rewritten; only a store we cannot write counts as missing.
    return m_settings.status() != QSettings::AccessError && m_settings.isWritable();
}

std::optional<std::string> QtEinstellungsSpeicher::LeseText(const std::string& name) {
    const QVariant wert = m_settings.value(QString::fromStdString(name));
    if (!wert.isValid() || !wert.canConvert<QString>()) return std::nullopt;
    return kalvora::PfadAusText(wert.toString());
}

std::optional<std::uint32_t> QtEinstellungsSpeicher::LeseZahl(const std::string& name) {
    const QVariant wert = m_settings.value(QString::fromStdString(name));
    if (!wert.isValid()) return std::nullopt;
    bool ok = false;
    // Text files hold the number as text; a hand-written negative value wraps like a DWORD.
    const qlonglong zahl = wert.toString().trimmed().toLongLong(&ok);
    if (!ok || zahl < INT32_MIN || zahl > UINT32_MAX) return std::nullopt;
    return static_cast<std::uint32_t>(zahl);
}

bool QtEinstellungsSpeicher::SchreibeText(const std::string& name, const std::string& wert) {
    m_settings.setValue(QString::fromStdString(name), kalvora::TextAusPfad(wert));
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

bool QtEinstellungsSpeicher::SchreibeZahl(const std::string& name, std::uint32_t wert) {
    m_settings.setValue(QString::fromStdString(name), static_cast<quint32>(wert));
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

std::optional<std::string> QtEinstellungsSpeicher::PersoenlicherOrdner(bool& ordnerSchluesselOffen) {
    ordnerSchluesselOffen = true;
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (ordner.isEmpty() || !QDir().mkpath(ordner)) return std::nullopt;
    return kalvora::PfadAusText(QDir::toNativeSeparators(ordner));
}

std::string QtEinstellungsSpeicher::Laufwerkswurzel() {
    return kalvora::PfadAusText(QDir::toNativeSeparators(QDir::homePath() + QLatin1Char('/')));
}

std::string QtEinstellungsSpeicher::ProgrammOrdner() {
    return kalvora::PfadAusText(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}
