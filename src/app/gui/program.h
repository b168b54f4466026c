#pragma once

#include <QString>

namespace velmora {

// The application title: the first part of the main window's caption and the caption of
// every message box.
inline const QString AppTitle = QStringLiteral("Velmora");
// The year of the copyright line; the version itself is ProgramVersion (common/version.h).
inline constexpr int VersionYear = 2017;
// Help documents beside the program: VELMORA_en.pdf, VELMORA_ru.pdf.
inline const QString HelpBaseName = QStringLiteral("VELMORA");
// Settings store: organisation and application of the per-user store.
inline const QString SettingsOrganisation = QStringLiteral("Orbelan");
inline const QString SettingsApplication = QStringLiteral("Tarnvik");
// The maker's web site behind the link labels.
inline const QString MakerSite = QStringLiteral("https://velmora.example/");

} // namespace velmora
