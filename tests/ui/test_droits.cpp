// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// Read-only files and folders, unreadable files and special files, met
// through the real file dialog and through the window's commands. This
// program gives up root's privileges before anything else, so that every
// permission is checked as a player meets it, also when the suite runs as root.
#include <QFileDialog>
#include <QMessageBox>
#include <QtTest>

#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>

#include "Banc.h"
#include "dialogues/UsagesFichier.h"
#include "tests/commun/Privileges.h"

using namespace banc;

namespace {

// Settings of a save dialog, as the board's save commands give them.
ParametresDial Enregistrement(const QString& dossier)
{
    ParametresDial p;
    Parametrer(p, usages::SauvegardePartie, dossier);
    return p;
}

// Chooses `chemin` in the real file dialog and confirms it. Returns the text
// of the refusal box that the program showed, the dialog being still open,
// or "" when the dialog accepted the file.
QString Refus(bool enregistrer, const ParametresDial& reglages, const QString& chemin)
{
    QString refus;
    bool resteOuvert = false;
    QTimer::singleShot(0, [&] {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialogue);
        QTimer::singleShot(0, [&] {
            if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                refus = boite->text();
                if (boite->windowTitle() != QStringLiteral("Erreur") || boite->icon() != QMessageBox::Critical)
                    refus = QStringLiteral("<not the program's box: %1>").arg(refus);
                boite->accept();
            }
        });
        dialogue->selectFile(chemin);
        static_cast<QDialog*>(dialogue)->accept();  // as the "Enregistrer" button does
        resteOuvert = dialogue->isVisible();
        if (resteOuvert)
            dialogue->reject();
    });
    DialogueStandardQt dialogues;
    const QString choisi = enregistrer ? dialogues.ShowSave(nullptr, reglages) : dialogues.ShowOpen(nullptr, reglages);
    if (refus.isEmpty()) {
        // Accepted: the dialog gave the file back and closed.
        if (choisi != chemin || resteOuvert)
            return QStringLiteral("<accepted wrongly: %1>").arg(choisi);
    } else if (!resteOuvert || !choisi.isEmpty()) {
        return QStringLiteral("<the dialog closed after a refusal>");
    }
    return refus;
}

void Droits(const QString& chemin, QFile::Permissions droits)
{
    QVERIFY(QFile::setPermissions(chemin, droits));
}

}  // namespace

class TestDroits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(::geteuid() != 0); }

    void leDialogueDeFichierReelRefuseCeQuIlNePeutPasEcrire()
    {
        QTemporaryDir dossier;
        const auto reglages = Enregistrement(dossier.path());
        const QString lecture = dossier.filePath(QStringLiteral("lecture.prt"));
        Ecrire(lecture, "x");
        Droits(lecture, QFile::ReadOwner);
        QVERIFY(Refus(true, reglages, lecture).contains(QStringLiteral("« lecture.prt » est en lecture seule")));

        const QString protege = dossier.filePath(QStringLiteral("protege"));
        QVERIFY(QDir().mkdir(protege));
        Droits(protege, QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(Refus(true, reglages, protege + QStringLiteral("/nouveau.prt"))
                    .contains(QStringLiteral("est protégé en écriture")));

        // The program's own check, reached after Qt's: the folder must exist.
        QVERIFY(Refus(true, reglages, dossier.filePath(QStringLiteral("absent/nouveau.prt")))
                    .contains(QStringLiteral("absent » n'existe pas")));

        // What may be written is accepted; a read-only file may still be opened.
        QCOMPARE(Refus(true, reglages, dossier.filePath(QStringLiteral("libre.prt"))), QString());
        auto ouverture = reglages;
        ouverture.Flags = usages::Ouverture;
        QCOMPARE(Refus(false, ouverture, lecture), QString());
    }

    void leDialogueDeFichierReelRefuseLesFichiersSpeciaux()
    {
        QTemporaryDir dossier;
        const QString tube = dossier.filePath(QStringLiteral("tube.prt"));
        QCOMPARE(::mkfifo(QFile::encodeName(tube).constData(), 0666), 0);
        auto reglages = Enregistrement(dossier.path());
        QVERIFY(Refus(true, reglages, tube).contains(QStringLiteral("n'est pas un fichier ordinaire")));
        reglages.Flags = usages::Ouverture;
        QVERIFY(Refus(false, reglages, tube).contains(QStringLiteral("n'est pas un fichier ordinaire")));
    }

    // Files that change after the dialog let them through: the window's
    // commands report them and change nothing.
    void lesCommandesSignalentLesFichiersProteges()
    {
        Banc b;
        b.Jouer(b.AutreCode(0));
        const QString partie = b.Chemin(QStringLiteral("partie.prt"));
        QVERIFY(b.Commande("MnuSave", partie));
        const QByteArray sauve = Contenu(partie);

        // Unreadable: nothing is loaded.
        Droits(partie, {});
        b.Menu("MnuNew");
        const auto avant = b.Capturer();
        b.Dialogues->Reponses.push_back(partie);
        b.Menu("MnuLoad");
        QVERIFY(b.Capturer() == avant);
        QVERIFY(b.Boites->Appels.back().Texte.contains(QStringLiteral("ne peut pas être lu")));

        // Read-only: nothing is written.
        Droits(partie, QFile::ReadOwner);
        b.Jouer(b.AutreCode(1));
        b.Dialogues->Reponses.push_back(partie);
        QVERIFY(EchecDeSauvegarde(b));
        QCOMPARE(b.Boites->Appels.back().Titre, QStringLiteral("Erreur"));
        QCOMPARE(Contenu(partie), sauve);
        b.Dialogues->Reponses.push_back(b.Chemin(QStringLiteral("joueur.usr")));
        Droits(b.Chemin(QStringLiteral("joueur.usr")), QFile::ReadOwner);
        const QByteArray profil = Contenu(b.Chemin(QStringLiteral("joueur.usr")));
        b.Menu("MnuAffSave");
        QVERIFY(b.Boites->Appels.back().Texte.startsWith(QStringLiteral("Le profil n'a pas pu être enregistré")));
        QCOMPARE(Contenu(b.Chemin(QStringLiteral("joueur.usr"))), profil);
    }

    // A writable file in a folder that cannot take a new one is written in place.
    // Preferences that cannot be kept: the option works for the game, the
    // player is told once, and what stands in the file's place is left as it was.
    void lesPreferencesQuiNePeuventPasEtreGardeesSontSignalees()
    {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("Vorlinde.conf"));
        const auto essayer = [&](const char* cas) {
            Banc b;
            b.Reglages = nullptr;
            b.FichierReglages = fichier;
            b.Ouvrir();
            const auto boites = b.Boites->Appels.size();
            b.Menu("MnuNumeros");
            QVERIFY2(b.Source(0)->Numero() == 1, cas);
            b.Menu("MnuNumeros");
            b.Menu("MnuNumeros");
            QVERIFY2(b.Boites->Appels.size() == boites + 1, cas);
            QVERIFY2(b.Boites->Appels.back().Texte.contains(fichier), cas);
        };
        // A read-only file.
        Ecrire(fichier, QByteArrayLiteral("[Affichage]\nNumerosDesCouleurs=false\n"));
        Droits(fichier, QFile::ReadOwner);
        essayer("read-only");
        QCOMPARE(Contenu(fichier), QByteArrayLiteral("[Affichage]\nNumerosDesCouleurs=false\n"));
        QFile::remove(fichier);
        // A link that loops stays that link.
        QVERIFY(QFile::link(fichier, fichier));
        essayer("loop");
        QCOMPARE(QFile::encodeName(fichier).toStdString(),
                 std::filesystem::read_symlink(QFile::encodeName(fichier).toStdString()).string());
        QFile::remove(fichier);
        // A file far larger than any the program writes is not read, nor replaced.
        const QByteArray grand = QByteArrayLiteral("[Affichage]\nNumerosDesCouleurs=true\n") + QByteArray(100000, '#');
        Ecrire(fichier, grand);
        essayer("large");
        QCOMPARE(Contenu(fichier), grand);
        QFile::remove(fichier);
        // A folder.
        QVERIFY(QDir().mkdir(fichier));
        essayer("folder");
        QVERIFY(QFileInfo(fichier).isDir());
    }

    void unFichierInscriptibleDansUnDossierProtege()
    {
        Banc b;
        b.Jouer({3, 1, 2, 4});
        const QString profil = b.Chemin(QStringLiteral("joueur.usr"));
        Droits(b.Chemin({}), QFile::ReadOwner | QFile::ExeOwner);
        b.Dialogues->Reponses.push_back(profil);
        b.Menu("MnuAffSave");
        const auto nbBoites = b.Boites->Appels.size();
        b.Dialogues->Reponses.push_back(b.Chemin(QStringLiteral("nouveau.prt")));
        QVERIFY(EchecDeSauvegarde(b));
        Droits(b.Chemin({}), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(nbBoites, 0u);
        QVERIFY(Contenu(profil).endsWith("\r\n255\r\n"));  // cell 0 showed colour 3, red
        QVERIFY(!QFile::exists(b.Chemin(QStringLiteral("nouveau.prt"))));
    }
};

int main(int argc, char* argv[])
{
    privileges::DevenirOrdinaire();
    // Root's home is out of reach now: a folder of our own stands in for it.
    char modele[] = "/tmp/vorlinde-droits-XXXXXX";
    const char* maison = ::mkdtemp(modele);
    if (maison == nullptr)
        return 1;
    ::setenv("HOME", maison, 1);
    ::setenv("XDG_RUNTIME_DIR", maison, 1);
    int statut = 0;
    {
        QApplication application(argc, argv);
        TestDroits test;
        statut = QTest::qExec(&test, argc, argv);
    }
    QDir(QString::fromLocal8Bit(maison)).removeRecursively();
    return statut;
}

#include "test_droits.moc"
