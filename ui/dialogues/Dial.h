// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The standard dialog component: open-file, save-file and colour dialogs
// driven through properties that the caller sets before each use.
#include <QString>

#include <cstdint>
#include <memory>

class QWidget;

namespace vorlinde::ui {

// What a file dialog checks before it lets a file be chosen. Each option
// carries the number it has always been known by; a dialog's settings are
// the sum of its options' numbers.
struct OptionsFichier {
    bool ConfirmerRemplacement = false;  // 2: ask before replacing an existing file
    bool CacherLectureSeule = false;     // 4: no read-only check box
    bool DossierDoitExister = false;     // 2048
    bool FichierDoitExister = false;     // 4096
    bool RefuserLectureSeule = false;    // 32768: refuse a read-only file or a write-protected folder
    bool NomsLongs = false;              // 2097152

    bool operator==(const OptionsFichier&) const = default;
};

constexpr int ValeurOptions(const OptionsFichier& o)
{
    return (o.ConfirmerRemplacement ? 2 : 0) + (o.CacherLectureSeule ? 4 : 0) + (o.DossierDoitExister ? 2048 : 0)
        + (o.FichierDoitExister ? 4096 : 0) + (o.RefuserLectureSeule ? 32768 : 0) + (o.NomsLongs ? 2097152 : 0);
}

struct ParametresDial {
    QString FileName;
    QString DialogTitle;
    OptionsFichier Flags;
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
// ones, so that every player and every test sees the same dialogs. Besides
// the checks of its options, a file dialog refuses a special file (a named
// pipe, a socket, a device) in an "Erreur" box and stays open.
class DialogueStandardQt : public DialogueStandard {
public:
    QString ShowOpen(QWidget* parent, const ParametresDial& parametres) override;
    QString ShowSave(QWidget* parent, const ParametresDial& parametres) override;
    std::int32_t ShowColor(QWidget* parent, std::int32_t couleur) override;
};

// Qt name filters for a "description|pattern|..." text, showing each
// description exactly as written.
QStringList FiltresQt(const QString& filter);

}  // namespace vorlinde::ui
