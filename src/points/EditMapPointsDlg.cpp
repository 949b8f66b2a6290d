#include "points/EditMapPointsDlg.h"

#include "base/FileKind.h"
#include "platform/MessageBox.h"
#include "points/EditMapPointDlg.h"
#include "points/PointsGpx.h"
#include "points/PointsKml.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace points {

namespace {

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

EditMapPointsDlg::EditMapPointsDlg(MapPointList& points, coords::CoordFormat& entryFormat,
                                   QWidget* parent)
    : QDialog(parent), points_(points), entryFormat_(entryFormat) {
    setWindowTitle(tr("Edit Map Points"));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("points"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);

    const auto makeButton = [this](const QString& text, const char* objectName) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(objectName));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* show = makeButton(tr("Show"), "show");
    QPushButton* goTo = makeButton(tr("Go To"), "goTo");
    QPushButton* add = makeButton(tr("New..."), "new");
    QPushButton* edit = makeButton(tr("Edit..."), "edit");
    QPushButton* remove = makeButton(tr("Delete"), "delete");
    QPushButton* import = makeButton(tr("Import..."), "import");
    QPushButton* exportKml = makeButton(tr("Export..."), "export");
    QPushButton* close = makeButton(tr("Close"), "close");

    auto* column = new QVBoxLayout;
    column->addWidget(show);
    column->addWidget(goTo);
    column->addSpacing(12);
    column->addWidget(add);
    column->addWidget(edit);
    column->addWidget(remove);
    column->addSpacing(12);
    column->addWidget(import);
    column->addWidget(exportKml);
    column->addStretch(1);
    column->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(column);

    connect(show, &QPushButton::clicked, this, [this] { OnShow(kShowResult); });
    connect(goTo, &QPushButton::clicked, this, [this] { OnShow(kGoToResult); });
    connect(add, &QPushButton::clicked, this, &EditMapPointsDlg::OnNew);
    connect(edit, &QPushButton::clicked, this, &EditMapPointsDlg::OnEdit);
    connect(remove, &QPushButton::clicked, this, &EditMapPointsDlg::OnDelete);
    connect(import, &QPushButton::clicked, this, &EditMapPointsDlg::ImportPoints);
    connect(exportKml, &QPushButton::clicked, this, &EditMapPointsDlg::ExportPoints);
    connect(close, &QPushButton::clicked, this, &EditMapPointsDlg::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &EditMapPointsDlg::OnEdit);

    FillList();
    list_->setCurrentRow(0); // nothing when the list is empty
}

void EditMapPointsDlg::FillList() {
    list_->clear();
    for (const CMapPoint& point : points_)
        list_->addItem(ToQString(point.GetName()));
}

int EditMapPointsDlg::SelectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return -1;
    const int row = list_->row(selected.front());
    return row >= 0 && static_cast<std::size_t>(row) < points_.size() ? row : -1;
}

void EditMapPointsDlg::OnShow(int result) {
    const int row = SelectedRow();
    if (row < 0) {
        platform::ShowMessage(this, tr("Select a point to show on the map."), tr("Error"),
                              platform::MessageIcon::Information);
        return;
    }
    showPosition = points_[static_cast<std::size_t>(row)].GetPosition();
    showName = points_[static_cast<std::size_t>(row)].GetName();
    done(result);
}

void EditMapPointsDlg::OnNew() {
    EditMapPointDlg dialog(entryFormat_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    points_.push_back(dialog.MakePoint());
    list_->addItem(ToQString(points_.back().GetName()));
    modified = true;
}

void EditMapPointsDlg::OnEdit() {
    const int row = SelectedRow();
    if (row < 0)
        return;
    EditMapPointDlg dialog(entryFormat_, this);
    dialog.LoadFromPoint(points_[static_cast<std::size_t>(row)]);
    if (dialog.exec() != QDialog::Accepted)
        return;
    points_[static_cast<std::size_t>(row)] = dialog.MakePoint();
    FillList();
    list_->setCurrentRow(row);
    modified = true;
}

void EditMapPointsDlg::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) {
        platform::ShowMessage(this, tr("Select a point to be deleted."), tr("Error"),
                              platform::MessageIcon::Information);
        return;
    }
    if (!platform::Ask(this, tr("Delete this point?"), tr("Confirm Deletion")))
        return;
    points_.erase(points_.begin() + row);
    delete list_->takeItem(row);
    // No line stays selected, so a second Delete cannot take the next point by accident.
    list_->clearSelection();
    list_->setCurrentRow(-1);
    modified = true;
}

void EditMapPointsDlg::ExportPoints() {
    const QStringList filters = {tr("Google KML (*.kml)"), tr("GPX 1.1 (*.gpx)")};
    QFileDialog dialog(this, tr("Export Map Points"));
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("kml"));
    // A name typed without an extension takes the one of the chosen type.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
        dialog.setDefaultSuffix(f == filters.value(1) ? QStringLiteral("gpx")
                                                      : QStringLiteral("kml"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().front();
    const std::string file = path.toStdString();
    const bool gpx = base::KindOfFile(file) == base::FileKind::Gpx;
    if (!(gpx ? WritePointsGpx(file, points_) : WritePointsKml(file, points_)))
        platform::ReportWriteFailure(this, path);
}

void EditMapPointsDlg::ImportPoints() {
    QFileDialog dialog(this, tr("Import Map Points"));
    dialog.setNameFilters({tr("GPX or KML (*.gpx *.kml)"), tr("All Files (*)")});
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string path = dialog.selectedFiles().front().toStdString();
    MapPointList imported;
    if (const platform::LoadResult read = ReadImportedPoints(path, imported); !read) {
        platform::ShowMessage(this, tr("Unable to open file: ") + ToQString(read.error),
                              tr("Load Error"), platform::MessageIcon::Error);
        return;
    }
    if (imported.empty()) {
        platform::ShowMessage(this, tr("No points in file: ") + ToQString(path), tr("Import"),
                              platform::MessageIcon::Information);
        return;
    }
    points_.insert(points_.end(), imported.begin(), imported.end());
    FillList();
    list_->setCurrentRow(static_cast<int>(points_.size() - imported.size()));
    modified = true;
}

bool SavePointsFileReporting(QWidget* parent, const std::string& pointsPath,
                             const MapPointList& points) {
    const platform::FileResult written = WritePointsFile(pointsPath, points);
    if (!written)
        platform::ReportWriteFailure(parent, QString::fromStdString(written.error));
    return written.ok;
}

EditPointsOutcome RunEditMapPoints(QWidget* parent, MapPointList& points,
                                   coords::CoordFormat& entryFormat,
                                   const std::string& pointsPath) {
    return RunEditMapPoints(parent, points, entryFormat,
                            [&] { return SavePointsFileReporting(parent, pointsPath, points); });
}

EditPointsOutcome RunEditMapPoints(QWidget* parent, MapPointList& points,
                                   coords::CoordFormat& entryFormat,
                                   const std::function<bool()>& save) {
    EditMapPointsDlg dialog(points, entryFormat, parent);
    EditPointsOutcome outcome;
    outcome.result = dialog.exec();
    outcome.modified = dialog.IsModified();
    outcome.showPosition = dialog.ShowPosition();
    outcome.showName = dialog.ShowName();
    if (outcome.modified)
        outcome.saved = save();
    return outcome;
}

} // namespace points
