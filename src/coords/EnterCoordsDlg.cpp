#include "coords/EnterCoordsDlg.h"

#include "geo/Datums.h"
#include "geo/Proj.h"
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
constexpr int kUtmButton = 1040;
constexpr int kMgrsButton = 1041;
constexpr int kGridButton = 1042;

int ButtonOf(CoordFormat format) {
    switch (format) {
    case CoordFormat::Deg:
        return kDegButton;
    case CoordFormat::Dm:
        return kDmButton;
    case CoordFormat::Utm:
        return kUtmButton;
    case CoordFormat::Mgrs:
        return kMgrsButton;
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
        rowLabels_[row.row] = new QLabel(QString::fromLatin1(row.label), this);
        grid->addWidget(rowLabels_[row.row], row.row, 0);
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
    // UTM, MGRS and the named grid are typed as one text in the place of the two rows.
    gridText_ = new QLineEdit(this);
    gridText_->setObjectName(QStringLiteral("gridText"));
    gridText_->setMinimumWidth(FieldWidth(gridText_, 20));
    connect(gridText_, &QLineEdit::textChanged, this, &EnterCoordsDlg::OnFieldChanged);
    grid->addWidget(gridText_, 2, 0, 1, 3);
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
    auto* gridRow = new QHBoxLayout;
    for (auto [id, text] :
         {std::pair{kUtmButton, "UTM"}, {kMgrsButton, "MGRS"}, {kGridButton, ""}}) {
        auto* button = new QRadioButton(QString::fromLatin1(text), this);
        button->setObjectName(QStringLiteral("format%1").arg(id));
        button->setVisible(id != kGridButton); // until the caller names a grid
        formats_->addButton(button, id);
        gridRow->addWidget(button);
    }
    gridRow->addStretch();
    connect(formats_, &QButtonGroup::idClicked, this, &EnterCoordsDlg::OnFormatChosen);

    datum_ = new QComboBox(this);
    datum_->setObjectName(QStringLiteral("datum"));
    datum_->setEditable(true);
    datum_->setInsertPolicy(QComboBox::NoInsert);
    for (const map::DatumChoice& datum : map::CommonDatums())
        datum_->addItem(
            QString::fromUtf8(datum.label.data(), static_cast<qsizetype>(datum.label.size())));
    connect(datum_, &QComboBox::currentTextChanged, this, &EnterCoordsDlg::OnDatumChanged);
    auto* datumRow = new QHBoxLayout;
    datumRow->addWidget(new QLabel(tr("Datum"), this));
    datumRow->addWidget(datum_, 1);

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
    layout->addLayout(gridRow);
    layout->addLayout(datumRow);
    auto* gpsRow = new QHBoxLayout;
    gpsRow->addStretch();
    gpsRow->addWidget(useGps_);
    gpsRow->addStretch();
    layout->addLayout(gpsRow);
    layout->addStretch();
    layout->addWidget(buttons);

    ShowFieldsForFormat();
    OnDatumChanged(datum_->currentText());
}

void EnterCoordsDlg::SetPrompt(const QString& prompt) {
    prompt_->setText(prompt);
}

void EnterCoordsDlg::SetInitialPosition(const MapPos& position) {
    resultLatitude_ = position.y;
    resultLongitude_ = position.x;
    if (opened_) {
        entry_.Fill(MapPos(resultLongitude_, resultLatitude_), Mode());
        CopyTextsToControls();
    }
}

void EnterCoordsDlg::SetDatum(const QString& datum) {
    const auto crs = map::DatumCrs(datum.toStdString(), nullptr);
    for (int i = 0; crs && i < datum_->count(); ++i) {
        if (map::DatumCrs(datum_->itemText(i).toStdString(), nullptr) == crs) {
            datum_->setCurrentIndex(i);
            return;
        }
    }
    datum_->setEditText(datum);
}

QString EnterCoordsDlg::Datum() const {
    return datum_->currentText();
}

void EnterCoordsDlg::SetGridCrs(const QString& crs) {
    entry_.SetGridCrs(crs.toStdString());
    QAbstractButton* button = formats_->button(kGridButton);
    const std::string name = map::CrsName(crs.toStdString(), nullptr);
    button->setText(name.empty() ? crs : QString::fromStdString(name));
    button->setVisible(!crs.isEmpty());
    gridChosen_ = !crs.isEmpty();
}

void EnterCoordsDlg::OnDatumChanged(const QString& text) {
    std::string error;
    const auto crs = map::DatumCrs(text.toStdString(), &error);
    datumError_ = crs ? QString() : QString::fromStdString(error);
    if (crs)
        entry_.SetDatum(*crs);
    QPalette palette = datum_->palette();
    palette.setColor(QPalette::Text,
                     crs ? QApplication::palette(datum_).color(QPalette::Text) : QColor(255, 0, 0));
    datum_->setPalette(palette);
    if (opened_ && crs) {
        Recheck();
        ShowValidity();
    }
}

void EnterCoordsDlg::Recheck() {
    if (Mode().TypedAsOneText())
        (void)entry_.Read(Mode(), nullptr);
    else
        entry_.ParseFields(format_);
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
    formats_->button(gridChosen_ ? kGridButton : ButtonOf(format_))->setChecked(true);
    ShowFieldsForFormat();
    entry_.Fill(MapPos(resultLongitude_, resultLatitude_), Mode());
    CopyTextsToControls();
}

void EnterCoordsDlg::ShowFieldsForFormat() {
    const bool oneText = Mode().TypedAsOneText();
    for (auto& [field, edit] : edits_)
        edit->setVisible(!oneText && IsFieldShown(field, format_));
    for (auto& [field, list] : lists_)
        list->setVisible(!oneText);
    for (auto& [row, label] : rowLabels_)
        label->setVisible(!oneText);
    gridText_->setVisible(oneText);
    gridText_->setPlaceholderText(gridChosen_ ? tr("easting northing")
                                  : format_ == CoordFormat::Utm
                                      ? QStringLiteral("32T 500000 4982950")
                                      : QStringLiteral("32T LR 00000 82950"));
    // The named grid's numbers are on the grid's own datum.
    datum_->setEnabled(!gridChosen_);
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
    gridText_->setText(QString::fromStdString(entry_.GridText()));
    copying_ = false;
    // Colours follow what the fields now hold, not the check of their previous texts.
    Recheck();
    ShowValidity();
}

void EnterCoordsDlg::ReadTextsFromControls() {
    for (auto& [field, edit] : edits_)
        entry_.SetText(field, edit->text().toStdString());
    for (auto& [field, list] : lists_)
        entry_.SetText(field, list->currentText().toStdString());
    entry_.SetGridText(gridText_->text().toStdString());
}

void EnterCoordsDlg::ShowValidity() {
    for (auto& [field, edit] : edits_) {
        QPalette palette = edit->palette();
        const QColor normal = QApplication::palette(edit).color(QPalette::Text);
        palette.setColor(QPalette::Text, entry_.IsValid(field) ? normal : QColor(255, 0, 0));
        edit->setPalette(palette);
    }
    QPalette palette = gridText_->palette();
    palette.setColor(QPalette::Text, entry_.GridTextValid()
                                         ? QApplication::palette(gridText_).color(QPalette::Text)
                                         : QColor(255, 0, 0));
    gridText_->setPalette(palette);
}

void EnterCoordsDlg::OnFieldChanged() {
    if (copying_)
        return;
    ReadTextsFromControls();
    Recheck();
    ShowValidity();
}

void EnterCoordsDlg::OnFormatChosen(int id) {
    const EntryMode from = Mode();
    EntryMode to{format_, id == kGridButton};
    if (!to.namedGrid) {
        to.format = id == kDegButton    ? CoordFormat::Deg
                    : id == kDmButton   ? CoordFormat::Dm
                    : id == kUtmButton  ? CoordFormat::Utm
                    : id == kMgrsButton ? CoordFormat::Mgrs
                                        : CoordFormat::Dms;
    }
    ReadTextsFromControls();
    // An incomplete entry keeps its texts; only the visible set changes.
    entry_.Switch(from, to);
    format_ = to.format;
    gridChosen_ = to.namedGrid;
    ShowFieldsForFormat();
    CopyTextsToControls();
}

void EnterCoordsDlg::OnUseGpsPosition() {
    resultLatitude_ = gpsPosition_.y;
    resultLongitude_ = gpsPosition_.x;
    entry_.Fill(gpsPosition_, Mode());
    CopyTextsToControls();
}

void EnterCoordsDlg::accept() {
    ReadTextsFromControls();
    std::string error;
    const auto result =
        !gridChosen_ && !datumError_.isEmpty() ? std::nullopt : entry_.Read(Mode(), &error);
    ShowValidity();
    if (result) {
        resultLatitude_ = result->y;
        resultLongitude_ = result->x;
        hasResult_ = true;
        QDialog::accept();
        return;
    }
    hasResult_ = false;
    const QString why = error.empty() ? datumError_ : QString::fromStdString(error);
    platform::ShowMessage(this, why, tr("Invalid Entry"), platform::MessageIcon::Warning);
}

void EnterCoordsDlg::reject() {
    hasResult_ = false;
    QDialog::reject();
}

} // namespace coords
