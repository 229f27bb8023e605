// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The standard dialog component: open-file, save-file and colour dialogs
// driven through properties that the caller sets before each use.
#include <QString>

#include <cstdint>
#include <deque>
#include <memory>
#include <variant>
#include <vector>

class QWidget;

namespace vorlinde::ui {

// Flag bits of the file dialogs.
namespace drapeaux {
inline constexpr int ConfirmerRemplacement = 2;
inline constexpr int CacherLectureSeule = 4;
inline constexpr int DossierDoitExister = 2048;
inline constexpr int FichierDoitExister = 4096;
inline constexpr int RefuserLectureSeule = 32768;
inline constexpr int NomsLongs = 2097152;
inline constexpr int Ouverture = CacherLectureSeule | DossierDoitExister | FichierDoitExister;  // 6148
inline constexpr int Enregistrement
    = ConfirmerRemplacement | CacherLectureSeule | DossierDoitExister | RefuserLectureSeule | NomsLongs;  // 2131974
}  // namespace drapeaux

struct ParametresDial {
    QString FileName;
    QString DialogTitle;
    int Flags = 0;
    QString Filter;      // "description|pattern|description|pattern"
    QString DefaultExt;  // "*.ext"
    QString InitDir;
    std::int32_t Color = 0;
};

// The dialogs themselves. Each call is modal and returns the chosen file (""
// when cancelled) or the chosen colour (the colour handed in when cancelled).
class DialogueStandard {
public:
    virtual ~DialogueStandard() = default;
    virtual QString ShowOpen(QWidget* parent, const ParametresDial& parametres) = 0;
    virtual QString ShowSave(QWidget* parent, const ParametresDial& parametres) = 0;
    virtual std::int32_t ShowColor(QWidget* parent, std::int32_t couleur) = 0;
};

class Dial : public ParametresDial {
public:
    Dial(QWidget* parent, std::shared_ptr<DialogueStandard> dialogues)
        : parent_(parent), dialogues_(std::move(dialogues))
    {
    }
    void ShowOpen() { FileName = dialogues_->ShowOpen(parent_, *this); }
    void ShowSave() { FileName = dialogues_->ShowSave(parent_, *this); }
    void ShowColor() { Color = dialogues_->ShowColor(parent_, Color); }

private:
    QWidget* parent_;
    std::shared_ptr<DialogueStandard> dialogues_;
};

// Qt's own QFileDialog and QColorDialog widgets, never the desktop's native
// ones, so that every player and every test sees the same dialogs.
class DialogueStandardQt : public DialogueStandard {
public:
    QString ShowOpen(QWidget* parent, const ParametresDial& parametres) override;
    QString ShowSave(QWidget* parent, const ParametresDial& parametres) override;
    std::int32_t ShowColor(QWidget* parent, std::int32_t couleur) override;
};

// Qt name filters for a "description|pattern|..." text, showing each
// description exactly as written.
QStringList FiltresQt(const QString& filter);

// For tests: records the settings of each use and answers with the paths and
// colours queued by the test (cancel when the queue is empty).
class DialogueScripte : public DialogueStandard {
public:
    struct Usage {
        QString Methode;  // "ShowOpen", "ShowSave" or "ShowColor"
        ParametresDial Parametres;
    };
    std::vector<Usage> Usages;
    std::deque<std::variant<QString, std::int32_t>> Reponses;

    QString ShowOpen(QWidget* parent, const ParametresDial& parametres) override;
    QString ShowSave(QWidget* parent, const ParametresDial& parametres) override;
    std::int32_t ShowColor(QWidget* parent, std::int32_t couleur) override;

private:
    QString ReponseFichier();
};

}  // namespace vorlinde::ui
