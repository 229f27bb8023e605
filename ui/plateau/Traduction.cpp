// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Traduction.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "catalogue/Catalogue.h"

namespace vorlinde::ui {
namespace {

// What qtbase_fr.qm of Qt 6.4 leaves in English: the kinds of entry in the
// « Type » column of the file dialogs.
class TypesDeFichiers : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* contexte, const char* texte, const char*, int) const override
    {
        if (qstrcmp(contexte, "QAbstractFileIconProvider") != 0)
            return {};
        if (qstrcmp(texte, "Folder") == 0)
            return Utf8(textes::TypeDossier);
        if (qstrcmp(texte, "Drive") == 0)
            return Utf8(textes::TypeLecteur);
        if (qstrcmp(texte, "Shortcut") == 0)
            return Utf8(textes::TypeRaccourci);
        return {};
    }
};

}  // namespace

bool InstallerTraductionFrancaise(QObject* parent)
{
    // Qt's own texts, the types of files and the dates of the file dialogs in
    // French, whatever LANG says.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QCoreApplication::installTranslator(new TypesDeFichiers(parent));
    auto* traducteur = new QTranslator(parent);
    if (!traducteur->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(traducteur);
}

void TraduireAuBesoin()
{
    static bool installee = false;
    if (!installee && QCoreApplication::instance() != nullptr) {
        installee = true;
        InstallerTraductionFrancaise(QCoreApplication::instance());
    }
}

}  // namespace vorlinde::ui
