// SPDX-License-Identifier: GPL-3.0-or-later
// The language the program speaks: chosen from the locale (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG, in that order, as gettext does), English where
// no translation exists. The translations are Qt message files
// "ql310set_<language>.qm", beside the program in translations/ (the build
// tree) or in P/share/ql310set/translations (an installed program).
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

namespace ql310 {

// The language of the first locale that has a translation, e.g. "de", or
// an empty string for English. `variable` reads the environment;
// `hasTranslation` says whether a language (e.g. "de_AT" or "de") has a
// message file. As gettext does, LANGUAGE is ignored where the locale is
// "C" or "POSIX".
QString chooseLanguage(const std::function<QString(const char*)>& variable,
                       const std::function<bool(const QString&)>& hasTranslation);

// Where the message files are looked for, in order.
QStringList translationDirectories();

// Chooses the language from the process's locale and installs its
// translations (the program's and Qt's own) into `app`. Returns the
// language chosen (empty: English, nothing installed).
QString installTranslations(QCoreApplication& app);

// The language installTranslations chose; empty: English.
QString uiLanguage();

} // namespace ql310
