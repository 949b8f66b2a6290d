#include "points/EditMapPointDlg.h"

#include "coords/CoordFormat.h"
#include "coords/EnterCoordsDlg.h"
#include "platform/MessageBox.h"
#include "points/MapPointLook.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <array>

namespace points {

namespace {

template <std::size_t N>
QComboBox* MakeList(QWidget* parent, const std::array<std::string_view, N>& names) {
    auto* list = new QComboBox(parent);
    for (const std::string_view name : names)
        list->addItem(QCoreApplication::translate("core", std::string(name).c_str()));
    list->setCurrentIndex(-1);
    return list;
}

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The handheld's multi-line edit separates lines with CR LF; keep files readable there.
std::string WithCrLf(const QString& text) {
    QString copy = text;
    copy.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    copy.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return copy.toStdString();
}

} // namespace

// Refuses typing that would make the name longer than the limit, or longer than it already is
// when a loaded name exceeds the limit; setText is not validated, so a long name shows whole.
// The line edit has already taken the new text when it asks, so the text before the change is
// kept here.
class EditMapPointDlg::TypingLimit : public QValidator {
public:
    TypingLimit(int limit, QLineEdit* edit) : QValidator(edit), limit_(limit) {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { before_ = text; });
    }

    State validate(QString& input, int&) const override {
        return input.size() > limit_ && input.size() > before_.size() ? Invalid : Acceptable;
    }

    // The line edit validates setText too; a text the dialog sets is acceptable whatever its
    // length (otherwise the edit would take it as invalid and stop refusing keystrokes).
    void Expect(const QString& text) { before_ = text; }

private:
    int limit_;
    QString before_;
};

EditMapPointDlg::EditMapPointDlg(coords::CoordFormat& entryFormat, QWidget* parent)
    : QDialog(parent), entryFormat_(entryFormat) {
    setWindowTitle(tr("Edit Map Point"));

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    nameLimit_ = new TypingLimit(kNameTypingLimit, name_);
    name_->setValidator(nameLimit_);

    positionText_ = new QLineEdit(this);
    positionText_->setObjectName(QStringLiteral("position"));
    positionText_->setReadOnly(true);
    editPosition_ = new QPushButton(tr("Edit"), this);
    editPosition_->setObjectName(QStringLiteral("editPosition"));
    editPosition_->setAutoDefault(false);

    symbol_.list = MakeList(this, kSymbolNames);
    symbol_.list->setObjectName(QStringLiteral("symbol"));
    size_.list = MakeList(this, kSizeNames);
    size_.list->setObjectName(QStringLiteral("size"));
    lineColour_.list = MakeList(this, kColourNames);
    lineColour_.list->setObjectName(QStringLiteral("lineColour"));
    fillColour_.list = MakeList(this, kColourNames);
    fillColour_.list->setObjectName(QStringLiteral("fillColour"));

    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("description"));
    description_->setTabChangesFocus(true);
    description_->setFixedHeight(description_->fontMetrics().lineSpacing() * 3 + 12);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    grid->addWidget(name_, 0, 1, 1, 4);
    grid->addWidget(new QLabel(tr("Position:"), this), 1, 0);
    auto* positionRow = new QHBoxLayout;
    positionRow->addWidget(positionText_, 1);
    positionRow->addWidget(editPosition_);
    grid->addLayout(positionRow, 1, 1, 1, 4);
    grid->addWidget(new QLabel(tr("Symbol:"), this), 2, 0);
    grid->addWidget(symbol_.list, 2, 1);
    grid->addWidget(new QLabel(tr("Size:"), this), 2, 2);
    grid->addWidget(size_.list, 2, 3);
    grid->addWidget(new QLabel(tr("Line:"), this), 3, 0);
    grid->addWidget(lineColour_.list, 3, 1);
    grid->addWidget(new QLabel(tr("Fill:"), this), 3, 2);
    grid->addWidget(fillColour_.list, 3, 3);
    grid->addWidget(new QLabel(tr("Desc:"), this), 4, 0, Qt::AlignTop);
    grid->addWidget(description_, 4, 1, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &EditMapPointDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EditMapPointDlg::reject);
    connect(editPosition_, &QPushButton::clicked, this, &EditMapPointDlg::OnEditPosition);
    connect(description_, &QPlainTextEdit::textChanged, this,
            &EditMapPointDlg::OnDescriptionChanged);
}

void EditMapPointDlg::LoadIndex(IndexField& field, std::int32_t value) {
    field.loaded = value;
    field.list->setCurrentIndex(value >= 0 && value < field.list->count() ? value : -1);
    field.shown = field.list->currentIndex();
}

std::int32_t EditMapPointDlg::ReadIndex(const IndexField& field) {
    const int row = field.list->currentIndex();
    return row == field.shown ? field.loaded : row;
}

void EditMapPointDlg::LoadFromPoint(const CMapPoint& point) {
    loadedName_ = point.GetName();
    nameLimit_->Expect(ToQString(loadedName_));
    name_->setText(ToQString(loadedName_));

    loadedDescription_ = point.GetDescription();
    settingDescription_ = true;
    description_->setPlainText(ToQString(loadedDescription_));
    settingDescription_ = false;
    shownDescription_ = description_->toPlainText();
    lastDescription_ = shownDescription_;

    LoadIndex(symbol_, point.GetSymbol());
    LoadIndex(size_, point.GetSize());
    LoadIndex(lineColour_, point.GetLineColour());
    LoadIndex(fillColour_, point.GetFillColour());

    position_ = point.GetPosition();
    ShowPosition();
}

CMapPoint EditMapPointDlg::MakePoint() const {
    // Texts the user left alone go back byte for byte, whatever the widgets made of them.
    const QString name = name_->text();
    std::string nameText = name == ToQString(loadedName_) ? loadedName_ : name.toStdString();
    const QString description = description_->toPlainText();
    std::string descriptionText =
        description == shownDescription_ ? loadedDescription_ : WithCrLf(description);
    return CMapPoint(std::move(nameText), position_, ReadIndex(symbol_), ReadIndex(lineColour_),
                     ReadIndex(fillColour_), ReadIndex(size_), std::move(descriptionText));
}

void EditMapPointDlg::accept() {
    if (name_->text().isEmpty()) {
        platform::ShowMessage(this, tr("A name must be supplied."), tr("Error"),
                              platform::MessageIcon::Warning);
        return;
    }
    QDialog::accept();
}

void EditMapPointDlg::ShowPosition() {
    // A longitude of exactly 0 is taken for "no position yet", as the handheld did.
    positionText_->setText(position_.x != 0.0 ? PositionText() : QString());
}

void EditMapPointDlg::OnEditPosition() {
    coords::EnterCoordsDlg dialog(entryFormat_, this);
    dialog.SetPrompt(tr("Enter point position:"));
    dialog.SetInitialPosition(position_);
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return;
    position_ = dialog.GetResult();
    positionText_->setText(PositionText());
}

QString EditMapPointDlg::PositionText() const {
    // The handheld always showed Dms here; a user who types in a grid reads the grid back.
    const bool grid =
        entryFormat_ == coords::CoordFormat::Utm || entryFormat_ == coords::CoordFormat::Mgrs;
    return QString::fromStdString(
        coords::FormatPosition(position_, grid ? entryFormat_ : coords::CoordFormat::Dms));
}

void EditMapPointDlg::OnDescriptionChanged() {
    if (settingDescription_)
        return;
    const QString text = description_->toPlainText();
    if (text.size() > kDescriptionTypingLimit && text.size() > lastDescription_.size()) {
        // Undo the keystroke or paste; the cursor goes back to where it was.
        const int cursor = description_->textCursor().position() -
                           static_cast<int>(text.size() - lastDescription_.size());
        settingDescription_ = true;
        description_->setPlainText(lastDescription_);
        settingDescription_ = false;
        QTextCursor restored = description_->textCursor();
        restored.setPosition(std::clamp(cursor, 0, static_cast<int>(lastDescription_.size())));
        description_->setTextCursor(restored);
        return;
    }
    lastDescription_ = text;
}

} // namespace points
