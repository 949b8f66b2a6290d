#pragma once

#include "coords/CoordFormat.h"
#include "points/MapPoint.h"

#include <QDialog>
#include <QString>

#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace points {

// "Edit Map Point": one point's name, position, description, symbol, colours and size.
//
// Use: construct (fields start empty, indices -1, position (0, 0)), optionally LoadFromPoint,
// exec(); after Accepted, MakePoint gives the edited point. OK is refused with "A name must be
// supplied." while the name is empty; nothing else is checked, so indices may still be -1.
//
// Typing is limited to 50 characters of name and 100 of description; a longer text loaded from
// a point is shown whole and kept unless the user edits it (and typing never lengthens it).
// Likewise an index outside its list (from a file) is kept unless the user picks an entry.
class EditMapPointDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kNameTypingLimit = 50;
    static constexpr int kDescriptionTypingLimit = 100;

    // entryFormat: the coordinate format the position dialog opens in (see EnterCoordsDlg).
    explicit EditMapPointDlg(coords::CoordFormat& entryFormat, QWidget* parent = nullptr);

    void LoadFromPoint(const CMapPoint& point);
    [[nodiscard]] CMapPoint MakePoint() const;

    void accept() override;

private:
    class TypingLimit;
    struct IndexField {
        QComboBox* list = nullptr;
        std::int32_t loaded = -1; // the value as it came, kept while the list is untouched
        int shown = -1;           // the list row that showed it
    };

    void OnEditPosition();
    [[nodiscard]] QString PositionText() const; // in the grid when one is the entry format
    void OnDescriptionChanged();
    void ShowPosition();
    static void LoadIndex(IndexField& field, std::int32_t value);
    static std::int32_t ReadIndex(const IndexField& field);

    QLineEdit* name_ = nullptr;
    TypingLimit* nameLimit_ = nullptr;
    QLineEdit* positionText_ = nullptr;
    QPushButton* editPosition_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    IndexField symbol_;
    IndexField size_;
    IndexField lineColour_;
    IndexField fillColour_;

    coords::CoordFormat& entryFormat_;
    MapPos position_;
    std::string loadedName_;
    std::string loadedDescription_;
    QString shownDescription_; // the description as the editor gave it back after loading
    QString lastDescription_;  // for refusing typing beyond the limit
    bool settingDescription_ = false;
};

} // namespace points
