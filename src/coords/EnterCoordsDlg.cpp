#include "coords/EnterCoordsDlg.h"

#include "platform/MessageBox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace coords {

namespace {

constexpr int kDegButton = 1019;
constexpr int kDmButton = 1020;
constexpr int kDmsButton = 1021;

int ButtonOf(CoordFormat format) {
    switch (format) {
    case CoordFormat::Deg:
        return kDegButton;
    case CoordFormat::Dm:
        return kDmButton;
    case CoordFormat::Dms:
        break;
    }
    return kDmsButton;
}

// Wide enough for the field's usual text, in digits of the current font.
int FieldWidth(const QWidget* widget, int characters) {
    return widget->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + 16;
}

int UsualCharacters(EntryField field) {
    switch (field) {
    case EntryField::LonDegrees:
    case EntryField::LatDegrees:
        return 3;
    case EntryField::LonMinutes:
    case EntryField::LatMinutes:
        return 2;
    case EntryField::LonSeconds:
    case EntryField::LatSeconds:
        return 6;
    case EntryField::LonDecMinutes:
    case EntryField::LatDecMinutes:
        return 10;
    default:
        return 14;
    }
}

} // namespace

EnterCoordsDlg::EnterCoordsDlg(CoordFormat& format, QWidget* parent)
    : QDialog(parent), format_(format) {
    setWindowTitle(QString());

    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("prompt1009"));
    prompt_->setWordWrap(true);

    auto* grid = new QGridLayout;
    // The longitude row lies above the latitude row, as on the handheld.
    const struct {
        const char* label;
        int row;
        std::array<EntryField, 5> edits;
        EntryField list;
        const char* items[2];
    } rows[] = {
        {"lon",
         0,
         {EntryField::LonDegrees, EntryField::LonMinutes, EntryField::LonSeconds,
          EntryField::LonDecMinutes, EntryField::LonDecDegrees},
         EntryField::LonHemisphere,
         {"E", "W"}},
        {"lat",
         1,
         {EntryField::LatDegrees, EntryField::LatMinutes, EntryField::LatSeconds,
          EntryField::LatDecMinutes, EntryField::LatDecDegrees},
         EntryField::LatHemisphere,
         {"N", "S"}},
    };
    for (const auto& row : rows) {
        grid->addWidget(new QLabel(QString::fromLatin1(row.label), this), row.row, 0);
        auto* fields = new QHBoxLayout;
        for (EntryField field : row.edits) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QStringLiteral("field%1").arg(static_cast<int>(field)));
            const FieldTyping typing = TypingOf(field);
            if (typing.digitsOnly)
                edit->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[0-9]*")), edit));
            if (typing.maxLength > 0)
                edit->setMaxLength(typing.maxLength);
            if (typing.rightAligned)
                edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            edit->setInputMethodHints(typing.digitsOnly ? Qt::ImhDigitsOnly
                                                        : Qt::ImhFormattedNumbersOnly);
            edit->setMinimumWidth(FieldWidth(edit, UsualCharacters(field)));
            const bool decimal =
                field == EntryField::LonDecMinutes || field == EntryField::LatDecMinutes ||
                field == EntryField::LonDecDegrees || field == EntryField::LatDecDegrees;
            fields->addWidget(edit, decimal ? 1 : 0);
            connect(edit, &QLineEdit::textChanged, this, &EnterCoordsDlg::OnFieldChanged);
            edits_[field] = edit;
        }
        grid->addLayout(fields, row.row, 1);
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("field%1").arg(static_cast<int>(row.list)));
        list->addItem(QString::fromLatin1(row.items[0]));
        list->addItem(QString::fromLatin1(row.items[1]));
        connect(list, &QComboBox::currentIndexChanged, this, &EnterCoordsDlg::OnFieldChanged);
        grid->addWidget(list, row.row, 2);
        lists_[row.list] = list;
    }
    grid->setColumnStretch(1, 1);

    formats_ = new QButtonGroup(this);
    auto* formatRow = new QHBoxLayout;
    for (auto [id, text] :
         {std::pair{kDegButton, "dd.dd"}, {kDmButton, "dd:mm.mm"}, {kDmsButton, "dd:mm:ss.ss"}}) {
        auto* button = new QRadioButton(QString::fromLatin1(text), this);
        button->setObjectName(QStringLiteral("format%1").arg(id));
        formats_->addButton(button, id);
        formatRow->addWidget(button);
    }
    // Buttons only as wide as their text, so a tap beside one does not choose it.
    formatRow->addStretch();
    connect(formats_, &QButtonGroup::idClicked, this, &EnterCoordsDlg::OnFormatChosen);

    useGps_ = new QPushButton(tr("Use GPS Position"), this);
    useGps_->setObjectName(QStringLiteral("useGps1039"));
    useGps_->setEnabled(false);
    connect(useGps_, &QPushButton::clicked, this, &EnterCoordsDlg::OnUseGpsPosition);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &EnterCoordsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EnterCoordsDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addLayout(grid);
    layout->addLayout(formatRow);
    auto* gpsRow = new QHBoxLayout;
    gpsRow->addStretch();
    gpsRow->addWidget(useGps_);
    gpsRow->addStretch();
    layout->addLayout(gpsRow);
    layout->addStretch();
    layout->addWidget(buttons);

    ShowFieldsForFormat();
}

void EnterCoordsDlg::SetPrompt(const QString& prompt) {
    prompt_->setText(prompt);
}

void EnterCoordsDlg::SetInitialPosition(const MapPos& position) {
    resultLatitude_ = position.y;
    resultLongitude_ = position.x;
    if (opened_) {
        entry_.FillFields(resultLatitude_, resultLongitude_);
        CopyTextsToControls();
    }
}

void EnterCoordsDlg::SetGpsPosition(const MapPos& position) {
    gpsPosition_ = position;
    useGps_->setEnabled(gpsPosition_.IsSet());
}

void EnterCoordsDlg::showEvent(QShowEvent* event) {
    if (!opened_)
        Open();
    QDialog::showEvent(event);
}

void EnterCoordsDlg::Open() {
    opened_ = true;
    formats_->button(ButtonOf(format_))->setChecked(true);
    ShowFieldsForFormat();
    entry_.FillFields(resultLatitude_, resultLongitude_);
    CopyTextsToControls();
}

void EnterCoordsDlg::ShowFieldsForFormat() {
    for (auto& [field, edit] : edits_)
        edit->setVisible(IsFieldShown(field, format_));
}

void EnterCoordsDlg::CopyTextsToControls() {
    copying_ = true;
    for (auto& [field, edit] : edits_) {
        const QString text = QString::fromStdString(entry_.Text(field));
        // The length limit is for typing: a longer text (a position from a damaged file) is
        // shown whole, so the user sees what is there; it can be shortened, not lengthened.
        const int limit = TypingOf(field).maxLength;
        if (limit > 0)
            edit->setMaxLength(std::max<int>(limit, static_cast<int>(text.size())));
        edit->setText(text);
    }
    for (auto& [field, list] : lists_) {
        const int index = list->findText(QString::fromStdString(entry_.Text(field)));
        list->setCurrentIndex(index < 0 ? 0 : index);
    }
    copying_ = false;
    // Colours follow what the fields now hold, not the check of their previous texts.
    entry_.ParseFields(format_);
    ShowValidity();
}

void EnterCoordsDlg::ReadTextsFromControls() {
    for (auto& [field, edit] : edits_)
        entry_.SetText(field, edit->text().toStdString());
    for (auto& [field, list] : lists_)
        entry_.SetText(field, list->currentText().toStdString());
}

void EnterCoordsDlg::ShowValidity() {
    for (auto& [field, edit] : edits_) {
        QPalette palette = edit->palette();
        const QColor normal = QApplication::palette(edit).color(QPalette::Text);
        palette.setColor(QPalette::Text, entry_.IsValid(field) ? normal : QColor(255, 0, 0));
        edit->setPalette(palette);
    }
}

void EnterCoordsDlg::OnFieldChanged() {
    if (copying_)
        return;
    ReadTextsFromControls();
    entry_.ParseFields(format_);
    ShowValidity();
}

void EnterCoordsDlg::OnFormatChosen(int id) {
    const CoordFormat chosen = id == kDegButton  ? CoordFormat::Deg
                               : id == kDmButton ? CoordFormat::Dm
                                                 : CoordFormat::Dms;
    ReadTextsFromControls();
    // An incomplete entry keeps its texts; only the visible set changes.
    entry_.SwitchFormat(format_, chosen);
    format_ = chosen;
    ShowFieldsForFormat();
    CopyTextsToControls();
}

void EnterCoordsDlg::OnUseGpsPosition() {
    resultLatitude_ = gpsPosition_.y;
    resultLongitude_ = gpsPosition_.x;
    entry_.FillFields(resultLatitude_, resultLongitude_);
    CopyTextsToControls();
}

void EnterCoordsDlg::accept() {
    ReadTextsFromControls();
    const EntryResult result = entry_.ParseFields(format_);
    ShowValidity();
    if (result.complete) {
        resultLatitude_ = result.latitude;
        resultLongitude_ = result.longitude;
        hasResult_ = true;
        QDialog::accept();
        return;
    }
    hasResult_ = false;
    platform::ShowMessage(this, tr("Please enter valid coordinates"), tr("Invalid Entry"),
                          platform::MessageIcon::Warning);
}

void EnterCoordsDlg::reject() {
    hasResult_ = false;
    QDialog::reject();
}

} // namespace coords
