#pragma once

#include "view/GpsSettingsValues.h"

#include <QDialog>
#include <QString>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace view {

// One page of the GPS Settings sheet. Fill puts values into the controls; Exchange reads the
// controls back, and on a bad value returns false with the message naming the allowed range,
// leaving values as they were.
class GpsSettingsPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void Fill(const GpsSettingsValues& values) = 0;
    virtual bool Exchange(GpsSettingsValues& values, QString* error) = 0;
};

// Marker look and update rate.
class CGPSSettingsPosPage final : public GpsSettingsPage {
    Q_OBJECT
public:
    explicit CGPSSettingsPosPage(QWidget* parent = nullptr);
    void Fill(const GpsSettingsValues& values) override;
    bool Exchange(GpsSettingsValues& values, QString* error) override;

    QComboBox* symbolList = nullptr;
    QComboBox* lineList = nullptr;
    QComboBox* fillList = nullptr;
    QComboBox* sizeList = nullptr;
    QLineEdit* rateBox = nullptr;
};

class CGPSSettingsTrailPage final : public GpsSettingsPage {
    Q_OBJECT
public:
    explicit CGPSSettingsTrailPage(QWidget* parent = nullptr);
    void Fill(const GpsSettingsValues& values) override;
    bool Exchange(GpsSettingsValues& values, QString* error) override;

    QLineEdit* lengthBox = nullptr;
    QLineEdit* minDeltaBox = nullptr;
    QLineEdit* maxSpeedBox = nullptr;
    QButtonGroup* styleGroup = nullptr; // id 0 "Dots", 1 "Lines"
    QComboBox* sizeList = nullptr;
    QComboBox* colourList = nullptr;
};

class CGPSSettingsCOMPage final : public GpsSettingsPage {
    Q_OBJECT
public:
    explicit CGPSSettingsCOMPage(QWidget* parent = nullptr);
    void Fill(const GpsSettingsValues& values) override;
    bool Exchange(GpsSettingsValues& values, QString* error) override;

    QComboBox* portList = nullptr;
    QComboBox* baudBox = nullptr;
    QComboBox* deviceBox = nullptr; // free text, with the serial devices found on the machine
};

// The "GPS Settings" sheet: Position, Trail and Connection pages. Leaving a page (another tab,
// OK) with a bad value keeps the user on it with the message; Cancel and the window's close
// button leave the values of the last good exchange. Values() is what the sheet ends with.
class GpsSettingsSheet final : public QDialog {
    Q_OBJECT
public:
    explicit GpsSettingsSheet(const GpsSettingsValues& values, QWidget* parent = nullptr);

    [[nodiscard]] const GpsSettingsValues& Values() const { return values_; }
    [[nodiscard]] QTabWidget* Tabs() const { return tabs_; }
    [[nodiscard]] GpsSettingsPage* Page(int index) const;

    void accept() override;

private:
    bool LeavePage(int index);
    void OnTabChanged(int index);

    GpsSettingsValues values_;
    QTabWidget* tabs_ = nullptr;
    int currentPage_ = 0;
    bool switchingBack_ = false;
};

// Runs the sheet modally over parent, starting from values; returns what it closed with.
GpsSettingsValues RunGpsSettingsSheet(QWidget* parent, const GpsSettingsValues& values);

} // namespace view
