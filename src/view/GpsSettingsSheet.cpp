#include "view/GpsSettingsSheet.h"

#include "platform/MessageBox.h"
#include "platform/SerialDevices.h"
#include "platform/Socket.h"
#include "points/MapPointLook.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

#include <chrono>

namespace view {

namespace {

template <std::size_t N>
QComboBox* MakeList(const std::array<std::string_view, N>& names, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (std::string_view name : names)
        list->addItem(QCoreApplication::translate("core", std::string(name).c_str()));
    return list;
}

// A stored index without an entry shows no selection, and reads back as it was.
void SelectIndex(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

int ReadIndex(const QComboBox* list, int previous) {
    return list->currentIndex() >= 0 ? list->currentIndex() : previous;
}

QWidget* WithUnit(QWidget* field, const QString& unit, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    layout->addWidget(new QLabel(unit, row));
    layout->addStretch();
    return row;
}

QString ToQString(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CGPSSettingsPosPage::CGPSSettingsPosPage(QWidget* parent) : GpsSettingsPage(parent) {
    auto* form = new QFormLayout(this);
    symbolList = MakeList(kSymbolNames, this);
    lineList = MakeList(kColourNames, this);
    fillList = MakeList(kColourNames, this);
    sizeList = MakeList(kSizeNames, this);
    rateBox = new QLineEdit(this);
    // The rate box takes digits only, as it always has.
    rateBox->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), rateBox));
    rateBox->setMaxLength(9);
    form->addRow(tr("Symbol:"), symbolList);
    form->addRow(tr("Line:"), lineList);
    form->addRow(tr("Fill:"), fillList);
    form->addRow(tr("Size:"), sizeList);
    form->addRow(tr("Max Rate:"), WithUnit(rateBox, tr("ms"), this));
}

void CGPSSettingsPosPage::Fill(const GpsSettingsValues& v) {
    SelectIndex(symbolList, v.symbol);
    SelectIndex(lineList, v.lineColour);
    SelectIndex(fillList, v.fillColour);
    SelectIndex(sizeList, v.size);
    rateBox->setText(QString::number(v.updateRateMs));
}

bool CGPSSettingsPosPage::Exchange(GpsSettingsValues& v, QString* error) {
    std::int32_t rate = 0;
    if (auto message = CheckUpdateRate(rateBox->text().toStdString(), &rate)) {
        *error = ToQString(*message);
        rateBox->setFocus();
        rateBox->selectAll();
        return false;
    }
    v.symbol = ReadIndex(symbolList, v.symbol);
    v.lineColour = ReadIndex(lineList, v.lineColour);
    v.fillColour = ReadIndex(fillList, v.fillColour);
    v.size = ReadIndex(sizeList, v.size);
    v.updateRateMs = rate;
    return true;
}

CGPSSettingsTrailPage::CGPSSettingsTrailPage(QWidget* parent) : GpsSettingsPage(parent) {
    auto* form = new QFormLayout(this);
    lengthBox = new QLineEdit(this);
    minDeltaBox = new QLineEdit(this);
    maxSpeedBox = new QLineEdit(this);
    maxSpeedBox->setToolTip(
        tr("A fix faster than this from the last one starts a new line; 0 is off."));
    styleGroup = new QButtonGroup(this);
    auto* dots = new QRadioButton(tr("Dots"), this);
    auto* lines = new QRadioButton(tr("Lines"), this);
    styleGroup->addButton(dots, 0);
    styleGroup->addButton(lines, 1);
    auto* styleRow = new QWidget(this);
    auto* styleLayout = new QHBoxLayout(styleRow);
    styleLayout->setContentsMargins(0, 0, 0, 0);
    styleLayout->addWidget(dots);
    styleLayout->addWidget(lines);
    styleLayout->addStretch();
    sizeList = MakeList(kSizeNames, this);
    colourList = MakeList(kColourNames, this);
    form->addRow(tr("Length:"), WithUnit(lengthBox, tr("samples"), this));
    form->addRow(tr("Min Delta:"), WithUnit(minDeltaBox, tr("metres"), this));
    form->addRow(tr("Max Speed:"), WithUnit(maxSpeedBox, tr("km/h"), this));
    form->addRow(tr("Style:"), styleRow);
    form->addRow(tr("Size:"), sizeList);
    form->addRow(tr("Colour:"), colourList);
}

void CGPSSettingsTrailPage::Fill(const GpsSettingsValues& v) {
    lengthBox->setText(QString::number(v.trailLength));
    // Shortest exact text, whatever the user's locale: 2.4 shows as "2.4".
    minDeltaBox->setText(QString::number(v.trailMinDelta, 'g', 15));
    maxSpeedBox->setText(QString::number(v.trailMaxSpeedKmh));
    if (auto* button = styleGroup->button(v.trailStyle))
        button->setChecked(true);
    SelectIndex(sizeList, v.trailSize);
    SelectIndex(colourList, v.trailColour);
}

bool CGPSSettingsTrailPage::Exchange(GpsSettingsValues& v, QString* error) {
    std::int32_t length = 0;
    double minDelta = 0;
    if (auto message = CheckTrailLength(lengthBox->text().toStdString(), &length)) {
        *error = ToQString(*message);
        lengthBox->setFocus();
        lengthBox->selectAll();
        return false;
    }
    if (auto message = CheckTrailMinDelta(minDeltaBox->text().toStdString(), &minDelta)) {
        *error = ToQString(*message);
        minDeltaBox->setFocus();
        minDeltaBox->selectAll();
        return false;
    }
    std::int32_t maxSpeed = 0;
    if (auto message = CheckTrailMaxSpeed(maxSpeedBox->text().toStdString(), &maxSpeed)) {
        *error = ToQString(*message);
        maxSpeedBox->setFocus();
        maxSpeedBox->selectAll();
        return false;
    }
    v.trailLength = length;
    v.trailMinDelta = minDelta;
    v.trailMaxSpeedKmh = maxSpeed;
    if (styleGroup->checkedId() >= 0)
        v.trailStyle = styleGroup->checkedId();
    v.trailSize = ReadIndex(sizeList, v.trailSize);
    v.trailColour = ReadIndex(colourList, v.trailColour);
    return true;
}

CGPSSettingsCOMPage::CGPSSettingsCOMPage(QWidget* parent) : GpsSettingsPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    portList = new QComboBox(this);
    const SettingKey& ports = SettingKeyOf(ViewSettingId::ComPort);
    for (int port = ports.min; port <= ports.max; ++port)
        portList->addItem(QString::number(port));
    baudBox = new QComboBox(this);
    baudBox->setEditable(true);
    baudBox->setInsertPolicy(QComboBox::NoInsert);
    baudBox->addItem(
        QString::fromLatin1(kAutoBaudText.data(), static_cast<qsizetype>(kAutoBaudText.size())));
    baudBox->addItems({"4800", "9600", "19200", "38400", "57600", "115200"});
    deviceBox = new QComboBox(this);
    deviceBox->setEditable(true);
    deviceBox->setInsertPolicy(QComboBox::NoInsert);
    deviceBox->addItem(QString());
    // The list shows the maker and model beside a device; the field takes the path alone.
    for (const auto& device : platform::ListSerialDevices()) {
        const std::string description = platform::SerialDeviceDescription(device);
        deviceBox->addItem(description.empty() ? ToQString(device)
                                               : ToQString(device + "  (" + description + ")"),
                           ToQString(device));
    }
    connect(deviceBox, &QComboBox::activated, this, [this](int index) {
        if (const QString path = deviceBox->itemData(index).toString(); !path.isEmpty())
            deviceBox->setEditText(path);
    });
    // A gpsd on this machine answers at once; one that does not is not offered.
    platform::Socket gpsd;
    if (gpsd.ConnectTcp("127.0.0.1", 2947, std::chrono::milliseconds(200)).empty())
        deviceBox->addItem(QStringLiteral("gpsd://localhost:2947"));
    // The other forms, to be completed in the field.
    for (const char* form : {"tcp://HOST:PORT", "udp://:10110", "file:", "sim:"})
        deviceBox->addItem(QString::fromLatin1(form));
    deviceBox->lineEdit()->setPlaceholderText(tr("the COM port's device"));
    deviceBox->setToolTip(tr("Used instead of the COM port: a device path, gpsd://HOST:PORT, "
                             "tcp://HOST:PORT, udp://:PORT, file:LOG or sim:."));
    form->addRow(tr("COM Port:"), portList);
    form->addRow(tr("Baud Rate:"), baudBox);
    form->addRow(tr("Device:"), deviceBox);
    layout->addLayout(form);
    auto* note = new QLabel(tr("Changes take effect on next GPS connection."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch();
}

void CGPSSettingsCOMPage::Fill(const GpsSettingsValues& v) {
    SelectIndex(portList, v.portIndex);
    baudBox->setEditText(ToQString(v.baudText));
    deviceBox->setEditText(ToQString(v.device));
}

bool CGPSSettingsCOMPage::Exchange(GpsSettingsValues& v, QString* error) {
    const std::string baud = baudBox->currentText().toStdString();
    if (auto message = CheckBaudText(baud)) {
        *error = ToQString(*message);
        baudBox->setFocus();
        return false;
    }
    v.portIndex = portList->currentIndex();
    v.baudText = baud;
    v.device = deviceBox->currentText().trimmed().toStdString();
    return true;
}

GpsSettingsSheet::GpsSettingsSheet(const GpsSettingsValues& values, QWidget* parent)
    : QDialog(parent), values_(values) {
    setWindowTitle(tr("GPS Settings"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    GpsSettingsPage* pages[] = {new CGPSSettingsPosPage(tabs_), new CGPSSettingsTrailPage(tabs_),
                                new CGPSSettingsCOMPage(tabs_)};
    const QString titles[] = {tr("Position"), tr("Trail"), tr("Connection")};
    for (int i = 0; i < 3; ++i) {
        pages[i]->Fill(values_);
        tabs_->addTab(pages[i], titles[i]);
    }
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &GpsSettingsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GpsSettingsSheet::reject);
    layout->addWidget(buttons);
    connect(tabs_, &QTabWidget::currentChanged, this, &GpsSettingsSheet::OnTabChanged);
}

GpsSettingsPage* GpsSettingsSheet::Page(int index) const {
    return qobject_cast<GpsSettingsPage*>(tabs_->widget(index));
}

bool GpsSettingsSheet::LeavePage(int index) {
    QString error;
    if (Page(index)->Exchange(values_, &error))
        return true;
    platform::ShowMessage(this, error, windowTitle(), platform::MessageIcon::Warning);
    return false;
}

void GpsSettingsSheet::OnTabChanged(int index) {
    if (switchingBack_)
        return;
    if (!LeavePage(currentPage_)) {
        switchingBack_ = true;
        tabs_->setCurrentIndex(currentPage_);
        switchingBack_ = false;
        return;
    }
    currentPage_ = index;
}

void GpsSettingsSheet::accept() {
    if (LeavePage(currentPage_))
        QDialog::accept();
}

GpsSettingsValues RunGpsSettingsSheet(QWidget* parent, const GpsSettingsValues& values) {
    GpsSettingsSheet sheet(values, parent);
    sheet.exec();
    return sheet.Values();
}

} // namespace view
